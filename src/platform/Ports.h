// The small services the program takes from the operating system, each behind
// an interface named for what the program needs. Win32 implementations live in
// src/win32/, fakes in tests/fakes/.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The installation directory as the installer registered it.
class InstallRegistry {
   public:
    virtual ~InstallRegistry() = default;
    // The registry value's data up to its first zero byte; nothing when the key
    // or the value cannot be read or the value holds more than 256 bytes.
    virtual std::optional<std::string> readInstallPath() = 0;
};

class WorkingDirectory {
   public:
    virtual ~WorkingDirectory() = default;
    virtual bool change(const std::string& path) = 0;
};

struct DisplayMode {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitsPerPel = 0;
};

class DisplayModes {
   public:
    virtual ~DisplayModes() = default;
    // Mode number i of the display the program runs on; nothing when the
    // platform reports failure for it.
    virtual std::optional<DisplayMode> mode(int number) = 0;
};

class ProcessLauncher {
   public:
    virtual ~ProcessLauncher() = default;
    // Starts the command line in the current directory; never waits.
    virtual bool start(const std::string& commandLine) = 0;
};

// The command interpreter that runs the scripts: cmd.exe on the NT line,
// COMMAND.COM on Windows 95, 98 and ME.
enum class BatchInterpreter { kCmd, kCommandCom };

class ScriptHost {
   public:
    virtual ~ScriptHost() = default;
    virtual BatchInterpreter interpreter() = 0;
    // The file's short (8.3) name, which COMMAND.COM takes unquoted; empty
    // when the file has none.
    virtual std::string shortName(const std::string& fileName) = 0;
};

// Why a file could not be written, as far as it tells the user what to do.
enum class WriteFault {
    kAccessDenied,     // only administrators may change the folder
    kReadOnlyFile,     // an existing file with the read-only attribute
    kHiddenFile,       // an existing hidden file, which Windows lets nobody replace
    kSystemFile,       // an existing system file, likewise
    kFolderInTheWay,   // a folder has the file's name
    kCdRom,            // a CD-ROM refuses every new file
    kNetworkFolder,    // a share that gives this user no right to write
    kWriteNotAllowed,  // Windows 95, 98 and ME: a folder or drive that takes no writes
    kWriteProtected,   // a write-protected disk
    kInUse,            // another program holds the file open
    kDiskFull,
    kOther,  // anything else: the system's own words
};

struct WriteFailure {
    WriteFault fault = WriteFault::kOther;
    std::string file;        // the file's full path
    std::string folder;      // the folder that holds it
    std::string systemText;  // the system's text for the error
    // kAccessDenied: the folder lies in one of Windows' Program Files folders,
    // where only administrators may create files.
    bool inProgramFiles = false;
};

// What the C runtime knew when an open, a write or a close failed, taken at
// that moment: later calls may leave other errors behind.
struct WriteCause {
    bool atWrite = false;           // the file had opened: a write or the close failed
    int errnoValue = 0;             // the C runtime's errno
    unsigned long systemError = 0;  // the Windows error of the failing call; 0: there was none
};

class WriteFailures {
   public:
    virtual ~WriteFailures() = default;
    // Why opening, writing or closing that file failed, from its cause.
    virtual WriteFailure failureOf(const std::string& fileName, const WriteCause& cause) = 0;
    // Whether the working directory takes a new file, by creating one that is
    // gone when closed, even when the program is killed; nothing when it does.
    virtual std::optional<WriteFailure> probeWorkingDirectory() = 0;
};

class AdministratorRights {
   public:
    virtual ~AdministratorRights() = default;
    // The NT line; Windows 95, 98 and ME have no file permissions.
    virtual bool hasFilePermissions() = 0;
    // Windows 2000 and later can start a program as another account.
    virtual bool canStartAsAdministrator() = 0;
    // Elevated, or a member of the Administrators group where there is no UAC.
    virtual bool isAdministrator() = 0;
    // How Windows starts a program as administrator: User Account Control
    // (Vista on) asks for consent or an administrator's password; the Run As
    // dialog of 2000 and XP for an account and its password.
    virtual bool hasUserAccountControl() = 0;
};

// A file's last-write time, in 100-nanosecond steps since 1601 as Windows counts.
using FileTime = std::uint64_t;

// What finding the user's own copies of the installation folder's files takes.
// On Windows Vista to 11 the demo, run without administrator rights, writes
// into its folder under Program Files through copies under %LOCALAPPDATA%.
class VirtualStoreFiles {
   public:
    virtual ~VirtualStoreFiles() = default;
    // %LOCALAPPDATA% by a path the ANSI calls can open (maybe in short names);
    // nothing where it is not set (Windows 95 to XP) or no such path exists.
    virtual std::optional<std::string> localAppData() = 0;
    // %LOCALAPPDATA% and %USERPROFILE% as they are, read in Unicode, in the
    // Windows code page with "?" for each character it lacks; empty where not
    // set and on Windows 95 to ME.
    virtual std::string localAppDataText() = 0;
    virtual std::string userProfileText() = 0;
    // The working directory's full path as Windows gives it, maybe in short (8.3) names.
    virtual std::string currentFolder() = 0;
    // The long form of an existing path; the path as it is where Windows gives none.
    virtual std::string longPathOf(const std::string& path) = 0;
    // The drive Windows runs from, such as "C:".
    virtual std::string systemDrive() = 0;
    // Nothing when there is no such file.
    virtual std::optional<FileTime> lastWriteTime(const std::string& path) = 0;
    // Whether the folder is a reparse point, such as a junction or a symbolic
    // link, which leads elsewhere; false where there is no such folder.
    virtual bool isReparsePoint(const std::string& folder) = 0;
};
