// Colour values: red + green*256 + blue*65536 in one 32-bit word, as every picture stores them.
#pragma once

#include <cstdint>

namespace pelterra {

using Colour = std::uint32_t;

// What GetPixel answers outside a bitmap: all bits set, which the extractors read as white.
inline constexpr Colour kOutsideColour = 0xFFFFFFFFu;

constexpr Colour RGB(int r, int g, int b) {
    return static_cast<Colour>(r & 255) | (static_cast<Colour>(g & 255) << 8) |
           (static_cast<Colour>(b & 255) << 16);
}
constexpr int GetRed(Colour c) { return static_cast<int>(c & 255u); }
constexpr int GetGreen(Colour c) { return static_cast<int>((c >> 8) & 255u); }
constexpr int GetBlue(Colour c) { return static_cast<int>((c >> 16) & 255u); }

constexpr int clampChannel(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

inline constexpr Colour kBlack = RGB(0, 0, 0);
inline constexpr Colour kWhite = RGB(255, 255, 255);

}  // namespace pelterra
