// Start-up: the registry lookup and its fatal path, the first look of the
// dialog, the demo's settings file, the results page, and the ways out.
#include <cctype>
#include <filesystem>

#include "CaseHelpers.h"
#include "E2eCases.h"
#include "Expect.h"
#include "Layout.h"
#include "ModalBoxes.h"
#include "resource.h"

namespace {
// The logo's rectangle in the main dialog's template, in dialog units.
constexpr TemplatePicture kLogoInTemplate{7, 7, 134, 62};

const std::vector<std::string> kInstalledFiles{"ScriptGen.exe", "rumo1.1a.exe", "explorer.exe"};

std::vector<std::string> installedFilesAnd(const std::string& name) {
    std::vector<std::string> names = kInstalledFiles;
    names.push_back(name);
    return names;
}

// The manifest's request for Common Controls 6 took effect: comctl32 came from
// its side-by-side folder, not from the system folder. Wine lists no module of
// a 32-bit program to a 64-bit driver: there nothing is known.
void expectCommonControls6(const RunningProgram& program) {
    const std::vector<std::string> modules = program.loadedModules();
    if (modules.empty()) return;
    for (std::string path : modules) {
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (path.find("comctl32.dll") == std::string::npos) continue;
        expect(path.find("\\winsxs\\") != std::string::npos &&
                   path.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0.") !=
                       std::string::npos,
               "comctl32 is not Common Controls 6 from its side-by-side folder: " + path);
        return;
    }
    fail("the program has no comctl32 loaded");
}

// The fatal message, and after OK the end of the program with no file written.
void expectFatalPath(const CaseContext& context, void (*prepareRegistry)(const Installation&)) {
    Installation install(context.name, context.payload);
    prepareRegistry(install);
    auto program = startProgram(install);
    const ShownBox box = waitForBox(*program, kProgramStart);
    expectEqual(box.title, expected::kFatalTitle, "title of the fatal message");
    expectEqual(box.text, expected::kFatalText, "fatal message");
    expect(box.icon == IconKind::stop, std::string("the fatal message shows the ") +
                                           iconKindName(box.icon) + ", expected the stop icon");
    expect(box.hasOk && !box.hasYes && !box.hasNo, "the fatal message has other buttons than OK");
    char ownerCaption[128] = {};
    GetWindowTextA(box.owner, ownerCaption, sizeof ownerCaption);
    expectEqual(ownerCaption, expected::kDialogCaption, "owner of the fatal message");
    expect(!IsWindowVisible(box.owner), "the main dialog is shown behind the fatal message");
    answerModal(box.window, IDOK);
    expectProgramEnds(*program, "after the fatal message");
    expectDirectoryHolds(install.installDirectory(), kInstalledFiles);
    expectDirectoryHolds(install.startDirectory(), {});
    expect(!fileExists(currentDirectory() + "\\results.htm"),
           "results.htm was written into the driver's directory");
}

void fatalWithoutKey(const CaseContext& context) {
    expectFatalPath(context, [](const Installation&) { removeInstallKey(); });
}

void fatalWithoutPathValue(const CaseContext& context) {
    expectFatalPath(context, [](const Installation&) { createInstallKeyWithoutPath(); });
}

// A path of that many characters below the case directory.
std::string longPath(const Installation& install, std::size_t length) {
    std::string path = install.caseDirectory() + "\\long-";
    if (path.size() >= length) fail("the work folder's path is too long for this case");
    path += std::string(length - path.size(), 'd');
    return path;
}

void fatalWith257BytePath(const CaseContext& context) {
    expectFatalPath(context, [](const Installation& install) {
        setInstallPath(longPath(install, 256));  // 256 characters and the zero
    });
}

// Starts the program with that registry value; the dialog must come up, and
// the results page must be created in the expected directory.
void expectAcceptedPath(const Installation& install, const std::string& value,
                        const std::string& pageDirectory) {
    setInstallPathValue(value);
    auto program = startProgram(install);
    HWND window = program->waitForWindow("#32770", expected::kDialogCaption, kProgramStart);
    MainDialog dialog(*program, window);
    dialog.settle();
    expect(fileExists(pageDirectory + "\\results.htm"),
           "results.htm was not created in " + pageDirectory);
    dialog.postClick(IDCANCEL);
    expectProgramEnds(*program, "after Cancel");
}

void accepts255CharacterPath(const CaseContext& context) {
    Installation install(context.name, context.payload);
    const std::string directory = longPath(install, 255);
    std::error_code error;
    std::filesystem::create_directory(directory, error);
    if (error) fail("cannot create the 255-character directory: " + error.message());
    expectAcceptedPath(install, directory + std::string(1, '\0'), directory);
}

void emptyPathKeepsStartDirectory(const CaseContext& context) {
    Installation install(context.name, context.payload);
    expectAcceptedPath(install, std::string(1, '\0'), install.startDirectory());
    expectDirectoryHolds(install.installDirectory(), kInstalledFiles);
}

void pathEndsAtZeroByte(const CaseContext& context) {
    Installation install(context.name, context.payload);
    const std::string value =
        install.installDirectory() + std::string(1, '\0') + "\\elsewhere" + std::string(1, '\0');
    expectAcceptedPath(install, value, install.installDirectory());
}

void defaultsWithoutDemoConfig(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto page = readFileBytes(session.file("results.htm"));
    expect(page.has_value(), "results.htm was not created at start-up");
    expectEqual(*page, expected::resultsPage(), "results.htm");
    expectScenes(dialog, {1, 2, 3, 4}, {}, "at start");
    expect(dialog.isChecked(IDC_FULLSCREEN), "fullscreen is off at start");
    expect(dialog.isChecked(IDC_AUTOMATIC), "automatic is off at start");
    expect(!dialog.isChecked(IDC_RESULTS_EACH), "results after each test is on at start");
    expectEqual(dialog.text(IDC_PROJECT_NAME), expected::kDefaultProjectName, "project name");
    expectEqual(dialog.text(IDC_SCRIPT_NAME), expected::kDefaultScriptName, "script name");
    expectEqual(dialog.text(IDC_GRAY_LEVEL), "42", "hidden gray-level text");
    expectSwatchGray(dialog, IDC_GRAY_SWATCH, 42, "at brightness 128");
    expectSwatchGray(dialog, IDC_BLACK_SWATCH, 0, "at start");
    expectLayoutFitsTheScreen(dialog.window(), context.payload.program, IDD_MAIN, kLogoInTemplate);
    if (!context.commandComLine) expectCommonControls6(session.program());
    saveShot(context, dialog.window(), "e2e-dialog");
    if (screenDpi() == 96) {
        int from = 96;
        for (const int dpi : kMovedDpis) {
            moveToDpi(dialog.window(), from, dpi);
            from = dpi;
            expectLayoutFitsTheScreen(dialog.window(), context.payload.program, IDD_MAIN,
                                      kLogoInTemplate, dpi);
            saveShot(context, dialog.window(), "e2e-dialog-moved-" + std::to_string(dpi));
        }
    }
    session.closeWithCancel();
}

void listOffersDisplayModes(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto wanted = expectedModeEntries();
    expect(!wanted.empty(), "the display offers no usable mode to compare with");
    const auto entries = dialog.listTexts();
    std::string shown, expectedList;
    for (const auto& entry : entries) shown += entry + "; ";
    for (const auto& entry : wanted) expectedList += entry + "; ";
    expectEqual(shown, expectedList, "resolution list");
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        expect(dialog.listSelected(i) == (i == 0),
               "list entry " + std::to_string(i) + (i == 0 ? " is not" : " is") + " selected");
    }
    expect(dialog.focusWindow() == dialog.item(IDOK),
           "the focus is not on \"Generate and run\" at start");
    expectEqual(dialog.textLimit(IDC_PROJECT_NAME), 999, "project name box's limit");
    session.closeWithCancel();
}

