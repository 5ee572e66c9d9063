// Why a write failed, from the Windows error itself: the C runtime's errno
// makes EACCES of a dozen different causes.
#include <windows.h>

#include "win32/Win32Services.h"

namespace {
// The file's full path and the folder that holds it, split where Windows
// itself finds the name (a two-byte character may end in a backslash byte).
struct FullPath {
    std::string file;
    std::string folder;
};

FullPath fullPathOf(const std::string& name) {
    char buffer[MAX_PATH * 2] = {};
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(name.c_str(), sizeof buffer, buffer, &namePart);
    if (length == 0 || length >= sizeof buffer) return {name, "."};
    FullPath path{std::string(buffer, length), std::string(buffer, length)};
    if (namePart != nullptr && namePart > buffer) {
        std::size_t folderLength = static_cast<std::size_t>(namePart - buffer);
        // "C:\" keeps its backslash; "C:\Games\" does not.
        if (folderLength > 3) --folderLength;
        path.folder = std::string(buffer, folderLength);
    }
    return path;
}

// "C:\" or "\\server\share\" of a full path, as GetDriveTypeA takes it.
std::string rootOf(const std::string& fullPath) {
    if (fullPath.size() >= 3 && fullPath[1] == ':') return fullPath.substr(0, 3);
    if (fullPath.compare(0, 2, "\\\\") == 0) {
        const std::size_t server = fullPath.find('\\', 2);
        const std::size_t share =
            server == std::string::npos ? server : fullPath.find('\\', server + 1);
        return share == std::string::npos ? fullPath + "\\" : fullPath.substr(0, share + 1);
    }
    return {};
}

std::string systemText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string words = length > 0 && text != nullptr ? std::string(text, length) : std::string();
    if (text != nullptr) LocalFree(text);
    while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' '))
        words.pop_back();
    if (words.empty()) words = "Windows error " + std::to_string(error) + ".";
    return words;
}

WriteFault faultOf(DWORD error, const FullPath& path) {
    switch (error) {
        case ERROR_ACCESS_DENIED: {
            const DWORD attributes = GetFileAttributesA(path.file.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES) {
                if (attributes & FILE_ATTRIBUTE_DIRECTORY) return WriteFault::kFolderInTheWay;
                if (attributes & FILE_ATTRIBUTE_READONLY) return WriteFault::kReadOnlyFile;
            }
            const std::string root = rootOf(path.file);
            if (GetDriveTypeA(root.empty() ? nullptr : root.c_str()) == DRIVE_CDROM)
                return WriteFault::kCdRom;
            return WriteFault::kAccessDenied;
        }
        case ERROR_WRITE_PROTECT:
            return WriteFault::kWriteProtected;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return WriteFault::kInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFault::kDiskFull;
        default:
            return WriteFault::kOther;
    }
}

WriteFailure failureOf(DWORD error, const std::string& name) {
    const FullPath path = fullPathOf(name);
    return {faultOf(error, path), path.file, path.folder, systemText(error)};
}
}  // namespace

WriteFailure Win32WriteFailures::lastFailure(const std::string& fileName) {
    return failureOf(GetLastError(), fileName);
}

std::optional<WriteFailure> Win32WriteFailures::probeWorkingDirectory() {
    // A name nobody uses, created new and deleted by the system when closed,
    // or when the process ends in any way.
    const std::string name =
        "~ScriptGen write test " + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE probe = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return std::nullopt;
    }
    const DWORD error = GetLastError();
    // Someone else's file of that name: the folder takes files all the same.
    if (error == ERROR_FILE_EXISTS) return std::nullopt;
    WriteFailure failure = failureOf(error, name);
    failure.file = failure.folder;
    return failure;
}
