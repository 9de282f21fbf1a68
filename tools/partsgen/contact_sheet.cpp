// The contact sheet: every part the generator drew, its Data laid over a checkerboard through
// its Mask, with its category and name above it, packed in rows. Small parts are shown twice
// their size.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "image/blit.h"

#include "fonts.h"
#include "image/drawing.h"
#include "parts.h"

namespace partsgen {

using pelterra::RGB;

namespace {

inline constexpr int kSheetWidth = 1400;
inline constexpr int kMargin = 16;
inline constexpr int kGap = 14;
inline constexpr int kLabelScale = 2;
inline constexpr int kLabelHeight = 5 * kLabelScale + 6;
inline constexpr int kSmallPart = 160;  // parts narrower than this are shown at twice their size
inline constexpr int kCheck = 4;        // checkerboard square, in part pixels
inline constexpr Colour kSheetGround = RGB(38, 40, 44);
inline constexpr Colour kLabelInk = RGB(226, 228, 232);
inline constexpr Colour kCheckLight = RGB(214, 214, 214);
inline constexpr Colour kCheckDark = RGB(160, 160, 160);

int scaleOf(const ShownPart& part) { return part.data.width() < kSmallPart ? 2 : 1; }

// The part over the checkerboard, at its own size.
Bitmap overChecker(const ShownPart& part) {
    Bitmap shown(part.data.width(), part.data.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            pelterra::SetPixel(shown, x, y, ((x / kCheck + y / kCheck) % 2) ? kCheckDark : kCheckLight);
    Sprite s(part.data.width(), part.data.height());
    s.data = part.data;
    s.mask = part.mask;
    composite(shown, s, {0, 0});
    return shown;
}

void drawLabel(Bitmap& sheet, const std::string& text, Point at) {
    Sprite label(std::max(1, captionWidth(text)), 5);
    drawCaption(label, text, 0, 0, kLabelInk);
    Sprite big(label.width() * kLabelScale, label.height() * kLabelScale);
    pelterra::PaintPicture(big.data, label.data, 0, 0, big.width(), big.height());
    pelterra::PaintPicture(big.mask, label.mask, 0, 0, big.width(), big.height());
    composite(sheet, big, at);
}

struct Placement {
    Point at;
    int width, height;  // label and picture together
};

// Rows left to right; a part that does not fit begins the next row.
std::vector<Placement> placeParts(const std::vector<ShownPart>& parts, int& sheetHeight) {
    std::vector<Placement> placed;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const ShownPart& part : parts) {
        const int w = std::max(part.data.width() * scaleOf(part), captionWidth(part.label) * kLabelScale);
        const int h = kLabelHeight + part.data.height() * scaleOf(part);
        if (x > kMargin && x + w > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({{x, y}, w, h});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    sheetHeight = y + rowHeight + kMargin;
    return placed;
}

}  // namespace

Bitmap drawSideBySide(const std::vector<std::pair<std::string, Bitmap>>& pictures) {
    int width = kMargin, height = 0;
    for (const auto& [label, picture] : pictures) {
        width += std::max(picture.width(), captionWidth(label) * kLabelScale) + kGap;
        height = std::max(height, picture.height());
    }
    Bitmap sheet(std::max(1, width - kGap + kMargin), 2 * kMargin + kLabelHeight + height, kSheetGround);
    int x = kMargin;
    for (const auto& [label, picture] : pictures) {
        drawLabel(sheet, label, {x, kMargin});
        pelterra::BitBlt(sheet, x, kMargin + kLabelHeight, picture.width(), picture.height(), picture, 0, 0,
                         pelterra::RasterOp::SRCCOPY);
        x += std::max(picture.width(), captionWidth(label) * kLabelScale) + kGap;
    }
    return sheet;
}

Bitmap drawContactSheet(const Library& library) {
    const std::vector<ShownPart>& parts = library.shown();
    int height = 0;
    const std::vector<Placement> placed = placeParts(parts, height);
    Bitmap sheet(kSheetWidth, height, kSheetGround);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ShownPart& part = parts[i];
        const Point at = placed[i].at;
        drawLabel(sheet, part.label, at);
        const Bitmap shown = overChecker(part);
        const int scale = scaleOf(part);
        pelterra::PaintPicture(sheet, shown, at.x, at.y + kLabelHeight, shown.width() * scale, shown.height() * scale);
    }
    return sheet;
}

}  // namespace partsgen
