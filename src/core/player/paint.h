// The few drawing steps every window of the renderer is made of.
#pragma once

#include <span>
#include <string_view>

#include "image/drawing.h"
#include "player/player_sprites.h"
#include "player/skin.h"

namespace pelterra::player {

// A sheet rectangle copied 1:1 to a window point; what lies outside the sheet stays unpainted,
// as players leave it for a sheet smaller than they expect.
inline void paint(Bitmap& window, const Bitmap& sheet, const Rect& from, Point to) {
    BitBlt(window, to.x, to.y, from.w, from.h, sheet, from.x, from.y, RasterOp::SRCCOPY);
}
inline void paint(Bitmap& window, const Bitmap& sheet, const Blit& blit) { paint(window, sheet, blit.source, blit.destination); }

inline Rect movedTo(const Rect& r, Point corner) { return {corner.x, corner.y, r.w, r.h}; }

// A button in its normal or pressed state.
inline void paintButton(Bitmap& window, const Skin& skin, const Button& b, const PlayerView& view) {
    paint(window, skin.sheet(b.sheet), view.isPressed(b.button) ? movedTo(b.normal, b.pressed) : b.normal, b.at);
}

// A lamp lit or not.
inline void paintLamp(Bitmap& window, const Bitmap& sheet, const Lamp& lamp, bool on) {
    paint(window, sheet, on ? movedTo(lamp.off, lamp.on) : lamp.off, lamp.at);
}

// The frame of `frames` that a value from 0 to `range` shows, rounded to the nearest.
constexpr int frameFor(int value, int range, int frames) {
    if (value <= 0) return 0;
    if (value >= range) return frames - 1;
    return (value * (frames - 1) + range / 2) / range;
}

// Travel along a track: 0 at value 0, `travel` at `range`, rounded to the nearest pixel.
constexpr int offsetFor(int value, int range, int travel) {
    if (value <= 0) return 0;
    if (value >= range) return travel;
    return (value * travel + range / 2) / range;
}

// The playlist size players would take for the one asked: down to 275 + 25n by 116 + 29m,
// at least 275x116 and at most kMaxPlaylistSide.
Point fittedPlaylistSize(int width, int height);

// A window in shade mode: the bar (275x14) from `sheet`, the buttons on it, the region section.
WindowImage shadeBar(const Skin& skin, const Bitmap& sheet, const Rect& bar, std::span<const Button> buttons,
                     const PlayerView& view, std::string_view regionSection);

// Cuts the window to the skin's region.txt section, when the skin has one.
void applyRegion(WindowImage& image, const Skin& skin, std::string_view section);

}  // namespace pelterra::player
