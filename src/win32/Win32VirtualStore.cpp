// The user's copies of the installation folder's files. Every function here is
// on every Win32 release but GetLongPathNameA (98 and 2000 on), looked up at
// run time, as are the Unicode ones, called on the NT line only; the program
// asks only where %LOCALAPPDATA% is set (Vista on).
#include <windows.h>

#include <algorithm>

#include "win32/LateFunctions.h"
#include "win32/Win32Services.h"

namespace {
constexpr DWORD kPathSize = MAX_PATH * 2;

// What a call of the "fill this buffer, return the length" kind gave, when it fit.
std::string filled(const char* buffer, DWORD length, DWORD size) {
    return length > 0 && length < size ? std::string(buffer, length) : std::string();
}

// The text in the Windows code page, when those bytes read back as the same text.
std::optional<std::string> exactlyInWindowsCodePage(const wchar_t* text, DWORD length) {
    char bytes[kPathSize * 2];
    wchar_t back[kPathSize];
    const int size = length == 0 ? 0
                                 : WideCharToMultiByte(CP_ACP, 0, text, int(length), bytes,
                                                       int(sizeof bytes), nullptr, nullptr);
    if (size <= 0 ||
        MultiByteToWideChar(CP_ACP, 0, bytes, size, back, int(kPathSize)) != int(length) ||
        !std::equal(text, text + length, back))
        return std::nullopt;
    return std::string(bytes, std::size_t(size));
}

// An environment variable's folder by a path the ANSI calls can open. The NT
// line keeps the environment in Unicode, where the ANSI copy of a name outside
// the code page has "?" in it: read it in Unicode and take it as it is or by
// its short form; nothing where neither is in the code page.
std::optional<std::string> environmentFolder(const char* name, const wchar_t* wideName) {
    if (!windowsNtLine()) {
        char buffer[kPathSize];
        std::string value =
            filled(buffer, GetEnvironmentVariableA(name, buffer, kPathSize), kPathSize);
        if (value.empty()) return std::nullopt;
        return value;
    }
    using EnvironmentVariableW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    using ShortPathNameW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    const auto variable =
        loadedFunction<EnvironmentVariableW>("kernel32.dll", "GetEnvironmentVariableW");
    const auto shortPathName = loadedFunction<ShortPathNameW>("kernel32.dll", "GetShortPathNameW");
    wchar_t value[kPathSize];
    const DWORD length = variable ? variable(wideName, value, kPathSize) : 0;
    if (length == 0 || length >= kPathSize) return std::nullopt;
    if (std::optional<std::string> exact = exactlyInWindowsCodePage(value, length)) return exact;
    wchar_t shortForm[kPathSize];
    const DWORD shortLength = shortPathName ? shortPathName(value, shortForm, kPathSize) : 0;
    if (shortLength >= kPathSize) return std::nullopt;
    return exactlyInWindowsCodePage(shortForm, shortLength);
}
}  // namespace

std::optional<std::string> Win32VirtualStoreFiles::localAppData() {
    return environmentFolder("LOCALAPPDATA", L"LOCALAPPDATA");
}

std::optional<std::string> Win32VirtualStoreFiles::userProfile() {
    return environmentFolder("USERPROFILE", L"USERPROFILE");
}

std::string Win32VirtualStoreFiles::currentFolder() {
    char buffer[kPathSize];
    return filled(buffer, GetFullPathNameA(".", sizeof buffer, buffer, nullptr), sizeof buffer);
}

std::string longPathOf(const std::string& path) {
    using LongPathName = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    const auto longPathName = loadedFunction<LongPathName>("kernel32.dll", "GetLongPathNameA");
    if (!longPathName) return path;
    char buffer[kPathSize];
    std::string longPath =
        filled(buffer, longPathName(path.c_str(), buffer, sizeof buffer), sizeof buffer);
    return longPath.empty() ? path : longPath;
}

std::string Win32VirtualStoreFiles::longPathOf(const std::string& path) {
    return ::longPathOf(path);
}

std::string Win32VirtualStoreFiles::systemDrive() {
    char buffer[MAX_PATH];
    const DWORD length = GetSystemDirectoryA(buffer, sizeof buffer);
    return length >= 2 && length < sizeof buffer ? std::string(buffer, 2) : std::string();
}

std::optional<FileTime> Win32VirtualStoreFiles::lastWriteTime(const std::string& path) {
    // FindFirstFileA reads the folder's entry: no open that a held file could refuse.
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return (FileTime(found.ftLastWriteTime.dwHighDateTime) << 32) |
           found.ftLastWriteTime.dwLowDateTime;
}
