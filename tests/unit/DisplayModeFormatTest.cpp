#include <gtest/gtest.h>

#include <string>

#include "display/DisplayModeFormat.h"

TEST(IsUsableDisplayMode, KeepsNearFourByThreeAtSixteenBitsOrMore) {
    struct Case {
        DisplayMode mode;
        bool usable;
    };
    const Case cases[] = {
        {{640, 480, 16}, true},
        {{1024, 768, 32}, true},
        {{1280, 1024, 24}, true},  // 5:4, ratio 1.25
        {{1152, 864, 32}, true},
        {{1340, 1000, 32}, true},   // exactly 1.34 lies under the single-precision bound
        {{1240, 1000, 32}, false},  // exactly 1.24 lies under the single-precision bound too
        {{1241, 1000, 32}, true},
        {{1339, 1000, 32}, true},
        {{1341, 1000, 32}, false},
        {{1280, 720, 32}, false},
        {{1280, 800, 32}, false},
        {{720, 480, 16}, false},
        {{320, 200, 16}, false},
        {{1280, 720, 16}, false},
        {{640, 480, 8}, false},
        {{640, 480, 15}, false},
        {{640, 480, 0}, false},
        {{640, 480, 64}, false},
        {{640, 0, 32}, false},
        {{0, 0, 32}, false},
        {{0, 480, 32}, false},
        {{4294967295u, 4294967295u, 32}, false},
        {{4294967295u, 3221225471u, 32}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUsableDisplayMode(c.mode), c.usable)
            << c.mode.width << "x" << c.mode.height << " at " << c.mode.bitsPerPel;
    }
}

TEST(DisplayModeEntryText, ReadsWidthHeightAndDepth) {
    struct Case {
        DisplayMode mode;
        const char* text;
    };
    const Case cases[] = {
        {{640, 480, 16}, "640x480 pixels - 16 bit"},
        {{1024, 768, 32}, "1024x768 pixels - 32 bit"},
        {{1280, 1024, 24}, "1280x1024 pixels - 24 bit"},
        {{0, 0, 0}, "0x0 pixels - 0 bit"},
        {{4294967295u, 10, 8}, "4294967295x10 pixels - 8 bit"},
    };
    for (const Case& c : cases) EXPECT_EQ(displayModeEntryText(c.mode), c.text);
}

TEST(ToResolutionToken, TurnsAnEntryIntoTheDemoOption) {
    struct Case {
        std::string entry;
        std::string token;
    };
    const Case cases[] = {
        {"1600x1200 pixels - 32 bit", "1600x1200@32"},
        {"800x600 pixels - 16 bit", "800x600@16"},
        {"1280x1024 pixels - 24 bit", "1280x1024@24"},
    };
    for (const Case& c : cases) EXPECT_EQ(toResolutionToken(c.entry), c.token);
}

TEST(ToResolutionToken, SurvivesTextsItWasNotMadeFor) {
    struct Case {
        std::string entry;
        std::string token;
    };
    const Case cases[] = {
        {"", ""},
        {"bit", ""},
        {" bit", ""},
        {"x bit", "x"},
        {"640x480", "640"},
        {" pixels -  bit", "@"},
        {"1 pixels - 2 pixels - 3 bit", "1@2@3"},
        {" pixels -  pixels -  bit", "@@"},
        {"a pixels - pixels - b bit", "a@pixels - b"},  // a replacement is not searched again
        {" pixels - xxxx", "@"},
    };
    for (const Case& c : cases) EXPECT_EQ(toResolutionToken(c.entry), c.token) << c.entry;
}

TEST(ToResolutionToken, UndoesEveryEntryText) {
    const DisplayMode modes[] = {{640, 480, 16}, {1024, 768, 32}, {1, 2, 3}, {65536, 9, 24}};
    for (const DisplayMode& mode : modes) {
        EXPECT_EQ(toResolutionToken(displayModeEntryText(mode)),
                  std::to_string(mode.width) + "x" + std::to_string(mode.height) + "@" +
                      std::to_string(mode.bitsPerPel));
    }
}
