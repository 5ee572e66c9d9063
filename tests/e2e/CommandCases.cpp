// The commands: the two generate buttons with their checks and failures, the
// script really run by the command interpreter, and the results page buttons.
#include <filesystem>
#include <optional>

#include "CaseHelpers.h"
#include "E2eCases.h"
#include "Expect.h"
#include "ModalBoxes.h"
#include "resource.h"

namespace {
constexpr char kDemoLog[] = "demo-calls.log";
constexpr char kExplorerLog[] = "explorer-calls.log";

expected::ScriptRun defaultRun(const MainDialog& dialog) {
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    return run;
}

void generateWithDefaults(const CaseContext& context) {
    Session session(context);
    generateScript(session.dialog());
    expectScript(session.file("SLscript.bat"), defaultRun(session.dialog()));
    session.closeWithCancel();
}

// The settings of the worked example in the script format's description.
void generateWorkedExample(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto entries = dialog.listTexts();
    int first = findEntry(entries, "800x600 pixels - 16 bit");
    int second = findEntry(entries, "1024x768 pixels - 32 bit");
    if (first < 0 || second < 0) {
        first = 0;
        second = 1;
    }
    expect(entries.size() >= 2, "the list has fewer than two entries");
    dialog.click(IDC_CLEAR_ALL);
    dialog.click(sceneBox(2));
    dialog.click(sceneBox(10));
    dialog.click(IDC_AUTOMATIC);
    dialog.selectEntries({second, first});
    dialog.setText(IDC_PROJECT_NAME, "MyCard");
    generateScript(dialog, true);  // two categories only
    expected::ScriptRun run;
    run.tokens = tokensOf(entries, {first, second});
    run.automatic = false;
    run.scenes = {2, 4, 10};
    run.projectName = "MyCard";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

// Waits until the started script has run to its end.
void waitForScriptToFinish(Session& session, std::size_t demoCalls) {
    const std::string log = session.file(kDemoLog);
    const bool called = waitUntil([&] { return loggedCalls(log).size() >= demoCalls; }, kScriptRun);
    expect(called, "the demo was called " + std::to_string(loggedCalls(log).size()) +
                       " times, expected " + std::to_string(demoCalls));
    expect(session.program().waitForDescendantsToEnd(kScriptRun), "the started script did not end");
}

void expectDemoCalls(const Session& session, const expected::ScriptRun& run) {
    const auto calls = loggedCalls(session.file(kDemoLog));
    expectEqual(static_cast<long long>(calls.size()), static_cast<long long>(run.tokens.size()),
                "number of demo calls");
    for (std::size_t i = 0; i < calls.size(); ++i) {
        expectEqual(argumentsOf(calls[i]), expected::demoArguments(run, i),
                    "demo call " + std::to_string(i + 1));
    }
}

// "Generate and run" with the run's settings already in the dialog.
void generateAndRun(Session& session, const expected::ScriptRun& run) {
    const MainDialog& dialog = session.dialog();
    dialog.click(IDOK);
    expectNoBox(session.program(), "after \"Generate and run\"");
    waitForScriptToFinish(session, run.tokens.size());
    expectScript(session.file("SLscript.bat"), run);
    expectDemoCalls(session, run);
    expect(dialog.isOpen(), "the dialog closed after \"Generate and run\"");
}

void generateAndRunThreeResolutions(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto entries = dialog.listTexts();
    expect(entries.size() >= 5, "the list has fewer than five entries");
    dialog.selectEntries({4, 0, 2});
    expected::ScriptRun run;
    run.tokens = tokensOf(entries, {0, 2, 4});
    generateAndRun(session, run);
    const auto viewed = loggedCalls(session.file(kExplorerLog));
    expect(viewed.size() == 1, "the script did not open the results page once");
    expectEqual(argumentsOf(viewed[0]), "results.htm", "the script's viewer call");
    session.closeWithCancel();
}

void generateAndRunResultsAfterEach(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto entries = dialog.listTexts();
    dialog.selectEntries({1, 3});
    dialog.click(IDC_RESULTS_EACH);
    dialog.click(IDC_FULLSCREEN);
    expectBoxAndAnswer(dialog, expected::kWindowedWarning, kQuestionStyle, IDYES);
    expected::ScriptRun run;
    run.tokens = tokensOf(entries, {1, 3});
    run.resultsAfterEach = true;
    run.fullscreen = false;
    generateAndRun(session, run);
    expect(!fileExists(session.file(kExplorerLog)), "the script opened the results page");
    session.closeWithCancel();
}

// Enter runs the default button, "Generate and run", wherever the focus is
// but on another push button.
void enterInCheckBoxRunsGenerateAndRun(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_RESULTS_EACH);
    expect(dialog.focusWindow() == dialog.item(IDC_RESULTS_EACH),
           "the click did not move the focus to the check box");
    dialog.pressKey(VK_RETURN);
    expected::ScriptRun run = defaultRun(dialog);
    run.resultsAfterEach = true;
    expectNoBox(session.program(), "after Enter");
    waitForScriptToFinish(session, 1);
    expectScript(session.file("SLscript.bat"), run);
    expectDemoCalls(session, run);
    expect(dialog.isOpen(), "the dialog closed after Enter");
    session.closeWithCancel();
}

// "Generate and run" with this project name and the other defaults; the demo
// must receive the name as typed.
expected::ScriptRun generateAndRunWithProjectName(Session& session, const std::string& name) {
    const MainDialog& dialog = session.dialog();
    dialog.setText(IDC_PROJECT_NAME, name);
    dialog.click(IDOK);
    expectNoBox(session.program(), "after \"Generate and run\"");
    waitForScriptToFinish(session, 1);
    expected::ScriptRun run = defaultRun(dialog);
    run.projectName = name;
    expectDemoCalls(session, run);
    return run;
}

// Characters that the command interpreter would otherwise take as operators or
// variables must reach the demo as typed.
void projectNameReachesDemoAsTyped(const CaseContext& context) {
    Session session(context);
    const std::string name = "R&D | <x> ^y %PATH% 100% (a)";
    const expected::ScriptRun run = generateAndRunWithProjectName(session, name);
    const auto script = readFileBytes(session.file("SLscript.bat")).value_or("");
    const std::string command = "\r\nstart /w rumo1.1a.exe " + expected::demoArguments(run, 0);
    const std::string prefix = command.substr(0, command.find(" -n ") + 4);
    expect(script.find(prefix) != std::string::npos,
           "the script has no line starting \"" + printable(prefix.substr(2)) + "\"");
    session.closeWithCancel();
}

// Quotes and runs of blanks do not survive the interpreter's "start": the
// script's bytes must still hold them as typed.
void projectNameWithQuotesAndBlanksInScript(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::string name = "Say \"Hi  there\"   twice";
    dialog.setText(IDC_PROJECT_NAME, name);
    generateScript(dialog);
    expected::ScriptRun run = defaultRun(dialog);
    run.projectName = name;
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

// Letters beyond ASCII, typed in the Windows code page, reach the demo as typed
// although the command interpreter reads the script in the console code page.
void accentedProjectNameReachesDemoAsTyped(const CaseContext& context) {
    Session session(context);
    const std::string name =
        "Zo\xEB Se\xF1"
        "al, Caf\xE9 \xDC"
        "ber Stra\xDF"
        "e";
    generateAndRunWithProjectName(session, name);
    session.closeWithCancel();
}

// Typed in Unicode on Windows 1252 with console 437: what either code page lacks
// is asked about first; No writes nothing, Yes what the question showed. A
// name both carry asks nothing (accented_project_name_reaches_demo_as_typed).
// So is a name longer than the demo takes, quoted short enough for the screen;
// then a script name that the code page would change (into the folder above)
// is refused.
void codePagesAskBeforeChangingTheName(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::string script = session.file("SLscript.bat");
    const std::pair<std::wstring, std::string> names[] = {
        {L"\u041f\u0440\u043e\u0435\u043a\u0442 1", "?????? 1"},
        {L"Price \u20ac5 \u2122 \u201cquoted\u201d", "Price ?5 T \"quoted\""},
    };
    for (const auto& [typed, demoGets] : names) {
        DeleteFileA(script.c_str());
        dialog.setUnicodeText(IDC_PROJECT_NAME, typed);
        const std::string question = expected::codePagesQuestion(demoGets);
        dialog.click(IDC_GENERATE_SCRIPT);
        expectBoxAndAnswer(dialog, question, kQuestionStyle, IDNO);
        expectNoBox(session.program(), "after No to the name question");
        expect(!fileExists(script), "a script was written after No");
        dialog.click(IDC_GENERATE_SCRIPT);
        expectBoxAndAnswer(dialog, question, kQuestionStyle, IDYES);
        expectBoxAndAnswer(dialog, expected::kScriptSaved, kInformationStyle, IDOK);
        expected::ScriptRun run = defaultRun(dialog);
        run.projectName = demoGets;
        expectScript(script, run);
    }
    dialog.setUnicodeText(IDC_PROJECT_NAME, std::wstring(1200, L'x'));
    dialog.setUnicodeText(IDC_SCRIPT_NAME, L"\uff0e\uff0e\uff3cfwup.bat");  // full-width ..\ .
    dialog.click(IDC_GENERATE_SCRIPT);
    RECT box{};
    GetWindowRect(waitForBox(session.program()).window, &box);
    expect(box.left >= 0 && box.right <= GetSystemMetrics(SM_CXSCREEN),
           "the box leaves the screen");
    expectBoxAndAnswer(dialog,
                       expected::lengthQuestion(999, expected::shownName(std::string(999, 'x'))),
                       kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog,
                       expected::failedWrite(expected::kCannotWriteScript,
                                             expected::codePageRefusal("..\\fwup.bat")),
                       kStopStyle, IDOK);
    expect(!fileExists(session.file("..\\fwup.bat")), "a script was written in the folder above");
    session.closeWithCancel();
}

// Names typed on Japanese, Chinese and Korean Windows, in the Windows code
// page the program and the driver share. Each holds two-byte characters whose
// second byte alone reads as "|", "^" and "\\" (none exist in Korean's),
// first, in the middle and last; the cmd name has cmd's operators between
// them, the COMMAND.COM one only what that line carries.
struct DoubleByteNames {
    std::string cmdLine;
    std::string commandComLine;
    std::string character;  // a two-byte character of the code page
};

DoubleByteNames doubleByteNames() {
    struct Characters {
        std::string bar, caret, backslash, word;
    };
    Characters c;
    switch (GetACP()) {
        case 932:  // ポ タ ソ; データ
            c = {"\x83\x7c", "\x83\x5e", "\x83\x5c", "\x83\x66\x81\x5b\x83\x5e"};
            break;
        case 936:  // 億 僞 僜; 数据
            c = {"\x83\x7c", "\x83\x5e", "\x83\x5c", "\xca\xfd\xbe\xdd"};
            break;
        case 950:  // 咽 乞 么; 資料
            c = {"\xab\x7c", "\xa4\x5e", "\xa4\x5c", "\xb8\xea\xae\xc6"};
            break;
        default:  // 949: 한 국 어; 자료
            c = {"\xc7\xd1", "\xb1\xb9", "\xbe\xee", "\xc0\xda\xb7\xe1"};
            break;
    }
    const std::string all = c.bar + c.caret + c.backslash;
    return {all + " R&D " + c.caret + "|" + c.backslash + "<x>" + c.bar + "^" + c.word + " 100%" +
                c.backslash,
            all + " " + c.word + c.caret + " 100% (" + c.bar + ")" + c.backslash, c.bar};
}

void doubleByteProjectNameReachesDemoAsTyped(const CaseContext& context) {
    Session session(context);
    const DoubleByteNames names = doubleByteNames();
    generateAndRunWithProjectName(session,
                                  context.commandComLine ? names.commandComLine : names.cmdLine);
    session.closeWithCancel();
}

// 999 two-byte characters in the name box: the program keeps 999 bytes at the
// most, cut between characters, and asks first; COMMAND.COM's line keeps less,
// asked about, and cuts between characters too.
void doubleByteProjectNameCutBetweenCharacters(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::string character = doubleByteNames().character;
    std::string typed;
    for (int i = 0; i < 999; ++i) typed += character;
    dialog.setText(IDC_PROJECT_NAME, typed);
    expected::ScriptRun run = defaultRun(dialog);
    const std::string& token = run.tokens[0];
    const std::size_t lineWithoutName =
        ("start /w rumo1.1a.exe -b -r " + token + " -f 1 -g 128 -s 1,2,3,4 -d 0 -n -" + token)
            .size();
    const std::size_t kept = context.commandComLine ? (127 - lineWithoutName) / 2 : 499;
    run.projectName = typed.substr(0, 2 * kept);
    dialog.postClick(IDOK);
    const std::string shown = expected::shownName(run.projectName, 2);
    expectBoxAndAnswer(dialog,
                       context.commandComLine
                           ? expected::commandComQuestion(false, static_cast<int>(kept), shown)
                           : expected::lengthQuestion(static_cast<int>(kept), shown),
                       kQuestionStyle, IDYES);
    expectNoBox(session.program(), "after \"Generate and run\"");
    waitForScriptToFinish(session, 1);
    expectScript(session.file("SLscript.bat"), run);
    expectDemoCalls(session, run);
    session.closeWithCancel();
}

// Enter in the script name box with "run" typed and run.bat there: the overwrite
// question takes the focus from the box, and still run.bat is the file asked
// about, written and started.
void enterInScriptNameOverwritesAndStartsTheBatFile(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    writeFileBytes(session.file("run.bat"), "@echo off\r\necho old script\r\n");
    dialog.setText(IDC_SCRIPT_NAME, "run");
    dialog.clickInto(IDC_SCRIPT_NAME);
    expect(dialog.focusWindow() == dialog.item(IDC_SCRIPT_NAME),
           "the click did not move the focus to the script name box");
    dialog.postKey(VK_RETURN);
    expectBoxAndAnswer(dialog, expected::overwriteQuestion("run.bat"), kQuestionStyle, IDYES);
    expectNoBox(session.program(), "after Yes to the overwrite question");
    const expected::ScriptRun run = defaultRun(dialog);
    waitForScriptToFinish(session, 1);
    expectScript(session.file("run.bat"), run);
    expectDemoCalls(session, run);
    expect(!fileExists(session.file("run")), "a script without \".bat\" was written");
    session.closeWithCancel();
}

void emptySelectionWritesNoTests(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.selectEntries({});
    dialog.setText(IDC_PROJECT_NAME, "");
    generateScript(dialog);
    expected::ScriptRun run;
    run.projectName = "";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

void noSceneRefused(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_CLEAR_ALL);
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, expected::kNoScene, kStopStyle, IDOK);
    expectNoBox(session.program(), "after the no-scene message");
    dialog.click(IDOK);
    expectBoxAndAnswer(dialog, expected::kNoScene, kStopStyle, IDOK);
    expect(!fileExists(session.file("SLscript.bat")), "a script was written without scenes");
    session.closeWithCancel();
}

void missingCategoryRefused(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(sceneBox(4));  // scenes 1, 2 and 3 stay
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, expected::kCategoryQuestion, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the category question");
    dialog.click(IDOK);
    expectBoxAndAnswer(dialog, expected::kCategoryQuestion, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the category question");
    expect(!fileExists(session.file("SLscript.bat")), "a script was written after No");
    expect(session.program().runningDescendants().empty(), "something was started after No");
    session.closeWithCancel();
}

// Windows' own words for an error, as the program must show them.
std::string systemText(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' '))
        words.pop_back();
    return words;
}

