// "Generate script", "Generate and run", the results buttons and About.
#include <gtest/gtest.h>

#include "about/Disclaimer.h"
#include "fakes/DialogHarness.h"
#include "platform/Notifications.h"
#include "resource.h"
#include "results/ResultsPage.h"

namespace {

const char kSaved[] = "Script file saved\nsuccessfully.";
const char kNoScene[] = "Please select at least\none test to run.";
const char kCategoryQuestion[] =
    "Please select at least one test\nfor each category or no global\n"
    "SLMark will be available.\nProceed?";

std::vector<std::string> texts(const FakeDialogWindow& window) {
    std::vector<std::string> result;
    for (const auto& message : window.messages) result.push_back(message.text);
    return result;
}

TEST(GenerateScript, DefaultsWriteAOneTestScriptAndReportSuccess) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.click(IDC_GENERATE_SCRIPT);
    EXPECT_EQ(texts(h.window), std::vector<std::string>{kSaved});
    EXPECT_EQ(h.window.messages[0].style, 64u);
    const std::string script = h.installation.read("SLscript.bat");
    EXPECT_NE(script.find("start /w rumo1.1a.exe -b -r 640x480@16 -f 1 -g 128 -s 1,2,3,4 -d 0 "
                          "-n (Enter the name of your project here)-640x480@16\r\n"),
              std::string::npos);
    EXPECT_TRUE(h.launcher.started.empty());
}

TEST(GenerateScript, SceneAndCategoryChecks) {
    const struct {
        const char* name;
        std::vector<int> scenes;
        std::deque<int> answers;
        std::vector<std::string> expectedMessages;
        bool written;
    } cases[] = {
        {"no scene", {}, {}, {kNoScene}, false},
        {"three categories, No", {1, 2, 3}, {7}, {kCategoryQuestion}, false},
        {"three categories, Yes", {1, 2, 3}, {6}, {kCategoryQuestion, kSaved}, true},
        {"dependents cover categories", {9, 7, 5, 10}, {}, {kSaved}, true},
        {"all four required", {1, 2, 3, 4}, {}, {kSaved}, true},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.settings.scenes.fill(0);
        for (int n : c.scenes) h.settings.scene(n) = 1;
        ASSERT_TRUE(h.start());
        h.window.answers = c.answers;
        h.window.click(IDC_GENERATE_SCRIPT);
        EXPECT_EQ(texts(h.window), c.expectedMessages) << c.name;
        EXPECT_EQ(h.installation.exists("SLscript.bat"), c.written) << c.name;
        if (!c.written) {
            EXPECT_EQ(h.settings.resolutionCount, 0) << c.name;
        }
    }
}

TEST(GenerateScript, GathersSelectedEntriesInListOrder) {
    DialogHarness h;
    h.displayModes.modes.assign(10, {800, 600, 16});
    h.displayModes.modes[1] = {640, 480, 16};
    h.displayModes.modes[4] = {1024, 768, 32};
    h.displayModes.modes[9] = {1600, 1200, 32};
    ASSERT_TRUE(h.start());
    h.window.selectListEntries({4, 1, 9});
    h.window.click(IDC_GENERATE_SCRIPT);
    EXPECT_EQ(h.settings.resolutionCount, 3);
    EXPECT_EQ(std::vector<std::string>(h.settings.resolutionTokens.begin(),
                                       h.settings.resolutionTokens.begin() + 3),
              (std::vector<std::string>{"640x480@16", "1024x768@32", "1600x1200@32"}));
}

TEST(GenerateScript, EmptySelectionWritesAZeroTestScriptAndKeepsOldTokens) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.settings.resolutionTokens[0] = "old";
    h.window.selectListEntries({});
    h.window.click(command::kOk);
    EXPECT_EQ(h.settings.resolutionCount, 0);
    EXPECT_EQ(h.settings.resolutionTokens[0], "old");
    EXPECT_NE(h.installation.read("SLscript.bat").find("will run 0 benchmark tests"),
              std::string::npos);
    EXPECT_EQ(h.launcher.started, std::vector<std::string>{"\"SLscript.bat\""});
    EXPECT_TRUE(h.window.messages.empty());
    EXPECT_FALSE(h.window.endResult.has_value());  // the dialog stays open
}

