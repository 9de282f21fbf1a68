// The playlist parts: for every style, the layout sheets the playlist cut-out commands read (the
// whole window 375 x 174, the shade bar, the button background and text sheets, the small
// buttons) and the scroll handle, in PartsData/playlist/<style>/, with the masks of the layout
// and shade bar (the frame covers, the user's picture shows through panes in the bars and
// strips in the sides) and the top row drawn for an unfocused window. Cutting every piece out of
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

// ---- bars and panes ----------------------------------------------------------------------

// The body of a bar: the style's raised surface over the ground. The outline style's surfaces
// are rings only, so its bars get a dark fill, tinted by the ring so that an unfocused bar dims.
// The bar covers all it spans, its rounded ends too.
Colour barFill(const Style& st) {
    return st.finish == Finish::Outline ? mix(RGB(16, 18, 24), st.border, 48) : frameGround(st);
}

void drawBarBody(Sprite& s, Rect r, const Style& st) {
    fillRect(s, r, flat(barFill(st)));
    drawSurface(s, r, st, false);
}

// The picture shows through panes cut into the bars: each 25-pixel piece that repeats along a
// bar (the left corner, the top and bottom tiles, both ends of the title) holds one window 21
// wide in a sunken rim, with frame between the windows. A widened playlist repeats panes and
// frame alike, so no run of the picture along a bar is longer than one window.
constexpr int kPaneStep = 25;
constexpr int kPaneInsetX = 3;  // the frame between two panes and the rim, left of the window
constexpr int kPaneWindowWidth = 21;
constexpr int kPaneInsetY = 4;  // frame and rim above and below the window

void sinkRim(Sprite& s, Rect window, const Style& st) {
    const bool outline = st.finish == Finish::Outline;
    bevel(s, {window.x - 1, window.y - 1, window.w + 2, window.h + 2}, outline ? st.border : st.dark,
          outline ? st.border : st.light);
    clearRect(s, window);
}

Rect paneWindow(int x, Rect bar) {
    return {x + kPaneInsetX, bar.y + kPaneInsetY, kPaneWindowWidth, bar.h - 2 * kPaneInsetY};
}

void cutPane(Sprite& s, int x, Rect bar, const Style& st) { sinkRim(s, paneWindow(x, bar), st); }

bool overlaps(int from, int to, Rect r) { return from < r.x + r.w && to > r.x; }

void drawSmallButton(Sprite& s, Point at, const Style& st, TitleButton button, bool pressed) {
    const Rect r{at.x, at.y, kPlSmallButtonSide, kPlSmallButtonSide};
    drawSurface(s, r, st, pressed);
    drawGlyphCentred(s, titleButtonGlyph(button), r, inkOf(st, pressed));
}

Point smallButtonPlace(TitleButton button) {
    return button == TitleButton::Close ? kPlRightSmallButton : kPlLeftSmallButton;
}

// The top row without its buttons: the bar with a pane in the left corner and every tile, and
// the title, a plate with the caption between two panes. The right corner holds the buttons.
Sprite drawTopRowBare(const Style& st) {
    Sprite s(kPlLayoutSheet.w, kPlTopRowHeight);
    drawBarBody(s, kPlTopRow, st);
    drawBarBody(s, kPlTitle, st);
    for (int x = 0; x <= kPlTopTile.x; x += kPaneStep)
        if (!overlaps(x, x + kPaneStep, kPlTitle)) cutPane(s, x, kPlTopRow, st);
    cutPane(s, kPlTitle.x, kPlTopRow, st);
    cutPane(s, kPlTitle.x + kPlTitle.w - kPaneStep, kPlTopRow, st);
    drawCaptionCentred(s, "PLAYLIST", kPlTitle, st.ink);
    return s;
}

Sprite drawTopRow(const Style& st) {
    Sprite s = drawTopRowBare(st);
    drawSmallButton(s, kPlLeftSmallButton, st, TitleButton::Shade, false);
    drawSmallButton(s, kPlRightSmallButton, st, TitleButton::Close, false);
    return s;
}

// The shade bar without its buttons, with panes in its left end, its middle tile and its right
// end left of the buttons; the players write the song title over its middle.
Sprite drawShadeBarBare(const Style& st) {
    Sprite s(kPlShadeSheet.w, kPlShadeActive.h);
    const Rect bar{0, 0, kPlShadeSheet.w, kPlShadeActive.h};
    drawBarBody(s, bar, st);
    for (int x = 0; x <= kPlTopTile.x; x += kPaneStep) cutPane(s, x, bar, st);
    return s;
}

// A side of the list, alike in every row so that it tiles downwards: an outer edge, the face
// with a strip of the picture in a sunken rim, an inner edge; the right side also holds the
// scroll groove.
void drawSide(Sprite& s, Rect r, const Style& st, Rect window) {
    const bool outline = st.finish == Finish::Outline;
    fillRect(s, r, flat(outline ? barFill(st) : mix(st.faceTop, st.faceBottom, 128)));
    auto column = [&](int x, Colour c) { fillRect(s, {x, r.y, 1, r.h}, flat(c)); };
    if (outline) {
        column(r.x + 1, st.border);
        column(r.x + r.w - 2, st.border);
    } else {
        column(r.x, st.border);
        column(r.x + 1, st.light);
        column(r.x + r.w - 2, st.dark);
        column(r.x + r.w - 1, st.border);
    }
    column(window.x - 1, outline ? st.border : st.dark);
    column(window.x + window.w, outline ? st.border : st.light);
    clearRect(s, window);
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
    drawBarBody(s, kPlBottomRow, st);
    // The menu buttons stand in a well of the picture, as the main window's buttons stand on it.
    sinkRim(s, {kPlBottomLeft.x + 3, kPlMenuButtonY, kPlBottomLeft.w - 4, kCellHeight}, st);
    cutPane(s, kPlBottomTile.x, kPlBottomRow, st);
    for (const PlMenuButton& b : kPlMenuButtons) {
        // Each button covers its whole cell: rounded corners and an outline button's inside show
        // the bar, not the picture, as the menu cells that open over them do.
        const Rect r{b.x, kPlMenuButtonY, kPlMenuButtonWidth, kCellHeight};
        fillRect(s, r, flat(barFill(st)));
        drawMenuButton(s, r, st, b.caption, false);
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

// The whole layout sheet as a sprite: its Data is the layout sheet, its Mask the layout mask.
Sprite drawLayoutSprite(const Style& st) {
    Sprite s(kPlLayoutSheet.w, kPlLayoutSheet.h);
    const Sprite top = drawTopRow(st);
    pelterra::BitBlt(s.data, 0, 0, kPlLayoutSheet.w, kPlTopRowHeight, top.data, 0, 0, pelterra::RasterOp::SRCCOPY);
    pelterra::BitBlt(s.mask, 0, 0, kPlLayoutSheet.w, kPlTopRowHeight, top.mask, 0, 0, pelterra::RasterOp::SRCCOPY);
    drawListEntries(s, st);
    drawSide(s, kPlLeftSide, st, {kPlLeftSide.x + 3, kPlLeftSide.y, 6, kPlLeftSide.h});
    drawSide(s, kPlRightSide, st, {kPlRightSide.x + 14, kPlRightSide.y, 3, kPlRightSide.h});
    fillRect(s, kPlScrollGroove, flat(listGround(st)));
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
