#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/Product.h"
#include "expected/ExpectedTexts.h"
#include "fakes/FakeCodePages.h"
#include "fakes/FakeServices.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "script/BenchmarkScript.h"

namespace fs = std::filesystem;

namespace {
constexpr auto kCmd = BatchInterpreter::kCmd;
constexpr auto k9x = BatchInterpreter::kCommandCom;
const FakeCodePages kWestern = FakeCodePages::westernEuropean();
const FakeCodePages kJapanese = FakeCodePages::japanese();
const ScriptReader kCmdReader{kCmd, kWestern};
constexpr auto kNoLimit = std::string::npos;

// The fake's words for any failure of that file.
ShownMessage couldNotWrite(const std::string& file) {
    return {"Couldn't write to file.\n\n" + expected::shownName(file) +
                "\nThe system cannot find the path.",
            product::kMessageTitle, 16};
}

// The settings of the worked example in the demo contract: two resolutions, scenes 2, 4, 10.
BenchmarkSettings exampleSettings() {
    BenchmarkSettings settings;
    settings.scriptName = "SLscript.bat";
    settings.resolutionCount = 2;
    settings.resolutionTokens[0] = "800x600@16";
    settings.resolutionTokens[1] = "1024x768@32";
    settings.fullscreen = 1;
    settings.brightness = 128;
    settings.automatic = 0;
    settings.resultsAfterEach = 0;
    settings.scenes = {0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0};
    settings.projectName = "MyCard";
    return settings;
}

BenchmarkSettings withTokens(BenchmarkSettings settings, const std::vector<std::string>& tokens) {
    settings.resolutionCount = static_cast<int>(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) settings.resolutionTokens[i] = tokens[i];
    return settings;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> found;
    for (const auto& line : linesOf(text)) {
        if (line.rfind(start, 0) == 0) found.push_back(line);
    }
    return found;
}

// The script's separators, banner and messages, which both interpreters read alike.
std::string withoutDemoLines(const std::string& text) {
    std::string rest;
    for (const auto& line : linesOf(text)) {
        if (line.rfind("start /w", 0) != 0) rest += line + "\n";
    }
    return rest;
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh directory per test, removed afterwards.
class ScriptFileTest : public ::testing::Test {
   protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("scriptgen_script_" + std::to_string(random()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string pathOf(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
    ScriptedMessageBoxes boxes_;
    FakeWriteFailures failures_;
    FakeAdministratorRights rights_;
    WriteReporter reporter_{boxes_, failures_, rights_, kWestern};
};
}  // namespace

TEST_F(ScriptFileTest, WritesTheWorkedExampleByteForByte) {
    const std::string site = product::kSiteAddress;
    const std::vector<std::string> lines = {
        "@echo off",
        "echo\"",
        "\"",
        "echo  *******************",
        "echo  * Solanthra v1.1a *",
        "echo  *******************",
        "echo\"",
        "\"",
        "echo  Automated Benchmark Script",
        "echo  --------------------------",
        "echo\"",
        "\"",
        "echo  This script will run 2 benchmark tests at",
        "echo  the following resolutions and bit depths:",
        "echo\"",
        "\"",
        "echo      * 800x600@16",
        "echo      * 1024x768@32",
        "echo\"",
        "\"",
        "echo  Press CTRL+C at any time to stop the process.",
        "echo\"",
        "\"",
        "echo\"",
        "\"",
        "echo ----------------------------------",
        "echo - STARTING TEST AT 800x600@16...",
        "echo ----------------------------------",
        "echo\"",
        "\"",
        "pause",
        "start /w rumo1.1a.exe -i -r 800x600@16 -f 1 -g 128 -s 2,4,10 -d 0 -n MyCard-800x600@16",
        "echo\"",
        "\"",
        "echo ----------------------------------",
        "echo - STARTING TEST AT 1024x768@32...",
        "echo ----------------------------------",
        "echo\"",
        "\"",
        "pause",
        "start /w rumo1.1a.exe -f -r 1024x768@32 -f 1 -g 128 -s 2,4,10 -d 0 -n "
        "MyCard-1024x768@32",
        "echo\"",
        "\"",
        "echo  SHOWING ALL RESULTS...",
        "echo\"",
        "\"",
        "pause",
        "explorer results.htm",
        "echo\"",
        "\"",
        "echo  *************",
        "echo  * ALL DONE! *",
        "echo  *************",
        "echo\"",
        "\"",
        "echo  Thank you for using Solanthra",
        "echo  -----------------------------",
        "echo  - Visit Solanthra official site at: " + site,
        "echo  - Upload and compare your results at: " + site + "/slmark",
        "echo  - Contact the author at: " + std::string(product::kContactEmail),
        "echo\"",
        "\""};
    ASSERT_EQ(lines.size(), 62u);
    std::string expected;
    for (const auto& line : lines) expected += (expected.empty() ? "" : "\r\n") + line;

    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = pathOf("SLscript.bat");
    ASSERT_TRUE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    const std::string written = fileBytes(settings.scriptName);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.substr(written.size() - 3), "\r\n\"");
    EXPECT_TRUE(boxes_.shown.empty());
}

TEST(DemoCommandLine, SingleTestCarriesTheOnlyRunRole) {
    BenchmarkSettings settings = withTokens(BenchmarkSettings{}, {"640x480@16"});
    settings.brightness = 200;
    settings.fullscreen = 0;
    settings.resultsAfterEach = 1;
    settings.scenes = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    settings.projectName = "Test Rig";
    EXPECT_EQ(demoCommandLine(settings, 1, kCmdReader),
              "start /w rumo1.1a.exe -b -r 640x480@16 -f 0 -g 200 -s 1,2,3,4 -d 1 -n "
              "Test Rig-640x480@16\n");
}

TEST(DemoCommandLine, RunRolesFollowThePlaceInTheSeries) {
    const std::vector<std::string> tokens = {"640x480@8", "800x600@16", "1024x768@16",
                                             "1280x1024@32"};
    const std::vector<std::vector<std::string>> rolesByCount = {
        {"-b"}, {"-i", "-f"}, {"-i", "-n", "-f"}, {"-i", "-n", "-n", "-f"}};
    for (std::size_t count = 1; count <= rolesByCount.size(); ++count) {
        const std::vector<std::string> firstTokens(tokens.begin(),
                                                   tokens.begin() + static_cast<long>(count));
        const BenchmarkSettings settings = withTokens(exampleSettings(), firstTokens);
        const auto commands =
            linesStartingWith(benchmarkScriptText(settings, kCmdReader), "start /w");
        ASSERT_EQ(commands.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(commands[i], "start /w rumo1.1a.exe " + rolesByCount[count - 1][i] + " -r " +
                                       tokens[i] + " -f 1 -g 128 -s 2,4,10 -d 0 -n MyCard-" +
                                       tokens[i])
                << "test " << i + 1 << " of " << count;
        }
    }
}

TEST(DemoCommandLine, SceneListEdges) {
    BenchmarkSettings settings = withTokens(BenchmarkSettings{}, {"640x480@16"});
    settings.scenes.fill(1);
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -s 1,2,3,4,5,6,7,8,9,10,11,12 -d "),
              std::string::npos);
    settings.scenes.fill(0);
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -g 128 -s -d 0 -n "),
              std::string::npos);
    settings.scenes = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};  // any non-zero byte selects
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -s 12 -d "), std::string::npos);
}

