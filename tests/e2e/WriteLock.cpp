#include "WriteLock.h"

#include <windows.h>

#include "Expect.h"
#include "Wait.h"

namespace {
// Wine runs a Linux program that a Windows one starts, but gives no handle to
// wait on: the caller waits for its effect instead.
bool startLinuxCommand(const std::string& program, const std::string& operation,
                       const std::vector<std::string>& paths) {
    std::string commandLine = program + " " + operation;
    for (const std::string& path : paths) commandLine += " \"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

std::string unixPathOf(const std::string& windowsPath) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixFileName) fail("this is not Wine: no wine_get_unix_file_name");
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* unixPath = unixFileName(wide);
    if (!unixPath) fail("no Linux path for " + windowsPath);
    const std::string path = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return path;
}

// A folder takes a new file; a file opens for writing.
bool takesWrites(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::string target = folder ? path + "\\lock-check.tmp" : path;
    HANDLE file =
        CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, folder ? CREATE_NEW : OPEN_EXISTING,
                    folder ? FILE_FLAG_DELETE_ON_CLOSE : 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The command treats the paths in order: once the last one has changed, all have.
bool lockWith(const std::string& program, const std::string& operation,
              const std::vector<std::string>& unixPaths, const std::string& lastPath) {
    return startLinuxCommand(program, operation, unixPaths) &&
           waitUntil([&] { return !takesWrites(lastPath); }, Milliseconds{5000});
}
}  // namespace

WriteLock::WriteLock(std::vector<std::string> paths) : paths_(std::move(paths)) {
    for (const std::string& path : paths_) unixPaths_.push_back(unixPathOf(path));
    if (lockWith("/usr/bin/chattr", "+i", unixPaths_, paths_.back()))
        kind_ = Kind::kImmutable;
    else if (lockWith("/bin/chmod", "a-w", unixPaths_, paths_.back()))
        kind_ = Kind::kNoWritePermission;
    if (kind_ != Kind::kNone && takesWrites(paths_.front())) kind_ = Kind::kNone;
}

WriteLock::~WriteLock() {
    // chmod changes nothing on an immutable path: chattr must have ended first.
    startLinuxCommand("/usr/bin/chattr", "-i", unixPaths_);
    if (kind_ == Kind::kImmutable) waitUntil([&] { return takesWrites(paths_.back()); }, kReaction);
    startLinuxCommand("/bin/chmod", "u+w", unixPaths_);
    waitUntil([&] { return takesWrites(paths_.back()); }, kReaction);
}

void WriteLock::requireLocked() const {
    if (kind_ == Kind::kNone)
        skip(
            "nothing here refuses writes: neither chattr +i nor a mode without write "
            "permission took effect");
}
