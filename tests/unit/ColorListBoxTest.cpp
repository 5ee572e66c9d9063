#include <gtest/gtest.h>

#include <memory>

#include "display/ColorListBox.h"
#include "fakes/FakeColorPorts.h"

namespace {

using color_value::kDefault;
constexpr GdiHandle kDc = 0x77;
constexpr ColorRef kGray = 0x2A2A2A;
constexpr ColorRef kRed = 0x0000C8;
constexpr ColorRef kTextRgb = 0x030201;

ColorRef sys(int index) { return FakeColorGdi::defaultSysColor(index); }
ColorRef nearest(ColorRef color) { return FakeColorGdi::nearestOf(color); }

void bindTo(ColorListBox& box, FakeColorGdi& gdi, std::shared_ptr<FakeColorWindowState> window) {
    box.bind(std::make_unique<FakeColorWindow>(std::move(window)), gdi);
}

enum class Made { kNone, kSolid, kPattern };
constexpr auto kT = BackgroundMode::kTransparent;
constexpr auto kO = BackgroundMode::kOpaque;

struct RequestCase {
    const char* name;
    ColorValue text;
    ColorValue background;
    bool pattern;
    int type;
    bool nearestColor;
    bool opaque;
    Made made;
    ColorRef deviceText;
    ColorRef deviceBackground;
    BackgroundMode mode;
};

const RequestCase kRequestCases[] = {
    {"all default", kDefault, kDefault, false, 2, false, false, Made::kNone, 0, 0, kT},
    {"all default, scroll bar", kDefault, kDefault, false, 5, false, false, Made::kNone, 0, 0, kT},
    {"top byte 0xFF counts as default", 0xFF123456, 0xFFABCDEF, false, 2, false, false, Made::kNone,
     0, 0, kT},
    {"pattern, scroll bar", kDefault, kDefault, true, 5, false, false, Made::kNone, 0, 0, kT},
    {"pattern, message box", kDefault, kDefault, true, 0, false, false, Made::kPattern, sys(8),
     sys(15), kT},
    {"pattern, edit", kDefault, kDefault, true, 1, false, false, Made::kPattern, sys(8), sys(5),
     kT},
    {"pattern, list box", kDefault, kDefault, true, 2, false, false, Made::kPattern, sys(8), sys(5),
     kT},
    {"pattern, button", kDefault, kDefault, true, 3, false, false, Made::kPattern, sys(18), sys(15),
     kT},
    {"pattern, dialog", kDefault, kDefault, true, 4, false, false, Made::kPattern, sys(8), sys(15),
     kT},
    {"pattern, static", kDefault, kDefault, true, 6, false, false, Made::kPattern, sys(8), sys(15),
     kT},
    {"text only, scroll bar", kTextRgb, kDefault, false, 5, false, false, Made::kNone, 0, 0, kT},
    {"text and pattern, scroll bar", kTextRgb, kDefault, true, 5, false, false, Made::kNone, 0, 0,
     kT},
    {"text only, list box", kTextRgb, kDefault, false, 2, false, false, Made::kSolid, kTextRgb,
     sys(5), kT},
    {"system text colour", color_value::system(18), kRed, false, 2, false, false, Made::kSolid,
     sys(18), kRed, kT},
    {"background, scroll bar", kDefault, kRed, false, 5, false, false, Made::kSolid, sys(8), kRed,
     kT},
    {"system background", kDefault, color_value::system(15), false, 2, false, false, Made::kSolid,
     sys(8), sys(15), kT},
    {"RGB top byte ignored", kDefault, 0x12345678, false, 2, false, false, Made::kSolid, sys(8),
     0x345678, kT},
    {"background and pattern, scroll bar", kTextRgb, kRed, true, 5, false, false, Made::kPattern,
     kTextRgb, kRed, kT},
    {"swatch", kDefault, kGray, false, 2, false, false, Made::kSolid, sys(8), kGray, kT},
    {"nearest colour", kDefault, kGray, false, 2, true, false, Made::kSolid, nearest(sys(8)),
     nearest(kGray), kO},
    {"nearest colour, pattern", kDefault, kGray, true, 2, true, false, Made::kPattern,
     nearest(sys(8)), nearest(kGray), kT},
    {"opaque", kDefault, kGray, false, 2, false, true, Made::kSolid, sys(8), kGray, kO},
    {"opaque, pattern", kDefault, kGray, true, 2, false, true, Made::kPattern, sys(8), kGray, kO},
};

TEST(ColorListBoxRequest, AnswersByColoursPatternAndType) {
    for (const RequestCase& c : kRequestCases) {
        SCOPED_TRACE(c.name);
        FakeColorGdi gdi;
        ColorListBox box;
        bindTo(box, gdi, std::make_shared<FakeColorWindowState>());
        box.setTextColor(c.text);
        box.setBackgroundColor(c.background);
        const GdiHandle bitmap = c.pattern ? gdi.newBitmap() : 0;
        box.setBackgroundPattern(bitmap);
        box.setNearestColor(c.nearestColor);
        box.setOpaque(c.opaque);

        const GdiHandle brush = box.onColorRequest(kDc, c.type);

        EXPECT_EQ(brush, box.currentBrush());
        if (c.made == Made::kNone) {
            EXPECT_EQ(brush, 0u);
            EXPECT_TRUE(gdi.deviceContexts.empty());
            EXPECT_TRUE(gdi.liveBrushes.empty());
            continue;
        }
        ASSERT_EQ(gdi.liveBrushes.count(brush), 1u);
        const FakeColorGdi::Brush& made = gdi.liveBrushes[brush];
        EXPECT_EQ(made.pattern, c.made == Made::kPattern);
        EXPECT_EQ(made.pattern ? made.bitmap : made.color,
                  c.made == Made::kPattern ? bitmap : c.deviceBackground);
        const FakeColorGdi::DeviceContext& dc = gdi.deviceContexts[kDc];
        EXPECT_EQ(dc.text, c.deviceText);
        EXPECT_EQ(dc.background, c.deviceBackground);
        EXPECT_EQ(dc.mode, c.mode);
    }
}

class ColorListBoxTest : public ::testing::Test {
   protected:
    void bind() { bindTo(box, gdi, window); }

