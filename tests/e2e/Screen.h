// What the user sees: pixels read back from the (virtual) screen.
#pragma once

#include <windows.h>

#include <string>

#include "Wait.h"

// The colour shown at the centre of a window's client area.
COLORREF pixelAtClientCentre(HWND window);
// The colour shown at a point of a window's client area.
COLORREF pixelInWindow(HWND window, int x, int y);

enum class IconKind { none, stop, exclamation, information, unknown };
const char* iconKindName(IconKind kind);
// Tells the standard message box icons apart by their dominant colours: red
// stop sign, yellow warning triangle, blue information bubble.
IconKind classifyIcon(HWND iconControl);

// Waits until the window and all its children have painted what they had to.
bool waitUntilPainted(HWND window, Milliseconds timeout);

// Writes the whole screen as a 24-bit BMP; false when it cannot.
bool saveScreenBitmap(const std::string& path);