TEST(GenerateScript, OverwriteQuestion) {
    for (int answer : {6, 7}) {
        DialogHarness h;
        h.installation.write("SLscript.bat", "old");
        ASSERT_TRUE(h.start());
        h.window.answers = {answer};
        h.window.click(command::kOk);
        ASSERT_EQ(h.window.messages.size(), 1u);
        EXPECT_EQ(h.window.messages[0].text,
                  "Warning: 'SLscript.bat'\nfile already exists.\nOverwrite existing file?");
        EXPECT_EQ(h.installation.read("SLscript.bat") == "old", answer == 7);
        EXPECT_EQ(h.launcher.started.size(), answer == 6 ? 1u : 0u);
    }
}

TEST(GenerateScript, FailedWriteKeepsTheExtensionAndStartsNothing) {
    for (int id : {IDC_GENERATE_SCRIPT, int(command::kOk)}) {
        DialogHarness h;
        ASSERT_TRUE(h.start());
        h.window.type(IDC_SCRIPT_NAME, "missing/run");
        h.window.click(id);
        EXPECT_EQ(texts(h.window), std::vector<std::string>{"Couldn't write to file.\n\nmissing/"
                                                            "run.bat\nThe system cannot find "
                                                            "the path."});
        EXPECT_EQ(h.settings.scriptName, "missing/run.bat");
        EXPECT_EQ(h.window.itemText(IDC_SCRIPT_NAME), "missing/run");
        EXPECT_TRUE(h.launcher.started.empty());
    }
}

TEST(GenerateScript, EnterUsesTheNamesAsTyped) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.type(IDC_PROJECT_NAME, "Rig");
    h.window.type(IDC_SCRIPT_NAME, "my run");
    h.window.pressEnter();  // the focus stays in the script name box
    EXPECT_EQ(h.settings.projectName, "Rig");
    EXPECT_EQ(h.settings.scriptName, "my run.bat");
    EXPECT_NE(h.installation.read("my run.bat").find("-n Rig-640x480@16"), std::string::npos);
    EXPECT_EQ(h.launcher.started, std::vector<std::string>{"\"my run.bat\""});
}

// The overwrite question takes the focus from the script name box, whose focus
// loss stores the name as typed; the file asked about must still be the one
// written and started.
TEST(GenerateScript, EnterInTheScriptNameWithTheOverwriteQuestion) {
    for (int answer : {6, 7}) {
        DialogHarness h;
        h.installation.write("run.bat", "old");
        ASSERT_TRUE(h.start());
        h.window.type(IDC_SCRIPT_NAME, "run");
        h.window.answers = {answer};
        h.window.pressEnter();
        EXPECT_EQ(texts(h.window),
                  std::vector<std::string>{
                      "Warning: 'run.bat'\nfile already exists.\nOverwrite existing file?"});
        EXPECT_FALSE(h.installation.exists("run"));
        EXPECT_EQ(h.installation.read("run.bat") == "old", answer == 7);
        EXPECT_EQ(h.settings.scriptName, "run.bat");
        EXPECT_EQ(h.launcher.started, answer == 6 ? std::vector<std::string>{"\"run.bat\""}
                                                  : std::vector<std::string>{});
    }
}

TEST(GenerateScript, ReadsTheNameBoxesButNotTheHiddenEdits) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.dialog.onHScroll(5, 255);  // the hidden gray-level edit still shows 42
    h.window.click(IDC_GENERATE_SCRIPT);
    h.window.click(IDC_SELECT_ALL);  // the next load of the controls
    EXPECT_EQ(h.window.itemText(IDC_GRAY_LEVEL), "169");
}

