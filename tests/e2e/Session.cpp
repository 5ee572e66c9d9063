#include "Session.h"

#include "Expect.h"
#include "Screen.h"
#include "expected/ExpectedTexts.h"
#include "resource.h"

namespace {
BOOL CALLBACK listVisibleWindow(HWND window, LPARAM list) {
    if (!IsWindowVisible(window)) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    *reinterpret_cast<std::string*>(list) += " " + windowClass(window) + " \"" +
                                             printable(caption) + "\" of process " +
                                             std::to_string(processId) + ";";
    return TRUE;
}
}  // namespace

std::unique_ptr<RunningProgram> startProgram(const Installation& install, const StartFiles& files) {
    // What the program shows must be its own, not what an earlier one left.
    if (!waitUntilScreenIsClear(kReaction)) {
        std::string windows;
        EnumWindows(listVisibleWindow, reinterpret_cast<LPARAM>(&windows));
        fail("the screen still shows more than the desktop; its windows:" +
             (windows.empty() ? std::string(" none") : windows));
    }
    if (files.demoConfig) writeFileBytes(install.inInstall("rumo11.cfg"), *files.demoConfig);
    if (files.resultsPage) writeFileBytes(install.inInstall("results.htm"), *files.resultsPage);
    if (files.userCopies) {
        const std::string folder = emptyUserCopyFolder(install);
        const StartFiles::UserCopies& copies = *files.userCopies;
        for (const auto& [name, bytes] : {std::pair{"rumo11.cfg", copies.demoConfig},
                                          std::pair{"results.htm", copies.resultsPage}}) {
            if (fileExists(install.inInstall(name)))
                setWrittenMinutesAgo(install.inInstall(name), 120);
            if (!bytes) continue;
            writeFileBytes(folder + "\\" + name, *bytes);
            setWrittenMinutesAgo(folder + "\\" + name, copies.newer ? 60 : 180);
        }
    }
    return std::make_unique<RunningProgram>(install.program(), install.startDirectory());
}

void expectProgramEnds(RunningProgram& program, const std::string& after) {
    if (!program.waitForExit(kReaction)) {
        program.terminateIfRunning();
        fail("the program still ran " + after);
    }
    // Its static destructors and exit functions ran without a fault.
    expectEqual(program.exitCode(), 0, "the program's exit code " + after);
}

Session::Session(const CaseContext& context, const StartFiles& files)
    : install_(context.name, context.payload) {
    setInstallPath(install_.installDirectory());
    program_ = startProgram(install_, files);
    HWND window = program_->waitForWindow("#32770", expected::kDialogCaption, kProgramStart);
    dialog_ = std::make_unique<MainDialog>(*program_, window);
    dialog_->settle();
}

Session::~Session() = default;

void Session::closeWithCancel() {
    dialog_->postClick(IDCANCEL);
    expectProgramEnds(*program_, "after Cancel");
}
