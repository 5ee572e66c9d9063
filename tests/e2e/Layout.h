// The dialogs' layout at the screen's DPI, checked against the template as the
// dialog manager lays it out here: the driver makes the same dialog, hidden,
// from the program's own resources and compares control by control.
#pragma once

#include <windows.h>

#include <string>

// Where the picture control sits in the template, in dialog units.
struct TemplatePicture {
    int left, top, width, height;
};

// At 96 DPI every control stands exactly where the template puts it. At every
// DPI no visible text is clipped (measured with the template's font: DrawTextA,
// word-wrapped for a multi-line static, a check box's text beside its mark);
// a control that differs from the template is a text grown right or down, or
// the picture, and overlaps no control it did not overlap in the template,
// inside its group box and the dialog; the picture fills its template
// rectangle, in its middle, never larger than it, and shows the art; a list
// box has the template's line height.
void expectLayoutFitsTheScreen(HWND dialog, const std::string& program, int templateId,
                               const TemplatePicture& picture);
// The same for a dialog laid out at that DPI, checked against the template
// made with its font that many times larger.
void expectLayoutFitsTheScreen(HWND dialog, const std::string& program, int templateId,
                               const TemplatePicture& picture, int dpi);

// Moves the dialog to a monitor of another DPI, as Windows 10 1703 and later
// tell it: WM_GETDPISCALEDSIZE, then WM_DPICHANGED with the new DPI and a
// rectangle of the answered size, both in the program's own memory; the window
// must take exactly that rectangle. Wine gives every monitor one DPI.
void moveToDpi(HWND dialog, int fromDpi, int toDpi);

// The DPIs a moved dialog goes through, from 96 and back.
inline constexpr int kMovedDpis[] = {144, 192, 120, 96};

// The screen's DPI as the driver's process sees it.
int screenDpi();
