#include "layout/DialogLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (asciiLower(*a) != asciiLower(*b)) return false;
    }
    return *a == *b;
}

// Button styles (BS_TYPEMASK) and static styles (SS_TYPEMASK) of Windows' headers.
enum : std::uint32_t {
    kButtonType = 0x0F,
    kPushButton = 0x0,
    kDefPushButton = 0x1,
    kCheckBox = 0x2,
    kAutoCheckBox = 0x3,
    kRadioButton = 0x4,
    k3State = 0x5,
    kAuto3State = 0x6,
    kGroupBox = 0x7,
    kAutoRadioButton = 0x9,
    kStaticType = 0x1F,
    kLeft = 0x0,
    kCenter = 0x1,
    kRight = 0x2,
    kSimple = 0xB,
    kLeftNoWordWrap = 0xC,
    kBitmap = 0xE,
    kNoPrefix = 0x80,
};

}  // namespace

ControlClass classifyControl(const char* className, std::uint32_t style) {
    ControlClass control;
    if (sameName(className, "Button")) {
        switch (style & kButtonType) {
            case kGroupBox:
                control.kind = ControlKind::kGroupBox;
                break;
            case kCheckBox:
            case kAutoCheckBox:
            case kRadioButton:
            case kAutoRadioButton:
            case k3State:
            case kAuto3State:
                control.kind = ControlKind::kOneLineText;
                control.checkMark = true;
                break;
            case kPushButton:
            case kDefPushButton:
                control.kind = ControlKind::kOneLineText;
                control.pushButton = true;
                break;
            default:
                break;
        }
    } else if (sameName(className, "Static")) {
        control.noPrefix = (style & kNoPrefix) != 0;
        switch (style & kStaticType) {
            case kLeft:
            case kCenter:
            case kRight:
                control.kind = ControlKind::kWrappingText;
                break;
            case kLeftNoWordWrap:
            case kSimple:
                control.kind = ControlKind::kOneLineText;
                break;
            case kBitmap:
                control.picture = true;
                break;
            default:
                break;
        }
    }
    return control;
}

int textPadding(const ControlClass& control, const TextFacts& facts) {
    if (control.checkMark) return facts.checkMarkWidth + facts.averageCharWidth / 2;
    if (control.pushButton) return facts.averageCharWidth;
    return 0;
}

namespace {

bool contains(const Box& outer, const Box& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool sharesRows(const Box& a, const Box& b) { return a.top < b.bottom && b.top < a.bottom; }
bool sharesColumns(const Box& a, const Box& b) { return a.left < b.right && b.left < a.right; }

// The area a control may grow in: its smallest group box, or the dialog, less the margin.
Box roomFor(std::size_t index, const std::vector<LaidControl>& controls, Box dialog, int margin) {
    Box room = dialog;
    bool inGroup = false;
    for (std::size_t other = 0; other < controls.size(); ++other) {
        const LaidControl& group = controls[other];
        if (other == index || group.kind != ControlKind::kGroupBox) continue;
        if (!contains(group.box, controls[index].box)) continue;
        if (!inGroup || contains(room, group.box)) room = group.box;
        inGroup = true;
    }
    room.left += margin;
    room.top += margin;
    room.right -= margin;
    room.bottom -= margin;
    return room;
}

// Whether another control stands in the way of this one's growth: group boxes
// around it do not, nor does one it overlapped from the start.
bool standsInTheWay(const LaidControl& other, const Box& otherNow, const Box& templateBox) {
    if (other.kind == ControlKind::kGroupBox && contains(other.box, templateBox)) return false;
    return !overlaps(other.box, templateBox) && !overlaps(otherNow, templateBox);
}

// What a text with its padding needs when its control is this wide.
Size neededAt(const TextMeasure& measure, std::size_t index, int padding, int width) {
    const int textWidth = std::clamp(width - padding, 0, kWidestText);
    Size size = measure(index, textWidth);
    size.width += padding;
    return size;
}

}  // namespace

std::vector<Box> fitTexts(const std::vector<LaidControl>& controls, Box dialog, int margin,
                          const TextMeasure& measure) {
    std::vector<Box> boxes(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) boxes[i] = controls[i].box;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const ControlKind kind = controls[index].kind;
        if (kind != ControlKind::kOneLineText && kind != ControlKind::kWrappingText) continue;
        Box& box = boxes[index];
        const int padding = controls[index].padding;
        Size needed = neededAt(measure, index, padding, box.width());
        if (needed.width <= box.width() && needed.height <= box.height()) continue;

        const Box room = roomFor(index, controls, dialog, margin);
        const Box start = box;
        // A wrapping text wants the width of its longest unbroken line.
        const int wanted = kind == ControlKind::kWrappingText
                               ? neededAt(measure, index, padding, kWidestText).width
                               : needed.width;
        if (wanted > box.width()) {
            int right = std::max(room.right, box.right);
            for (std::size_t other = 0; other < controls.size(); ++other) {
                if (other == index || !standsInTheWay(controls[other], boxes[other], start))
                    continue;
                if (sharesRows(boxes[other], box) && boxes[other].left >= box.right)
                    right = std::min(right, boxes[other].left);
            }
            box.right = std::max(box.right, std::min(right, box.left + wanted));
            if (kind == ControlKind::kWrappingText)
                needed = neededAt(measure, index, padding, box.width());
        }
        if (needed.height > box.height()) {
            int bottom = std::max(room.bottom, box.bottom);
            for (std::size_t other = 0; other < controls.size(); ++other) {
                if (other == index || !standsInTheWay(controls[other], boxes[other], start))
                    continue;
                if (sharesColumns(boxes[other], box) && boxes[other].top >= box.bottom)
                    bottom = std::min(bottom, boxes[other].top);
            }
            box.bottom = std::max(box.bottom, std::min(bottom, box.top + needed.height));
        }
    }
    return boxes;
}

namespace {

// The version's size scaled, with its shape, to the largest that the frame holds.
Size fitted(Size version, Size frame) {
    if (version.width <= 0 || version.height <= 0) return frame;
    // frame.width / version.width against frame.height / version.height, in integers.
    const long long byWidth = static_cast<long long>(frame.width) * version.height;
    const long long byHeight = static_cast<long long>(frame.height) * version.width;
    if (byWidth <= byHeight) {
        return {frame.width, static_cast<int>(byWidth / version.width)};
    }
    return {static_cast<int>(byHeight / version.height), frame.height};
}

bool withinTwoPercent(int a, int b) { return std::abs(a - b) * 50 <= b; }

bool holds(Size outer, Size inner) {
    return inner.width <= outer.width && inner.height <= outer.height;
}

}  // namespace

PictureChoice choosePicture(const std::vector<Size>& versions, Size frame) {
    if (versions.empty()) return {};
    for (std::size_t v = 0; v < versions.size(); ++v) {
        const Size fit = fitted(versions[v], frame);
        if (holds(frame, versions[v]) && withinTwoPercent(fit.width, versions[v].width) &&
            withinTwoPercent(fit.height, versions[v].height))
            return {v, versions[v]};
    }
    for (std::size_t v = 0; v < versions.size(); ++v) {
        const Size fit = fitted(versions[v], frame);
        if (holds(versions[v], fit)) return {v, fit};
    }
    // No version holds its fitted size: each is smaller than the frame, the largest too.
    return {versions.size() - 1, versions.back()};
}

Box centredIn(Box frame, Size shown) {
    const int left = frame.left + (frame.width() - shown.width) / 2;
    const int top = frame.top + (frame.height() - shown.height) / 2;
    return {left, top, left + shown.width, top + shown.height};
}
