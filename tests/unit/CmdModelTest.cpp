#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes/FakeCodePages.h"
#include "fuzz/CmdModel.h"
#include "script/BenchmarkScript.h"

using cmdmodel::programCommandLine;

namespace {
const FakeCodePages kWestern = FakeCodePages::westernEuropean();
const FakeCodePages kJapanese = FakeCodePages::japanese();
}  // namespace

TEST(CmdModel, ReadsLinesAsTheInterpreterDoes) {
    const struct {
        const CodePages& codePages;
        std::string line;
        std::optional<std::string> received;
    } cases[] = {
        {kWestern, "p -n R^&D-1\n", "p -n R&D-1"},
        {kWestern, "p -n 100%%-1", "p -n 100%-1"},
        {kWestern, "p -n \"a&b|c\"-1", "p -n \"a&b|c\"-1"},
        {kWestern, "p -n \"a^b\"^^-1", "p -n \"a^b\"^-1"},
        {kWestern, "p -n ^\"a^&b-1", "p -n \"a&b-1"},  // an escaped quote opens nothing
        {kWestern, "p -n caf\x82-1", "p -n caf\xe9-1"},
        // Pairs first, then operators: 83 7C is one character, 7C alone "|".
        {kJapanese, "p -n \x83|\x83^-1", "p -n \x83|\x83^-1"},
        {kJapanese, "p -n \x83^|-1", std::nullopt},
        {kJapanese, "p -n ^\x83|-1", "p -n \x83|-1"},
        {kJapanese, "p -n \x83%%-1", std::nullopt},
        {kWestern, "p -n \x83|-1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programCommandLine(c.line, c.codePages), c.received) << c.line;
}

TEST(CmdModel, RejectsLinesThatWouldNotReachTheProgramAsWritten) {
    const char* lines[] = {"p -n R&D-1", "p -n 100%-1", "p -n %PATH%-1", "p -n a|b",
                           "p -n a>b",   "p -n a<b",    "p -n \"x\"&y",  "p -n a^",
                           "p -n a\rb",  "p -n a\x1a"};
    for (const char* line : lines) EXPECT_FALSE(programCommandLine(line, kWestern)) << line;
}

TEST(CmdModel, EveryProjectNameReachesTheDemoAsTyped) {
    const std::string names[] = {"R&D", "100%", "%PATH%", "%%", "a\"b&c\"d&e", "\"", "\"&\"&\"",
                                 "^", "^^&", "a|b<c>d", "x\"^\"y", "\"%\"%", "line\r\nbreak",
                                 "end\x1a"
                                 "z",
                                 "tab\there", "%~dp0", "%1 %*", "!x!", "(a) & (b)", "trailing ^",
                                 "\"unclosed & <", "", "Test Rig", "caf\xe9",
                                 "Zo\xeb Se\xf1"
                                 "al \xdc"
                                 "ber",
                                 "a\"\"&b", "99\x89 \x8bx\x9b",
                                 // Japanese: ポ 83 7C, タ 83 5E, ソ 83 5C, then lone lead bytes.
                                 "\x83|\x83^ & \x83\\%", "\"\x83|\"\x83^|", "^\x83^", "end\x83",
                                 "\x83\t\x83"};
    BenchmarkSettings settings;
    settings.resolutionCount = 1;
    settings.resolutionTokens[0] = "800x600@16";
    const std::string before =
        "start /w rumo1.1a.exe -b -r 800x600@16 -f 1 -g 128 -s 1,2,3,4 -d 0 -n ";
    for (const CodePages* codePages : {&kWestern, &kJapanese}) {
        for (const auto& name : names) {
            settings.projectName = name;
            const ScriptReader reader{BatchInterpreter::kCmd, *codePages};
            EXPECT_EQ(programCommandLine(demoCommandLine(settings, 1, reader), *codePages),
                      before + cmdmodel::typedName(name, *codePages) + "-800x600@16")
                << name;
        }
    }
}