void demoConfigSetsStartValues(const CaseContext& context) {
    StartFiles files;
    files.demoConfig = demoConfig(200, 3, {1, 3, 4, 7}, "MyCard");
    // Only the system drive's folders are virtualized: a newer copy for this
    // folder, on another drive, is none of the demo's.
    files.userCopies = StartFiles::UserCopies{demoConfig(50, 0, {1, 2}, "Copy"), std::nullopt};
    Session session(context, files);
    const MainDialog& dialog = session.dialog();
    expectScenes(dialog, {1, 3, 4, 7}, {2}, "from rumo11.cfg");
    expectEqual(dialog.text(IDC_PROJECT_NAME), "MyCard", "project name from rumo11.cfg");
    expectSwatchGray(dialog, IDC_GRAY_SWATCH, expected::grayLevelFor(200), "at brightness 200");
    expect(dialog.listSelected(0) && !dialog.listSelected(3),
           "the saved index chose the selected entry");
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.brightness = 200;
    run.scenes = {1, 3, 4, 7};
    run.projectName = "MyCard";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

void existingResultsPageUntouched(const CaseContext& context) {
    StartFiles files;
    files.resultsPage = "";
    Session session(context, files);
    expectEqual(readFileBytes(session.file("results.htm")).value_or("(missing)"), "",
                "results.htm that existed at start");
    session.closeWithCancel();
}

void unwritableResultsPageAtStart(const CaseContext& context) {
    Installation install(context.name, context.payload);
    setInstallPath(install.installDirectory());
    std::filesystem::create_directory(install.inInstall("results.htm"));
    auto program = startProgram(install);
    const ShownBox box = waitForBox(*program, kProgramStart);
    expectEqual(box.title, expected::kMessageTitle, "message title");
    expectEqual(
        box.text,
        expected::failedWrite(expected::kCannotWritePage,
                              expected::folderInTheWayReason(install.inInstall("results.htm"))),
        "start-up message");
    expect(box.icon == IconKind::stop, "the message does not show the stop icon");
    answerModal(box.window, IDOK);
    HWND window = program->waitForWindow("#32770", expected::kDialogCaption, kProgramStart);
    MainDialog dialog(*program, window);
    dialog.settle();
    expectScenes(dialog, {1, 2, 3, 4}, {}, "after the start-up message");
    dialog.postClick(IDCANCEL);
    expectProgramEnds(*program, "after Cancel");
}

// Changes things that a save would write, then leaves the dialog.
void expectLeavingWritesNothing(const CaseContext& context, void (*leave)(const MainDialog&)) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(sceneBox(7));
    dialog.setText(IDC_PROJECT_NAME, "Changed");
    leave(dialog);
    expectProgramEnds(session.program(), "after leaving the dialog");
    expectDirectoryHolds(session.install().installDirectory(), installedFilesAnd("results.htm"));
    expectDirectoryHolds(session.install().startDirectory(), {});
}

