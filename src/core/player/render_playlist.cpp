// The playlist window as players draw it at a size: the top row of corners, tiles and the
// centred title, the side tiles, the bottom row, the list in pledit.txt's colours (written in
// the text sheet's glyphs) and the scroll handle; or its shade bar.
#include <algorithm>
#include <string>

#include "player/glyph_text.h"
#include "player/paint.h"
#include "player/render.h"

namespace pelterra {

using namespace player;

namespace {

constexpr int kListRowHeight = 9;  // a 6-row glyph with a blank row above and two below
constexpr int kListPadding = 2;

void paintTopRow(Bitmap& w, const Bitmap& sheet, int width, bool active) {
    const int y = active ? kPlActiveY : kPlInactiveY;
    const auto piece = [&](int x, int w_) { return Rect{x, y, w_, kPlTopHeight}; };
    for (int x = kPlCornerWidth; x < width - kPlCornerWidth; x += kPlWidthStep) paint(w, sheet, piece(kPlTopTileX, kPlWidthStep), {x, 0});
    paint(w, sheet, piece(kPlTitleX, kPlTitleWidth), {(width - kPlTitleWidth) / 2, 0});
    paint(w, sheet, piece(kPlTopLeftX, kPlCornerWidth), {0, 0});
    paint(w, sheet, piece(kPlTopRightX, kPlCornerWidth), {width - kPlCornerWidth, 0});
}

void paintSides(Bitmap& w, const Bitmap& sheet, Point size) {
    for (int y = kPlTopHeight; y < size.y - kPlBottomLeft.h; y += kPlHeightStep) {
        paint(w, sheet, kPlLeftTile, {0, y});
        paint(w, sheet, kPlRightTile, {size.x - kPlRightTile.w, y});
    }
}

void paintBottomRow(Bitmap& w, const Bitmap& sheet, Point size) {
    const int y = size.y - kPlBottomLeft.h;
    for (int x = kPlBottomLeft.w; x < size.x - kPlBottomRight.w; x += kPlWidthStep) paint(w, sheet, kPlBottomTile, {x, y});
    if (size.x >= kPlAnalyserFromWidth) paint(w, sheet, kPlAnalyser, {size.x - kPlBottomRight.w - kPlAnalyser.w, y});
    paint(w, sheet, kPlBottomLeft, {0, y});
    paint(w, sheet, kPlBottomRight, {size.x - kPlBottomRight.w, y});
}

std::string duration(int seconds) {
    seconds = std::clamp(seconds, 0, 99 * 60 + 59);
    const int s = seconds % 60;
    return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

void paintList(Bitmap& w, const Skin& skin, const PlayerView& view, Point size) {
    const PlaylistColours& colours = skin.playlistColours;
    const Rect area{kPlLeftTile.w, kPlTopHeight, size.x - kPlLeftTile.w - kPlRightTile.w, size.y - kPlTopHeight - kPlBottomLeft.h};
    Line(w, area.x, area.y, area.x + area.w - 1, area.y + area.h - 1, colours.normalBackground, LineForm::FilledBox);
    const Bitmap& font = skin.sheet("text.bmp");
    const int rows = std::min(static_cast<int>(view.entries.size()), area.h / kListRowHeight);
    for (int i = 0; i < rows; ++i) {
        const int top = area.y + i * kListRowHeight;
        if (i == view.selected)
            Line(w, area.x, top, area.x + area.w - 1, top + kListRowHeight - 1, colours.selectedBackground, LineForm::FilledBox);
        const Colour ink = i == view.current ? colours.current : colours.normal;
        const std::string time = duration(view.entries[i].seconds);
        const int timeX = area.x + area.w - kListPadding - GlyphTextWidth(time);
        const Rect row{area.x + kListPadding, top, timeX - area.x - 2 * kListPadding, kListRowHeight};
        const std::string title = std::to_string(i + 1) + ". " + view.entries[i].title;
        DrawGlyphsInColour(w, font, {row.x, top + 1}, title, ink, row);
        DrawGlyphsInColour(w, font, {timeX, top + 1}, time, ink, {timeX, top, area.x + area.w - timeX, kListRowHeight});
    }
}

WindowImage shadedPlaylist(const Skin& skin, int width) {
    WindowImage image(width, kShadeHeight, kBlack, 255);
    const Bitmap& sheet = skin.sheet("pledit.bmp");
    for (int x = kPlShadeLeft.w; x < width - kPlShadeRight.w; x += kPlWidthStep) paint(image.colours, sheet, kPlShadeTile, {x, 0});
    paint(image.colours, sheet, kPlShadeLeft, {0, 0});
    paint(image.colours, sheet, kPlShadeRight, {width - kPlShadeRight.w, 0});
    return image;
}

}  // namespace

WindowImage RenderPlaylistWindow(const Skin& skin, const PlayerView& view) {
    const Point size = fittedPlaylistSize(view.playlistWidth, view.playlistHeight);
    if (view.shade) return shadedPlaylist(skin, size.x);
    WindowImage image(size.x, size.y, kBlack, 255);
    Bitmap& w = image.colours;
    const Bitmap& sheet = skin.sheet("pledit.bmp");
    paintTopRow(w, sheet, size.x, view.active);
    paintSides(w, sheet, size);
    paintBottomRow(w, sheet, size);
    paintList(w, skin, view, size);
    const bool pressed = view.isPressed(PlayerButton::PlaylistScroll);
    paint(w, sheet, pressed ? movedTo(kPlScrollHandle, kPlScrollHandlePressed) : kPlScrollHandle,
          {size.x - kPlScrollHandleRight, kPlTopHeight});
    return image;
}

}  // namespace pelterra
