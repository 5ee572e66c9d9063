// What the colour list box needs from the system: its own window and a few GDI
// calls. Win32 implementations live in src/win32/, fakes in tests/fakes/.
#pragma once

#include <cstdint>

// A device context, brush or bitmap, as the GDI hands it out; 0 is none.
using GdiHandle = std::uintptr_t;

// A colour as the device takes it: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;

// Indexes of the system colours the control falls back to (GetSysColor).
namespace sys_color {
inline constexpr int kWindow = 5;
inline constexpr int kWindowText = 8;
inline constexpr int kButtonFace = 15;
inline constexpr int kButtonText = 18;
}  // namespace sys_color

// The kind of control that asks for its colours, WM_CTLCOLORMSGBOX onwards.
namespace ctl_color {
inline constexpr int kMessageBox = 0;
inline constexpr int kEdit = 1;
inline constexpr int kListBox = 2;
inline constexpr int kButton = 3;
inline constexpr int kDialog = 4;
inline constexpr int kScrollBar = 5;
inline constexpr int kStatic = 6;
}  // namespace ctl_color

// SetBkMode's values.
enum class BackgroundMode { kTransparent = 1, kOpaque = 2 };

// The list box window a colour list box is bound to.
class ColorControlWindow {
   public:
    virtual ~ColorControlWindow() = default;
    virtual bool exists() const = 0;
    // Marks the whole client area for repainting, background erased first.
    virtual void invalidateWithErase() = 0;
    // A window timer; the result is the timer's id, 0 when none could be made.
    virtual std::uint32_t setTimer(std::uint32_t eventId, std::uint32_t intervalMs) = 0;
    virtual void killTimer(std::uint32_t eventId) = 0;
};

// The GDI calls the colour request makes.
class ColorGdi {
   public:
    virtual ~ColorGdi() = default;
    virtual ColorRef sysColor(int index) = 0;
    virtual ColorRef nearestColor(GdiHandle dc, ColorRef color) = 0;
    virtual void setBackgroundMode(GdiHandle dc, BackgroundMode mode) = 0;
    virtual void setTextColor(GdiHandle dc, ColorRef color) = 0;
    virtual void setBackgroundColor(GdiHandle dc, ColorRef color) = 0;
    // Both give 0 when the brush cannot be made.
    virtual GdiHandle createSolidBrush(ColorRef color) = 0;
    virtual GdiHandle createPatternBrush(GdiHandle bitmap) = 0;
    virtual void deleteObject(GdiHandle object) = 0;
};
