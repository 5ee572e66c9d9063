#include <gtest/gtest.h>

#include <optional>

#include "display/Brightness.h"

TEST(GrayLevelFor, FollowsTheSquareOfTheBrightness) {
    const std::pair<int, int> cases[] = {{0, 0},    {19, 0},   {20, 1},    {51, 6},
                                         {100, 26}, {128, 42}, {200, 104}, {255, 169}};
    for (const auto& [brightness, gray] : cases)
        EXPECT_EQ(grayLevelFor(brightness), gray) << brightness;
}

TEST(GrayLevelFor, LeavesTheLowestBrightnessesBlack) {
    for (int b = 0; b <= 19; ++b) EXPECT_EQ(grayLevelFor(b), 0) << b;
}

TEST(GrayColorValue, IsAPlainRgbGray) {
    const std::pair<int, std::uint32_t> cases[] = {
        {0, 0x000000}, {1, 0x010101}, {42, 0x2A2A2A}, {169, 0xA9A9A9}, {255, 0xFFFFFF}};
    for (const auto& [gray, color] : cases) EXPECT_EQ(grayColorValue(gray), color) << gray;
}

TEST(BrightnessAfterScroll, StepsFromTheStoredBrightness) {
    struct Case {
        const char* what;
        int code;
        int brightness;
        int thumb;
        std::optional<int> result;
    };
    const Case cases[] = {
        {"line up", 0, 128, 999, 127},
        {"line up at 0 stays 0 but is handled", 0, 0, 999, 0},
        {"line down", 1, 128, 999, 129},
        {"line down at 255", 1, 255, 999, 255},
        {"page up", 2, 128, 999, 77},
        {"page up at 30", 2, 30, 999, 0},
        {"page up at 51", 2, 51, 999, 0},
        {"page down", 3, 100, 999, 151},
        {"page down at 220", 3, 220, 999, 255},
        {"page down at 204", 3, 204, 999, 255},
        {"thumb track takes the position", 5, 128, 200, 200},
        {"thumb track to 0", 5, 128, 0, 0},
        {"thumb released", 4, 128, 200, std::nullopt},
        {"home goes to 0 whatever the thumb says", 6, 128, 77, 0},
        {"end goes to 255 whatever the thumb says", 7, 128, 77, 255},
        {"end of action", 8, 128, 128, std::nullopt},
        {"unknown code", 9, 128, 128, std::nullopt},
        {"negative code", -1, 128, 128, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(brightnessAfterScroll(c.code, c.brightness, c.thumb), c.result) << c.what;
    }
}
