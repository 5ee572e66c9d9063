// Writes that fail: an installation folder that takes no new files (as under
// Program Files without administrator rights), files that refuse writes, and
// script names that are no file name. Each message says why; nothing is
// written, and what was there keeps its bytes.
#include "CaseHelpers.h"
#include "E2eCases.h"
#include "Expect.h"
#include "ModalBoxes.h"
#include "WriteLock.h"
#include "resource.h"

namespace {
const std::vector<std::string> kInstalledFiles{"ScriptGen.exe", "rumo1.1a.exe", "explorer.exe"};
const char kOldScript[] = "@echo off\r\necho old script\r\n";
const char kOldResults[] = "<html><body>old results<!--end--></body></html>";

const char kProgramFiles[] = "C:\\Program Files (x86)\\Solanthra e2e";

bool inProgramFiles(const Installation& install) {
    return install.installDirectory().rfind(kProgramFiles, 0) == 0;
}

// A locked folder: Windows 95 to ME, which have no administrators, say only
// that it takes no writes; the others whether it is under Program Files, and
// to a program that is no administrator that starting as one may help.
std::string lockedFolderReason(const CaseContext& context, const Installation& install) {
    const std::string& folder = install.installDirectory();
    return context.commandComLine
               ? expected::writeNotAllowedReason(folder)
               : expected::accessDeniedReason(folder, inProgramFiles(install),
                                              !context.programIsAdministrator);
}

// A program that is no administrator asks at start-up whether to start again
// as one: No goes on.
void declineToStartAsAdministrator(const CaseContext& context, const RunningProgram& program,
                                   const Installation& install) {
    if (context.commandComLine || context.programIsAdministrator) return;
    const ShownBox box = waitForBox(program, kProgramStart);
    expectEqual(box.text,
                expected::administratorOffer(install.installDirectory(), inProgramFiles(install)),
                "start-up question");
    expect(box.icon == IconKind::exclamation, "the start-up question does not show its icon");
    answerModal(box.window, IDNO);
}

// An existing file in a locked folder: root's immutable file is refused like
// the folder; another user's file without write permission reads as read-only.
std::string lockedFileReason(const CaseContext& context, const WriteLock& lock,
                             const Installation& install, const std::string& name) {
    return lock.kind() == WriteLock::Kind::kImmutable
               ? lockedFolderReason(context, install)
               : expected::readOnlyReason(install.inInstall(name));
}

Installation installationWith(const CaseContext& context, const std::string& name,
                              const std::string& bytes, const std::string& root) {
    Installation install(context.name, context.payload, root);
    setInstallPath(install.installDirectory());
    writeFileBytes(install.inInstall(name), bytes);
    return install;
}

// A fresh installation with one file besides the program, the folder and that
// file locked; the case is skipped where no lock takes effect.
struct LockedInstallation {
    LockedInstallation(const CaseContext& context, const std::string& name,
                       const std::string& bytes, const std::string& root = {})
        : install(installationWith(context, name, bytes, root)),
          lock({install.installDirectory(), install.inInstall(name)}) {
        lock.requireLocked();
    }
    Installation install;
    WriteLock lock;
};

void lockedFolderAtStartUpAndGenerate(const CaseContext& context) {
    LockedInstallation locked(context, "SLscript.bat", kOldScript);
    const Installation& install = locked.install;
    const WriteLock& lock = locked.lock;

    auto program = startProgram(install);  // with no results.htm
    declineToStartAsAdministrator(context, *program, install);
    const ShownBox box = waitForBox(*program, kProgramStart);
    expectEqual(
        box.text,
        expected::failedWrite(expected::kCannotWritePage, lockedFolderReason(context, install)),
        "start-up message");
    expect(box.icon == IconKind::stop, "the start-up message does not show the stop icon");
    answerModal(box.window, IDOK);
    HWND window = program->waitForWindow("#32770", expected::kDialogCaption, kProgramStart);
    MainDialog dialog(*program, window);
    dialog.settle();

    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, expected::overwriteQuestion("SLscript.bat"), kQuestionStyle, IDYES);
    expectBoxAndAnswer(
        dialog,
        expected::failedWrite(expected::kCannotWriteScript,
                              lockedFileReason(context, lock, install, "SLscript.bat")),
        kStopStyle, IDOK);
    dialog.setText(IDC_SCRIPT_NAME, "new");
    dialog.click(IDOK);
    expectBoxAndAnswer(
        dialog,
        expected::failedWrite(expected::kCannotWriteScript, lockedFolderReason(context, install)),
        kStopStyle, IDOK);
    expectNoBox(*program, "after the write failures");
    expect(program->runningDescendants().empty(), "a script was started anyway");
    dialog.postClick(IDCANCEL);
    expectProgramEnds(*program, "after Cancel");
    expectEqual(readFileBytes(install.inInstall("SLscript.bat")).value_or("(missing)"), kOldScript,
                "the existing script");
    std::vector<std::string> names = kInstalledFiles;
    names.push_back("SLscript.bat");
    expectDirectoryHolds(install.installDirectory(), names);
}

