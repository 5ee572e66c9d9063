#include <gtest/gtest.h>

#include <string>

#include "layout/DialogLayout.h"

namespace {

// Ten pixels a character, twenty a line; a wrapping text breaks between words.
constexpr int kCharWidth = 10;
constexpr int kLineHeight = 20;

Size measureText(const std::string& text, ControlKind kind, int width) {
    if (kind != ControlKind::kWrappingText) {
        return {static_cast<int>(text.size()) * kCharWidth, kLineHeight};
    }
    int lines = 1, widest = 0, line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const int word = static_cast<int>(end - start) * kCharWidth;
        const int joined = line == 0 ? word : line + kCharWidth + word;
        if (line != 0 && joined > width) {
            ++lines;
            line = word;
        } else {
            line = joined;
        }
        widest = std::max(widest, line);
        start = end + 1;
    }
    return {widest, lines * kLineHeight};
}

struct Placed {
    ControlKind kind;
    Box box;
    std::string text;
};

constexpr ControlKind kLine = ControlKind::kOneLineText;
constexpr ControlKind kWrap = ControlKind::kWrappingText;
constexpr ControlKind kGroup = ControlKind::kGroupBox;
constexpr ControlKind kOther = ControlKind::kOther;

struct LayoutCase {
    const char* what;
    std::vector<Placed> controls;
    std::vector<Box> expected;
};

}  // namespace

TEST(FitTexts, GivesEachTextTheFreeRoomItNeeds) {
    const Box dialog{0, 0, 300, 200};
    const Box group{0, 0, 200, 100};
    const LayoutCase cases[] = {
        {"a text that fits stays",
         {{kGroup, group, "Group"}, {kLine, {10, 20, 100, 40}, "12345678"}},
         {group, {10, 20, 100, 40}}},
        {"a label grows right as far as it needs",
         {{kGroup, group, "Group"}, {kLine, {10, 20, 60, 40}, "123456789012"}},
         {group, {10, 20, 130, 40}}},
        {"up to its group box, less the margin",
         {{kGroup, group, "Group"}, {kLine, {10, 20, 60, 40}, "12345678901234567890"}},
         {group, {10, 20, 195, 40}}},
        {"up to the next control in its rows",
         {{kGroup, group, "Group"},
          {kLine, {10, 20, 60, 40}, "123456789012345"},
          {kOther, {100, 30, 190, 50}, ""}},
         {group, {10, 20, 100, 40}, {100, 30, 190, 50}}},
        {"past controls above and below it and one it overlapped from the start",
         {{kGroup, group, "Group"},
          {kLine, {10, 20, 60, 40}, "123456789012345"},
          {kOther, {100, 40, 190, 60}, ""},
          {kOther, {5, 15, 70, 45}, ""}},
         {group, {10, 20, 160, 40}, {100, 40, 190, 60}, {5, 15, 70, 45}}},
        {"outside a group box, up to the dialog's edge",
         {{kLine, {200, 10, 250, 30}, "123456789012345"}},
         {{200, 10, 295, 30}}},
        {"in nested group boxes, up to the inner one",
         {{kGroup, dialog, "Outer"},
          {kGroup, group, "Inner"},
          {kLine, {10, 20, 60, 40}, "12345678901234567890"}},
         {dialog, group, {10, 20, 195, 40}}},
        {"a group box beside it is in the way",
         {{kLine, {10, 20, 60, 40}, "12345678901234567890"}, {kGroup, {150, 0, 290, 100}, "G"}},
         {{10, 20, 150, 40}, {150, 0, 290, 100}}},
        {"a wrapping text widens to fewer lines",
         {{kGroup, group, "Group"}, {kWrap, {10, 20, 90, 40}, "Bright Adjust"}},
         {group, {10, 20, 140, 40}}},
        {"a wrapping text that cannot widen grows down",
         {{kGroup, group, "Group"},
          {kWrap, {10, 20, 100, 40}, "aaaa bbbb cccc dddd"},
          {kOther, {100, 20, 190, 40}, ""}},
         {group, {10, 20, 100, 60}, {100, 20, 190, 40}}},
        {"down to the next control below",
         {{kGroup, group, "Group"},
          {kWrap, {10, 20, 100, 40}, "aaaa bbbb cccc dddd"},
          {kOther, {100, 20, 190, 40}, ""},
          {kOther, {10, 50, 90, 60}, ""}},
         {group, {10, 20, 100, 50}, {100, 20, 190, 40}, {10, 50, 90, 60}}},
        {"a label too low for its line grows down",
         {{kGroup, group, "Group"}, {kLine, {10, 20, 100, 30}, "1234"}},
         {group, {10, 20, 100, 40}}},
        {"a growth made before is in the way",
         {{kGroup, group, "Group"},
          {kWrap, {100, 20, 150, 40}, "aaaa bbbb"},
          {kOther, {150, 20, 190, 40}, ""},
          {kLine, {10, 50, 60, 70}, "123456789012345"}},
         {group, {100, 20, 150, 60}, {150, 20, 190, 40}, {10, 50, 100, 70}}},
    };
    for (const LayoutCase& c : cases) {
        std::vector<LaidControl> controls;
        for (const Placed& placed : c.controls) controls.push_back({placed.kind, placed.box});
        const auto boxes = fitTexts(controls, dialog, 5, [&](std::size_t index, int width) {
            return measureText(c.controls[index].text, c.controls[index].kind, width);
        });
        ASSERT_EQ(boxes.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& got = boxes[i];
            const Box& want = c.expected[i];
            EXPECT_EQ(got, want) << c.what << ", control " << i << ": got " << got.left << ","
                                 << got.top << "," << got.right << "," << got.bottom << ", want "
                                 << want.left << "," << want.top << "," << want.right << ","
                                 << want.bottom;
        }
    }
}

TEST(ChoosePicture, ShowsTheVersionThatFillsTheFrameAndNeverScalesUp) {
    const std::vector<Size> logo{{200, 100}, {300, 150}, {400, 200}};
    const std::vector<Size> about{{64, 64}, {96, 96}, {128, 128}};
    const struct {
        const char* what;
        const std::vector<Size>& versions;
        Size frame;
        std::size_t version;
        Size shown;
    } cases[] = {
        {"logo at 96 DPI", logo, {200, 101}, 0, {200, 100}},
        {"logo at 144 DPI", logo, {299, 155}, 1, {300, 150}},
        {"logo at 120 DPI: the larger one scaled down", logo, {266, 124}, 1, {248, 124}},
        {"logo in a frame twice as large", logo, {400, 202}, 2, {400, 200}},
        {"logo in a frame larger than every version", logo, {500, 300}, 2, {400, 200}},
        {"logo in a frame smaller than every version", logo, {150, 80}, 0, {150, 75}},
        {"About picture at 96 DPI", about, {65, 63}, 0, {64, 64}},
        {"About picture at 120 DPI", about, {86, 78}, 1, {78, 78}},
        {"About picture at 144 DPI", about, {97, 98}, 1, {96, 96}},
    };
    for (const auto& c : cases) {
        const PictureChoice choice = choosePicture(c.versions, c.frame);
        EXPECT_EQ(choice.version, c.version) << c.what;
        EXPECT_EQ(choice.shown, c.shown)
            << c.what << ": " << choice.shown.width << "x" << choice.shown.height;
    }
}
