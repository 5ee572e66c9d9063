// The resolution list and the brightness slider of the main dialog.
#include <gtest/gtest.h>

#include "fakes/DialogHarness.h"
#include "resource.h"

namespace {

TEST(ResolutionList, KeepsUsableModesInPlatformOrderWithDuplicates) {
    DialogHarness h;
    h.displayModes.modes = {{640, 480, 16},   {1280, 720, 32},  {1024, 768, 32}, {1024, 768, 32},
                            {1340, 1000, 16}, {1240, 1000, 16}, {800, 600, 8},   {800, 600, 15},
                            {1280, 1024, 24}, {320, 0, 16}};
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.window.listEntries,
              (std::vector<std::string>{"640x480 pixels - 16 bit", "1024x768 pixels - 32 bit",
                                        "1024x768 pixels - 32 bit", "1340x1000 pixels - 16 bit",
                                        "1280x1024 pixels - 24 bit"}));
    EXPECT_EQ(h.window.listSelection, (std::set<int>{0}));
}

TEST(ResolutionList, AsksModesFromZeroUntilTheFirstFailureAndNeverPast511) {
    DialogHarness few;
    ASSERT_TRUE(few.start());
    EXPECT_EQ(few.displayModes.asked, (std::vector<int>{0, 1, 2, 3}));

    DialogHarness many;
    many.displayModes.modes.assign(600, {800, 600, 32});
    ASSERT_TRUE(many.start());
    EXPECT_EQ(many.displayModes.asked.size(), 512u);
    EXPECT_EQ(many.displayModes.asked.back(), 511);
    EXPECT_EQ(many.window.listEntries.size(), 512u);
}

TEST(ResolutionList, SavedIndexIsResetOnlyWhenPastTheEntries) {
    const struct {
        int saved, entries, expected;
    } cases[] = {{7, 5, 0}, {3, 5, 3}, {5, 5, 0}, {4, 5, 4}, {7, 10, 7}, {0, 0, 0}, {2, 0, 0}};
    for (const auto& c : cases) {
        DialogHarness h;
        h.displayModes.modes.assign(std::size_t(c.entries), {800, 600, 32});
        h.installation.write("rumo11.cfg", std::string(1, '\x80') + char(c.saved));
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.settings.savedResolutionIndex, c.expected) << c.saved << "/" << c.entries;
        EXPECT_EQ(h.window.listSelection, c.entries ? std::set<int>{0} : std::set<int>{});
    }
}

TEST(ResolutionList, SelectionChangeRemembersTheCaretEntry) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.selectListEntries({2, 1});
    EXPECT_EQ(h.settings.savedResolutionIndex, 1);
    h.window.click(IDC_SELECT_ALL);  // a load shows it in the hidden edit
    EXPECT_EQ(h.window.itemText(IDC_CURRENT_RESOLUTION), "800x600 pixels - 16 bit");
}

TEST(Brightness, SliderRequestsMoveTheStoredBrightness) {
    const struct {
        int start, code, position, expected;
    } cases[] = {
        {0, 0, 99, 0},      {10, 0, 99, 9},     {255, 1, 0, 255}, {10, 1, 0, 11},
        {30, 2, 0, 0},      {100, 2, 0, 49},    {220, 3, 0, 255}, {100, 3, 0, 151},
        {100, 5, 200, 200}, {100, 4, 200, 100}, {100, 6, 0, 0},   {100, 7, 255, 255},
        {100, 8, 0, 100},   {100, 9, 0, 100},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.installation.write("rumo11.cfg", std::string(1, char(c.start)));
        ASSERT_TRUE(h.start());
        h.window.trackbarPosition = 77;  // line and page steps never read the slider
        h.dialog.onHScroll(c.code, c.position);
        EXPECT_EQ(h.settings.brightness, c.expected) << c.start << " code " << c.code;
        const std::uint32_t gray = std::uint32_t(c.expected * c.expected / 384);
        EXPECT_EQ(h.dialog.graySwatch().backgroundColorValue(), gray * 65793u);
    }
}

TEST(Brightness, HandledRequestsRepaintTheGraySwatchOnly) {
    DialogHarness h;
    h.installation.write("rumo11.cfg", std::string(1, '\0'));
    ASSERT_TRUE(h.start());
    auto& gray = *h.window.swatchWindows[IDC_GRAY_SWATCH];
    auto& black = *h.window.swatchWindows[IDC_BLACK_SWATCH];
    const int grayBefore = gray.erasingInvalidations, blackBefore = black.erasingInvalidations;
    h.dialog.onHScroll(0, 0);  // already at 0: still recomputed and repainted
    h.dialog.onHScroll(4, 0);  // thumb released: nothing
    EXPECT_EQ(gray.erasingInvalidations, grayBefore + 1);
    EXPECT_EQ(black.erasingInvalidations, blackBefore);
    EXPECT_EQ(h.dialog.blackSwatch().backgroundColorValue(), 0u);
}

}  // namespace
