// The program's system services on Windows.
#pragma once

#include <windows.h>

#include "platform/CodePages.h"
#include "platform/Ports.h"

class RegistryInstallPath : public InstallRegistry {
   public:
    std::optional<std::string> readInstallPath() override;
};

class Win32WorkingDirectory : public WorkingDirectory {
   public:
    bool change(const std::string& path) override;
};

class Win32DisplayModes : public DisplayModes {
   public:
    std::optional<DisplayMode> mode(int number) override;
};

class Win32ProcessLauncher : public ProcessLauncher {
   public:
    bool start(const std::string& commandLine) override;
};

class Win32ScriptHost : public ScriptHost {
   public:
    BatchInterpreter interpreter() override;
    std::string shortName(const std::string& fileName) override;
};

// Windows NT to 11, as against 95, 98 and ME.
bool windowsNtLine();

// The long form of an existing path; the path as it is where Windows gives none
// (GetLongPathNameA: 98 and 2000 on).
std::string longPathOf(const std::string& path);

// The system's text for a Windows error, without its line end.
std::string windowsErrorText(unsigned long error);

// Windows errors turned into what the user can act on.
class Win32WriteFailures : public WriteFailures {
   public:
    WriteFailure failureOf(const std::string& fileName, const WriteCause& cause) override;
    std::optional<WriteFailure> probeWorkingDirectory() override;
};

class Win32AdministratorRights : public AdministratorRights {
   public:
    bool hasFilePermissions() override;
    bool canStartAsAdministrator() override;
    bool isAdministrator() override;
    bool hasUserAccountControl() override;
};

// Where Windows Vista to 11 keep the virtualized demo's files for the user.
class Win32VirtualStoreFiles : public VirtualStoreFiles {
   public:
    std::optional<std::string> localAppData() override;
    std::string localAppDataText() override;
    std::string userProfileText() override;
    std::string currentFolder() override;
    std::string longPathOf(const std::string& path) override;
    std::string systemDrive() override;
    std::optional<FileTime> lastWriteTime(const std::string& path) override;
    bool isReparsePoint(const std::string& folder) override;
};

// The system's own code pages, with their lead-byte ranges read once.
class Win32CodePages : public CodePages {
   public:
    Win32CodePages();
    std::string windowsToConsole(const std::string& windowsText) const override;
    std::string consoleToWindows(const std::string& consoleText) const override;
    std::string unicodeToWindows(const std::u16string& unicodeText) const override;
    std::u16string windowsToUnicode(const std::string& windowsText) const override;
    bool isWindowsLeadByte(char c) const override;
    bool isWindowsUtf8() const override;
    bool isConsoleLeadByte(char c) const override;

   private:
    CPINFO windows_{};
    CPINFO console_{};
};
