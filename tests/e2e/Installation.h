// A fresh installation directory per case, the registry value that points the
// program at it, and the byte-for-byte file helpers the cases check with.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the program and the stand-ins to install are.
struct Payload {
    std::string program;          // ScriptGen.exe
    std::string demoStandIn;      // rumo1.1a.exe
    std::string explorerStandIn;  // explorer.exe
};

class Installation {
   public:
    // Empties (or creates) cases\<caseName>\ under the root (the current
    // directory when empty) and puts the program and the stand-ins into its
    // install\ folder; the program is started from its start\ folder.
    Installation(const std::string& caseName, const Payload& payload, const std::string& root = {});

    const std::string& caseDirectory() const { return caseDirectory_; }
    const std::string& installDirectory() const { return installDirectory_; }
    const std::string& startDirectory() const { return startDirectory_; }
    std::string program() const { return inInstall("ScriptGen.exe"); }
    std::string inInstall(const std::string& name) const;
    std::string inStart(const std::string& name) const;

   private:
    std::string caseDirectory_;
    std::string installDirectory_;
    std::string startDirectory_;
};

// The registry value "Path" that the program looks up.
void setInstallPathValue(const std::string& data);  // data as stored, zero bytes included
void setInstallPath(const std::string& directory);  // text plus its terminating zero
void removeInstallKey();
void createInstallKeyWithoutPath();
// From now on the value goes into the 64-bit view as well. Wine ignores the
// access mask of a program it reports as Windows 95, 98 or ME, as those did, so
// a 64-bit program reported as such (no such Windows exists) reads that view.
void placeInstallValueAlsoIn64BitView();

// Windows 95 to XP set no %LOCALAPPDATA%: the programs started from now on get none.
void hideLocalAppDataFromPrograms();
// While it lives, %LOCALAPPDATA% is a profile folder named in Cyrillic, outside
// code page 1252: programs started get it (where they see one at all), and the
// user's copies go there, reached by its short form.
struct CyrillicLocalAppData {
    explicit CyrillicLocalAppData(bool programsSeeIt);
    ~CyrillicLocalAppData();
    bool forPrograms;
};
// Where Windows Vista to 11 keep the user's copies of the installation's files:
// %LOCALAPPDATA%\VirtualStore and the folder without its drive.
std::string userCopyFolder(const Installation& install);
// That folder, made anew and empty.
std::string emptyUserCopyFolder(const Installation& install);
// Sets the file's last-write time that many minutes before now.
void setWrittenMinutesAgo(const std::string& path, int minutes);

std::optional<std::string> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
std::string currentDirectory();
// The logged command lines of a stand-in, one a line without the CR LF.
std::vector<std::string> loggedCalls(const std::string& logPath);
