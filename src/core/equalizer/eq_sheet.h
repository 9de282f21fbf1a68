// eqmain.bmp: the equalizer stage of the skin build. The chosen equalizer face goes into the work
// image `eqmain` (275x163) and the sheet `EQ` (275x315); the frame and the two layers are laid
// over the face, the title bar, on/auto, preset and graph parts over cuts of the face at their
// sprite places, and the slider graphic into the slider rows. Also the picture that saving
// writes as eqmain.bmp.
#pragma once

#include <filesystem>
#include <string_view>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"
#include "sheets/skin_sheets.h"

namespace pelterra {

inline constexpr int kEqFaceWidth = SkinSheetOf(pic::EQ).width;
inline constexpr int kEqFaceHeight = 116;
inline constexpr int kEqWorkHeight = SkinSheetOf(pic::eqmain).height;  // eqmain.bmp without the slider rows
inline constexpr int kEqSheetHeight = SkinSheetOf(pic::EQ).height;     // eqmain.bmp with them ("EQ Slider")

// Where DefaultBackWhite.back.bmp lies below the program folder.
inline constexpr std::string_view kDefaultSliderBackTail = "\\PartsData\\eq\\slider\\DefaultBackWhite.back.bmp";

// The slot whose face the equalizer is built on: PreEQMainData2 with "これを使う" (OpEqMain2);
// otherwise PreEQMainData with "EQも出力", Picture2 after a single picture, and after a combined
// picture Picture2 when "EQが下" is checked, Picture1 when not.
SlotName EqualizerFaceSlot(const Document& doc);

// The whole equalizer stage: face, frame, layer 1, layer 2, title bar, on/auto, preset, image
// and slider, each part under its include box and its Mix mode (optEQPelterra(i) bitwise,
// optEQSeken(i) additive). Writes eqmain and EQ; rows that no step writes keep what they held.
// The slider back colour path reads the slot DefaultBackWhite (see LoadDefaultSliderBack).
void BuildEqualizerSheet(Document& doc);

// Reads DefaultBackWhite.back.bmp from programFolder into the slot DefaultBackWhite, for the
// build to call before any sheet changes. A missing or undecodable file is an error naming it,
// and the slot keeps what it held.
Status LoadDefaultSliderBack(Document& doc, const std::filesystem::path& programFolder);

// The picture saved as eqmain.bmp: with "EQ Slider" (EQModeCheck) checked, the whole sheet EQ;
// otherwise the top 275x163 of EQ copied into the work image eqmain, which is returned.
const Bitmap& PrepareEqmainPicture(Document& doc);

}  // namespace pelterra
