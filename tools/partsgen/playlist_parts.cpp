// The playlist parts: for every style, the layout sheets the playlist cut-out commands read (the
// whole window 375 x 174, the shade bar, the button background and text sheets, the small
// buttons) and the scroll handle, in PartsData/playlist/<style>/, with the masks of the layout
// and shade bar (the frame covers its thin lines, caption and buttons; the user's picture shows
// everywhere else) and the top row drawn for an unfocused window. Cutting every piece out of
// one style's sheets gives a playlist that belongs with that style's other parts.
#include <array>
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

// ---- captions of the menu buttons --------------------------------------------------------

// The menu buttons are 22 pixels wide; in letters three pixels wide a four-letter caption takes
// 15 of them and keeps clear of the button's rim, pressed or not.
struct NarrowLetter {
    char letter;
    std::array<std::string_view, 5> rows;
};
constexpr NarrowLetter kNarrowLetters[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}}, {'E', {"###", "#..", "##.", "#..", "###"}},
    {'F', {"###", "#..", "##.", "#..", "#.."}}, {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}}, {'M', {"#.#", "###", "###", "#.#", "#.#"}},
    {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}}, {'O', {"###", "#.#", "#.#", "#.#", "###"}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#.#", "#.#", "###", "###", "#.#"}},
};
static_assert(std::size(kNarrowLetters) == 17);
constexpr int kNarrowAdvance = 4;

const NarrowLetter* narrowLetter(char c) {
    for (const NarrowLetter& l : kNarrowLetters)
        if (l.letter == c) return &l;
    return nullptr;
}

int narrowCaptionWidth(std::string_view text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * kNarrowAdvance - 1;
}

// A pressed caption moves one row down: it shows the press and keeps its clear space sideways.
Point menuCaptionNudge(bool pressed) { return pressed ? Point{0, 1} : Point{}; }

void drawMenuCaption(Sprite& s, std::string_view caption, Rect r, Colour c, bool pressed) {
    const Point nudge = menuCaptionNudge(pressed);
    int x = r.x + (r.w - narrowCaptionWidth(caption)) / 2 + nudge.x;
    const int y = r.y + (r.h - 5 + 1) / 2 + nudge.y;
    for (const char ch : caption) {
        if (const NarrowLetter* l = narrowLetter(ch)) drawGlyph(s, GlyphRows(l->rows), x, y, c);
        x += kNarrowAdvance;
    }
}

void drawMenuButton(Sprite& s, Rect r, const Style& st, std::string_view caption, bool pressed) {
    drawSurface(s, r, st, pressed);
    drawMenuCaption(s, caption, r, inkOf(st, pressed), pressed);
}

// ---- the frame over the picture ----------------------------------------------------------

// The playlist frame is drawn in lines over the user's picture: a rim along the outer edge, a
// line along the list, a post at the start of every 25-pixel piece, the title caption between two
// brackets, and the buttons. Everything else lets the picture through. A widened window repeats
// the pieces, posts and all, so no run of the picture along a bar is longer than a tile.
constexpr int kPostStep = 25;
constexpr int kPillarWidth = 4;  // the top row's posts: wide enough that an unfocused tile dims
constexpr int kTitleBracketInset = 26;  // the title's brackets, from either end of the title

struct FrameInk {
    Colour edge;    // the outer rim
    Colour lift;    // the line along the list and the lit side of a post
    Colour middle;  // the face of a pillar
    Colour shadow;  // the shaded side of a post
};

FrameInk frameInk(const Style& st) {
    if (st.finish == Finish::Outline) return {st.border, st.border, mix(RGB(16, 18, 24), st.border, 48), st.border};
    return {st.border, st.light, mix(st.faceTop, st.faceBottom, 128), st.dark};
}

// The outline style's surfaces are rings only, so its plates get a dark fill under the ring.
Colour barFill(const Style& st) {
    return st.finish == Finish::Outline ? mix(RGB(16, 18, 24), st.border, 48) : frameGround(st);
}

void row(Sprite& s, int x, int y, int w, Colour c) { fillRect(s, {x, y, w, 1}, flat(c)); }
void column(Sprite& s, int x, int y, int h, Colour c) { fillRect(s, {x, y, 1, h}, flat(c)); }

// A post of the top row between its rims: lit side, face, shaded side.
void drawPillar(Sprite& s, int x, Rect bar, const Style& st) {
    const FrameInk ink = frameInk(st);
    fillRect(s, {x, bar.y + 1, kPillarWidth, bar.h - 2}, flat(ink.middle));
    column(s, x, bar.y + 1, bar.h - 2, ink.lift);
    column(s, x + kPillarWidth - 1, bar.y + 1, bar.h - 2, ink.shadow);
}

