#include "output/preview.h"

#include <iterator>
#include <string_view>

#include "image/drawing.h"
#include "output/destination.h"

namespace pelterra {

namespace {

// One sheet rectangle painted 1:1 into a mock-up, when its check box (if any) is checked.
struct PreviewCut {
    std::string_view sheet;
    Rect from;
    Point to;
    std::string_view onlyWhenChecked;  // empty: always
    std::string_view refreshGroup;     // the group whose flag becomes 2 once painted; may be empty
};

// The main-window mock-up, in painting order.
constexpr PreviewCut kMainPreviewCuts[] = {
    {"volume", {0, 0, 68, 14}, {107, 57}, {}, {}},
    {"volume", {15, 422, 14, 12}, {141, 57}, "VolumeCheck", {}},
    {"balance", {0, 0, 53, 14}, {168, 57}, {}, {}},
    {"balance", {15, 422, 14, 12}, {189, 57}, "BalanceCheck", {}},
    {"cbuttons", {0, 0, 114, 18}, {16, 88}, {}, "cbuttons"},
    {"cbuttons", {114, 0, 22, 16}, {136, 89}, {}, "cbuttons"},
    {"posbar", {0, 0, 248, 10}, {16, 72}, {}, "posbar"},
    {"posbar", {248, 0, 30, 10}, {16, 72}, "PosbarCheck", "posbar"},
    {"monoster", {0, 0, 29, 12}, {239, 41}, {}, "monoster"},
    {"monoster", {29, 0, 29, 12}, {212, 41}, {}, "monoster"},
    {"shufrep", {0, 45, 28, 15}, {210, 89}, {}, "shufrep"},
    {"shufrep", {28, 0, 47, 15}, {164, 89}, {}, "shufrep"},
    {"shufrep", {0, 61, 46, 12}, {219, 58}, {}, "shufrep"},
    {"titlebar", {27, 0, 276, 15}, {0, 0}, {}, "titlebar"},
    {"titlebar", {304, 0, 8, 43}, {10, 22}, {}, "titlebar"},
    {"playpaus", {0, 0, 9, 9}, {26, 28}, {}, "playpaus"},
    {"playpaus", {0, 0, 3, 9}, {26, 28}, {}, "playpaus"},
};
static_assert(std::size(kMainPreviewCuts) == 17);

// Sample song title and time: cuts of the text part picData(8) and of the number sheet.
constexpr PreviewCut kSampleTextCuts[] = {
    {"picData(8)", {0, 0, 154, 6}, {111, 25}, {}, {}},
    {"picData(8)", {5, 6, 5, 6}, {111, 43}, {}, {}},
    {"picData(8)", {10, 6, 5, 6}, {116, 43}, {}, {}},
    {"picData(8)", {40, 6, 5, 6}, {121, 43}, {}, {}},
    {"picData(8)", {20, 6, 5, 6}, {156, 43}, {}, {}},
    {"picData(8)", {20, 6, 5, 6}, {161, 43}, {}, {}},
    {"number", {99, 0, 9, 13}, {36, 26}, {}, {}},
    {"number", {0, 0, 9, 13}, {48, 26}, {}, {}},
    {"number", {9, 0, 9, 13}, {60, 26}, {}, {}},
    {"number", {18, 0, 9, 13}, {78, 26}, {}, {}},
    {"number", {27, 0, 9, 13}, {90, 26}, {}, {}},
};
static_assert(std::size(kSampleTextCuts) == 11);

// The equalizer mock-up over the face of the EQ sheet.
constexpr PreviewCut kEqPreviewCuts[] = {
    {"EQ", {0, 134, 275, 14}, {0, 0}, {}, {}},
    {"EQ", {10, 119, 58, 12}, {14, 18}, {}, {}},
    {"EQ", {0, 294, 113, 19}, {86, 17}, "EQModeCheck", {}},
    {"EQ", {0, 314, 113, 1}, {86, 26}, "EQModeCheck", {}},
    {"EQ", {224, 164, 44, 12}, {217, 18}, "EQModeCheck", {}},
    {"EQ", {13, 164, 13, 63}, {21, 38}, "EQModeCheck", {}},
    {"EQ", {0, 164, 11, 11}, {22, 63}, "EQModeCheck", {}},
};
static_assert(std::size(kEqPreviewCuts) == 7);

// The ten band sliders of the equalizer mock-up, with "EQ Slider": bar and knob per band.
struct BandSliderRow {
    Rect bar;
    Point barAt;
    Rect knob;
    Point knobAt;
    int pitch;
    int count;
};
constexpr BandSliderRow kBandSliders = {{13, 164, 13, 63}, {78, 38}, {0, 164, 11, 11}, {79, 63}, 18, 10};

const Bitmap& sheetOf(const Document& doc, std::string_view written) {
    if (written == "picData(8)") return doc.slot("picData", 8);
    return doc.slot(written);
}

void paintCuts(Document& doc, Bitmap& target, std::span<const PreviewCut> cuts) {
    for (const PreviewCut& c : cuts) {
        if (!c.onlyWhenChecked.empty() && !doc.isChecked(c.onlyWhenChecked)) continue;
        BitBlt(target, c.to.x, c.to.y, c.from.w, c.from.h, sheetOf(doc, c.sheet), c.from.x, c.from.y,
               RasterOp::SRCCOPY);
    }
}

// The visualisation area: the viscolor background with its grid of dots, or black.
void paintVisualisation(Document& doc, Bitmap& preview) {
    if (!doc.isChecked("ViscolorCheck")) {
        Line(preview, 25, 43, 100, 58, kBlack, LineForm::FilledBox);
        return;
    }
    Line(preview, 25, 43, 100, 58, doc.swatch("ViscolorBack", 1), LineForm::FilledBox);
    const Colour dot = doc.swatch("ViscolorBack", 0);
    for (int i = 0; i <= 18; ++i)
        for (int j = 0; j <= 7; ++j) {
            SetPixel(preview, 25 + 4 * i, 58 - 2 * j, dot);
            SetPixel(preview, 27 + 4 * i, 58 - 2 * j, dot);
        }
}

void composeMainPreview(Document& doc) {
    Bitmap& preview = doc.slot("PreView");
    assign(preview, doc.slot("Main"));
    paintCuts(doc, preview, kMainPreviewCuts);
    Line(preview, 111, 25, 265, 35, kBlack, LineForm::FilledBox);
    paintCuts(doc, preview, kSampleTextCuts);
    paintVisualisation(doc, preview);
    doc.slotChanged("PreView");
}

void composeEqualizerPreview(Document& doc) {
    Bitmap& preview = doc.slot("EQPreView");
    BitBlt(preview, 0, 0, 275, 116, doc.slot("EQ"), 0, 0, RasterOp::SRCCOPY);
    paintCuts(doc, preview, kEqPreviewCuts);
    if (doc.isChecked("EQModeCheck")) {
        const BandSliderRow& r = kBandSliders;
        const Bitmap& eq = doc.slot("EQ");
        for (int i = 0; i < r.count; ++i) {
            BitBlt(preview, r.barAt.x + r.pitch * i, r.barAt.y, r.bar.w, r.bar.h, eq, r.bar.x, r.bar.y, RasterOp::SRCCOPY);
            BitBlt(preview, r.knobAt.x + r.pitch * i, r.knobAt.y, r.knob.w, r.knob.h, eq, r.knob.x, r.knob.y,
                   RasterOp::SRCCOPY);
        }
    }
    doc.slotChanged("EQPreView");
}

}  // namespace

void ComposePreview(Document& doc) {
    const auto destination = ResolveDestination(doc);
    doc.setText("Label2", destination ? destination->label() : destination.error().message);
    composeMainPreview(doc);
    composeEqualizerPreview(doc);
    doc.assignSlot("PreViewPL", -1, doc.slot("picPL"));
}

}  // namespace pelterra
