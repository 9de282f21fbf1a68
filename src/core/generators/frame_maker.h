// The frame maker frmMakeFrame ("FrameMaking"): a bevelled frame in four colours for a Data and a
// Mask picture, two-colour vertical gradients for both, and a tall gradient covering the main
// window and the equalizer at once; each handed on request to the frame positions of the main
// window (picData(6), picMask(6)) or of the equalizer (picEQData(1), picEQMask(1)).
#pragma once

#include <string_view>

#include "document/document.h"
#include "image/bitmap.h"

namespace pelterra {

// The maker's own pictures, as the document names them.
namespace frame_maker {
inline constexpr SlotName kFrameData = pic::picMakeFrameData;   // 275 x 116, tab 1
inline constexpr SlotName kFrameMask = pic::PicMakeFrameMask;   // 275 x 116, tab 1
inline constexpr SlotName kGradientData = pic::frmMakeFramePicData;  // tab 2
inline constexpr SlotName kGradientMask = pic::frmMakeFramePicMask;  // tab 2
inline constexpr SlotName kBigGradient = pic::picBigData;       // 275 x 232, tab 3
}  // namespace frame_maker

// A vertical gradient of `rows` rows, 275 pixels wide, drawn from row 0 down: per channel the
// step (bottom - top) / rows rounded half to even to a whole number, row i = top + i * step with
// negative values drawn as 0 and values above 255 as 255. The bottom colour is usually not
// reached, and can be overshot.
void DrawVerticalGradient(Bitmap& picture, Colour top, Colour bottom, int rows);

// lblDataGra1 -> lblDataGra2 into the Data gradient, 116 rows.
void MakeGra(Document& doc);
// lblMaskGra1 -> lblMaskGra2 into the Mask gradient, 116 rows.
void MakeGra2(Document& doc);
// lblBig1 -> lblBig2 into picBigData, 232 rows.
void MakeBigGra(Document& doc);

// The three frame styles, each drawn onto picMakeFrameData with lbldata(0..3) and then onto
// PicMakeFrameMask with lblMask(0..3), over what the pictures held.
void NormalFrameMake(Document& doc);    // "通常"
void NoTopFrameMake(Document& doc);     // "上無し": open at the top
void NoBottomFrameMake(Document& doc);  // "下無し": open at the bottom
// The style of the selected Optframe option: 0 通常, 1 下無し, otherwise 上無し.
void FrameMakeByStyle(Document& doc);

// Window load: the three gradients and the frame of the chosen style.
void LoadFrameMaker(Document& doc);

// The transfer buttons. Each draws its whole source at (0, 0) of the target slot.
enum class FrameTransfer {
    FrameDataToMain,     // btnData     "MainのDataへ転送"
    FrameDataToEq,       // btnEqData   "EQのDataへ転送"
    FrameMaskToMain,     // btnMask     "MainのMaskへ転送"
    FrameMaskToEq,       // btnEqMask   "EQのMaskへ転送"
    GradientDataToMain,  // btnDataGra  "MainのDataへ転送する"
    GradientDataToEq,    // Command1    "EQのDataへ送る"
    GradientMaskToMain,  // Command2    "MainのMaskへ転送する"
    GradientMaskToEq,    // Command3    "EQのMaskへ送る"
};
void TransferFrame(Document& doc, FrameTransfer transfer);

// Command8 "転送実行": the halves of picBigData into the frame Data or Mask slots of both windows;
// the equalizer slot is always drawn first.
void BigToDataEqUp(Document& doc);    // upper half -> picEQData(1), lower -> picData(6)
void BigToDataMainUp(Document& doc);  // upper half -> picData(6),   lower -> picEQData(1)
void BigToMaskMainUp(Document& doc);  // upper half -> picMask(6),   lower -> picEQMask(1)
void BigToMaskEqUp(Document& doc);    // upper half -> picEQMask(1), lower -> picMask(6)
// Chooses by optToData and optEqUp / optMainUp.
void Command8(Document& doc);

}  // namespace pelterra