// A bar of the top row or the shade bar: the outer rim above, `below` under it (the line along
// the list, or the outer rim of the shade bar) and a pillar at the start of every piece.
void drawBarFrame(Sprite& s, Rect bar, const Style& st, Colour below) {
    row(s, bar.x, bar.y, bar.w, frameInk(st).edge);
    row(s, bar.x, bar.y + bar.h - 1, bar.w, below);
    // The right end holds the small buttons, which are frame enough: a thin post suffices there.
    const int rightEnd = bar.x + bar.w - kPostStep;
    for (int x = bar.x; x < rightEnd; x += kPostStep) drawPillar(s, x, bar, st);
    column(s, rightEnd, bar.y + 1, bar.h - 2, frameInk(st).shadow);
    column(s, bar.x + bar.w - 1, bar.y, bar.h, frameInk(st).edge);
}

// The title: a post at either end, the caption with a halo between two brackets that keep the
// picture beside it shorter than a tile.
void drawTitle(Sprite& s, const Style& st) {
    const Rect t = kPlTitle;
    clearRect(s, {t.x, t.y + 1, t.w, t.h - 2});
    const FrameInk ink = frameInk(st);
    for (const int x : {t.x, t.x + kTitleBracketInset, t.x + t.w - 1 - kTitleBracketInset, t.x + t.w - 1})
        column(s, x, t.y + 1, t.h - 2, ink.shadow);
    // The caption hangs from a post above it and stands on one below it: the picture between the
    // brackets is wider than a tile, so the rows above and below the caption need a break too.
    const int middle = t.x + t.w / 2;
    column(s, middle, t.y + 1, t.h - 2, ink.shadow);
    // The unfocused look's lamp colour is an unlit lamp, too dim to read on its halo: the caption
    // takes some of the style's highlight, dimmed with the rest of an unfocused row.
    const Colour caption = mix(st.lit, st.light, 96);
    drawOutlinedCaptionCentred(s, "PLAYLIST", t, caption, readableHalo(caption, ink.edge));
}

void drawSmallButton(Sprite& s, Point at, const Style& st, TitleButton button, bool pressed) {
    // The button covers its whole square, as the menu buttons do, so that its rounded corners
    // show the same ground in the bar as in the small-button sheet.
    const Rect r{at.x, at.y, kPlSmallButtonSide, kPlSmallButtonSide};
    fillRect(s, r, flat(barFill(st)));
    drawSurface(s, r, st, pressed);
    drawGlyphCentred(s, titleButtonGlyph(button), r, inkOf(st, pressed));
}

Point smallButtonPlace(TitleButton button) {
    return button == TitleButton::Close ? kPlRightSmallButton : kPlLeftSmallButton;
}

// The top row without its buttons.
Sprite drawTopRowBare(const Style& st) {
    Sprite s(kPlLayoutSheet.w, kPlTopRowHeight);
    drawBarFrame(s, kPlTopRow, st, frameInk(st).lift);
    drawTitle(s, st);
    return s;
}

Sprite drawTopRow(const Style& st) {
    Sprite s = drawTopRowBare(st);
    drawSmallButton(s, kPlLeftSmallButton, st, TitleButton::Shade, false);
    drawSmallButton(s, kPlRightSmallButton, st, TitleButton::Close, false);
    return s;
}

// The shade bar without its buttons, framed like the top row; the players write the song title
// over its middle.
Sprite drawShadeBarBare(const Style& st) {
    Sprite s(kPlShadeSheet.w, kPlShadeActive.h);
    drawBarFrame(s, {0, 0, kPlShadeSheet.w, kPlShadeActive.h}, st, frameInk(st).edge);
    return s;
}

// The sides, alike in every row so that they tile downwards: the outer rim and, on the right, a
// narrow groove the scroll handle rides in. The list's own ground makes its edge.
// Under the middle of the handle, which the players draw at x = width - 15.
constexpr int kGrooveX = kPlScrollGroove.x + kPlScrollGroove.w / 2 - 1;

void drawSides(Sprite& s, const Style& st) {
    const FrameInk ink = frameInk(st);
    const Rect l = kPlLeftSide, r = kPlRightSide;
    column(s, l.x, l.y, l.h, ink.edge);
    column(s, kGrooveX, r.y, r.h, ink.shadow);
    column(s, kGrooveX + 1, r.y, r.h, ink.lift);
    column(s, r.x + r.w - 1, r.y, r.h, ink.edge);
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
    const FrameInk ink = frameInk(st);
    const Rect bar = kPlBottomRow;
    row(s, bar.x, bar.y + bar.h - 1, bar.w, ink.edge);
    for (int x = bar.x; x < bar.x + bar.w; x += kPostStep) column(s, x, bar.y, bar.h - 1, x == 0 ? ink.edge : ink.lift);
    column(s, bar.x + bar.w - 1, bar.y, bar.h, ink.edge);
    for (const PlMenuButton& b : kPlMenuButtons) {
        // Each button covers its whole cell: rounded corners and an outline button's inside show
        // the bar, not the picture, as the menu cells that open over them do.
        const Rect r{b.x, kPlMenuButtonY, kPlMenuButtonWidth, kCellHeight};
        fillRect(s, r, flat(barFill(st)));
        drawMenuButton(s, r, st, b.caption, false);
    }
    // The resize grip in the bottom-right corner: three short ridges, lit above, shaded below.
    const int right = kPlBottomRight.x + kPlBottomRight.w - 3, bottom = bar.y + bar.h - 3;
    for (int line = 0; line < 3; ++line)
        for (int i = 0; i <= 2 + 3 * line; ++i) {
            const int x = right - i, y = bottom - (2 + 3 * line) + i;
            paintPixel(s, x, y, ink.shadow);
            paintPixel(s, x, y - 1, ink.lift);
        }
}