TEST(DemoCommandLine, BrightnessEndsAndNameEdges) {
    BenchmarkSettings settings = withTokens(BenchmarkSettings{}, {"640x480@16"});
    settings.brightness = 0;
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -g 0 -s "), std::string::npos);
    settings.brightness = 255;
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -g 255 -s "), std::string::npos);
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader)
                  .find(" -n (Enter the name of your project here)-640x480@16\n"),
              std::string::npos);
    settings.projectName = "";
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -d 0 -n -640x480@16\n"),
              std::string::npos);
    settings.projectName = "R&D 100%";
    EXPECT_NE(demoCommandLine(settings, 1, kCmdReader).find(" -n R^&D 100%%-640x480@16\n"),
              std::string::npos);
}

TEST(BenchmarkScriptText, AutomaticRunHasNoPause) {
    BenchmarkSettings settings = exampleSettings();
    EXPECT_EQ(linesStartingWith(benchmarkScriptText(settings, kCmdReader), "pause").size(), 3u);
    settings.automatic = 1;
    EXPECT_TRUE(linesStartingWith(benchmarkScriptText(settings, kCmdReader), "pause").empty());
}

TEST(BenchmarkScriptText, ResultsAfterEachLeavesAnEmptyLineInsteadOfTheResultsPage) {
    BenchmarkSettings settings = exampleSettings();
    settings.resultsAfterEach = 1;
    const std::string text = benchmarkScriptText(settings, kCmdReader);
    EXPECT_EQ(text.find("explorer"), std::string::npos);
    EXPECT_EQ(linesStartingWith(text, "pause").size(), 2u);  // one per test, none at the end
    EXPECT_NE(text.find("echo  SHOWING ALL RESULTS...\necho\"\n\"\n\necho\"\n\"\necho  ******"),
              std::string::npos);
}

