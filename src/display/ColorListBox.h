// A list box that paints itself in colours its owner chooses, and can blink
// between two sets of them. It answers the colour request that the list box
// sends its parent and that the parent hands back to it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "display/ColorValue.h"
#include "platform/ColorPorts.h"

class ColorListBox {
   public:
    ColorListBox() = default;
    // Deletes the brush, then the blink patterns, then the background pattern.
    ~ColorListBox();
    ColorListBox(const ColorListBox&) = delete;
    ColorListBox& operator=(const ColorListBox&) = delete;

    // Binds the object to an existing list box window and starts blinking when
    // a blink switch is on. The control keeps the window port; the GDI port
    // must outlive it.
    void bind(std::unique_ptr<ColorControlWindow> window, ColorGdi& gdi);

    // Stores the colour and, once the window exists, repaints the whole control.
    void setBackgroundColor(std::uint32_t colorValue);

    // Window messages, as the binding delivers them.
    // WM_CREATE after default processing gave defaultResult; returns the result.
    int onCreate(int defaultResult);
    // The colour request, ctlColorType 0 to 6 as in ctl_color; the brush, or 0
    // when the parent's default handling should answer.
    GdiHandle onColorRequest(GdiHandle dc, int ctlColorType);
    // False when the tick belongs to another timer: default processing applies.
    bool onTimer(std::uint32_t eventId);
    void onDestroy();

    // Settings the owner may choose before binding. Switches set after binding
    // start no timer. Bitmaps become the control's; set them once bound.
    void setTextColor(ColorValue color) { textColor = color; }
    void setBlinkTextColors(ColorValue phase0, ColorValue phase1) {
        blinkTextColors = {phase0, phase1};
    }
    void setBlinkBackgroundColors(ColorValue phase0, ColorValue phase1) {
        blinkBackgroundColors = {phase0, phase1};
    }
    void setBackgroundPattern(GdiHandle bitmap);
    void setBlinkPatterns(GdiHandle phase0, GdiHandle phase1);
    void setBlinkText(bool on) { blinkText = on; }
    void setBlinkBackground(bool on) { blinkBackground = on; }
    void setNearestColor(bool on) { nearestColor = on; }
    void setOpaque(bool on) { opaque = on; }
    void setBlinkInterval(std::uint32_t milliseconds) { blinkInterval = milliseconds; }

    ColorValue backgroundColorValue() const { return backgroundColor; }
    std::uint32_t runningTimerId() const { return timerId; }
    int currentBlinkPhase() const { return blinkPhase; }
    GdiHandle currentBrush() const { return brush; }

   private:
    bool blinkSwitchOn() const { return blinkText || blinkBackground; }
    void startBlinkTimer();
    void invalidateIfShown();
    // Nothing for a default colour, else the colour the device gets.
    std::optional<ColorRef> resolve(ColorValue value) const;
    void replaceBitmap(GdiHandle& held, GdiHandle bitmap);
    void deleteHeld(GdiHandle& object);

    std::uint32_t timerId = 0;
    std::int32_t blinkPhase = 0;
    std::uint32_t blinkInterval = 1000;
    bool blinkText = false;
    bool blinkBackground = false;
    bool nearestColor = false;
    bool opaque = false;
    ColorValue textColor = color_value::kDefault;
    std::array<ColorValue, 2> blinkTextColors{color_value::kDefault, color_value::kDefault};
    ColorValue backgroundColor = color_value::kDefault;
    GdiHandle backgroundPattern = 0;  // a bitmap; 0 while no pattern is present
    std::array<ColorValue, 2> blinkBackgroundColors{color_value::kDefault, color_value::kDefault};
    std::array<GdiHandle, 2> blinkPatterns{};
    GdiHandle brush = 0;

    std::unique_ptr<ColorControlWindow> window;
    ColorGdi* gdi = nullptr;
};