// Whatever the box holds (a set text passes its limit; the NT line's typing
// counts characters), the name kept has at most 999 bytes, in whole
// characters (on Japanese Windows ポ is 83 7C, in UTF-8 テ is E3 83 86), and
// the user is asked first, shown the name's ends.
TEST(GenerateScript, AProjectNameIsCutAtTheLengthTheDemoKeeps) {
    std::string po, te;
    for (int i = 0; i < 600; ++i) po += "\x83\x7c", te += "\xe3\x83\x86";
    const auto asked = [](int characters, const std::string& start, int leftOut,
                          const std::string& end) {
        return "The demo takes at most 999 bytes of a project name: the script keeps its first " +
               std::to_string(characters) + " characters.\nThe demo will get the project name\n'" +
               start + "\n...(" + std::to_string(leftOut) + " characters left out)...\n" + end +
               "'\nProceed?";
    };
    const struct {
        FakeCodePages codePages;
        std::string boxText;
        std::string kept;
        std::string question;
    } cases[] = {
        {FakeCodePages::westernEuropean(), std::string(5000, 'n'), std::string(999, 'n'),
         asked(999, std::string(30, 'n'), 939, std::string(30, 'n'))},
        {FakeCodePages::japanese(), po, po.substr(0, 998),
         asked(499, po.substr(0, 30), 469, po.substr(0, 30))},
        {FakeCodePages::japanese(), "a" + po, "a" + po.substr(0, 998),
         asked(500, "a" + po.substr(0, 28), 470, po.substr(0, 30))},
        {FakeCodePages::utf8(), "a" + te, "a" + te.substr(0, 996),
         asked(333, "a" + te.substr(0, 27), 313, te.substr(0, 30))},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.codePages = c.codePages;
        ASSERT_TRUE(h.start());
        h.window.setItemText(IDC_PROJECT_NAME, c.boxText);
        h.window.click(IDC_GENERATE_SCRIPT);
        EXPECT_EQ(h.settings.projectName, c.kept);
        EXPECT_EQ(texts(h.window), (std::vector<std::string>{c.question, kSaved}));
    }
}

