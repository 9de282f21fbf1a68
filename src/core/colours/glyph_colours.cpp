#include "colours/glyph_colours.h"

#include <iterator>
#include <string_view>

#include "colours/viscolor.h"
#include "image/drawing.h"
#include "parts/part_loading.h"

namespace pelterra {

namespace {

// One glyph sheet: its swatch row, its row-colour work picture and the part slots it colours.
struct GlyphSheet {
    ControlName swatches;
    SlotName rowPicture;
    int lineEnd;     // lines run towards this x, which itself is not set
    int bandRows;    // swatches used per band
    int bands;       // bands of glyph rows, each taking the same colours
    int partIndex;   // picData(k) / picMask(k)
};

constexpr GlyphSheet kNumberSheet{ctl::NumberColor, pic::PreNumberMask, 108, 14, 1, 7};
constexpr GlyphSheet kTextSheet{ctl::PicText, pic::PreTextMask, 154, 6, 3, 8};

void colourGlyphs(Document& doc, const GlyphSheet& g) {
    // The glyph mask first: a part still to be read at its first use (the start-up choice) is read
    // now, before the row picture is painted, so that its reading cannot paint the rows over.
    const Bitmap glyphMask = doc.slot(pic::picMask, g.partIndex);
    Bitmap& rows = doc.slot(g.rowPicture);
    for (int band = 0; band < g.bands; ++band)
        for (int i = 0; i < g.bandRows; ++i) {
            const int y = band * g.bandRows + i;
            Line(rows, 0, y, g.lineEnd, y, doc.swatch(g.swatches, i));
        }
    doc.slotChanged(g.rowPicture);

    WorkBitmaps& work = doc.work;
    work.mask = rows;
    work.data = glyphMask;
    BitBlt(work.mask, 0, 0, work.data.width(), work.data.height(), work.data, 0, 0, RasterOp::SRCAND);
    doc.assignSlot(pic::picData, g.partIndex, work.mask);
    // The number and text sheets are composed from these Data images.
}

}  // namespace

void InterpolateNumberColours(Document& doc) { InterpolateSwatches(doc, kNumberSheet.swatches, kNumberSwatches); }
void InterpolateTextColours(Document& doc) { InterpolateSwatches(doc, kTextSheet.swatches, kTextSwatches); }

void ColourNumberGlyphs(Document& doc) { colourGlyphs(doc, kNumberSheet); }
void ColourTextGlyphs(Document& doc) { colourGlyphs(doc, kTextSheet); }

}  // namespace pelterra