void scriptInMissingDirectory(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.setText(IDC_SCRIPT_NAME, "no-such-folder\\run.bat");
    const std::string told = expected::failedWrite(
        expected::kCannotWriteScript, expected::shownName(session.file("no-such-folder\\run.bat")) +
                                          "\n" + systemText(ERROR_PATH_NOT_FOUND));
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, told, kStopStyle, IDOK);
    expectNoBox(session.program(), "after the write failure");
    dialog.click(IDOK);
    expectBoxAndAnswer(dialog, told, kStopStyle, IDOK);
    expectNoBox(session.program(), "after the write failure");
    expect(session.program().runningDescendants().empty(), "a script was started anyway");
    session.closeWithCancel();
}

void refusedOverwriteKeepsFile(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::string oldScript = "@echo off\r\necho old script\r\n";
    writeFileBytes(session.file("SLscript.bat"), oldScript);
    const std::string question = expected::overwriteQuestion("SLscript.bat");
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the overwrite question");
    dialog.click(IDOK);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the overwrite question");
    expectEqual(readFileBytes(session.file("SLscript.bat")).value_or(""), oldScript,
                "script after a refused overwrite");
    expect(session.program().runningDescendants().empty(), "a script was started after No");
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog, expected::kScriptSaved, kInformationStyle, IDOK);
    expectScript(session.file("SLscript.bat"), defaultRun(dialog));
    session.closeWithCancel();
}