TEST(BenchmarkScriptText, NoResolutionsStillWritesHintAndClosing) {
    BenchmarkSettings settings = exampleSettings();
    settings.resolutionCount = 0;
    const std::string text = benchmarkScriptText(settings, kCmdReader);
    EXPECT_NE(text.find("echo  This script will run 0 benchmark tests at\n"
                        "echo  the following resolutions and bit depths:\n"
                        "echo\"\n\"\n"
                        "echo\"\n\"\n"
                        "echo  Press CTRL+C at any time to stop the process.\n"
                        "echo\"\n\"\n"
                        "echo\"\n\"\n"
                        "echo  SHOWING ALL RESULTS...\n"),
              std::string::npos);
    EXPECT_TRUE(linesStartingWith(text, "start").empty());
    EXPECT_TRUE(linesStartingWith(text, "echo      *").empty());
    EXPECT_EQ(linesOf(text).size(), 62u - 2 - 2 * 9);
}

TEST(BatExtensionRule, AppendsUnlessTheNameEndsInBatInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"run", "run.bat"},
        {"run.BAT", "run.BAT"},
        {"run.Bat", "run.Bat"},
        {"bat", "bat.bat"},
        {"run.bat.txt", "run.bat.txt.bat"},
        {"", ".bat"},
        {".bat", ".bat"},
        {"xbat", "xbat.bat"},
    };
    for (const auto& [typed, stored] : cases) {
        std::string name = typed;
        applyBatExtensionRule(name);
        EXPECT_EQ(name, stored) << "typed: " << typed;
    }
}

TEST_F(ScriptFileTest, StoresTheExtendedNameAndWritesThatFile) {
    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = pathOf("run");
    ASSERT_TRUE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    EXPECT_EQ(settings.scriptName, pathOf("run.bat"));
    EXPECT_TRUE(fs::exists(dir_ / "run.bat"));
}

TEST_F(ScriptFileTest, OverwritesAnExistingFileOnYes) {
    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = pathOf("old.bat");
    std::ofstream(settings.scriptName, std::ios::binary) << "old text";
    boxes_.answers = {msg::kYes};
    ASSERT_TRUE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0],
              (ShownMessage{expected::overwriteQuestion(settings.scriptName),
                            product::kMessageTitle, 52}));
    EXPECT_EQ(fileBytes(settings.scriptName).rfind("@echo off\r\n", 0), 0u);
}

TEST_F(ScriptFileTest, LeavesAnExistingFileAloneOnNo) {
    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = pathOf("keep");
    const std::string old = "old\r\ntext\n";
    std::ofstream(pathOf("keep.bat"), std::ios::binary) << old;
    boxes_.answers = {msg::kNo};
    EXPECT_FALSE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    EXPECT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(fileBytes(pathOf("keep.bat")), old);
}

TEST_F(ScriptFileTest, ReportsANameThatCannotBeOpened) {
    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = (dir_ / "no such directory" / "run").string();
    EXPECT_FALSE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    EXPECT_EQ(boxes_.shown, std::vector<ShownMessage>{couldNotWrite(settings.scriptName)});
    EXPECT_EQ(settings.scriptName, (dir_ / "no such directory" / "run.bat").string());
}

