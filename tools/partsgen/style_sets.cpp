// The style sets of the library, PartsData/styles/<Style>.ini: per style the digit set, the row
// colours of the digits and letters, the playlist colours and font and the visualisation colours
// that go with its parts. Digits and letters sit in black wells, so every row colour is light
// enough to read on black; the playlist text reads on its background and on the selection.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "colours/ramp.h"
#include "colours/style_colours.h"
#include "parts.h"
#include "parts/skin_style.h"
#include "style_sets.h"

namespace partsgen {

using pelterra::EvenRamp;
using pelterra::StyleColours;
using pelterra::StyleSet;

namespace {

template <std::size_t N>
std::array<Colour, N> ramp(Colour first, Colour last) {
    const std::vector<Colour> colours = pelterra::ColourRamp(first, last, static_cast<int>(N));
    std::array<Colour, N> out{};
    std::copy(colours.begin(), colours.end(), out.begin());
    return out;
}

struct StyleSetRow {
    std::string_view style;
    std::string_view digits;
    std::string_view font;
    StyleColours (*colours)();
};

// Blue and cyan: ice-blue seven-segment digits, a cyan list on deep navy.
StyleColours glassColours() {
    return {
        .numberRows = EvenRamp<pelterra::kNumberRowColours>(200, 244, 255, -8, -6, 0),
        .textRows = EvenRamp<pelterra::kTextRowColours>(176, 236, 255, -12, -8, 0),
        .pleditNormal = RGB(128, 224, 255),
        .pleditCurrent = RGB(255, 255, 255),
        .pleditNormalBG = RGB(6, 16, 42),
        .pleditSelectedBG = RGB(24, 72, 140),
        .visBack = {RGB(0, 0, 0), RGB(16, 40, 72)},
        .visSpectrum = ramp<pelterra::kVisSpectrumColours>(RGB(224, 248, 255), RGB(16, 72, 200)),
        .visScope = ramp<pelterra::kVisScopeColours>(RGB(200, 244, 255), RGB(48, 120, 216)),
        .visPeak = RGB(255, 255, 255),
    };
}

// Cool steel greys with a light cyan accent for the song that plays and the peak dots.
StyleColours metalColours() {
    return {
        .numberRows = EvenRamp<pelterra::kNumberRowColours>(236, 242, 250, -6, -5, -3),
        .textRows = EvenRamp<pelterra::kTextRowColours>(228, 236, 246, -10, -8, -4),
        .pleditNormal = RGB(200, 210, 224),
        .pleditCurrent = RGB(150, 236, 255),
        .pleditNormalBG = RGB(26, 30, 36),
        .pleditSelectedBG = RGB(72, 84, 100),
        .visBack = {RGB(0, 0, 0), RGB(44, 50, 58)},
        .visSpectrum = ramp<pelterra::kVisSpectrumColours>(RGB(244, 248, 252), RGB(84, 100, 124)),
        .visScope = ramp<pelterra::kVisScopeColours>(RGB(236, 242, 250), RGB(120, 132, 150)),
        .visPeak = RGB(150, 236, 255),
    };
}

// Orange on charcoal, as the flat panels are.
StyleColours flatColours() {
    return {
        .numberRows = EvenRamp<pelterra::kNumberRowColours>(255, 200, 96, 0, -6, -4),
        .textRows = EvenRamp<pelterra::kTextRowColours>(255, 196, 96, 0, -10, -6),
        .pleditNormal = RGB(255, 176, 64),
        .pleditCurrent = RGB(255, 255, 255),
        .pleditNormalBG = RGB(20, 21, 25),
        .pleditSelectedBG = RGB(110, 56, 8),
        .visBack = {RGB(0, 0, 0), RGB(56, 40, 24)},
        .visSpectrum = ramp<pelterra::kVisSpectrumColours>(RGB(255, 236, 170), RGB(200, 64, 0)),
        .visScope = ramp<pelterra::kVisScopeColours>(RGB(255, 208, 128), RGB(176, 96, 32)),
        .visPeak = RGB(255, 255, 255),
    };
}

// White and light greys, a pale yellow for the song that plays and the peak dots.
StyleColours outlineColours() {
    return {
        .numberRows = EvenRamp<pelterra::kNumberRowColours>(255, 255, 255, -3, -3, -2),
        .textRows = EvenRamp<pelterra::kTextRowColours>(255, 255, 255, -6, -6, -4),
        .pleditNormal = RGB(224, 228, 236),
        .pleditCurrent = RGB(255, 240, 160),
        .pleditNormalBG = RGB(12, 12, 14),
        .pleditSelectedBG = RGB(70, 74, 84),
        .visBack = {RGB(0, 0, 0), RGB(56, 56, 60)},
        .visSpectrum = ramp<pelterra::kVisSpectrumColours>(RGB(255, 255, 255), RGB(110, 114, 124)),
        .visScope = ramp<pelterra::kVisScopeColours>(RGB(255, 255, 255), RGB(160, 160, 168)),
        .visPeak = RGB(255, 240, 160),
    };
}

// The classic look is also the program's start: its colours are the start colours of the swatches.
StyleColours classicColours() { return pelterra::kClassicColours; }

// Classic and Flat take the bold two-pixel digits, Glass and Metal the seven-segment display,
// Outline the thin one-pixel digits that match its outlines.
constexpr StyleSetRow kStyleSets[] = {
    {"Classic", "Bold", pelterra::kClassicPleditFont, classicColours},
    {"Glass", "SevenSegment", "Tahoma", glassColours},
    {"Metal", "SevenSegment", "Verdana", metalColours},
    {"Flat", "Bold", "Trebuchet MS", flatColours},
    {"Outline", "Pixel", "Segoe UI", outlineColours},
};
static_assert(std::size(kStyleSets) == std::size(kStyles));

const StyleSetRow& styleSetOf(const Style& style) {
    for (const StyleSetRow& row : kStyleSets)
        if (row.style == style.name) return row;
    throw std::logic_error("no style set for the style " + std::string(style.name));
}

}  // namespace

void addStyleSets(Library& library) {
    for (const Style& style : kStyles) {
        const StyleSetRow& row = styleSetOf(style);
        const StyleSet set{std::string(row.digits), std::string(row.font), row.colours()};
        library.addFile("PartsData/styles/" + std::string(style.name) + ".ini", pelterra::StyleSetText(set, style.name));
    }
}

}  // namespace partsgen