void batExtensionAdded(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.setText(IDC_SCRIPT_NAME, "run");
    generateScript(dialog);
    expectScript(session.file("run.bat"), defaultRun(dialog));
    expectEqual(dialog.text(IDC_SCRIPT_NAME), "run", "script name box");
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, expected::overwriteQuestion("run.bat"), kQuestionStyle, IDNO);
    dialog.setText(IDC_SCRIPT_NAME, "Other.Bat");  // any case counts as the extension
    generateScript(dialog);
    expectDirectoryHolds(
        session.install().installDirectory(),
        {"ScriptGen.exe", "rumo1.1a.exe", "explorer.exe", "results.htm", "run.bat", "Other.Bat"});
    session.closeWithCancel();
}

const char kOldResults[] = "<html><body>old results<!--end--></body></html>";

StartFiles withOldResults() {
    StartFiles files;
    files.resultsPage = kOldResults;
    return files;
}

void clearResultsYes(const CaseContext& context) {
    Session session(context, withOldResults());
    const MainDialog& dialog = session.dialog();
    expectEqual(readFileBytes(session.file("results.htm")).value_or(""), kOldResults,
                "results.htm at start");
    dialog.click(IDC_CLEAR_RESULTS);
    expectBoxAndAnswer(dialog, expected::kClearQuestion, kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog, expected::kResultsCleared, kInformationStyle, IDOK);
    expectNoBox(session.program(), "after clearing");
    expectEqual(readFileBytes(session.file("results.htm")).value_or(""), expected::resultsPage(),
                "cleared results.htm");
    session.closeWithCancel();
}

