// The user's copies of the installation folder's files. Every function here is
// on every Win32 release but GetLongPathNameA (98 and 2000 on), looked up at
// run time, as are the Unicode ones, called on the NT line only; the program
// asks only where %LOCALAPPDATA% is set (Vista on).
#include <windows.h>

#include "win32/LateFunctions.h"
#include "win32/Win32Services.h"

namespace {
constexpr DWORD kPathSize = MAX_PATH * 2;

// What a call of the "fill this buffer, return the length" kind gave, when it fit.
std::string filled(const char* buffer, DWORD length, DWORD size) {
    return length > 0 && length < size ? std::string(buffer, length) : std::string();
}

// Unicode text in the Windows code page with "?" for each character it lacks,
// never a best fit that would name another file.
std::string inWindowsCodePage(const wchar_t* text, DWORD length) {
    char bytes[kPathSize * 2];
    int size = length == 0 ? 0
                           : WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, int(length),
                                                 bytes, int(sizeof bytes), "?", nullptr);
    // UTF-8, which has every character, takes neither.
    if (size <= 0 && length != 0)
        size = WideCharToMultiByte(CP_ACP, 0, text, int(length), bytes, int(sizeof bytes), nullptr,
                                   nullptr);
    return std::string(bytes, size > 0 ? std::size_t(size) : 0);
}

// An environment variable as the NT line keeps it, in Unicode: its length, 0
// where it is not set or too long, and on 95 to ME, which have no store.
DWORD unicodeVariable(const wchar_t* name, wchar_t* value) {
    using EnvironmentVariableW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    const auto variable =
        loadedFunction<EnvironmentVariableW>("kernel32.dll", "GetEnvironmentVariableW");
    const DWORD length = windowsNtLine() && variable ? variable(name, value, kPathSize) : 0;
    return length < kPathSize ? length : 0;
}

std::string variableText(const wchar_t* name) {
    wchar_t value[kPathSize];
    return inWindowsCodePage(value, unicodeVariable(name, value));
}
}  // namespace

// The ANSI copy of a name outside the code page has "?" in it: take the
// folder as it is or by its short form; nothing where neither is in the code page.
std::optional<std::string> Win32VirtualStoreFiles::localAppData() {
    using ShortPathNameW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    const auto shortPathName = loadedFunction<ShortPathNameW>("kernel32.dll", "GetShortPathNameW");
    wchar_t value[kPathSize];
    std::string text = inWindowsCodePage(value, unicodeVariable(L"LOCALAPPDATA", value));
    if (text.find('?') != std::string::npos) {
        wchar_t shortForm[kPathSize];
        const DWORD length = shortPathName ? shortPathName(value, shortForm, kPathSize) : 0;
        text = inWindowsCodePage(shortForm, length < kPathSize ? length : 0);
    }
    if (text.empty() || text.find('?') != std::string::npos) return std::nullopt;
    return text;
}

std::string Win32VirtualStoreFiles::localAppDataText() { return variableText(L"LOCALAPPDATA"); }

std::string Win32VirtualStoreFiles::userProfileText() { return variableText(L"USERPROFILE"); }

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

bool Win32VirtualStoreFiles::isReparsePoint(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