void cancelEndsWithoutWriting(const CaseContext& context) {
    expectLeavingWritesNothing(context,
                               [](const MainDialog& dialog) { dialog.postClick(IDCANCEL); });
}

void escapeEndsWithoutWriting(const CaseContext& context) {
    expectLeavingWritesNothing(context,
                               [](const MainDialog& dialog) { dialog.postKey(VK_ESCAPE); });
}

void closeBoxEndsWithoutWriting(const CaseContext& context) {
    expectLeavingWritesNothing(
        context, [](const MainDialog& dialog) { dialog.postSystemCommand(SC_CLOSE); });
}
}  // namespace

std::vector<E2eCase> startUpCases() {
    return {
        {"fatal_without_registry_key", fatalWithoutKey},
        {"fatal_without_path_value", fatalWithoutPathValue},
        {"fatal_with_257_byte_path", fatalWith257BytePath},
        {"accepts_255_character_path", accepts255CharacterPath},
        {"empty_path_keeps_start_directory", emptyPathKeepsStartDirectory},
        {"path_ends_at_zero_byte", pathEndsAtZeroByte},
        {"defaults_without_demo_config", defaultsWithoutDemoConfig},
        {"list_offers_display_modes", listOffersDisplayModes},
        {"demo_config_sets_start_values", demoConfigSetsStartValues},
        {"existing_results_page_untouched", existingResultsPageUntouched},
        {"unwritable_results_page_at_start", unwritableResultsPageAtStart},
        {"cancel_ends_without_writing", cancelEndsWithoutWriting},
        {"escape_ends_without_writing", escapeEndsWithoutWriting},
        {"close_box_ends_without_writing", closeBoxEndsWithoutWriting},
    };
}
