#include <gtest/gtest.h>

#include <string>

#include "fuzz/CmdModel.h"
#include "script/BenchmarkScript.h"

using cmdmodel::programCommandLine;

TEST(CmdModel, ReadsLinesAsTheInterpreterDoes) {
    EXPECT_EQ(programCommandLine("p -n R^&D-1\n"), "p -n R&D-1");
    EXPECT_EQ(programCommandLine("p -n 100%%-1"), "p -n 100%-1");
    EXPECT_EQ(programCommandLine("p -n \"a&b|c\"-1"), "p -n \"a&b|c\"-1");
    EXPECT_EQ(programCommandLine("p -n \"a^b\"^^-1"), "p -n \"a^b\"^-1");
    EXPECT_EQ(programCommandLine("p -n ^\"a^&b-1"),
              "p -n \"a&b-1");  // an escaped quote opens nothing
}

TEST(CmdModel, RejectsLinesThatWouldNotReachTheProgramAsWritten) {
    const char* lines[] = {"p -n R&D-1", "p -n 100%-1", "p -n %PATH%-1", "p -n a|b",
                           "p -n a>b",   "p -n a<b",    "p -n \"x\"&y",  "p -n a^",
                           "p -n a\rb",  "p -n a\x1a"};
    for (const char* line : lines) EXPECT_FALSE(programCommandLine(line)) << line;
}

TEST(CmdModel, EveryProjectNameReachesTheDemoAsTyped) {
    const std::string names[] = {"R&D",
                                 "100%",
                                 "%PATH%",
                                 "%%",
                                 "a\"b&c\"d&e",
                                 "\"",
                                 "\"&\"&\"",
                                 "^",
                                 "^^&",
                                 "a|b<c>d",
                                 "x\"^\"y",
                                 "\"%\"%",
                                 "line\r\nbreak",
                                 "end\x1a"
                                 "z",
                                 "tab\there",
                                 "%~dp0",
                                 "%1 %*",
                                 "!x!",
                                 "(a) & (b)",
                                 "trailing ^",
                                 "\"unclosed & <",
                                 "",
                                 "Test Rig",
                                 "caf\xe9",
                                 "Zo\xeb Se\xf1"
                                 "al \xdc"
                                 "ber",
                                 "a\"\"&b"};
    BenchmarkSettings settings;
    settings.resolutionCount = 1;
    settings.resolutionTokens[0] = "800x600@16";
    const std::string before =
        "start /w rumo1.1a.exe -b -r 800x600@16 -f 1 -g 128 -s 1,2,3,4 -d 0 -n ";
    for (const auto& name : names) {
        settings.projectName = name;
        EXPECT_EQ(programCommandLine(demoCommandLine(settings, 1)),
                  before + cmdmodel::withControlsBlanked(name) + "-800x600@16")
            << name;
    }
}