#ifndef _WIN32
TEST_F(ScriptFileTest, RemovesAScriptThatDidNotFitOnTheDisk) {
    const fs::path script = dir_ / "full.bat";
    fs::create_symlink("/dev/full", script);
    BenchmarkSettings settings = exampleSettings();
    settings.scriptName = script.string();
    boxes_.answers = {msg::kYes};  // the link opens for reading, so it counts as existing
    EXPECT_FALSE(writeBenchmarkScript(settings, reporter_, kCmdReader));
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1], couldNotWrite(script.string()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(script)));
}
#endif

TEST(DemoLineName, CmdEscapesWhatItWouldTakeAsItsOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {"R&D", "R^&D"},
        {"100%", "100%%"},
        {"%PATH%", "%%PATH%%"},
        {"a\"b&c\"d&e", "a\"b&c\"d^&e"},
        {"\"%&\"", "\"%%&\""},
        {"a|b<c>d^e", "a^|b^<c^>d^^e"},
        {std::string("a\rb\nc\x1a"
                     "d\te\x01",
                     10),
         "a b c d e "},
        {"Test Rig", "Test Rig"},
        {"(Enter the name of your project here)", "(Enter the name of your project here)"},
        {"caf\xe9 #1 = ok!", "caf\x82 #1 = ok!"},  // in the console code page
        {"", ""},
    };
    for (const auto& [name, literal] : cases)
        EXPECT_EQ(nameOnDemoLine(name, kCmdReader, kNoLimit).written, literal) << name;
}

// COMMAND.COM reads "%%" as one byte and has no escapes; cmd keeps its own rules.
TEST(DemoLineName, EachInterpreterGetsANameItCarries) {
    const std::string worked = "1024x768@32";
    const std::string allScenes = " -f 1 -g 128 -s 1,2,3,4,5,6,7,8,9,10,11,12 -d 0 -n ";
    // 102 bytes besides the name: 25 characters fit on a COMMAND.COM line.
    const std::string before = "start /w rumo1.1a.exe -b -r " + worked + allScenes;
    const std::string after = "-" + worked;
    const auto at1024 = [&](const std::string& written) { return before + written + after; };
    const std::string defaultName = "(Enter the name of your project here)";
    const std::string kept = "(Enter the name of your p";
    const std::string at640 =
        "start /w rumo1.1a.exe -i -r 640x480@16" + allScenes + kept + "-640x480@16";
    const std::string huge(60, '9');  // no room left for any name
    const std::string atHuge = "start /w rumo1.1a.exe -b -r " + huge + allScenes + "-" + huge;
    const struct {
        std::string name;
        BatchInterpreter line;
        std::vector<std::string> tokens;
        std::string firstDemoLine;
        bool asks;
    } cases[] = {
        {"R&D (Lab) ^2", k9x, {worked}, at1024("R&D (Lab) ^2"), false},
        {"R&D (Lab) ^2", kCmd, {worked}, at1024("R^&D (Lab) ^^2"), false},
        {"100% = ok; a,b", k9x, {worked}, at1024("100%% = ok; a,b"), false},
        {"100% = ok; a,b", kCmd, {worked}, at1024("100%% = ok; a,b"), false},
        {"a|b<c>d", k9x, {worked}, at1024("a b c d"), true},
        {"a|b<c>d", kCmd, {worked}, at1024("a^|b^<c^>d"), false},
        {"tab\there\r", k9x, {worked}, at1024("tab here "), false},
        {defaultName, k9x, {worked}, at1024(kept), true},
        {defaultName, kCmd, {worked}, at1024(defaultName), false},
        // 127 bytes as read, 128 in the file; then one character too many.
        {"Lab rig at 100% for tests", k9x, {worked}, at1024("Lab rig at 100%% for tests"), false},
        {"Lab rig at 100% for tests!", k9x, {worked}, at1024("Lab rig at 100%% for tests"), true},
        // The longest line decides for all, so every run keeps its own label.
        {defaultName, k9x, {"640x480@16", worked}, at640, true},
        {"x", k9x, {huge}, atHuge, true},
        {"a|b", k9x, {}, "", false},
        // Code page 1252 to 437: "‹" and "›" become "<" and ">", "‰" becomes "%".
        {"\x8bx\x9b", k9x, {worked}, at1024(" x "), true},
        {"\x8bx\x9b", kCmd, {worked}, at1024("^<x^>"), false},
        {"99\x89", k9x, {worked}, at1024("99%%"), false},
        {"99\x89", kCmd, {worked}, at1024("99%%"), false},
    };
    for (const auto& c : cases) {
        const std::string row = c.name + (c.line == k9x ? " on COMMAND.COM" : " on cmd");
        BenchmarkSettings settings = withTokens(exampleSettings(), c.tokens);
        settings.scenes.fill(1);
        settings.projectName = c.name;
        const ScriptReader reader{c.line, kWestern};
        const std::string text = benchmarkScriptText(settings, reader);
        const auto demoLines = linesStartingWith(text, "start /w");
        ASSERT_EQ(demoLines.size(), c.tokens.size()) << row;
        EXPECT_EQ(demoLines.empty() ? "" : demoLines[0], c.firstDemoLine) << row;
        const DemoLineName name = demoLineName(settings, reader);
        EXPECT_EQ(name.redirectionsBlanked || name.cut, c.asks) << row;
        const bool nameLeft = !(name.cut && name.keptCharacters == 0);
        for (std::string line : demoLines) {
            for (std::size_t at = line.find("%%"); at != std::string::npos;
                 at = line.find("%%", at))
                line.erase(at++, 1);
            if (c.line == k9x && nameLeft) {
                EXPECT_LE(line.size(), kCommandComLineLimit) << row;
            }
        }
        const ScriptReader other{c.line == k9x ? kCmd : k9x, kWestern};
        EXPECT_EQ(withoutDemoLines(text), withoutDemoLines(benchmarkScriptText(settings, other)))
            << row;
    }
}

