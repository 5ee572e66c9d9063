#include "layout/DialogLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kUnbounded = 1 << 24;

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

}  // namespace

std::vector<Box> fitTexts(const std::vector<LaidControl>& controls, Box dialog, int margin,
                          const TextMeasure& measure) {
    std::vector<Box> boxes;
    for (const LaidControl& control : controls) boxes.push_back(control.box);
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const ControlKind kind = controls[index].kind;
        if (kind != ControlKind::kOneLineText && kind != ControlKind::kWrappingText) continue;
        Box& box = boxes[index];
        Size needed = measure(index, box.width());
        if (needed.width <= box.width() && needed.height <= box.height()) continue;

        const Box room = roomFor(index, controls, dialog, margin);
        const Box start = box;
        // A wrapping text wants the width of its longest unbroken line.
        const int wanted =
            kind == ControlKind::kWrappingText ? measure(index, kUnbounded).width : needed.width;
        if (wanted > box.width()) {
            int right = std::max(room.right, box.right);
            for (std::size_t other = 0; other < controls.size(); ++other) {
                if (other == index || !standsInTheWay(controls[other], boxes[other], start))
                    continue;
                if (sharesRows(boxes[other], box) && boxes[other].left >= box.right)
                    right = std::min(right, boxes[other].left);
            }
            box.right = std::max(box.right, std::min(right, box.left + wanted));
            if (kind == ControlKind::kWrappingText) needed = measure(index, box.width());
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

}  // namespace

PictureChoice choosePicture(const std::vector<Size>& versions, Size frame) {
    if (versions.empty()) return {};
    for (std::size_t v = 0; v < versions.size(); ++v) {
        const Size fit = fitted(versions[v], frame);
        if (withinTwoPercent(fit.width, versions[v].width) &&
            withinTwoPercent(fit.height, versions[v].height))
            return {v, versions[v]};
    }
    for (std::size_t v = 0; v < versions.size(); ++v) {
        const Size fit = fitted(versions[v], frame);
        if (fit.width <= versions[v].width) return {v, fit};
    }
    return {versions.size() - 1, versions.back()};
}
