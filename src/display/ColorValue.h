// A colour as a control's owner gives it: the top byte says how to read the rest.
//   0xFF      default: the control falls back to a system colour of its choosing
//   0x80      a system colour whose GetSysColor index is in the low 24 bits
//   any other an RGB colour in the low 24 bits, red in the lowest byte
#pragma once

#include <cstdint>

using ColorValue = std::uint32_t;

namespace color_value {

inline constexpr ColorValue kDefault = 0xFF000000u;

constexpr std::uint32_t kindOf(ColorValue value) { return value >> 24; }
constexpr bool isDefault(ColorValue value) { return kindOf(value) == 0xFFu; }
constexpr bool isSystem(ColorValue value) { return kindOf(value) == 0x80u; }
constexpr std::uint32_t lowBits(ColorValue value) { return value & 0x00FFFFFFu; }

constexpr ColorValue system(int index) {
    return 0x80000000u | (static_cast<std::uint32_t>(index) & 0x00FFFFFFu);
}
constexpr ColorValue rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<ColorValue>(red) | static_cast<ColorValue>(green) << 8 |
           static_cast<ColorValue>(blue) << 16;
}

}  // namespace color_value
