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
// rectangle, in its middle, and shows the art.
void expectLayoutFitsTheScreen(HWND dialog, const std::string& program, int templateId,
                               const TemplatePicture& picture);

// The screen's DPI as the driver's process sees it.
int screenDpi();
