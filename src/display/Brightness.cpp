#include "display/Brightness.h"

#include <algorithm>

namespace {
// Trackbar request codes.
constexpr int kLineUp = 0;
constexpr int kLineDown = 1;
constexpr int kPageUp = 2;
constexpr int kPageDown = 3;
constexpr int kThumbTrack = 5;
constexpr int kTop = 6;     // Home
constexpr int kBottom = 7;  // End

constexpr int kMinBrightness = 0;
constexpr int kMaxBrightness = 255;
constexpr int kLineStep = 1;
constexpr int kPageStep = 51;  // the trackbar's own page size for a 0..255 range

// One colour byte's worth in each of red, green and blue.
constexpr std::uint32_t kGrayUnit = 0x010101;

int clampBrightness(int value) { return std::clamp(value, kMinBrightness, kMaxBrightness); }
}  // namespace

int grayLevelFor(int brightness) {
    const long long square = static_cast<long long>(brightness) * brightness;
    return static_cast<int>(square / 384);  // 1.5 * 256
}

std::uint32_t grayColorValue(int grayLevel) {
    return static_cast<std::uint32_t>(grayLevel) * kGrayUnit;
}

std::optional<int> brightnessAfterScroll(int requestCode, int brightness, int thumbPosition) {
    switch (requestCode) {
        case kLineUp:
            return clampBrightness(brightness - kLineStep);
        case kLineDown:
            return clampBrightness(brightness + kLineStep);
        case kPageUp:
            return clampBrightness(brightness - kPageStep);
        case kPageDown:
            return clampBrightness(brightness + kPageStep);
        case kThumbTrack:
            return thumbPosition;
        // Home and End move the thumb to an end; the brightness goes with it.
        case kTop:
            return kMinBrightness;
        case kBottom:
            return kMaxBrightness;
        default:
            return std::nullopt;  // thumb released, end of action
    }
}
