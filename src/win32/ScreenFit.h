// Fits a dialog made from its template to the screen's DPI: the dialog manager
// has scaled every rectangle with the font; this gives each text the room it
// needs where the scaling left too little, and shows the picture in the
// version of its art that fills its template rectangle.
#pragma once

#include <windows.h>

// The picture control of a dialog: its rectangle in the template (dialog units)
// and its art, the same drawing at 1x, 1.5x and 2x, smallest first.
struct PictureArt {
    RECT templateRect;  // left, top, width, height
    WORD bitmaps[3];
};

// At WM_INITDIALOG, before the dialog shows.
void fitToScreen(HWND dialog, const PictureArt& art);

// At WM_DESTROY: deletes the picture that fitToScreen gave the dialog, if any.
void releasePicture(HWND dialog);

// Loads the icon in the size the system shows it: SM_CXICON for ICON_BIG,
// SM_CXSMICON for ICON_SMALL; the .ico's image of that size, or the nearest.
HICON loadIconAtSystemSize(HINSTANCE instance, WORD id, bool small);
