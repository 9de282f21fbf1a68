// The Mix mode of every part position (window frmHowToMix): each position lays its part with
// MaskBlendBitwise or with MaskBlendAdditive. One pair of option buttons per position,
// optPelterra(k)/optSeken(k) for the main window and optEQPelterra(k)/optEQSeken(k) for the
// equalizer; every pair starts at the additive blend. The category tables say which category
// is composed at which row k; the equalizer's row 7 ("Slider") is shown disabled and read by
// nothing.
#pragma once

#include <string_view>

#include "document/document.h"
#include "parts/categories.h"

namespace pelterra {

enum class MixWindow { Main, Equalizer };

enum class MixMode {
    Bitwise,   // MaskBlendBitwise (the window's "Pelterra標準")
    Additive,  // MaskBlendAdditive (the window's "世間の標準")
};

// The option names of a window's pair: {ctl::optPelterra, ctl::optSeken} or the equalizer's.
ControlName bitwiseOption(MixWindow window);
ControlName additiveOption(MixWindow window);

// The mode in force at row k (0..7): bitwise when its bitwise option is selected, otherwise
// additive. The build asks just before composing the position.
MixMode mixMode(const Document& doc, MixWindow window, int k);
bool usesBitwise(const Document& doc, MixWindow window, int k);

// Selects one mode for row k.
void SetMixMode(Document& doc, MixWindow window, int k, MixMode mode);

// cmdAllPelterra / cmdAllSeken: for k = 0..7, the main window's row k and then the equalizer's,
// the disabled equalizer "Slider" pair included.
void SetEveryMixMode(Document& doc, MixMode mode);

}  // namespace pelterra
