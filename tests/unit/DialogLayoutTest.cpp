#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "layout/DialogLayout.h"
#include "layout/DialogTemplate.h"

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
    int padding = 0;
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
        {"not past a control right below it",
         {{kGroup, group, "Group"},
          {kWrap, {10, 20, 100, 40}, "aaaa bbbb cccc dddd"},
          {kOther, {100, 20, 190, 40}, ""},
          {kOther, {10, 40, 90, 60}, ""}},
         {group, {10, 20, 100, 40}, {100, 20, 190, 40}, {10, 40, 90, 60}}},
        {"outside a group box, down to the dialog's bottom less the margin",
         {{kWrap, {10, 170, 100, 190}, "aaaa bbbb cccc dddd"}, {kOther, {100, 170, 290, 190}, ""}},
         {{10, 170, 100, 195}, {100, 170, 290, 190}}},
        {"a check box's text has room beside its mark",
         {{kGroup, group, "Group"}, {kLine, {10, 20, 100, 40}, "12345678", 15}},
         {group, {10, 20, 105, 40}}},
        {"a wrapping text with padding widens to its longest line and the padding",
         {{kGroup, group, "Group"}, {kWrap, {10, 20, 90, 40}, "Bright Adjust", 8}},
         {group, {10, 20, 148, 40}}},
        {"a growth made before is in the way",
         {{kGroup, group, "Group"},
          {kWrap, {100, 20, 150, 40}, "aaaa bbbb"},
          {kOther, {150, 20, 190, 40}, ""},
          {kLine, {10, 50, 60, 70}, "123456789012345"}},
         {group, {100, 20, 150, 60}, {150, 20, 190, 40}, {10, 50, 100, 70}}},
    };
    int widestAsked = 0;
    for (const LayoutCase& c : cases) {
        std::vector<LaidControl> controls;
        for (const Placed& placed : c.controls)
            controls.push_back({placed.kind, placed.box, placed.padding});
        const auto boxes = fitTexts(controls, dialog, 5, [&](std::size_t index, int width) {
            widestAsked = std::max(widestAsked, width);
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
    EXPECT_LE(widestAsked, 0x7FFF) << "a width that Windows 95 to ME keep in 16 bits";
}

TEST(ChoosePicture, ShowsTheVersionThatFillsTheFrameAndNeverScalesUp) {
    const std::vector<Size> logo{{200, 100}, {300, 150}, {400, 200}};
    const std::vector<Size> about{{64, 64}, {96, 96}, {128, 128}};
    const std::vector<Size> tall{{10, 100}};
    const struct {
        const char* what;
        const std::vector<Size>& versions;
        Size frame;
        std::size_t version;
        Size shown;
    } cases[] = {
        {"logo at 96 DPI", logo, {201, 101}, 0, {200, 100}},
        {"logo at 144 DPI", logo, {302, 155}, 1, {300, 150}},
        {"logo one pixel too wide for its own size: scaled down", logo, {299, 155}, 1, {299, 149}},
        {"logo within 2 % of its frame", logo, {204, 102}, 0, {200, 100}},
        {"logo beyond 2 % of its frame: the larger one scaled", logo, {206, 103}, 1, {206, 103}},
        {"logo at 120 DPI: the larger one scaled down", logo, {268, 124}, 1, {248, 124}},
        {"logo in a frame twice as large", logo, {400, 202}, 2, {400, 200}},
        {"logo in a frame larger than every version", logo, {500, 300}, 2, {400, 200}},
        {"logo in a frame smaller than every version", logo, {150, 80}, 0, {150, 75}},
        {"About picture at 96 DPI", about, {65, 65}, 0, {64, 64}},
        {"About picture at 120 DPI", about, {86, 80}, 1, {80, 80}},
        {"About picture at 144 DPI", about, {97, 100}, 1, {96, 96}},
        {"tall art is not stretched to its frame's height", tall, {1000, 105}, 0, {10, 100}},
        {"art one pixel taller than its frame", about, {65, 63}, 0, {63, 63}},
    };
    for (const auto& c : cases) {
        const PictureChoice choice = choosePicture(c.versions, c.frame);
        EXPECT_EQ(choice.version, c.version) << c.what;
        EXPECT_EQ(choice.shown, c.shown)
            << c.what << ": " << choice.shown.width << "x" << choice.shown.height;
    }
}

TEST(CentredIn, PutsThePictureInTheMiddleOfItsFrame) {
    const struct {
        Box frame;
        Size shown;
        Box expected;
    } cases[] = {
        {{10, 10, 310, 165}, {299, 149}, {10, 13, 309, 162}},
        {{7, 7, 71, 71}, {64, 64}, {7, 7, 71, 71}},
        {{0, 0, 100, 100}, {50, 20}, {25, 40, 75, 60}},
    };
    for (const auto& c : cases) EXPECT_EQ(centredIn(c.frame, c.shown), c.expected);
}

TEST(ClassifyControl, TellsTextsGroupsAndPicturesAndTheirPadding) {
    const TextFacts facts{8, 13};  // an average character of 8 pixels, a check mark of 13
    const struct {
        const char* className;
        std::uint32_t style;
        ControlKind kind;
        bool checkMark, picture, noPrefix;
        int padding;
    } cases[] = {
        {"Button", 0x50010003, kLine, true, false, false, 17},  // BS_AUTOCHECKBOX, visible
        {"button", 0x00000009, kLine, true, false, false, 17},  // BS_AUTORADIOBUTTON
        {"BUTTON", 0x00000006, kLine, true, false, false, 17},  // BS_AUTO3STATE
        {"Button", 0x00000001, kLine, false, false, false, 8},  // BS_DEFPUSHBUTTON
        {"Button", 0x00000007, kGroup, false, false, false, 0},
        {"Button", 0x0000000B, kOther, false, false, false, 0},  // BS_OWNERDRAW
        {"Static", 0x00000000, kWrap, false, false, false, 0},   // SS_LEFT
        {"Static", 0x00000082, kWrap, false, false, true, 0},    // SS_RIGHT | SS_NOPREFIX
        {"Static", 0x0000000C, kLine, false, false, false, 0},   // SS_LEFTNOWORDWRAP
        {"Static", 0x0000000E, kOther, false, true, false, 0},   // SS_BITMAP
        {"Static", 0x00001007, kOther, false, false, false, 0},  // SS_BLACKFRAME | SS_SUNKEN
        {"Edit", 0x00000000, kOther, false, false, false, 0},
        {"ButtonX", 0x00000003, kOther, false, false, false, 0},
    };
    for (const auto& c : cases) {
        const ControlClass got = classifyControl(c.className, c.style);
        const std::string what = std::string(c.className) + " " + std::to_string(c.style);
        EXPECT_EQ(got.kind, c.kind) << what;
        EXPECT_EQ(got.checkMark, c.checkMark) << what;
        EXPECT_EQ(got.picture, c.picture) << what;
        EXPECT_EQ(got.noPrefix, c.noPrefix) << what;
        EXPECT_EQ(textPadding(got, facts), c.padding) << what;
    }
}

namespace {

// A dialog template written out word by word, as the resource compiler does.
class TemplateBytes {
   public:
    TemplateBytes& word(unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
        return *this;
    }
    TemplateBytes& dword(std::uint32_t value) { return word(value & 0xFFFF).word(value >> 16); }
    TemplateBytes& rect(int x, int y, int cx, int cy) {
        return word(unsigned(x) & 0xFFFF).word(unsigned(y)).word(unsigned(cx)).word(unsigned(cy));
    }
    TemplateBytes& text(const char* characters) {
        for (; *characters != '\0'; ++characters) word(static_cast<unsigned char>(*characters));
        return word(0);
    }
    TemplateBytes& alignToDword() {
        while (bytes.size() % 4 != 0) bytes.push_back(0);
        return *this;
    }
    std::vector<unsigned char> bytes;
};

constexpr std::uint32_t kSetFont = 0x40;

std::vector<unsigned char> extendedTemplate() {
    TemplateBytes t;
    t.word(1).word(0xFFFF).dword(0).dword(0).dword(kSetFont | 0x80C80000).word(2);
    t.rect(0, 0, 402, 215).word(0).word(0).text("Caption");
    t.word(8).word(700).word(0x0101).text("MS Sans Serif");  // 8 points, bold, italic
    t.alignToDword().dword(0).dword(0).dword(0x50010001).rect(332, 193, 63, 15).dword(1);
    t.word(0xFFFF).word(0x0080).text("Generate and run").word(0);
    t.alignToDword().dword(0).dword(0).dword(0x5000000E).rect(-7, 7, 134, 62).dword(0xFFFF);
    t.text("Static").word(0xFFFF).word(0x0065).word(2).word(0xABCD);
    return t.bytes;
}

std::vector<unsigned char> plainTemplate(std::uint32_t style) {
    TemplateBytes t;
    t.dword(style).dword(0).word(1).rect(0, 0, 173, 183).word(0xFFFF).word(0x0064);
    t.text("").text("About");
    if (style & kSetFont) t.word(8).text("MS Sans Serif");
    t.alignToDword().dword(0x50010000).dword(0).rect(62, 163, 50, 14).word(1);
    t.text("Button").text("OK").word(0);
    return t.bytes;
}

}  // namespace

TEST(ReadDialogTemplate, FindsTheFontAndEveryControlsRectangle) {
    const std::vector<unsigned char> extended = extendedTemplate();
    std::vector<unsigned char> cut = extended;
    cut.resize(cut.size() - 3);
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        bool valid;
        int pointSize, weight;
        bool italic;
        const char* faceName;
        std::size_t pointSizeOffset;
        std::vector<std::vector<int>> rects;  // the dialog's, then each control's
    } cases[] = {
        {"DLGTEMPLATEEX with ordinals, strings and creation data",
         extended,
         true,
         8,
         700,
         true,
         "MS Sans Serif",
         46,
         {{0, 0, 402, 215}, {332, 193, 63, 15}, {-7, 7, 134, 62}}},
        {"DLGTEMPLATE with DS_SETFONT",
         plainTemplate(kSetFont | 0x80C80000),
         true,
         8,
         0,
         false,
         "MS Sans Serif",
         36,
         {{0, 0, 173, 183}, {62, 163, 50, 14}}},
        {"DLGTEMPLATE without a font",
         plainTemplate(0x80C80000),
         true,
         0,
         0,
         false,
         "",
         0,
         {{0, 0, 173, 183}, {62, 163, 50, 14}}},
        {"cut short", cut, false, 8, 700, true, "MS Sans Serif", 46, {{0, 0, 402, 215}}},
    };
    for (const auto& c : cases) {
        const DialogTemplate got = readDialogTemplate(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(got.valid, c.valid) << c.what;
        EXPECT_EQ(got.pointSize, c.pointSize) << c.what;
        EXPECT_EQ(got.weight, c.weight) << c.what;
        EXPECT_EQ(got.italic, c.italic) << c.what;
        EXPECT_STREQ(got.faceName, c.faceName) << c.what;
        EXPECT_EQ(got.pointSizeOffset, c.pointSizeOffset) << c.what;
        std::vector<std::vector<int>> rects{
            {got.dialog.x, got.dialog.y, got.dialog.cx, got.dialog.cy}};
        for (const TemplateRect& r : got.controls) rects.push_back({r.x, r.y, r.cx, r.cy});
        if (c.valid) {
            EXPECT_EQ(rects, c.rects) << c.what;
        }
    }
}

TEST(DialogUnits, MapAsTheDialogManagerDoesAtEachDpi) {
    // MulDiv's rounding: halves away from zero; no divisor gives -1.
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(5, -1, 2), -3);
    EXPECT_EQ(mulDiv(7, 1, 0), -1);
    const struct {
        const char* what;
        int alphabetWidth, height;
        BaseUnits units;
        TemplateRect rect;
        Box control, mapped;
    } cases[] = {
        {"96 DPI", 286, 13, {6, 13}, {7, 7, 134, 62}, {11, 11, 212, 112}, {11, 11, 212, 112}},
        {"144 DPI", 459, 20, {9, 20}, {7, 7, 134, 62}, {16, 18, 318, 173}, {16, 18, 317, 173}},
        {"each edge rounds apart", 286, 13, {6, 13}, {1, 1, 1, 1}, {2, 2, 4, 4}, {2, 2, 3, 3}},
        {"odd half widths round down",
         259,
         16,
         {5, 16},
         {4, 8, 4, 8},
         {5, 16, 10, 32},
         {5, 16, 10, 32}},
    };
    for (const auto& c : cases) {
        const BaseUnits units = baseUnitsOf(c.alphabetWidth, c.height);
        EXPECT_EQ(units.x, c.units.x) << c.what;
        EXPECT_EQ(units.y, c.units.y) << c.what;
        EXPECT_EQ(controlBox(c.rect, units), c.control) << c.what;
        EXPECT_EQ(mappedRect(c.rect, units), c.mapped) << c.what;
    }
    DialogTemplate main;
    main.dialog = {0, 0, 402, 215};
    EXPECT_EQ(clientSize(main, {6, 13}), (Size{603, 349}));
    EXPECT_EQ(clientSize(main, {9, 20}), (Size{905, 538}));
    // The template's 8 points at 96, 120, 144 and 192 DPI.
    EXPECT_EQ(fontHeightAt(8, 96), -11);
    EXPECT_EQ(fontHeightAt(8, 120), -13);
    EXPECT_EQ(fontHeightAt(8, 144), -16);
    EXPECT_EQ(fontHeightAt(8, 192), -21);
}
