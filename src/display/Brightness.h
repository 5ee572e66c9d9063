// The brightness slider's arithmetic: the gray level that matches a brightness,
// and how each slider notification moves the brightness.
#pragma once

#include <cstdint>
#include <optional>

// brightness * brightness / 384, truncated: 128 gives 42, 255 gives 169.
int grayLevelFor(int brightness);

// Plain RGB ColorValue with red, green and blue all equal to grayLevel.
std::uint32_t grayColorValue(int grayLevel);

// The brightness after a horizontal-scroll notification with this request
// code, or nothing when the notification leaves the brightness alone.
// Line and page steps move the stored brightness, not the slider's position;
// Home and End go to 0 and 255.
std::optional<int> brightnessAfterScroll(int requestCode, int brightness, int thumbPosition);
