// In-memory registry, display modes, process launcher and script host; the working
// directory is real, so tests run in a temporary directory of their own.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Ports.h"

struct FakeRegistry : InstallRegistry {
    std::optional<std::string> value;
    std::optional<std::string> readInstallPath() override { return value; }
};

struct RealWorkingDirectory : WorkingDirectory {
    bool change(const std::string& path) override {
        std::error_code error;
        std::filesystem::current_path(path, error);
        return !error;
    }
};

struct FakeDisplayModes : DisplayModes {
    std::vector<DisplayMode> modes;
    std::vector<int> asked;
    std::optional<DisplayMode> mode(int number) override {
        asked.push_back(number);
        if (number < 0 || number >= static_cast<int>(modes.size())) return std::nullopt;
        return modes[std::size_t(number)];
    }
};

struct FakeLauncher : ProcessLauncher {
    std::vector<std::string> started;
    bool start(const std::string& commandLine) override {
        started.push_back(commandLine);
        return true;
    }
};

// Either Windows line; the short name it gives is chosen, empty for none.
struct FakeScriptHost : ScriptHost {
    BatchInterpreter line = BatchInterpreter::kCmd;
    std::string shortNameGiven;
    std::vector<std::string> shortNamesAsked;
    BatchInterpreter interpreter() override { return line; }
    std::string shortName(const std::string& fileName) override {
        shortNamesAsked.push_back(fileName);
        return shortNameGiven;
    }
};

// Every failed write reports the failure set here, for the file asked about
// when it names none; the probe finds what is set for it.
struct FakeWriteFailures : WriteFailures {
    WriteFailure failure{WriteFault::kOther, "", "C:\\Demo", "The system cannot find the path."};
    std::optional<WriteFailure> probeFinds;
    std::vector<std::string> asked;
    int probes = 0;
    WriteFailure failureOf(const std::string& fileName, const WriteCause&) override {
        asked.push_back(fileName);
        WriteFailure told = failure;
        if (told.file.empty()) told.file = fileName;
        return told;
    }
    std::optional<WriteFailure> probeWorkingDirectory() override {
        ++probes;
        return probeFinds;
    }
};

// Windows 2000 to 11 without administrator rights, unless set otherwise.
struct FakeAdministratorRights : AdministratorRights {
    bool filePermissions = true;
    bool canStart = true;
    bool administrator = false;
    bool userAccountControl = true;
    bool hasFilePermissions() override { return filePermissions; }
    bool canStartAsAdministrator() override { return canStart; }
    bool isAdministrator() override { return administrator; }
    bool hasUserAccountControl() override { return userAccountControl; }
};

// Windows 95 to XP unless told otherwise: no %LOCALAPPDATA%. Files exist
// where they have a time; short paths have the long form given for them.
struct FakeVirtualStore : VirtualStoreFiles {
    std::optional<std::string> appData;
    std::string appDataText;  // empty: appData's
    std::string profile;
    std::set<std::string> reparsePoints;
    std::string folder = "C:\\Program Files (x86)\\Solanthra";
    std::map<std::string, std::string> longForms;
    std::string drive = "C:";
    std::map<std::string, FileTime> times;
    std::optional<std::string> localAppData() override { return appData; }
    std::string localAppDataText() override {
        return appDataText.empty() ? appData.value_or("") : appDataText;
    }
    std::string userProfileText() override { return profile; }
    bool isReparsePoint(const std::string& path) override { return reparsePoints.count(path) != 0; }
    std::string currentFolder() override { return folder; }
    std::string longPathOf(const std::string& path) override {
        const auto found = longForms.find(path);
        return found == longForms.end() ? path : found->second;
    }
    std::string systemDrive() override { return drive; }
    std::optional<FileTime> lastWriteTime(const std::string& path) override {
        const auto found = times.find(path);
        if (found == times.end()) return std::nullopt;
        return found->second;
    }
};

// Whole files, byte for byte.
void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

// A fresh temporary directory that is the working directory while it lives.
class ScratchDirectory {
   public:
    ScratchDirectory();
    ~ScratchDirectory();
    const std::filesystem::path& path() const { return path_; }
    std::string pathText() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

   private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
