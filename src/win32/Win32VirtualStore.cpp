// The user's copies of the installation folder's files. Every function here is
// on every Win32 release but GetLongPathNameA (98 and 2000 on), looked up at
// run time; the program asks only where %LOCALAPPDATA% is set (Vista on).
#include <windows.h>

#include <vector>

#include "win32/Win32Services.h"

namespace {
// A path that fits MAX_PATH * 2 bytes; empty when the call fails.
template <typename Call>
std::string pathFrom(Call call) {
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = call(buffer, static_cast<DWORD>(sizeof buffer));
    if (length == 0 || length >= sizeof buffer) return {};
    return std::string(buffer, length);
}
}  // namespace

std::optional<std::string> Win32VirtualStoreFiles::localAppData() {
    const DWORD size = GetEnvironmentVariableA("LOCALAPPDATA", nullptr, 0);
    if (size == 0) return std::nullopt;
    std::vector<char> value(size);
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", value.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    return std::string(value.data(), length);
}

std::string Win32VirtualStoreFiles::currentFolder() {
    return pathFrom(
        [](char* buffer, DWORD size) { return GetFullPathNameA(".", size, buffer, nullptr); });
}

std::string Win32VirtualStoreFiles::longPathOf(const std::string& path) {
    using LongPathName = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    const auto longPathName =
        kernel32 ? reinterpret_cast<LongPathName>(
                       reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "GetLongPathNameA")))
                 : nullptr;
    if (!longPathName) return path;
    const std::string longPath = pathFrom(
        [&](char* buffer, DWORD size) { return longPathName(path.c_str(), buffer, size); });
    return longPath.empty() ? path : longPath;
}

std::string Win32VirtualStoreFiles::systemDrive() {
    const std::string system =
        pathFrom([](char* buffer, DWORD size) { return GetSystemDirectoryA(buffer, size); });
    return system.substr(0, 2);
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
