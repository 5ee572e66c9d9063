// Ties a ColorListBox to a real list box: subclasses the window and carries its
// colour requests, timer ticks and destruction to the object.
#pragma once

#include <windows.h>

#include "display/ColorListBox.h"

// What a parent sends a bound list box to hand it its own colour request:
// wParam the device context, lParam the control-colour type (0 to 6). Taken from
// the range the old class library kept for reflected messages, plus WM_CTLCOLOR.
inline constexpr UINT kReflectedColorRequest = 0xBC00 + 0x0019;

// Subclasses the existing list box and binds the object to it, which starts
// blinking when a blink switch is on. Nothing happens when listBox is no window.
// The subclass goes when the window is destroyed or the object is.
void bindColorListBox(HWND listBox, ColorListBox& box);

// For the parent's procedure on WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: when the
// asking control (lParam) is a bound ColorListBox, it answers, and the result is
// true with its brush, which is 0 when the default handling should answer.
bool reflectColorRequest(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& brush);
