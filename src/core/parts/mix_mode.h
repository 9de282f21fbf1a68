// The Mix mode of every part position (window frmHowToMix): "Pelterra標準" lays a part with
// MaskBlendBitwise, "世間の標準" with MaskBlendAdditive. One pair of option buttons per position,
// optPelterra(k)/optSeken(k) for the main window and optEQPelterra(k)/optEQSeken(k) for the
// equalizer; every pair starts at "世間の標準".
#pragma once

#include <string_view>

#include "document/document.h"
#include "document/slot.h"

namespace pelterra {

enum class MixWindow { Main, Equalizer };

enum class MixMode {
    Pelterra,  // "Pelterra標準": MaskBlendBitwise
    Seken,     // "世間の標準": MaskBlendAdditive
};

// One position of the window: the caption of its frame and the Data and Mask slots it composes
// (name empty for the equalizer "Slider" pair, which is shown disabled and read by nothing).
struct MixPosition {
    std::string_view caption;
    SlotRef data;
    SlotRef mask;
};

inline constexpr MixPosition kMainMixPositions[] = {
    {"Cbuttons", {"picData", 0}, {"picMask", 0}},
    {"Shufrep", {"picData", 1}, {"picMask", 1}},
    {"MonoSter", {"picData", 2}, {"picMask", 2}},
    {"PlayPaus", {"picData", 3}, {"picMask", 3}},
    {"TitleBar", {"picData", 5}, {"picMask", 5}},
    {"Frame", {"picData", 6}, {"picMask", 6}},
    {"Layer1", {"picData", 9}, {"picMask", 9}},
    {"Layer2", {"picData", 10}, {"picMask", 10}},
};
static_assert(std::size(kMainMixPositions) == 8, "eight main-window positions");

inline constexpr MixPosition kEqMixPositions[] = {
    {"OnAuto", {"picEQData", 0}, {"picEQMask", 0}},
    {"Frame", {"picEQData", 1}, {"picEQMask", 1}},
    {"TitleBar", {"picEQData", 2}, {"picEQMask", 2}},
    {"Image(Wave)", {"picEQData", 3}, {"picEQMask", 3}},
    {"Preset", {"picEQData", 4}, {"picEQMask", 4}},
    {"Layer1", {"picEQData", 5}, {"picEQMask", 5}},
    {"layer2", {"picEQData", 6}, {"picEQMask", 6}},
    {"Slider", {}, {}},
};
static_assert(std::size(kEqMixPositions) == 8, "eight equalizer positions");

inline constexpr int kMixPositionCount = 8;

// Captions of the window's two frames and buttons.
inline constexpr std::string_view kMixMainFrameCaption = "Main";
inline constexpr std::string_view kMixEqFrameCaption = "EQ";
inline constexpr std::string_view kPelterraCaption = "Pelterra標準";
inline constexpr std::string_view kSekenCaption = "世間の標準";
inline constexpr std::string_view kAllPelterraCaption = "すべてPelterra標準";  // cmdAllPelterra
inline constexpr std::string_view kAllSekenCaption = "すべて世間の標準";        // cmdAllSeken

// The option names of a window's pair: {"optPelterra", "optSeken"} or the equalizer's.
std::string_view pelterraOption(MixWindow window);
std::string_view sekenOption(MixWindow window);

// The mode in force at position k (0..7): "Pelterra標準" when its Pelterra option is selected,
// otherwise "世間の標準". The build asks just before composing the position.
MixMode mixMode(const Document& doc, MixWindow window, int k);
bool usesBitwise(const Document& doc, MixWindow window, int k);

// Selects one mode for position k.
void setMixMode(Document& doc, MixWindow window, int k, MixMode mode);

// cmdAllPelterra "すべてPelterra標準": for k = 0..7, optPelterra(k) and then optEQPelterra(k), the
// disabled equalizer "Slider" pair included.
void AllPelterra(Document& doc);
// cmdAllSeken "すべて世間の標準": the same with optSeken(k) and optEQSeken(k).
void AllSeken(Document& doc);

}  // namespace pelterra