void clearResultsNo(const CaseContext& context) {
    Session session(context, withOldResults());
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_CLEAR_RESULTS);
    expectBoxAndAnswer(dialog, expected::kClearQuestion, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to clearing");
    expectEqual(readFileBytes(session.file("results.htm")).value_or(""), kOldResults,
                "results.htm after No");
    session.closeWithCancel();
}

void clearResultsUnwritable(const CaseContext& context) {
    Session session(context, withOldResults());
    const MainDialog& dialog = session.dialog();
    // Held open without sharing, the page cannot be opened by anyone else.
    HANDLE held = CreateFileA(session.file("results.htm").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    expect(held != INVALID_HANDLE_VALUE, "cannot hold results.htm open");
    dialog.click(IDC_CLEAR_RESULTS);
    expectBoxAndAnswer(dialog, expected::kClearQuestion, kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog,
                       expected::failedWrite(expected::kCannotWritePage,
                                             expected::inUseReason(session.file("results.htm"))),
                       kStopStyle, IDOK);
    expectNoBox(session.program(), "after the failure message");
    CloseHandle(held);
    expectEqual(readFileBytes(session.file("results.htm")).value_or(""), kOldResults,
                "results.htm after the failure");
    session.closeWithCancel();
}

void viewResultsStartsViewer(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_VIEW_RESULTS);
    expectNoBox(session.program(), "after \"View Results\"");
    const std::string log = session.file(kExplorerLog);
    expect(waitUntil([&] { return loggedCalls(log).size() == 1; }, kReaction),
           "the viewer was not started");
    expectEqual(argumentsOf(loggedCalls(log)[0]), "results.htm", "the viewer's command line");
    expect(session.program().waitForDescendantsToEnd(kReaction), "the viewer did not end");
    expect(dialog.isOpen(), "the dialog closed after \"View Results\"");
    session.closeWithCancel();
}

