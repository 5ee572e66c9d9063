// A dialog's geometry at any DPI, from its template: what the dialog manager
// does when it makes the dialog, done again when the dialog moves to a monitor
// of another scaling.
#pragma once

#include <cstddef>
#include <vector>

#include "layout/DialogLayout.h"

// A rectangle of a dialog template, in dialog units: position and size.
struct TemplateRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// What the layout needs of a dialog template (DLGTEMPLATE or DLGTEMPLATEEX).
struct DialogTemplate {
    bool valid = false;   // false when the bytes are no whole template
    TemplateRect dialog;  // cx and cy: the client area's size
    int pointSize = 0;    // of its font; 0 without DS_SETFONT
    int weight = 0;       // DLGTEMPLATEEX only; otherwise 0, any weight
    bool italic = false;
    char faceName[32] = {};           // LF_FACESIZE; its characters below 0x80, others become '?'
    std::size_t pointSizeOffset = 0;  // where the point size stands in the bytes
    std::vector<TemplateRect> controls;  // in template order, which is the windows' order
};

DialogTemplate readDialogTemplate(const unsigned char* bytes, std::size_t size);

// Windows' MulDiv for the values of a layout: a * b / c rounded to the nearest,
// halves away from zero; -1 for a divisor that is not positive.
int mulDiv(int a, int b, int c);

// The dialog base units of a font, as the dialog manager takes them: half the
// average width of "A" to "Z" and "a" to "z" (rounded), and the font's height.
struct BaseUnits {
    int x = 0;
    int y = 0;
};
BaseUnits baseUnitsOf(int alphabetWidth, int height);

// A control's rectangle as the dialog manager makes it: position and size each scaled.
Box controlBox(const TemplateRect& rect, BaseUnits units);
// A template rectangle as MapDialogRect maps it: each edge scaled.
Box mappedRect(const TemplateRect& rect, BaseUnits units);
// The client area's size of the dialog.
Size clientSize(const DialogTemplate& dialog, BaseUnits units);

// The character height (negative, as CreateFont takes it) of a font of this
// many points at this DPI.
int fontHeightAt(int pointSize, int dpi);
