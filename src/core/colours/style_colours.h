// The colours that make a style of the parts library a whole set: the row colours of its digits
// and letters, its playlist text colours and its visualisation table. The Classic set is also
// what the program starts with, so that an untouched start builds the classic look: green digits
// and letters on black, a green list with a blue selection, the players' own visualisation table.
#pragma once

#include "colours/contrast.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "image/colour.h"

namespace pelterra {

inline constexpr int kNumberRowColours = 15;  // NumberColor(0..14)
inline constexpr int kTextRowColours = 6;     // PicText(0..5)
inline constexpr int kVisBackColours = 2;     // ViscolorBack(0..1)
inline constexpr int kVisSpectrumColours = 16;  // ViscolorSpec(0..15)
inline constexpr int kVisScopeColours = 5;    // ViscolorOsc(0..4)

struct StyleColours {
    std::array<Colour, kNumberRowColours> numberRows{};
    std::array<Colour, kTextRowColours> textRows{};
    Colour pleditNormal = kBlack, pleditCurrent = kBlack, pleditNormalBG = kBlack, pleditSelectedBG = kBlack;
    std::array<Colour, kVisBackColours> visBack{};
    std::array<Colour, kVisSpectrumColours> visSpectrum{};
    std::array<Colour, kVisScopeColours> visScope{};
    Colour visPeak = kBlack;

    constexpr bool operator==(const StyleColours&) const = default;
};

// N row colours from (r, g, b) in whole steps, so that "補完" between the first and the last
// gives them back unchanged.
template <std::size_t N>
constexpr std::array<Colour, N> EvenRamp(int r, int g, int b, int dr, int dg, int db) {
    std::array<Colour, N> ramp{};
    for (std::size_t i = 0; i < N; ++i) {
        const int k = static_cast<int>(i);
        ramp[i] = RGB(r + k * dr, g + k * dg, b + k * db);
    }
    return ramp;
}

// The Classic set, the start colours of every swatch it names.
inline constexpr StyleColours kClassicColours{
    // Bright green digits, darkening a little towards their feet; the letters the same green.
    .numberRows = EvenRamp<kNumberRowColours>(0, 248, 0, 0, -4, 0),
    .textRows = EvenRamp<kTextRowColours>(0, 240, 0, 0, -10, 0),
    // A green list on black, white for the song that plays, a blue selection.
    .pleditNormal = RGB(0x00, 0xC0, 0x00),
    .pleditCurrent = RGB(0xFF, 0xFF, 0xFF),
    .pleditNormalBG = RGB(0x00, 0x00, 0x00),
    .pleditSelectedBG = RGB(0x00, 0x00, 0xC0),
    // The table players ship as their default viscolor.txt: background and grid dots, the
    // analyser bars from the top (red) through orange and yellow to the bottom (green), the
    // oscilloscope from its brightest to its dimmest grey, the peak dots.
    .visBack = {RGB(0, 0, 0), RGB(24, 33, 41)},
    .visSpectrum = {RGB(239, 49, 16), RGB(206, 41, 16), RGB(214, 90, 0), RGB(214, 102, 0), RGB(214, 115, 0),
                    RGB(198, 123, 8), RGB(222, 165, 24), RGB(214, 181, 33), RGB(189, 222, 41), RGB(148, 222, 33),
                    RGB(41, 206, 16), RGB(50, 190, 16), RGB(57, 181, 16), RGB(49, 156, 8), RGB(41, 148, 0),
                    RGB(24, 132, 8)},
    .visScope = {RGB(255, 255, 255), RGB(214, 214, 222), RGB(181, 189, 189), RGB(160, 170, 175), RGB(148, 156, 165)},
    .visPeak = RGB(150, 150, 150),
};
// The playlist font of the Classic set (the players' own list font).
inline constexpr std::string_view kClassicPleditFont = "Arial";

}  // namespace pelterra