// Under Program Files, where only administrators may change a folder.
void lockedFolderKeepsTheResultsPage(const CaseContext& context) {
    LockedInstallation locked(context, "results.htm", kOldResults, kProgramFiles);
    const Installation& install = locked.install;
    const WriteLock& lock = locked.lock;

    auto program = startProgram(install);
    declineToStartAsAdministrator(context, *program, install);
    HWND window = program->waitForWindow("#32770", expected::kDialogCaption, kProgramStart);
    MainDialog dialog(*program, window);
    dialog.settle();
    expectNoBox(*program, "at start with a results page");
    dialog.click(IDC_CLEAR_RESULTS);
    expectBoxAndAnswer(dialog, expected::kClearQuestion, kQuestionStyle, IDYES);
    expectBoxAndAnswer(
        dialog,
        expected::failedWrite(expected::kCannotWritePage,
                              lockedFileReason(context, lock, install, "results.htm")),
        kStopStyle, IDOK);
    expectNoBox(*program, "after the failure message");
    dialog.postClick(IDCANCEL);
    expectProgramEnds(*program, "after Cancel");
    expectEqual(readFileBytes(install.inInstall("results.htm")).value_or("(missing)"), kOldResults,
                "the existing results page");
}

// A script that exists read-only, one held open without sharing by another
// program, and names that Windows takes for no file.
void scriptsThatRefuseWrites(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::string readOnly = session.file("ro.bat"), held = session.file("held.bat");
    writeFileBytes(readOnly, kOldScript);
    writeFileBytes(held, kOldScript);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    WriteLock lock({readOnly});  // Wine writes read-only files for root
    lock.requireLocked();
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    expect(holder != INVALID_HANDLE_VALUE, "cannot hold held.bat open");

    struct Row {
        const char* typed;
        bool exists;  // the overwrite question comes first
        std::string reason;
    };
    const Row rows[] = {
        {"ro.bat", true, expected::readOnlyReason(readOnly)},
        {"held", false, expected::inUseReason(held)},  // it does not open to be asked about
        {"a?b", false, expected::forbiddenCharactersReason("a?b.bat")},
        {"CON", false, expected::deviceNameReason("CON.bat", "CON")},
        {"COM\xB9", false, expected::deviceNameReason("COM\xB9.bat", "COM\xB9")},  // COM¹
        {"sub/clock$.txt", false, expected::deviceNameReason("sub/clock$.txt.bat", "CLOCK$")},
    };
    for (const Row& row : rows) {
        dialog.setText(IDC_SCRIPT_NAME, row.typed);
        dialog.click(IDC_GENERATE_SCRIPT);
        if (row.exists)
            expectBoxAndAnswer(dialog, expected::overwriteQuestion(row.typed), kQuestionStyle,
                               IDYES);
        expectBoxAndAnswer(dialog, expected::failedWrite(expected::kCannotWriteScript, row.reason),
                           kStopStyle, IDOK);
        expectNoBox(session.program(), std::string("after the failure for ") + row.typed);
    }
    CloseHandle(holder);
    session.closeWithCancel();
    expectEqual(readFileBytes(readOnly).value_or("(missing)"), kOldScript, "the read-only script");
    expectEqual(readFileBytes(held).value_or("(missing)"), kOldScript, "the script held open");
    std::vector<std::string> names = kInstalledFiles;
    for (const char* name : {"results.htm", "ro.bat", "held.bat"}) names.push_back(name);
    expectDirectoryHolds(session.install().installDirectory(), names);
}
}  // namespace

std::vector<E2eCase> writeFailureCases() {
    return {
        {"locked_folder_at_start_up_and_generate", lockedFolderAtStartUpAndGenerate},
        {"locked_folder_keeps_the_results_page", lockedFolderKeepsTheResultsPage},
        {"scripts_that_refuse_writes", scriptsThatRefuseWrites},
    };
}
