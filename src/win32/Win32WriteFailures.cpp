// Gathers the facts of a failed write for the core to decide its cause: the
// Windows error of the failing call, what stands at the path, its drive.
#include <windows.h>

#include "common/WriteFailureCause.h"
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

PathFacts pathFactsOf(const FullPath& path) {
    PathFacts facts;
    const DWORD attributes = GetFileAttributesA(path.file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        facts.folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        facts.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
        facts.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        facts.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    }
    const std::string root = rootOf(path.file);
    switch (GetDriveTypeA(root.empty() ? nullptr : root.c_str())) {
        case DRIVE_CDROM:
            facts.drive = DriveKind::kCdRom;
            break;
        case DRIVE_REMOTE:
            facts.drive = DriveKind::kRemote;
            break;
        default:
            break;
    }
    return facts;
}

// Whether the folder lies in one of Windows' Program Files folders, as Windows
// compares names. Windows 2000 and later name them in the environment; the
// 32-bit one of 64-bit Windows as well.
bool inProgramFiles(const std::string& folder) {
    const std::string path = longPathOf(folder);
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        char value[MAX_PATH];
        const DWORD length = GetEnvironmentVariableA(variable, value, sizeof value);
        if (length == 0 || length >= sizeof value || path.size() < length) continue;
        if ((path.size() == length || path[length] == '\\') &&
            lstrcmpiA(path.substr(0, length).c_str(), value) == 0)
            return true;
    }
    return false;
}

WriteFailure failureFrom(const WriteCause& cause, const std::string& name) {
    const FullPath path = fullPathOf(name);
    WriteFacts facts{cause, {}, windowsNtLine()};
    if (pathFactsMatter(cause)) facts.path = pathFactsOf(path);
    const std::string text = cause.systemError != 0
                                 ? windowsErrorText(cause.systemError)
                                 : "Error " + std::to_string(cause.errnoValue) +
                                       " of the C runtime, with no Windows error.";
    const WriteFault fault = classifyWriteFailure(facts);
    return {fault, path.file, path.folder, text,
            fault == WriteFault::kAccessDenied && inProgramFiles(path.folder)};
}
}  // namespace

std::string windowsErrorText(unsigned long error) {
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

WriteFailure Win32WriteFailures::failureOf(const std::string& fileName, const WriteCause& cause) {
    return failureFrom(cause, fileName);
}

std::optional<WriteFailure> Win32WriteFailures::probeWorkingDirectory() {
    // A name nobody uses, created new and deleted by the system when closed,
    // or when the process ends in any way.
    const std::string name =
        "~ScriptGen write test " + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE probe = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const bool created = probe != INVALID_HANDLE_VALUE;
    const DWORD error = created ? 0 : GetLastError();
    if (created) CloseHandle(probe);
    if (probeShowsFolderTakesFiles(created, error)) return std::nullopt;
    WriteFailure failure = failureFrom({false, 0, error}, name);
    failure.file = failure.folder;
    return failure;
}
