// What the user sees: pixels read back from the (virtual) screen, in physical
// pixels (the driver declares itself DPI-aware, see DriverMain.cpp), through a
// screen device context taken for each read: both Wine 8 and Wine 10 serve
// those from a virtual desktop once the window has reached the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

// A rectangle of the screen as it is shown now, copied at once.
class ScreenArea {
   public:
    // The client area of the window; empty when it cannot be read.
    explicit ScreenArea(HWND window);
    // That rectangle of the screen.
    explicit ScreenArea(const RECT& onScreen);
    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    // The colour at a point of the area (0,0 its top left).
    COLORREF at(int x, int y) const;
    // Whether the whole area has one colour (true when empty).
    bool oneColour() const;

   private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// The colour shown at the centre of a window's client area.
COLORREF pixelAtClientCentre(HWND window);

enum class IconKind { none, stop, exclamation, information, question, unknown };
const char* iconKindName(IconKind kind);
// Which of the system's message box icons the control shows: the one whose
// own drawing (LoadImage of the system icon at the control's size, DrawIconEx)
// matches the screen in every pixel the icon covers, whatever art this Wine or
// Windows gives it.
IconKind classifyIcon(HWND iconControl);

// Waits until the window and all its children have painted what they had to
// and the screen shows it: its client area holds more than one colour.
bool waitUntilPainted(HWND window, Milliseconds timeout);

// Wine 10 leaves the picture of a closed or moved window on the screen where
// the desktop shows through, until the desktop paints again (Wine 8 and
// Windows repaint it at once): has the desktop paint now, and waits until it has.
bool repaintDesktop(Milliseconds timeout);
// Repaints the desktop until the screen shows nothing else: no window of an
// earlier program, open or left behind.
bool waitUntilScreenIsClear(Milliseconds timeout);

// Writes the whole screen as a 24-bit BMP; false when it cannot.
bool saveScreenBitmap(const std::string& path);