// The demo's files under Program Files, where Windows Vista to 11 keep what a
// virtualized demo writes in the user's copies: the newer copy gives the start
// values and the page shown, "Clear Results" rewrites every page there is and
// makes none, and the settings copy is never touched. The registry holds the
// folder's short name, which the copies' path must not take. Once more with a
// %LOCALAPPDATA% outside the Windows code page, whose "?" would miss the copies.
enum class UserCopies { kNewer, kOlder, kNone };

std::string shortPathOf(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

template <UserCopies copies, bool cyrillicLocalAppData = false>
void expectUserCopiesFollowed(const CaseContext& context) {
    std::optional<CyrillicLocalAppData> cyrillic;
    if (cyrillicLocalAppData) cyrillic.emplace(context.programSeesLocalAppData);
    Installation install(context.name, context.payload, "C:\\Program Files (x86)\\Solanthra e2e");
    StartFiles files;
    files.demoConfig = demoConfig(100, 0, {1, 2, 3, 4}, "Folder");
    files.resultsPage = kOldResults;
    const std::string configCopy = demoConfig(200, 0, {1, 3, 4, 7}, "Copy");
    const std::string pageCopy = "<html><body>the user's results<!--end--></body></html>";
    files.userCopies = StartFiles::UserCopies{};
    if (copies != UserCopies::kNone)
        files.userCopies = {configCopy, pageCopy, copies == UserCopies::kNewer};
    setInstallPath(shortPathOf(install.installDirectory()));
    auto program = startProgram(install, files);
    MainDialog dialog(*program,
                      program->waitForWindow("#32770", expected::kDialogCaption, kProgramStart));
    dialog.settle();
    const std::string store = userCopyFolder(install);
    const bool copySeen = copies == UserCopies::kNewer && context.programSeesLocalAppData;
    const bool copyCleared = copies != UserCopies::kNone && context.programSeesLocalAppData;
    expectEqual(dialog.text(IDC_PROJECT_NAME), copySeen ? "Copy" : "Folder", "project name");

    dialog.click(IDC_VIEW_RESULTS);
    const std::string log = install.inInstall(kExplorerLog);
    expect(waitUntil([&] { return loggedCalls(log).size() == 1; }, kReaction),
           "the viewer was not started");
    expectEqual(argumentsOf(loggedCalls(log)[0]),
                copySeen ? "\"" + store + "\\results.htm\"" : "results.htm",
                "the viewer's command line");
    expect(program->waitForDescendantsToEnd(kReaction), "the viewer did not end");

    dialog.click(IDC_CLEAR_RESULTS);
    expectBoxAndAnswer(dialog, expected::kClearQuestion, kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog, expected::kResultsCleared, kInformationStyle, IDOK);
    expectNoBox(*program, "after clearing");
    expectEqual(readFileBytes(install.inInstall("results.htm")).value_or(""),
                expected::resultsPage(), "the folder's cleared page");
    if (copies == UserCopies::kNone) {
        expectDirectoryHolds(store, {});
    } else {
        expectEqual(readFileBytes(store + "\\results.htm").value_or(""),
                    copyCleared ? expected::resultsPage() : pageCopy,
                    "the user's copy of the page");
        expectEqual(readFileBytes(store + "\\rumo11.cfg").value_or(""), configCopy,
                    "the user's copy of the settings");
        expectDirectoryHolds(store, {"results.htm", "rumo11.cfg"});
    }
    dialog.postClick(IDCANCEL);
    expectProgramEnds(*program, "after Cancel");
}

// On Windows 95, 98 and ME the script is for COMMAND.COM, which has no escape
// character: "& ( ) ^" stand as typed, and only "%" is doubled. Wine's cmd reads
// such a line otherwise, so only the script's bytes are checked.
void commandComNameWithoutEscapes(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.setText(IDC_PROJECT_NAME, "R&D (Lab) ^2 100%");
    generateScript(dialog);
    expected::ScriptRun run = defaultRun(dialog);
    run.projectName = "R&D (Lab) ^2 100%%";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

// Nothing carries "|" to the demo through COMMAND.COM: the user is asked, No
// writes nothing, Yes writes the name with a blank in its place.
void commandComAsksBeforeBlankingRedirections(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.setText(IDC_PROJECT_NAME, "A|B");
    const std::string question = expected::commandComQuestion(true, -1, "A B");
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the name question");
    expect(!fileExists(session.file("SLscript.bat")), "a script was written after No");
    dialog.click(IDC_GENERATE_SCRIPT);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDYES);
    expectBoxAndAnswer(dialog, expected::kScriptSaved, kInformationStyle, IDOK);
    expected::ScriptRun run = defaultRun(dialog);
    run.projectName = "A B";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

// COMMAND.COM cuts a line after 127 bytes and still runs it: with all twelve
// scenes the default name does not fit, so the user is asked, and on Yes the
// name is cut so that the line keeps its whole resolution token. "Generate and
// run" must start the script by its short name: the long one holds a variable
// that the interpreter would expand to a name of no file, quoted or not.
void commandComAsksBeforeCuttingALongName(const CaseContext& context) {
    SetEnvironmentVariableA("SCRIPTGEN_E2E_ELSEWHERE", "elsewhere");  // the program inherits it
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_SELECT_ALL);
    dialog.setText(IDC_SCRIPT_NAME, "My Bench %SCRIPTGEN_E2E_ELSEWHERE% Run");
    expected::ScriptRun run = defaultRun(dialog);
    run.scenes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::string& token = run.tokens[0];
    const std::string lineWithoutName = "start /w rumo1.1a.exe -b -r " + token +
                                        " -f 1 -g 128 -s 1,2,3,4,5,6,7,8,9,10,11,12 -d 0 -n -" +
                                        token;
    const std::size_t kept = 127 - lineWithoutName.size();
    run.projectName = std::string(expected::kDefaultProjectName).substr(0, kept);
    const std::string question =
        expected::commandComQuestion(false, static_cast<int>(kept), run.projectName);
    const std::string script = session.file("My Bench %SCRIPTGEN_E2E_ELSEWHERE% Run.bat");

    dialog.postClick(IDOK);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the name question");
    expect(!fileExists(script), "a script was written after No");
    expect(session.program().runningDescendants().empty(), "something was started after No");

    dialog.postClick(IDOK);
    expectBoxAndAnswer(dialog, question, kQuestionStyle, IDYES);
    expectNoBox(session.program(), "after Yes to the name question");
    waitForScriptToFinish(session, 1);
    expectScript(script, run);
    const std::string line = "start /w rumo1.1a.exe " + expected::demoArguments(run, 0);
    expect(line.size() == 127, "the demo line has " + std::to_string(line.size()) + " bytes");
    expectDemoCalls(session, run);
    session.closeWithCancel();
}
}  // namespace

