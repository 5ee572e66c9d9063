// The dialog's geometry at the screen's DPI. The dialog manager scales every
// rectangle of a template with the font's size, but a text does not scale with
// it exactly: at some DPIs a label needs more room than its control has. These
// functions find that room in pixels, from sizes the Win32 side measures.
#pragma once

#include <cstddef>
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

struct LaidControl {
    ControlKind kind = ControlKind::kOther;
    Box box;
};

// The room a text control's text needs when it may be this wide: for a one-line
// text the same whatever the width; a wrapping text is as high as its lines.
using TextMeasure = std::function<Size(std::size_t control, int width)>;

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
// whose own size fills it to within 2 % shows as it is; otherwise the smallest
// larger one is scaled down to fit; when every one is smaller, the largest
// shows as it is (never scaled up). versions: the sizes, smallest first.
PictureChoice choosePicture(const std::vector<Size>& versions, Size frame);
