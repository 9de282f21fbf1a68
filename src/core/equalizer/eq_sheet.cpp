#include "equalizer/eq_sheet.h"

#include <span>

#include "fs/program_path.h"
#include "image/blit.h"
#include "image/drawing.h"
#include "image/mask_blend.h"
#include "image/picture_file.h"

namespace pelterra {

namespace {

// Two kinds of copy table below, both of Blit rows: plain copies take a rectangle of the work
// image eqmain to a point of the sheet EQ; background cuts of the bitwise blend take a rectangle
// of the face to a point in the part's own coordinates.

// ---- Frame and layers: whole-face parts -------------------------------------------------

struct FaceLayer {
    int slot;                // picEQData(slot) / picEQMask(slot), Mix mode optEQPelterra(slot)
    ControlName check;  // include box
};

inline constexpr FaceLayer kFaceLayers[] = {
    {1, ctl::EQFrameCheck},  // frame
    {5, ctl::chkEQLayer1},   // layer 1
    {6, ctl::chkEQLayer2},   // layer 2
};
static_assert(std::size(kFaceLayers) == 3);

// The bitwise path takes the face's background from PreEQMainData, never from the work image,
// so each of frame, layer 1 and layer 2 starts again from it.
inline constexpr Blit kFaceLayerBackground[] = {
    {{0, 0, 275, 116}, {0, 0}},
};
static_assert(std::size(kFaceLayerBackground) == 1);

// ---- Title bar, on/auto, preset and image: parts laid over cuts of the face ----------------

inline constexpr Blit kTitleBarCopies[] = {
    {{0, 0, 275, 14}, {0, 134}},  // active title bar
    {{0, 0, 275, 14}, {0, 149}},  // inactive title bar
    {{264, 3, 9, 9}, {0, 116}},   // small button
    {{264, 3, 9, 9}, {0, 125}},   // small button, pressed
};
static_assert(std::size(kTitleBarCopies) == 4);

inline constexpr Blit kTitleBarBackground[] = {
    {{0, 0, 275, 14}, {0, 18}},   // active title bar
    {{0, 0, 275, 14}, {0, 33}},   // inactive title bar
    {{264, 3, 9, 9}, {0, 0}},     // small button
    {{264, 3, 9, 9}, {0, 9}},     // small button, pressed
};
static_assert(std::size(kTitleBarBackground) == 4);

inline constexpr Blit kOnAutoCopies[] = {
    {{14, 18, 59, 12}, {10, 119}},
    {{14, 18, 59, 12}, {69, 119}},
    {{14, 18, 59, 12}, {128, 119}},
    {{14, 18, 59, 12}, {187, 119}},
};
static_assert(std::size(kOnAutoCopies) == 4);

inline constexpr Blit kOnAutoBackground[] = {
    {{14, 18, 59, 12}, {0, 0}},
    {{14, 18, 59, 12}, {59, 0}},
    {{14, 18, 59, 12}, {118, 0}},
    {{14, 18, 59, 12}, {177, 0}},  // cut at the part's width, 235
};
static_assert(std::size(kOnAutoBackground) == 4);

inline constexpr Blit kPresetCopies[] = {
    {{217, 18, 44, 12}, {224, 164}},  // preset button
    {{217, 18, 44, 12}, {224, 176}},  // preset button, pressed
};
static_assert(std::size(kPresetCopies) == 2);

inline constexpr Blit kPresetBackground[] = {
    {{217, 18, 44, 12}, {0, 0}},
    {{217, 18, 44, 12}, {0, 12}},
};
static_assert(std::size(kPresetBackground) == 2);

inline constexpr Blit kImageCopies[] = {
    {{86, 17, 113, 19}, {0, 294}},  // graph background
    {{88, 26, 113, 1}, {0, 314}},   // preamp line
};
static_assert(std::size(kImageCopies) == 2);

// The whole 116x21 block from (86,17), except that the preamp row 20, columns 0..112, takes its
// background from face row 26 starting at x = 86.
inline constexpr Blit kImageBackground[] = {
    {{86, 17, 116, 20}, {0, 0}},
    {{86, 26, 113, 1}, {0, 20}},   // preamp line
    {{199, 37, 3, 1}, {113, 20}},  // rest of row 20, still from the block
};
static_assert(std::size(kImageBackground) == 3);

struct SpriteStep {
    int slot;
    ControlName check;
    Point at;            // where the part lies on the sheet
    int width, height;   // the part's size
    std::span<const Blit> plain;
    std::span<const Blit> background;
};

inline constexpr SpriteStep kSpriteSteps[] = {
    {2, ctl::EQCheck, {0, 116}, 275, 47, kTitleBarCopies, kTitleBarBackground},
    {0, ctl::OnAutoCheck, {10, 119}, 235, 12, kOnAutoCopies, kOnAutoBackground},
    {4, ctl::PresetCheck, {224, 164}, 44, 25, kPresetCopies, kPresetBackground},
    {3, ctl::ImageCheck, {0, 294}, 116, 21, kImageCopies, kImageBackground},
};
static_assert(std::size(kSpriteSteps) == 4);

// ---- Slider rows ------------------------------------------------------------------------

// Bar images: (13,0) 14x63 of the slider graphic, 14 cells at a pitch of 15, in two rows 65
// apart; on the sheet they start at (13,164), in the work pair of the back-colour path at (0,0).
inline constexpr BlitRun kBarRows[] = {
    {{{13, 0, 14, 63}, {0, 0}}, {15, 0}, 14},
    {{{13, 0, 14, 63}, {0, 65}}, {15, 0}, 14},
};
static_assert(std::size(kBarRows) == 2);
inline constexpr Point kSliderOnSheet{0, 164};
inline constexpr Point kBarsOnSheet{13, 164};
inline constexpr Blit kKnobStrip{{0, 0, 13, 60}, kSliderOnSheet};  // the knobs, left of the bars

// ---- helpers ------------------------------------------------------------------------------

bool usesBitwise(const Document& doc, int slot) { return doc.isSelected(ctl::optEQPelterra, slot); }

// The bitwise blend after PrepareMaskedData: each rectangle's background from
// `background` is erased into the work mask, then w x h of the work data painted over it. The
// work mask then holds the result; where no rectangle lay it equals the part's Mask.
void blendBitwiseInWork(WorkBitmaps& work, const Bitmap& background, std::span<const Blit> cuts, int width,
                        int height) {
    for (const Blit& c : cuts) PaintBlit(work.mask, background, c, RasterOp::SRCERASE);
    BitBlt(work.mask, 0, 0, width, height, work.data, 0, 0, RasterOp::SRCPAINT);
}

// Frame or layer: a whole-face part. Bitwise: over PreEQMainData, the result replaces the face of
// both the work image and the sheet. Additive: over the work image as it stands, all its rows.
void applyFaceLayer(Document& doc, const FaceLayer& layer) {
    Bitmap& face = doc.slot(pic::eqmain);
    Bitmap& sheet = doc.slot(pic::EQ);
    const Bitmap& data = doc.slot(pic::picEQData, layer.slot);
    const Bitmap& mask = doc.slot(pic::picEQMask, layer.slot);
    const Bitmap& baseFace = doc.slot(pic::PreEQMainData);
    if (usesBitwise(doc, layer.slot)) {
        PrepareMaskedData(doc.work, data, mask);
        blendBitwiseInWork(doc.work, baseFace, kFaceLayerBackground, kEqFaceWidth, kEqFaceHeight);
        BitBlt(face, 0, 0, kEqFaceWidth, kEqFaceHeight, doc.work.mask, 0, 0, RasterOp::SRCCOPY);
        BitBlt(sheet, 0, 0, kEqFaceWidth, kEqFaceHeight, doc.work.mask, 0, 0, RasterOp::SRCCOPY);
    } else {
        BitBlt(sheet, 0, 0, kEqFaceWidth, kEqFaceHeight, baseFace, 0, 0, RasterOp::SRCCOPY);
        LoadAdditiveWork(doc.work, data, mask);
        // The whole 275x163 work image: below the part images both read as white, so rows 116..162
        // turn white and go to the sheet with the face.
        MaskBlendAdditive(doc.work, face);
        PaintPicture(sheet, face, 0, 0);
    }
}

// Title bar, on/auto, preset or image: plain cuts of the face at the sprite places, or the part laid over them.
void applySpriteStep(Document& doc, const SpriteStep& step) {
    const Bitmap& face = doc.slot(pic::eqmain);
    Bitmap& sheet = doc.slot(pic::EQ);
    const bool include = doc.isChecked(step.check);
    if (include && usesBitwise(doc, step.slot)) {
        PrepareMaskedData(doc.work, doc.slot(pic::picEQData, step.slot), doc.slot(pic::picEQMask, step.slot));
        blendBitwiseInWork(doc.work, face, step.background, step.width, step.height);
        BitBlt(sheet, step.at.x, step.at.y, step.width, step.height, doc.work.mask, 0, 0, RasterOp::SRCCOPY);
        return;
    }
    PaintBlits(sheet, face, step.plain);
    if (include) {
        LoadAdditiveWork(doc.work, doc.slot(pic::picEQData, step.slot), doc.slot(pic::picEQMask, step.slot));
        MaskBlendAdditive(doc.work, sheet, step.at.x, step.at.y, step.width, step.height);
    }
}

// Slider rows with "BackColorを合成する": the bars over the back colour in the work pair, laid at the
// bars' place, then the knob strip.
void applySliderOverBackColour(Document& doc) {
    Bitmap& sheet = doc.slot(pic::EQ);
    const Bitmap& slider = doc.slot(pic::PreSliderData);
    const Bitmap& sliderMask = doc.slot(pic::PreSliderMask);
    const Bitmap& backColour = doc.slot(pic::EQSliderBackColor);
    WorkBitmaps& work = doc.work;
    work.data = doc.slot(pic::DefaultBackWhite);
    work.mask = work.data;
    for (const BlitRun& row : kBarRows)
        for (int k = 0; k < row.count; ++k) {
            PaintBlit(work.data, slider, row.at(k));
            PaintBlit(work.mask, sliderMask, row.at(k));
        }
    BitBlt(work.mask, 0, 0, backColour.width(), backColour.height(), backColour, 0, 0, RasterOp::SRCERASE);
    BitBlt(work.mask, 0, 0, work.data.width(), work.data.height(), work.data, 0, 0, RasterOp::SRCPAINT);
    PaintPicture(sheet, work.mask, kBarsOnSheet.x, kBarsOnSheet.y);
    PaintBlit(sheet, slider, kKnobStrip);
}

// Slider rows without the back colour: the slider graphic as it is, then its bar image in every cell.
void applyPlainSlider(Document& doc) {
    Bitmap& sheet = doc.slot(pic::EQ);
    WorkBitmaps& work = doc.work;
    work.data = doc.slot(pic::PreSliderData);
    PaintPicture(sheet, work.data, kSliderOnSheet.x, kSliderOnSheet.y);
    for (const BlitRun& row : kBarRows) PaintRun(sheet, work.data, row, kBarsOnSheet);
}

// The chosen face into the work image, and from there into the sheet.
void copyChosenFace(Document& doc) {
    Bitmap& face = doc.slot(pic::eqmain);
    BitBlt(face, 0, 0, kEqFaceWidth, kEqFaceHeight, doc.slot(EqualizerFaceSlot(doc)), 0, 0, RasterOp::SRCCOPY);
    BitBlt(doc.slot(pic::EQ), 0, 0, kEqFaceWidth, kEqFaceHeight, face, 0, 0, RasterOp::SRCCOPY);
}

}  // namespace

SlotName EqualizerFaceSlot(const Document& doc) {
    if (doc.isSelected(ctl::OpEqMain2)) return pic::PreEQMainData2;
    if (doc.isChecked(ctl::chkSkinMode)) return pic::PreEQMainData;
    if (doc.combinedPictureFlag == 0) return pic::Picture2;
    return doc.isChecked(ctl::EqUporDown) ? pic::Picture2 : pic::Picture1;
}

void BuildEqualizerSheet(Document& doc) {
    copyChosenFace(doc);
    for (const FaceLayer& layer : kFaceLayers)
        if (doc.isChecked(layer.check)) applyFaceLayer(doc, layer);
    for (const SpriteStep& step : kSpriteSteps) applySpriteStep(doc, step);
    if (doc.isChecked(ctl::UseSliderBack))
        applySliderOverBackColour(doc);
    else
        applyPlainSlider(doc);
    doc.slotChanged(pic::eqmain);
    doc.slotChanged(pic::EQ);
}

Status LoadDefaultSliderBack(Document& doc, const std::filesystem::path& programFolder) {
    auto path = resolveProgramPath(programFolder, kDefaultSliderBackTail);
    if (!path) return path.error();
    auto picture = LoadPicture(path->string());
    if (!picture) return picture.error();
    doc.assignSlot(pic::DefaultBackWhite, -1, *picture);
    return ok();
}

const Bitmap& PrepareEqmainPicture(Document& doc) {
    if (doc.isChecked(ctl::EQModeCheck)) return doc.slot(pic::EQ);
    Bitmap& face = doc.slot(pic::eqmain);
    BitBlt(face, 0, 0, kEqFaceWidth, kEqWorkHeight, doc.slot(pic::EQ), 0, 0, RasterOp::SRCCOPY);
    doc.slotChanged(pic::eqmain);
    return face;
}

}  // namespace pelterra
