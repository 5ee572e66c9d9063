// The user's copies of the installation folder's files. Every function here is
// on every Win32 release but GetLongPathNameA (98 and 2000 on), looked up at
// run time; the program asks only where %LOCALAPPDATA% is set (Vista on).
#include <windows.h>

#include "win32/LateFunctions.h"
#include "win32/Win32Services.h"

namespace {
// What a call of the "fill this buffer, return the length" kind gave, when it fit.
std::string filled(const char* buffer, DWORD length, DWORD size) {
    return length > 0 && length < size ? std::string(buffer, length) : std::string();
}
}  // namespace

std::optional<std::string> Win32VirtualStoreFiles::localAppData() {
    char buffer[MAX_PATH * 2];
    std::string value = filled(
        buffer, GetEnvironmentVariableA("LOCALAPPDATA", buffer, sizeof buffer), sizeof buffer);
    if (value.empty()) return std::nullopt;
    return value;
}

std::string Win32VirtualStoreFiles::currentFolder() {
    char buffer[MAX_PATH * 2];
    return filled(buffer, GetFullPathNameA(".", sizeof buffer, buffer, nullptr), sizeof buffer);
}

std::string Win32VirtualStoreFiles::longPathOf(const std::string& path) {
    using LongPathName = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    const auto longPathName = loadedFunction<LongPathName>("kernel32.dll", "GetLongPathNameA");
    if (!longPathName) return path;
    char buffer[MAX_PATH * 2];
    std::string longPath =
        filled(buffer, longPathName(path.c_str(), buffer, sizeof buffer), sizeof buffer);
    return longPath.empty() ? path : longPath;
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
