// The dialog's geometry at the screen's DPI. The dialog manager scales every
// rectangle of a template with the font's size, but a text does not scale with
// it exactly: at some DPIs a label needs more room than its control has. These
// functions find that room in pixels, from sizes the Win32 side measures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size& other) const {
        return width == other.width && height == other.height;
    }
};

// A rectangle in the dialog's client area: left and top inside, right and bottom outside.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Box& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

enum class ControlKind {
    kOneLineText,   // a label, check box or push button: its text stays on one line
    kWrappingText,  // a static that breaks its text into lines at its right edge
    kGroupBox,      // holds the controls inside its rectangle
    kOther,         // edit, list, slider, picture, frame: only in the way
};

// What a dialog control is to the layout, from its window class and style.
struct ControlClass {
    ControlKind kind = ControlKind::kOther;
    bool checkMark = false;   // a check box or radio button: the mark stands before the text
    bool pushButton = false;  // its text stands on a raised face
    bool picture = false;     // a static that shows a bitmap
    bool noPrefix = false;    // a static that shows '&' as it is
};

// The class name compares as Windows compares it, without regard to case.
ControlClass classifyControl(const char* className, std::uint32_t style);

// What the dialog's font and the system say about the room around a text, in pixels.
struct TextFacts {
    int averageCharWidth = 0;  // the font's tmAveCharWidth
    int checkMarkWidth = 0;    // SM_CXMENUCHECK at the dialog's DPI
};

// The part of a control's width that its text cannot use: a check box's mark
// and half a character after it, which Windows' own drawing may take; half a
// character on each side of a push button's face.
int textPadding(const ControlClass& control, const TextFacts& facts);

struct LaidControl {
    ControlKind kind = ControlKind::kOther;
    Box box;
    int padding = 0;  // of its width, what its text cannot use (textPadding)
};

// The widest room a text is ever measured in: Windows 95, 98 and ME keep only
// 16 bits of a drawing coordinate, so anything wider would become nothing.
constexpr int kWidestText = 0x7FFF;

// The size a text control's text needs when its text may be this wide (never
// more than kWidestText): for a one-line text the same whatever the width; a
// wrapping text is as high as its lines. Padding is not included.
using TextMeasure = std::function<Size(std::size_t control, int textWidth)>;

// Where each control goes so that its text fits. A control whose text fits
// keeps its box. One that does not grows to the right into free space, up to
// what its text needs; a wrapping text that still needs more lines grows down.
// Free means inside its smallest group box (or the dialog), kept `margin`
// pixels from that edge, and clear of every other control as they stand,
// growths made before included; a control that already overlaps another in
// the template is not held back by that one. Nothing ever shrinks or moves.
std::vector<Box> fitTexts(const std::vector<LaidControl>& controls, Box dialog, int margin,
                          const TextMeasure& measure);

// The pictures of one kind of art, the same drawing at several scales.
struct PictureChoice {
    std::size_t version = 0;  // index into the sizes given
    Size shown;               // the size to show it at: its own, or smaller
};

// Which picture fills a frame of this size best, keeping the art's shape: one
// that fits the frame and fills it to within 2 % shows as it is; otherwise the
// smallest larger one is scaled down to fit; when every one is smaller, the
// largest shows as it is. Never scaled up, never larger than the frame in
// either direction. versions: the sizes, smallest first.
PictureChoice choosePicture(const std::vector<Size>& versions, Size frame);

// Where a picture of this size stands in its frame: in the middle.
Box centredIn(Box frame, Size shown);