// Japanese Windows: a second byte alone would read as "\\" (ソ 83 5C, 表 95 5C),
// "^" (タ 83 5E) or "|" (ポ 83 7C); within its character it is none of them.
TEST(DemoLineName, ATwoByteCharacterStandsWholeOnBothLines) {
    const std::string so = "\x83\x5c", ta = "\x83\x5e", po = "\x83\x7c", hyo = "\x95\x5c";
    const std::string lead = "\x83";
    const std::string between =
        po + "&" + ta + "|" + so + "<" + hyo + ">" + po + "^" + ta + "%" + so;
    const struct {
        std::string name;
        BatchInterpreter line;
        std::string written;
    } cases[] = {
        {po + ta + so, kCmd, po + ta + so},
        {po + ta + so, k9x, po + ta + so},
        {"a" + ta + " b" + hyo + "c" + po, kCmd, "a" + ta + " b" + hyo + "c" + po},
        {between, kCmd,
         po + "^&" + ta + "^|" + so + "^<" + hyo + "^>" + po + "^^" + ta + "%%" + so},
        {between, k9x, po + "&" + ta + " " + so + " " + hyo + " " + po + "^" + ta + "%%" + so},
        {"\"" + po + "&" + ta + "\"&" + so, kCmd, "\"" + po + "&" + ta + "\"^&" + so},
        // A lead byte with nothing to pair with would take the "-" after the name.
        {"end" + lead, kCmd, "end "},
        {"end" + lead, k9x, "end "},
        {lead + "\t" + ta, kCmd, "  " + ta},
        {lead + "\t" + ta, k9x, "  " + ta},
    };
    for (const auto& c : cases) {
        const ScriptReader reader{c.line, kJapanese};
        EXPECT_EQ(nameOnDemoLine(c.name, reader, kNoLimit).written, c.written)
            << c.name << (c.line == k9x ? " on COMMAND.COM" : " on cmd");
    }
}

// 25 bytes of name fit on a COMMAND.COM line with all scenes at 1024x768@32:
// twelve two-byte characters, the thirteenth would be cut in two.
TEST(DemoLineName, CommandComCutsBetweenTwoByteCharacters) {
    const std::string ta = "\x83\x5e";
    BenchmarkSettings settings = withTokens(exampleSettings(), {"1024x768@32"});
    settings.scenes.fill(1);
    settings.projectName.clear();
    for (int i = 0; i < 13; ++i) settings.projectName += ta;
    const DemoLineName name = demoLineName(settings, {k9x, kJapanese});
    EXPECT_TRUE(name.cut);
    EXPECT_EQ(name.keptCharacters, 12u);
    EXPECT_EQ(name.written.size(), 24u);
    EXPECT_EQ(name.written.substr(22), ta);
}