// The whole layout sheet as a sprite: its Data is the layout sheet, its Mask the layout mask.
Sprite drawLayoutSprite(const Style& st) {
    Sprite s(kPlLayoutSheet.w, kPlLayoutSheet.h);
    const Sprite top = drawTopRow(st);
    pelterra::BitBlt(s.data, 0, 0, kPlLayoutSheet.w, kPlTopRowHeight, top.data, 0, 0, pelterra::RasterOp::SRCCOPY);
    pelterra::BitBlt(s.mask, 0, 0, kPlLayoutSheet.w, kPlTopRowHeight, top.mask, 0, 0, pelterra::RasterOp::SRCCOPY);
    drawListEntries(s, st);
    drawSides(s, st);
    drawHandle(s, {kPlScrollGroove.x, kPlScrollGroove.y, kPlHandle.w, kPlHandle.h}, st, false);
    drawBottomRow(s, st);
    return s;
}

// Every pixel of a sheet is drawn, since the players copy them all: where the picture shows, the
// Data holds the style's ground.
Bitmap groundedData(Sprite s, const Style& st) {
    fillUncovered(s, {0, 0, s.width(), s.height()}, flat(frameGround(st)));
    return s.data;
}

Sprite drawShadeSprite(const Style& st) {
    Sprite s(kPlShadeSheet.w, kPlShadeSheet.h);
    fillRect(s, {0, kPlShadeActive.h, kPlShadeSheet.w, kPlShadeInactive.y - kPlShadeActive.h}, flat(frameGround(st)));
    for (const bool active : {true, false}) {
        const Style look = active ? st : faded(st);
        const Rect bar = active ? kPlShadeActive : kPlShadeInactive;
        const Sprite bare = drawShadeBarBare(look);
        pelterra::BitBlt(s.data, 0, bar.y, bar.w, bar.h, bare.data, 0, 0, pelterra::RasterOp::SRCCOPY);
        pelterra::BitBlt(s.mask, 0, bar.y, bar.w, bar.h, bare.mask, 0, 0, pelterra::RasterOp::SRCCOPY);
        drawSmallButton(s, {kPlLeftSmallButton.x, bar.y + kPlLeftSmallButton.y}, look, TitleButton::Unshade, false);
        drawSmallButton(s, {kPlRightSmallButton.x, bar.y + kPlRightSmallButton.y}, look, TitleButton::Close, false);
    }
    return s;
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

Bitmap drawPlaylistLayout(const Style& st) { return groundedData(drawLayoutSprite(st), st); }

Bitmap drawPlaylistLayoutMask(const Style& st) { return drawLayoutSprite(st).mask; }

// The top row of an unfocused window, dimmed, at the place of the layout sheet's top row.
Bitmap drawPlaylistInactiveTopRow(const Style& st) { return groundedData(drawTopRow(faded(st)), st); }

Bitmap drawPlaylistShadeBar(const Style& st) { return groundedData(drawShadeSprite(st), st); }

Bitmap drawPlaylistShadeMask(const Style& st) { return drawShadeSprite(st).mask; }

Bitmap drawPlaylistSmallButtons(const Style& st) {
    Bitmap sheet(kPlSmallSheet.w, kPlSmallSheet.h, frameGround(st));
    for (const PlSmallCell& cell : kPlSmallCells) {
        const Style look = cell.active ? st : faded(st);
        // The cell holds the bar under the button as well, so that it lies in the bar unseen.
        const Bitmap bar = groundedData(cell.bar == PlBar::Top ? drawTopRowBare(look) : drawShadeBarBare(look), st);
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
    forEachMenuCell([&](Rect r, std::string_view caption, bool pressed) { drawMenuButton(s, r, st, caption, pressed); });
    return s.data;
}

Bitmap drawPlaylistButtonText(const Style& st) {
    // White where the text leaves the buttons as they are: the sheet is laid over them with AND.
    Sprite s = groundedSprite(kPlButtonSheet, kWhite);
    forEachMenuCell([&](Rect r, std::string_view caption, bool pressed) {
        drawMenuCaption(s, caption, r, textSheetInk(st), pressed);
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
        bool keepsWhite;  // the caption sheet (white leaves the buttons as they are) and the masks
    };
    static constexpr Sheet kSheets[] = {
        {kPlLayoutFile, drawPlaylistLayout, false},
        {kPlLayoutMaskFile, drawPlaylistLayoutMask, true},
        {kPlInactiveTopFile, drawPlaylistInactiveTopRow, false},
        {kPlShadeFile, drawPlaylistShadeBar, false},
        {kPlShadeMaskFile, drawPlaylistShadeMask, true},
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