// A name that the code pages or COMMAND.COM (Windows 95, 98 and ME) cannot carry
// is asked about before anything is written; "Generate and run" starts the
// short name on COMMAND.COM. Names typed in Unicode are the NT line's.
TEST(GenerateScript, WindowsLineDecidesTheQuestionAndTheStart) {
    constexpr auto kCmd = BatchInterpreter::kCmd;
    constexpr auto k9x = BatchInterpreter::kCommandCom;
    const std::string redirections =
        "Windows 95, 98 and ME cannot pass | < > to the demo: the script writes them as blanks.\n";
    const std::string cutTo25 =
        "Windows 95, 98 and ME read at most 127 characters of a script line: the script keeps "
        "the first 25 characters of the project name.\n";
    const std::string converted =
        "Windows passes the project name to the demo in its code pages, which lack some of its "
        "characters: the demo gets others in their place.\n";
    const auto willGet = [](const std::string& name) {
        return "The demo will get the project name\n'" + name + "'\nProceed?";
    };
    const std::string overwrite =
        "Warning: 'SLscript.bat'\nfile already exists.\nOverwrite existing file?";
    const std::string defaultName = "(Enter the name of your project here)";
    const std::string piped = "(Enter the name|of your project here)";
    const std::string kept = "(Enter the name of your p";
    const std::string pipeQuestion = redirections + willGet("a b");
    const std::string cutQuestion = cutTo25 + willGet(kept);
    const std::string bothQuestion = redirections + cutTo25 + willGet(kept);
    const std::string shortName = "SLSCRI~1.BAT";
    const std::string quoted = "\"SLscript.bat\"";
    // Cyrillic is not in 1252; "€" is not in 437, whose best fit makes "“" a plain quote.
    const std::u16string cyrillic = u"\u041f\u0440\u043e 1", signs = u"\u20ac \u2122 \u201cq\u201d";
    const std::string signs1252 = "\x80 \x99 \x93q\x94", signs437 = "? T \"q\"";
    const std::string cyrillicAsked = converted + willGet("??? 1");
    const std::string signsAsk = converted + willGet(signs437);
    const std::string bothAsked = converted + redirections + willGet("a ?");
    const int run = command::kOk;
    const int generate = IDC_GENERATE_SCRIPT;
    const struct {
        BatchInterpreter line;
        bool allScenesAt1024;  // the worked case: a 139-byte line with the default name
        std::string name;
        int button;
        std::string shortName;
        std::deque<int> answers;
        std::vector<std::string> messages;
        std::string nameOnLine;  // empty: the old script stays
        std::vector<std::string> started;
        std::u16string typed = u"";  // in Unicode, which the box reads as name; empty: name
    } cases[] = {
        {k9x, false, "a|b", run, shortName, {7}, {pipeQuestion}, "", {}},
        {k9x, false, "a|b", run, shortName, {6, 6}, {pipeQuestion, overwrite}, "a b", {shortName}},
        {k9x, true, defaultName, run, "", {6, 6}, {cutQuestion, overwrite}, kept, {quoted}},
        {k9x, true, piped, generate, "", {6, 6}, {bothQuestion, overwrite, kSaved}, kept, {}},
        {k9x, false, "R&D (Lab) ^2", run, shortName, {6}, {overwrite}, "R&D (Lab) ^2", {shortName}},
        {kCmd, false, "a|b", run, shortName, {6}, {overwrite}, "a^|b", {quoted}},
        {kCmd, true, defaultName, run, shortName, {6}, {overwrite}, defaultName, {quoted}},
        {kCmd, false, "??? 1", run, "", {7}, {cyrillicAsked}, "", {}, cyrillic},
        {kCmd, false, signs1252, run, "", {6, 6}, {signsAsk, overwrite}, signs437, {quoted}, signs},
        {kCmd, false, "M\xfc", run, "", {6}, {overwrite}, "M\x81", {quoted}, u"M\u00fc"},
        {k9x, false, "a|\x80", run, shortName, {6, 6}, {bothAsked, overwrite}, "a ?", {shortName}},
    };
    for (const auto& c : cases) {
        const std::string row = c.name + (c.line == k9x ? " on COMMAND.COM" : " on cmd");
        DialogHarness h;
        h.scriptHost.line = c.line;
        h.scriptHost.shortNameGiven = c.shortName;
        h.installation.write("SLscript.bat", "old");
        ASSERT_TRUE(h.start());
        if (c.allScenesAt1024) {
            h.window.click(IDC_SELECT_ALL);
            h.window.selectListEntries({2});
        }
        if (c.typed.empty()) {
            h.window.type(IDC_PROJECT_NAME, c.name);
        } else {
            h.window.type(IDC_PROJECT_NAME, c.typed, h.codePages);
        }
        h.window.answers = c.answers;
        h.window.click(c.button);
        EXPECT_EQ(texts(h.window), c.messages) << row;
        for (const auto& message : h.window.messages) {
            if (message.text != kSaved) {
                EXPECT_EQ(message.style, 52u) << row;
            }
        }
        const std::string script = h.installation.read("SLscript.bat");
        if (c.nameOnLine.empty()) {
            EXPECT_EQ(script, "old") << row;
        } else {
            const std::string token = c.allScenesAt1024 ? "1024x768@32" : "640x480@16";
            EXPECT_NE(script.find(" -n " + c.nameOnLine + "-" + token + "\r\n"), std::string::npos)
                << row;
        }
        EXPECT_EQ(h.launcher.started, c.started) << row;
        EXPECT_EQ(h.settings.projectName, c.name) << row;
        EXPECT_EQ(h.window.itemText(IDC_PROJECT_NAME), c.name) << row;
    }
}

TEST(ResultsButtons, ClearAsksAndViewStartsExplorer) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.installation.write("results.htm", "demo results");

    h.window.answers = {7};
    h.window.click(IDC_CLEAR_RESULTS);
    EXPECT_EQ(h.installation.read("results.htm"), "demo results");

    h.window.answers = {6};
    h.window.click(IDC_CLEAR_RESULTS);
    EXPECT_EQ(h.installation.read("results.htm"), emptyResultsPageText());
    EXPECT_EQ(texts(h.window),
              (std::vector<std::string>{"All data in results\npage will be erased.\nProceed?",
                                        "All data in results\npage will be erased.\nProceed?",
                                        "Results page cleared."}));

    h.window.click(IDC_VIEW_RESULTS);
    EXPECT_EQ(h.launcher.started, std::vector<std::string>{"explorer results.htm"});
}

TEST(AboutBox, ButtonAndSystemMenuShowTheSameDisclaimerEachTime) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.click(IDC_ABOUT);
    h.dialog.onSysCommand(IDM_ABOUTBOX);
    h.window.click(IDC_ABOUT);
    EXPECT_EQ(h.window.aboutShown, std::vector<std::string>(3, disclaimerText()));
}

}  // namespace
