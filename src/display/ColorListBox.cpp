#include "display/ColorListBox.h"

#include <utility>

namespace {

constexpr std::uint32_t kBlinkTimerEvent = 1;

// The system background of the kind of control that asks, when the owner chose none.
int fallbackBackgroundIndex(int ctlColorType) {
    switch (ctlColorType) {
        case ctl_color::kEdit:
        case ctl_color::kListBox:
            return sys_color::kWindow;
        default:
            return sys_color::kButtonFace;
    }
}

}  // namespace

ColorListBox::~ColorListBox() {
    deleteHeld(brush);
    deleteHeld(blinkPatterns[0]);
    deleteHeld(blinkPatterns[1]);
    deleteHeld(backgroundPattern);
}

void ColorListBox::bind(std::unique_ptr<ColorControlWindow> boundWindow, ColorGdi& boundGdi) {
    window = std::move(boundWindow);
    gdi = &boundGdi;
    startBlinkTimer();
}

void ColorListBox::setBackgroundColor(std::uint32_t colorValue) {
    backgroundColor = colorValue;
    invalidateIfShown();
}

int ColorListBox::onCreate(int defaultResult) {
    if (defaultResult == -1) return -1;
    startBlinkTimer();
    return 0;
}

GdiHandle ColorListBox::onColorRequest(GdiHandle dc, int ctlColorType) {
    if (gdi == nullptr) return 0;
    const std::size_t phase = blinkPhase == 0 ? 0 : 1;
    std::optional<ColorRef> text = resolve(blinkText ? blinkTextColors[phase] : textColor);
    std::optional<ColorRef> background =
        resolve(blinkBackground ? blinkBackgroundColors[phase] : backgroundColor);
    const GdiHandle pattern = blinkBackground ? blinkPatterns[phase] : backgroundPattern;
    if (!text && !background && pattern == 0) return 0;

    if (!background) {
        // Scroll bars keep their own colours unless the owner chose a background.
        if (ctlColorType == ctl_color::kScrollBar) return 0;
        background = gdi->sysColor(fallbackBackgroundIndex(ctlColorType));
    }
    if (!text) {
        text = gdi->sysColor(ctlColorType == ctl_color::kButton ? sys_color::kButtonText
                                                                : sys_color::kWindowText);
    }
    if (nearestColor) {
        background = gdi->nearestColor(dc, *background);
        text = gdi->nearestColor(dc, *text);
    }
    const bool opaqueText = opaque || (nearestColor && pattern == 0);
    gdi->setBackgroundMode(dc, opaqueText ? BackgroundMode::kOpaque : BackgroundMode::kTransparent);
    gdi->setTextColor(dc, *text);
    gdi->setBackgroundColor(dc, *background);

    // Made anew at every repaint; dropping the old one first keeps one per control.
    deleteHeld(brush);
    brush = pattern != 0 ? gdi->createPatternBrush(pattern) : gdi->createSolidBrush(*background);
    return brush;
}

bool ColorListBox::onTimer(std::uint32_t eventId) {
    if (eventId != timerId) return false;
    if (!blinkSwitchOn()) return true;
    blinkPhase = blinkPhase == 0 ? 1 : 0;
    if (window) window->invalidateWithErase();
    return true;
}

void ColorListBox::onDestroy() {
    if (window) window->killTimer(timerId);
    timerId = 0;
    blinkPhase = 0;
}

void ColorListBox::setBackgroundPattern(GdiHandle bitmap) {
    replaceBitmap(backgroundPattern, bitmap);
}

void ColorListBox::setBlinkPatterns(GdiHandle phase0, GdiHandle phase1) {
    replaceBitmap(blinkPatterns[0], phase0);
    replaceBitmap(blinkPatterns[1], phase1);
}

void ColorListBox::startBlinkTimer() {
    if (timerId != 0 || !blinkSwitchOn() || !window) return;
    timerId = window->setTimer(kBlinkTimerEvent, blinkInterval);
}

void ColorListBox::invalidateIfShown() {
    if (window && window->exists()) window->invalidateWithErase();
}

std::optional<ColorRef> ColorListBox::resolve(ColorValue value) const {
    if (color_value::isDefault(value)) return std::nullopt;
    if (color_value::isSystem(value)) {
        return gdi->sysColor(static_cast<int>(color_value::lowBits(value)));
    }
    return color_value::lowBits(value);
}

void ColorListBox::replaceBitmap(GdiHandle& held, GdiHandle bitmap) {
    if (held != bitmap) deleteHeld(held);
    held = bitmap;
}

void ColorListBox::deleteHeld(GdiHandle& object) {
    if (object != 0 && gdi != nullptr) gdi->deleteObject(object);
    object = 0;
}