    FakeColorGdi gdi;
    std::shared_ptr<FakeColorWindowState> window = std::make_shared<FakeColorWindowState>();
    ColorListBox box;  // after gdi, so that it is destroyed first
};

TEST_F(ColorListBoxTest, BlinkingTakesColoursAndPatternOfThePhase) {
    box.setTextColor(kTextRgb);
    box.setBackgroundColor(kRed);
    box.setBlinkText(true);
    box.setBlinkBackground(true);
    box.setBlinkTextColors(0x000010, 0x000011);
    box.setBlinkBackgroundColors(0x000020, 0x000021);
    bind();
    const GdiHandle patterns[] = {gdi.newBitmap(), gdi.newBitmap()};
    box.setBlinkPatterns(patterns[0], patterns[1]);

    for (int phase = 0; phase < 2; ++phase) {
        SCOPED_TRACE(phase);
        ASSERT_EQ(box.currentBlinkPhase(), phase);
        const GdiHandle brush = box.onColorRequest(kDc, 2);
        EXPECT_EQ(gdi.deviceContexts[kDc].text, 0x000010u + ColorRef(phase));
        EXPECT_EQ(gdi.deviceContexts[kDc].background, 0x000020u + ColorRef(phase));
        EXPECT_EQ(gdi.liveBrushes[brush].bitmap, patterns[phase]);
        box.onTimer(1);
    }
}

TEST_F(ColorListBoxTest, SystemColourIsLookedUpAtEveryRequest) {
    bind();
    box.setBackgroundColor(color_value::system(15));
    box.onColorRequest(kDc, 2);
    gdi.sysColors[15] = 0x112233;
    const GdiHandle brush = box.onColorRequest(kDc, 2);
    EXPECT_EQ(gdi.liveBrushes[brush].color, 0x112233u);
}

TEST_F(ColorListBoxTest, AHundredRequestsLeaveOneBrush) {
    bind();
    box.setBackgroundColor(kGray);
    for (int i = 0; i < 100; ++i) box.onColorRequest(kDc, 2);
    ASSERT_EQ(gdi.liveBrushes.size(), 1u);
    EXPECT_EQ(gdi.liveBrushes.begin()->first, box.currentBrush());
    EXPECT_EQ(gdi.mostLiveBrushes, 1u);  // the old brush goes before the new one is made
}

TEST_F(ColorListBoxTest, RequestWithoutBrushKeepsTheOldOne) {
    bind();
    box.setTextColor(kTextRgb);
    box.setBackgroundColor(kGray);
    const GdiHandle brush = box.onColorRequest(kDc, 2);
    box.setBackgroundColor(kDefault);
    gdi.calls.clear();
    EXPECT_EQ(box.onColorRequest(kDc, 5), 0u);
    EXPECT_EQ(box.currentBrush(), brush);
    EXPECT_EQ(gdi.liveBrushes.count(brush), 1u);
    EXPECT_TRUE(gdi.calls.empty());
}

TEST_F(ColorListBoxTest, FailedBrushLeavesTheControlWithoutOne) {
    bind();
    box.setBackgroundColor(kGray);
    box.onColorRequest(kDc, 2);
    gdi.brushesFail = true;
    EXPECT_EQ(box.onColorRequest(kDc, 2), 0u);
    EXPECT_EQ(box.currentBrush(), 0u);
    EXPECT_TRUE(gdi.liveBrushes.empty());
}

TEST_F(ColorListBoxTest, DestructionDeletesBrushThenBlinkPatternsThenBackgroundPattern) {
    auto owned = std::make_unique<ColorListBox>();
    bindTo(*owned, gdi, window);
    const GdiHandle blink0 = gdi.newBitmap(), blink1 = gdi.newBitmap();
    const GdiHandle background = gdi.newBitmap();
    owned->setBlinkPatterns(blink0, blink1);
    owned->setBackgroundPattern(background);
    const GdiHandle brush = owned->onColorRequest(kDc, 2);
    gdi.deleted.clear();
    owned.reset();
    EXPECT_EQ(gdi.deleted, (std::vector<GdiHandle>{brush, blink0, blink1, background}));
    EXPECT_TRUE(gdi.liveBitmaps.empty());
    EXPECT_TRUE(gdi.liveBrushes.empty());
}

TEST_F(ColorListBoxTest, BackgroundColourRepaintsOnlyAnExistingWindow) {
    box.setBackgroundColor(kGray);
    EXPECT_EQ(box.backgroundColorValue(), kGray);
    window->exists = false;
    bind();
    box.setBackgroundColor(kRed);
    EXPECT_EQ(window->erasingInvalidations, 0);
    window->exists = true;
    box.setBackgroundColor(0);
    EXPECT_EQ(window->erasingInvalidations, 1);
    EXPECT_EQ(box.backgroundColorValue(), 0u);
}

TEST_F(ColorListBoxTest, BindingStartsTheBlinkTimerOnlyWhenABlinkSwitchIsOn) {
    struct Case {
        bool blinkText, blinkBackground, timersFail;
        std::uint32_t expectedTimerId;
    };
    for (const Case& c : {Case{false, false, false, 0}, Case{true, false, false, 1},
                          Case{false, true, false, 1}, Case{true, true, true, 0}}) {
        FakeColorGdi caseGdi;
        auto caseWindow = std::make_shared<FakeColorWindowState>();
        caseWindow->timersFail = c.timersFail;
        ColorListBox caseBox;
        caseBox.setBlinkText(c.blinkText);
        caseBox.setBlinkBackground(c.blinkBackground);
        caseBox.setBlinkInterval(250);
        bindTo(caseBox, caseGdi, caseWindow);
        EXPECT_EQ(caseBox.runningTimerId(), c.expectedTimerId);
        const bool asked = c.blinkText || c.blinkBackground;
        EXPECT_EQ(caseWindow->timersSet.size(), asked ? 1u : 0u);
        if (asked) {
            EXPECT_EQ(caseWindow->timersSet[0], std::make_pair(1u, 250u));
        }
    }
}

TEST_F(ColorListBoxTest, SwitchesSetAfterBindingStartNoTimer) {
    bind();
    box.setBlinkText(true);
    box.setBlinkBackground(true);
    EXPECT_TRUE(window->timersSet.empty());
    EXPECT_EQ(box.runningTimerId(), 0u);
}

TEST_F(ColorListBoxTest, TickOfTheBlinkTimerFlipsThePhaseAndRepaints) {
    box.setBlinkBackground(true);
    bind();
    EXPECT_TRUE(box.onTimer(1));
    EXPECT_EQ(box.currentBlinkPhase(), 1);
    EXPECT_TRUE(box.onTimer(1));
    EXPECT_EQ(box.currentBlinkPhase(), 0);
    EXPECT_EQ(window->erasingInvalidations, 2);

    EXPECT_FALSE(box.onTimer(7));
    box.setBlinkBackground(false);
    EXPECT_TRUE(box.onTimer(1));
    EXPECT_EQ(box.currentBlinkPhase(), 0);
    EXPECT_EQ(window->erasingInvalidations, 2);
}

TEST_F(ColorListBoxTest, DestroyKillsTheTimerAndResets) {
    box.setBlinkText(true);
    bind();
    box.onTimer(1);
    box.onDestroy();
    EXPECT_EQ(window->timersKilled, std::vector<std::uint32_t>{1});
    EXPECT_TRUE(window->runningTimers.empty());
    EXPECT_EQ(box.runningTimerId(), 0u);
    EXPECT_EQ(box.currentBlinkPhase(), 0);
    EXPECT_FALSE(box.onTimer(1));
}

TEST_F(ColorListBoxTest, DestroyKillsTimerZeroWhenNoneRuns) {
    bind();
    box.onDestroy();
    EXPECT_EQ(window->timersKilled, std::vector<std::uint32_t>{0});
}

TEST_F(ColorListBoxTest, CreationStartsBlinkingUnlessDefaultProcessingFailed) {
    box.setBlinkText(true);
    window->exists = false;
    window->timersFail = true;
    bind();  // no timer yet: binding found no window to run it on
    window->timersFail = false;
    EXPECT_EQ(box.onCreate(-1), -1);
    EXPECT_EQ(box.runningTimerId(), 0u);
    EXPECT_EQ(box.onCreate(0), 0);
    EXPECT_EQ(box.runningTimerId(), 1u);
    EXPECT_EQ(box.onCreate(0), 0);
    EXPECT_EQ(window->timersSet.size(), 2u);  // the one that failed, then the one that runs
}

}  // namespace
