// The renderer: draws a skin's three windows as Winamp 2 compatible players compose them (main
// window and equalizer 275x116, the playlist at its size, each 14 rows high in shade mode), with
// region.txt cutting the windows' outlines, and lays them out together. Plain pixel copies: a
// render of all three windows costs well under a millisecond, so a view can redraw on every edit.
#pragma once

#include "player/player_view.h"
#include "player/skin.h"

namespace pelterra {

enum class PlayerWindow { Main, Equalizer, Playlist, All };

inline constexpr int kMaxRenderScale = 8;
inline constexpr int kMaxPlaylistSide = 4000;

WindowImage RenderMainWindow(const Skin& skin, const PlayerView& view);
WindowImage RenderEqualizerWindow(const Skin& skin, const PlayerView& view);
// The playlist at the view's size, taken down to the nearest size players allow (275 + 25n by
// 116 + 29m, at least 275x116).
WindowImage RenderPlaylistWindow(const Skin& skin, const PlayerView& view);

// One window, or all three as players first lay them out: the main window with the equalizer
// below it and the playlist to their right, top edges level; every pixel repeated `scale` times
// (1 to kMaxRenderScale) across and down. Uncovered pixels are transparent.
WindowImage RenderPlayer(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale = 1);

// The width and height RenderPlayer draws for the same arguments, found without drawing: a
// caller holds it to the picture limits (CheckPictureToMake) before anything is drawn.
struct PlayerImageSize {
    long long width = 0;
    long long height = 0;
    bool operator==(const PlayerImageSize&) const = default;
};
PlayerImageSize SizeOfPlayerImage(const PlayerView& view, PlayerWindow window, int scale = 1);

// True when players can size the playlist so: 275 + 25n by 116 + 29m, up to kMaxPlaylistSide.
bool IsPlaylistSize(int width, int height);

// Every pixel of the image as a square of factor x factor pixels (std::length_error when that is
// beyond the picture limits).
WindowImage ScaleUp(WindowImage image, int factor);

// The pixels of a width x height window inside the polygons (255) or outside all (0): a pixel is
// inside a polygon when its centre is, by the even-odd rule; polygons of fewer than 3 points are
// passed over, as players pass them over.
std::vector<std::uint8_t> RegionAlpha(const RegionPolygons& polygons, int width, int height);

}  // namespace pelterra
