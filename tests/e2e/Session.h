// One case's run of the program: a fresh installation, the registry pointing
// at it, the program started and its main dialog found.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Installation.h"
#include "MainDialog.h"
#include "RunningProgram.h"

// What the driver was given, shared by every case.
struct CaseContext {
    std::string name;  // also the case's directory name
    Payload payload;
    std::string shotsDirectory;
    // Wine reports Windows 95, 98 or ME to the program, whose scripts are then
    // for COMMAND.COM; Wine's cmd still runs them.
    bool commandComLine = false;
    // A visual style is on, as on every Windows from 8 on.
    bool themed = false;
    // Windows 95 to XP have no %LOCALAPPDATA%, so the user's copies stay unseen.
    bool programSeesLocalAppData = true;
    // Whether the program, on the NT line, runs as administrator as it judges
    // it: Wine 8 gives every program a full administrator's token, Wine 10 an
    // unelevated one on Vista and later, as Windows gives an administrator
    // under UAC; the program then offers to start again as administrator.
    bool programIsAdministrator = true;
};

// Files placed in the installation before the program starts.
struct StartFiles {
    std::optional<std::string> demoConfig;   // rumo11.cfg
    std::optional<std::string> resultsPage;  // results.htm
    // The user's copies of both in the VirtualStore, an hour newer or older
    // than the folder's files, which are then two hours old.
    struct UserCopies {
        std::optional<std::string> demoConfig;
        std::optional<std::string> resultsPage;
        bool newer = true;
    };
    std::optional<UserCopies> userCopies;
};

class Session {
   public:
    explicit Session(const CaseContext& context, const StartFiles& files = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const Installation& install() const { return install_; }
    RunningProgram& program() { return *program_; }
    const RunningProgram& program() const { return *program_; }
    const MainDialog& dialog() const { return *dialog_; }
    std::string file(const std::string& name) const { return install_.inInstall(name); }

    // Ends the program with its Cancel button and checks that it ended.
    void closeWithCancel();

   private:
    Installation install_;
    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<MainDialog> dialog_;
};

// Places the files, then starts the program of the installation.
std::unique_ptr<RunningProgram> startProgram(const Installation& install,
                                             const StartFiles& files = {});
// Fails unless the program ends within the usual time.
void expectProgramEnds(RunningProgram& program, const std::string& after);
