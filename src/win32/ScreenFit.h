// Fits a dialog made from its template to its DPI: the dialog manager has
// scaled every rectangle with the font; this gives each text the room it needs
// where the scaling left too little, and shows the picture in the version of
// its art that fills its template rectangle. When the dialog moves to a monitor
// of another scaling (Windows 10 1703 and later), it lays the dialog out again
// as the dialog manager would make it there.
#pragma once

#include <windows.h>

// The dialog's template and its picture's art, the same drawing at 1x, 1.5x and 2x.
struct DialogArt {
    WORD templateId;
    WORD bitmaps[3];
};

inline constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
inline constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// At WM_INITDIALOG, before the dialog shows. Also turns Windows' own re-layout
// at a DPI change off, as fitToNewDpi does it.
void fitToScreen(HWND dialog, const DialogArt& art);

// At WM_GETDPISCALEDSIZE, which comes before WM_DPICHANGED: puts the window
// size that the dialog will take at the new DPI (wParam) into the SIZE at
// lParam, so that Windows suggests that size and the window stays under the
// cursor of a drag. False when it cannot tell (Windows then scales linearly).
bool answerDpiScaledSize(HWND dialog, const DialogArt& art, WPARAM wParam, LPARAM lParam);

// At WM_DPICHANGED: the new DPI is wParam's; lParam points to the window
// rectangle that Windows suggests, where the dialog goes at its own size.
// False when a change to yet another DPI came in meanwhile and laid it out.
bool fitToNewDpi(HWND dialog, const DialogArt& art, WPARAM wParam, LPARAM lParam);

// At WM_DESTROY: deletes the picture and the font that the fitting made, if any.
void releaseFit(HWND dialog);

// The DPI of the monitor that the dialog is on (the system's before Windows 10 1607).
UINT dpiOfWindow(HWND window);

// Loads the icon in the size the system shows it at this DPI: SM_CXICON for
// ICON_BIG, SM_CXSMICON for ICON_SMALL; the .ico's image of that size, or the nearest.
HICON loadIconAtDpi(HINSTANCE instance, WORD id, bool small, UINT dpi);
