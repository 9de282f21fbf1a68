#include "output/preview.h"

#include <iterator>
#include <string_view>

#include "image/blit.h"
#include "image/drawing.h"
#include "output/destination.h"
#include "sheets/skin_sheets.h"

namespace pelterra {

namespace {

// One sheet rectangle painted 1:1 into a mock-up, when its check box (if any) is checked. The
// sheet is a row of the skin's sheets, looked up when the table is compiled.
struct PreviewCut {
    SlotRef sheet;
    Blit blit;
    ControlName onlyWhenChecked;  // empty: always

    consteval PreviewCut(SlotName slot, Blit b, ControlName check = {})
        : sheet(SkinSheetOf(slot).slot), blit(b), onlyWhenChecked(check) {}
};

// The main-window mock-up, in painting order.
constexpr PreviewCut kMainPreviewCuts[] = {
    {pic::volume, {{0, 0, 68, 14}, {107, 57}}},
    {pic::volume, {{15, 422, 14, 12}, {141, 57}}, ctl::VolumeCheck},
    {pic::balance, {{0, 0, 53, 14}, {168, 57}}},
    {pic::balance, {{15, 422, 14, 12}, {189, 57}}, ctl::BalanceCheck},
    {pic::cbuttons, {{0, 0, 114, 18}, {16, 88}}},
    {pic::cbuttons, {{114, 0, 22, 16}, {136, 89}}},
    {pic::posbar, {{0, 0, 248, 10}, {16, 72}}},
    {pic::posbar, {{248, 0, 30, 10}, {16, 72}}, ctl::PosbarCheck},
    {pic::monoster, {{0, 0, 29, 12}, {239, 41}}},
    {pic::monoster, {{29, 0, 29, 12}, {212, 41}}},
    {pic::shufrep, {{0, 45, 28, 15}, {210, 89}}},
    {pic::shufrep, {{28, 0, 47, 15}, {164, 89}}},
    {pic::shufrep, {{0, 61, 46, 12}, {219, 58}}},
    {pic::titlebar, {{27, 0, 276, 15}, {0, 0}}},
    {pic::titlebar, {{304, 0, 8, 43}, {10, 22}}},
    {pic::playpaus, {{0, 0, 9, 9}, {26, 28}}},
    {pic::playpaus, {{0, 0, 3, 9}, {26, 28}}},
};
static_assert(std::size(kMainPreviewCuts) == 17);

// Sample song title and time: cuts of the text part picData(8) and of the number sheet.
constexpr PreviewCut kSampleTextCuts[] = {
    {pic::picData, {{0, 0, 154, 6}, {111, 25}}},
    {pic::picData, {{5, 6, 5, 6}, {111, 43}}},
    {pic::picData, {{10, 6, 5, 6}, {116, 43}}},
    {pic::picData, {{40, 6, 5, 6}, {121, 43}}},
    {pic::picData, {{20, 6, 5, 6}, {156, 43}}},
    {pic::picData, {{20, 6, 5, 6}, {161, 43}}},
    {pic::number, {{99, 0, 9, 13}, {36, 26}}},
    {pic::number, {{0, 0, 9, 13}, {48, 26}}},
    {pic::number, {{9, 0, 9, 13}, {60, 26}}},
    {pic::number, {{18, 0, 9, 13}, {78, 26}}},
    {pic::number, {{27, 0, 9, 13}, {90, 26}}},
};
static_assert(std::size(kSampleTextCuts) == 11);

// The equalizer mock-up: the face of the EQ sheet, then its sprites over it.
constexpr Blit kEqualizerFace{{0, 0, 275, 116}, {0, 0}};
constexpr PreviewCut kEqPreviewCuts[] = {
    {pic::EQ, {{0, 134, 275, 14}, {0, 0}}},
    {pic::EQ, {{10, 119, 58, 12}, {14, 18}}},
    {pic::EQ, {{0, 294, 113, 19}, {86, 17}}, ctl::EQModeCheck},
    {pic::EQ, {{0, 314, 113, 1}, {86, 26}}, ctl::EQModeCheck},
    {pic::EQ, {{224, 164, 44, 12}, {217, 18}}, ctl::EQModeCheck},
    {pic::EQ, {{13, 164, 13, 63}, {21, 38}}, ctl::EQModeCheck},
    {pic::EQ, {{0, 164, 11, 11}, {22, 63}}, ctl::EQModeCheck},
};
static_assert(std::size(kEqPreviewCuts) == 7);

// The ten band sliders of the equalizer mock-up, with "EQ Slider": the bars, then their knobs
// (no knob overlaps another band's bar, so the order within a band does not matter).
constexpr BlitRun kBandSliders[] = {
    {{{13, 164, 13, 63}, {78, 38}}, {18, 0}, 10},
    {{{0, 164, 11, 11}, {79, 63}}, {18, 0}, 10},
};
static_assert(std::size(kBandSliders) == 2);

void paintCuts(Document& doc, Bitmap& target, std::span<const PreviewCut> cuts) {
    for (const PreviewCut& c : cuts) {
        if (!c.onlyWhenChecked.empty() && !doc.isChecked(c.onlyWhenChecked)) continue;
        PaintBlit(target, doc.slot(c.sheet.name, c.sheet.index), c.blit);
    }
}

// The visualisation area: the viscolor background with its grid of dots, or black.
void paintVisualisation(Document& doc, Bitmap& preview) {
    if (!doc.isChecked(ctl::ViscolorCheck)) {
        Line(preview, 25, 43, 100, 58, kBlack, LineForm::FilledBox);
        return;
    }
    Line(preview, 25, 43, 100, 58, doc.swatch(ctl::ViscolorBack, 1), LineForm::FilledBox);
    const Colour dot = doc.swatch(ctl::ViscolorBack, 0);
    for (int i = 0; i <= 18; ++i)
        for (int j = 0; j <= 7; ++j) {
            SetPixel(preview, 25 + 4 * i, 58 - 2 * j, dot);
            SetPixel(preview, 27 + 4 * i, 58 - 2 * j, dot);
        }
}

void composeMainPreview(Document& doc) {
    Bitmap& preview = doc.slot(pic::PreView);
    assign(preview, doc.slot(pic::Main));
    paintCuts(doc, preview, kMainPreviewCuts);
    Line(preview, 111, 25, 265, 35, kBlack, LineForm::FilledBox);
    paintCuts(doc, preview, kSampleTextCuts);
    paintVisualisation(doc, preview);
    doc.slotChanged(pic::PreView);
}

void composeEqualizerPreview(Document& doc) {
    Bitmap& preview = doc.slot(pic::EQPreView);
    const Bitmap& eq = doc.slot(pic::EQ);
    PaintBlit(preview, eq, kEqualizerFace);
    paintCuts(doc, preview, kEqPreviewCuts);
    if (doc.isChecked(ctl::EQModeCheck))
        for (const BlitRun& run : kBandSliders) PaintRun(preview, eq, run);
    doc.slotChanged(pic::EQPreView);
}

}  // namespace

void ComposePreview(Document& doc) {
    const auto destination = ResolveDestination(doc);
    doc.setText(ctl::Label2, destination ? destination->label() : destination.error().message);
    composeMainPreview(doc);
    composeEqualizerPreview(doc);
    doc.assignSlot(pic::PreViewPL, -1, doc.slot(pic::picPL));
}

}  // namespace pelterra