std::vector<E2eCase> commandCases() {
    return {
        {"generate_script_with_defaults", generateWithDefaults},
        {"generate_script_worked_example", generateWorkedExample},
        {"generate_and_run_three_resolutions", generateAndRunThreeResolutions},
        {"generate_and_run_results_after_each", generateAndRunResultsAfterEach},
        {"enter_in_check_box_runs_generate_and_run", enterInCheckBoxRunsGenerateAndRun},
        {"project_name_reaches_demo_as_typed", projectNameReachesDemoAsTyped, ScriptLine::kCmdOnly},
        {"project_name_quotes_and_blanks_in_script", projectNameWithQuotesAndBlanksInScript},
        {"accented_project_name_reaches_demo_as_typed", accentedProjectNameReachesDemoAsTyped},
        {"code_pages_ask_before_changing_the_name", codePagesAskBeforeChangingTheName,
         ScriptLine::kCmdOnly},
        {"enter_in_script_name_overwrites_and_starts_the_bat_file",
         enterInScriptNameOverwritesAndStartsTheBatFile},
        {"empty_selection_writes_no_tests", emptySelectionWritesNoTests},
        {"no_scene_refused", noSceneRefused},
        {"missing_category_refused", missingCategoryRefused},
        {"script_in_missing_directory", scriptInMissingDirectory},
        {"refused_overwrite_keeps_file", refusedOverwriteKeepsFile},
        {"bat_extension_added", batExtensionAdded},
        {"clear_results_yes", clearResultsYes},
        {"clear_results_no", clearResultsNo},
        {"clear_results_unwritable", clearResultsUnwritable},
        {"view_results_starts_viewer", viewResultsStartsViewer},
        {"user_copies_newer_than_folder", expectUserCopiesFollowed<UserCopies::kNewer>},
        {"user_copies_older_than_folder", expectUserCopiesFollowed<UserCopies::kOlder>},
        {"user_copy_folder_empty", expectUserCopiesFollowed<UserCopies::kNone>},
        {"user_copies_newer_in_cyrillic_profile",
         expectUserCopiesFollowed<UserCopies::kNewer, true>},
        {"user_copies_older_in_cyrillic_profile",
         expectUserCopiesFollowed<UserCopies::kOlder, true>},
        {"user_copy_folder_empty_in_cyrillic_profile",
         expectUserCopiesFollowed<UserCopies::kNone, true>},
        {"command_com_name_without_escapes", commandComNameWithoutEscapes,
         ScriptLine::kCommandComOnly},
        {"command_com_asks_before_blanking_redirections", commandComAsksBeforeBlankingRedirections,
         ScriptLine::kCommandComOnly},
        {"command_com_asks_before_cutting_a_long_name", commandComAsksBeforeCuttingALongName,
         ScriptLine::kCommandComOnly},
        {"double_byte_project_name_reaches_demo_as_typed", doubleByteProjectNameReachesDemoAsTyped,
         ScriptLine::kEither, kNeedsDoubleByteCodePage},
        {"double_byte_project_name_cut_between_characters",
         doubleByteProjectNameCutBetweenCharacters, ScriptLine::kEither, kNeedsDoubleByteCodePage},
    };
}
