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
    std::string_view swatches;
    std::string_view rowPicture;
    int lineEnd;     // lines run towards this x, which itself is not set
    int bandRows;    // swatches used per band
    int bands;       // bands of glyph rows, each taking the same colours
    int partIndex;   // picData(k) / picMask(k)
};

constexpr GlyphSheet kNumberSheet{"NumberColor", "PreNumberMask", 108, 14, 1, 7};
constexpr GlyphSheet kTextSheet{"PicText", "PreTextMask", 154, 6, 3, 8};

void colourGlyphs(Document& doc, const GlyphSheet& g) {
    Bitmap& rows = doc.slot(g.rowPicture);
    for (int band = 0; band < g.bands; ++band)
        for (int i = 0; i < g.bandRows; ++i) {
            const int y = band * g.bandRows + i;
            Line(rows, 0, y, g.lineEnd, y, doc.swatch(g.swatches, i));
        }
    doc.slotChanged(g.rowPicture);

    WorkBitmaps& work = doc.work;
    work.mask = rows;
    work.data = doc.slot("picMask", g.partIndex);
    BitBlt(work.mask, 0, 0, work.data.width(), work.data.height(), work.data, 0, 0, RasterOp::SRCAND);
    doc.assignSlot("picData", g.partIndex, work.mask);
    // The number and text sheets are composed from these Data images.
}

}  // namespace

void InterpolateNumberColours(Document& doc) { InterpolateSwatches(doc, kNumberSheet.swatches, kNumberSwatches); }
void InterpolateTextColours(Document& doc) { InterpolateSwatches(doc, kTextSheet.swatches, kTextSwatches); }

void ColourNumberGlyphs(Document& doc) { colourGlyphs(doc, kNumberSheet); }
void ColourTextGlyphs(Document& doc) { colourGlyphs(doc, kTextSheet); }

}  // namespace pelterra
