// The playlist parts: for every style, the layout sheets the playlist cut-out commands read (the
// whole window 375 x 174, the shade bar, the button background and text sheets, the small
// buttons) and the scroll handle, in PartsData/playlist/<style>/. Cutting every piece out of one
// style's sheets gives a playlist that belongs with that style's other parts.
#include <string>

#include "fonts.h"
#include "glyphs.h"
#include "layout.h"
#include "parts.h"
#include "surfaces.h"

namespace partsgen {

using pelterra::kWhite;
using pelterra::RGB;
using pelterra::playlist::ButtonGroup;
using pelterra::playlist::kBarWidth;
using pelterra::playlist::kButtonGroups;
using pelterra::playlist::kCellHeight;
using pelterra::playlist::kCellWidth;
using pelterra::playlist::kComposedNormalX;
using pelterra::playlist::kSheetPressedOffset;

namespace {

constexpr Colour kHighlightWhite = RGB(252, 252, 252);

// What shows where a style draws nothing of its own: the rounded ends of glass bars, the inside
// of outline buttons. Every pixel of a sheet is drawn, since the players copy them all.
Colour frameGround(const Style& st) {
    switch (st.finish) {
        case Finish::Outline: return RGB(30, 34, 42);
        case Finish::Classic: return st.faceTop;
        case Finish::Metal:
        case Finish::Glass:
        case Finish::Flat: return shadeBy(st.faceBottom, 60);
    }
    return st.faceTop;
}

// The ground of the list and of the scroll groove beside it.
Colour listGround(const Style& st) { return st.finish == Finish::Outline ? RGB(16, 18, 24) : st.panel; }

// The ink of the text sheet: the darkest colour of the style, since the text sheet is laid over
// the buttons with AND and can only darken them.
Colour textSheetInk(const Style& st) {
    Colour darkest = st.ink;
    for (const Colour c : {st.inkPressed, st.border, st.dark})
        if (pelterra::GetRed(c) + pelterra::GetGreen(c) + pelterra::GetBlue(c) <
            pelterra::GetRed(darkest) + pelterra::GetGreen(darkest) + pelterra::GetBlue(darkest))
            darkest = c;
    return darkest;
}

Sprite groundedSprite(Size size, Colour ground) {
    Sprite s(size.w, size.h);
    fillRect(s, {0, 0, size.w, size.h}, flat(ground));
    return s;
}

// A horizontal bar whose columns between its ends are all alike, so that a tile cut from
// anywhere along it repeats without a seam. Two grip grooves run from `gripFrom` to `gripTo`,
// broken for a caption centred on `captionCentre`.
struct BarGrip {
    int top;  // row of the first groove, from the bar's top
    int from, to;
};
void drawBar(Sprite& s, Rect r, const Style& st, BarGrip grip, std::string_view caption, int captionCentre) {
    drawSurface(s, r, st, false);
    const int width = captionWidth(caption);
    const int gapFrom = caption.empty() ? 0 : captionCentre - width / 2 - 6;
    const int gapTo = caption.empty() ? 0 : gapFrom + width + 12;
    if (!caption.empty()) drawCaption(s, caption, gapFrom + 6, r.y + grip.top, st.ink);
    const Colour groove = st.finish == Finish::Outline ? st.border : mix(st.dark, st.faceTop, 90);
    const bool ridged = st.finish != Finish::Outline && st.finish != Finish::Flat;
    for (const int y : {r.y + grip.top, r.y + grip.top + 3}) {
        for (int x = grip.from; x < grip.to; ++x) {
            if (x >= gapFrom && x < gapTo) continue;
            paintPixel(s, x, y, groove);
            if (ridged) paintPixel(s, x, y + 1, st.light);
        }
    }
}

void drawSmallButton(Sprite& s, Point at, const Style& st, TitleButton button, bool pressed) {
    const Rect r{at.x, at.y, kPlSmallButtonSide, kPlSmallButtonSide};
    drawSurface(s, r, st, pressed);
    drawGlyphCentred(s, titleButtonGlyph(button), r, inkOf(st, pressed));
}

Point smallButtonPlace(TitleButton button) {
    return button == TitleButton::Close ? kPlRightSmallButton : kPlLeftSmallButton;
}

// The top row without its buttons: bar, grips and the caption in the title piece.
Sprite drawTopRowBare(const Style& st) {
    Sprite s = groundedSprite({kPlLayoutSheet.w, kPlTopRowHeight}, frameGround(st));
    drawBar(s, kPlTopRow, st, {7, 6, kPlTopTile.x + kPlTopTile.w}, "PLAYLIST", kPlTitle.x + kPlTitle.w / 2);
    return s;
}

// The shade bar without its buttons; the players write the song title over its middle.
Sprite drawShadeBarBare(const Style& st) {
    Sprite s = groundedSprite({kPlShadeSheet.w, kPlShadeActive.h}, frameGround(st));
    drawBar(s, {0, 0, kPlShadeSheet.w, kPlShadeActive.h}, st, {5, 4, kPlTopTile.x - 5}, "", 0);
    return s;
}

// A side of the list, alike in every row so that it tiles downwards: an outer edge, the face and
// an inner edge; the right side also holds the scroll groove.
void drawSide(Sprite& s, Rect r, const Style& st) {
    const bool outline = st.finish == Finish::Outline;
    fillRect(s, r, flat(outline ? frameGround(st) : mix(st.faceTop, st.faceBottom, 128)));
    auto column = [&](int x, Colour c) { fillRect(s, {x, r.y, 1, r.h}, flat(c)); };
    if (outline) {
        column(r.x + 1, st.border);
        column(r.x + r.w - 2, st.border);
        return;
    }
    column(r.x, st.border);
    column(r.x + 1, st.light);
    column(r.x + r.w - 2, st.dark);
    column(r.x + r.w - 1, st.border);
}

void drawHandle(Sprite& s, Rect r, const Style& st, bool pressed) {
    drawSurface(s, r, st, pressed);
    const Colour grip = st.finish == Finish::Outline && !pressed ? st.border : inkOf(st, pressed);
    for (const int y : {r.y + 6, r.y + 8, r.y + 10}) fillRect(s, {r.x + 2, y, r.w - 4, 1}, flat(grip));
}

// A few entries in the list, so that the sheet reads as the window it is.
void drawListEntries(Sprite& s, const Style& st) {
    const Rect list = kPlListArea;
    fillRect(s, list, flat(listGround(st)));
    const char* const entries[] = {"1. PELTERRA - FIRST LIGHT", "2. PELTERRA - OPEN SKY", "3. PELTERRA - LAST CALL"};
    int y = list.y + 4;
    for (const char* entry : entries) {
        drawCaption(s, entry, list.x + 4, y, y == list.y + 4 ? st.lit : mix(st.lit, listGround(st), 90));
        y += 9;
    }
}

void drawBottomRow(Sprite& s, const Style& st) {
    drawBar(s, kPlBottomRow, st, {3, kPlBottomTile.x, kPlBottomTile.x + kPlBottomTile.w}, "", 0);
    for (const PlMenuButton& b : kPlMenuButtons) {
        const Rect r{b.x, kPlMenuButtonY, kPlMenuButtonWidth, kCellHeight};
        drawSurface(s, r, st, false);
        drawCaptionCentred(s, b.caption, r, inkOf(st, false));
    }
    drawPanel(s, {kPlAnalyser.x + 4, kPlAnalyser.y + 10, kPlAnalyser.w - 8, 16}, st);
    const Rect time{kPlBottomRight.x + 7, kPlBottomRight.y + 7, 92, 12};
    drawPanel(s, time, st);
    drawCaptionCentred(s, "3:45", time, st.lit);
    // The resize grip in the bottom-right corner: three short diagonals.
    const Colour grip = st.finish == Finish::Outline ? st.border : st.dark;
    const int right = kPlBottomRight.x + kPlBottomRight.w - 4, bottom = kPlBottomRow.y + kPlBottomRow.h - 4;
    for (int line = 0; line < 3; ++line)
        for (int i = 0; i <= 2 + 3 * line; ++i) paintPixel(s, right - i, bottom - (2 + 3 * line) + i, grip);
}

}  // namespace

GlyphRows titleButtonGlyph(TitleButton b) {
    switch (b) {
        case TitleButton::Menu: return glyphs::kMenu;
        case TitleButton::Minimise: return glyphs::kMinimise;
        case TitleButton::Close: return glyphs::kClose;
        case TitleButton::Shade: return glyphs::kShade;
        case TitleButton::Unshade: return glyphs::kUnshade;
    }
    return glyphs::kClose;
}

Bitmap drawPlaylistLayout(const Style& st) {
    Sprite s = groundedSprite(kPlLayoutSheet, frameGround(st));
    pelterra::BitBlt(s.data, 0, 0, kPlLayoutSheet.w, kPlTopRowHeight, drawTopRowBare(st).data, 0, 0,
                     pelterra::RasterOp::SRCCOPY);
    drawSmallButton(s, kPlLeftSmallButton, st, TitleButton::Shade, false);
    drawSmallButton(s, kPlRightSmallButton, st, TitleButton::Close, false);
    drawListEntries(s, st);
    drawSide(s, kPlLeftSide, st);
    drawSide(s, kPlRightSide, st);
    fillRect(s, kPlScrollGroove, flat(listGround(st)));
    drawHandle(s, {kPlScrollGroove.x, kPlScrollGroove.y, kPlHandle.w, kPlHandle.h}, st, false);
    drawBottomRow(s, st);
    return s.data;
}

Bitmap drawPlaylistShadeBar(const Style& st) {
    Sprite s = groundedSprite(kPlShadeSheet, frameGround(st));
    for (const bool active : {true, false}) {
        const Style look = active ? st : faded(st);
        const Rect bar = active ? kPlShadeActive : kPlShadeInactive;
        pelterra::BitBlt(s.data, 0, bar.y, bar.w, bar.h, drawShadeBarBare(look).data, 0, 0, pelterra::RasterOp::SRCCOPY);
        drawSmallButton(s, {kPlLeftSmallButton.x, bar.y + kPlLeftSmallButton.y}, look, TitleButton::Unshade, false);
        drawSmallButton(s, {kPlRightSmallButton.x, bar.y + kPlRightSmallButton.y}, look, TitleButton::Close, false);
    }
    return s.data;
}

Bitmap drawPlaylistSmallButtons(const Style& st) {
    Bitmap sheet(kPlSmallSheet.w, kPlSmallSheet.h, frameGround(st));
    for (const PlSmallCell& cell : kPlSmallCells) {
        const Style look = cell.active ? st : faded(st);
        // The cell holds the bar under the button as well, so that it lies in the bar unseen.
        const Bitmap bar = cell.bar == PlBar::Top ? drawTopRowBare(look).data : drawShadeBarBare(look).data;
        const Point place = smallButtonPlace(cell.button);
        Sprite button = groundedSprite({kPlSmallButtonSide, kPlSmallButtonSide}, frameGround(st));
        pelterra::BitBlt(button.data, 0, 0, kPlSmallButtonSide, kPlSmallButtonSide, bar, place.x, place.y,
                         pelterra::RasterOp::SRCCOPY);
        drawSmallButton(button, {0, 0}, look, cell.button, cell.pressed);
        pelterra::BitBlt(sheet, cell.at.x, cell.at.y, kPlSmallButtonSide, kPlSmallButtonSide, button.data, 0, 0,
                         pelterra::RasterOp::SRCCOPY);
    }
    return sheet;
}

Bitmap drawPlaylistHandle(const Style& st) {
    Sprite s = groundedSprite(kPlHandleSheet, listGround(st));
    drawHandle(s, kPlHandle, st, false);
    drawHandle(s, kPlHandlePressed, st, true);
    return s.data;
}

namespace {

// Every menu cell of the button sheets: where it lies, its caption and whether it is pressed.
template <typename Visit>
void forEachMenuCell(Visit visit) {
    for (std::size_t g = 0; g < std::size(kButtonGroups); ++g) {
        const ButtonGroup& group = kButtonGroups[g];
        for (int j = 0; j < group.cells; ++j) {
            const int y = group.sheetY + group.cellY[j];
            visit(Rect{group.sheetX + kComposedNormalX, y, kCellWidth, kCellHeight}, kPlMenuCaptions[g][j], false);
            visit(Rect{group.sheetX + kSheetPressedOffset, y, kCellWidth, kCellHeight}, kPlMenuCaptions[g][j], true);
        }
    }
}

}  // namespace

Bitmap drawPlaylistButtonBackground(const Style& st) {
    Sprite s = groundedSprite(kPlButtonSheet, frameGround(st));
    for (const ButtonGroup& group : kButtonGroups) {
        const Rect bar{group.sheetX, group.sheetY, kBarWidth, group.height};
        fillRect(s, bar, verticalGradient(bar, st.lit, st.unlit));
    }
    forEachMenuCell([&](Rect r, std::string_view caption, bool pressed) {
        drawSurface(s, r, st, pressed);
        // Captions stay put when pressed: four letters fill the 22-pixel cell.
        drawCaptionCentred(s, caption, r, inkOf(st, pressed));
    });
    return s.data;
}

Bitmap drawPlaylistButtonText(const Style& st) {
    // White where the text leaves the buttons as they are: the sheet is laid over them with AND.
    Sprite s = groundedSprite(kPlButtonSheet, kWhite);
    forEachMenuCell([&](Rect r, std::string_view caption, bool) {
        drawCaptionCentred(s, caption, r, textSheetInk(st));
    });
    return s.data;
}

// Pure white is what an empty part slot holds, and an area left at it is the mark of a playlist
// nobody finished; a style's brightest highlight is one shade below it, which no eye tells apart.
Bitmap withoutPureWhite(Bitmap sheet) {
    for (Colour& c : sheet.pixels())
        if ((c & 0xFFFFFFu) == kWhite) c = kHighlightWhite;
    return sheet;
}

void addPlaylistParts(Library& library) {
    struct Sheet {
        std::string_view file;
        Bitmap (*draw)(const Style&);
        bool keepsWhite;  // the caption sheet: white is where it leaves the buttons as they are
    };
    static constexpr Sheet kSheets[] = {
        {kPlLayoutFile, drawPlaylistLayout, false},
        {kPlShadeFile, drawPlaylistShadeBar, false},
        {kPlButtonBackFile, drawPlaylistButtonBackground, false},
        {kPlButtonTextFile, drawPlaylistButtonText, true},
        {kPlSmallButtonsFile, drawPlaylistSmallButtons, false},
        {kPlHandleFile, drawPlaylistHandle, false},
    };
    for (const Style& st : kStyles)
        for (const Sheet& sheet : kSheets)
            library.addPicture(std::string(kPlaylistFolder) + "/" + std::string(st.name) + "/" + std::string(sheet.file),
                               sheet.keepsWhite ? sheet.draw(st) : withoutPureWhite(sheet.draw(st)));
}

}  // namespace partsgen
