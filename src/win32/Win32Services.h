// The program's system services on Windows.
#pragma once

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
