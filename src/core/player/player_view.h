// PlayerView: the state a player is shown in (title focus, shade mode, pressed buttons, time,
// song, slider positions, visualisation and equalizer values, playlist size and entries), and
// WindowImage, what the renderer draws: colours plus an alpha value for every pixel (0 where
// region.txt cuts the window away).
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap.h"

namespace pelterra {

enum class PlayState { Playing, Paused, Stopped };

// Everything a view can show held down.
enum class PlayerButton {
    Previous, Play, Pause, Stop, Next, Eject, Shuffle, Repeat, EqualizerToggle, PlaylistToggle,
    Menu, Minimise, Shade, Close, PositionKnob, VolumeKnob, BalanceKnob,
    EqOn, EqAuto, EqPresets, EqClose, EqSliderKnobs, PlaylistScroll,
    Count
};
inline constexpr int kPlayerButtonCount = static_cast<int>(PlayerButton::Count);

inline constexpr int kVisBars = 19;  // 3-pixel bars with a 1-pixel gap across the 76 columns
inline constexpr int kEqBands = 10;

struct PlaylistEntry {
    std::string title;
    int seconds = 0;
};

struct PlayerView {
    bool active = true;  // focused windows: the active title bars
    bool shade = false;  // every window as its shade bar
    std::bitset<kPlayerButtonCount> pressed;

    // main window
    PlayState playState = PlayState::Playing;
    int timeSeconds = 83;     // 01:23
    bool remaining = false;   // time counted down: the minus shows
    std::string songTitle = "1. Pelterra - Sample Song (3:45)";
    int kbps = 128;
    int khz = 44;
    bool stereo = true;
    bool shuffle = false, repeat = true, equalizerOn = true, playlistOn = true;
    int position = 30;  // per cent of the song played
    int volume = 75;    // 0 (silent) to 100
    int balance = 0;    // -100 (left) to 100 (right)
    std::array<int, kVisBars> bars{3, 9, 14, 16, 13, 11, 12, 10, 8, 9, 7, 8, 6, 5, 6, 4, 3, 2, 1};   // 0..16
    std::array<int, kVisBars> peaks{5, 11, 15, 16, 15, 13, 13, 12, 10, 10, 9, 9, 8, 7, 7, 6, 5, 4, 2};

    // equalizer window, levels in dB from -12 to +12
    bool eqOn = true, eqAuto = false;
    int preamp = 0;
    std::array<int, kEqBands> bands{4, 6, 5, 2, 0, -2, -3, 0, 3, 5};

    // playlist window: 275 + 25n wide, 116 + 29m high
    int playlistWidth = 275, playlistHeight = 116;
    std::vector<PlaylistEntry> entries{{"Pelterra - Sample Song", 225}, {"Glass Garden - Morning", 197},
                                       {"The Equalizers - Ten Bands", 254}, {"Region Hole - Outline", 181},
                                       {"Magenta Hatch - Placeholder", 143}, {"Tiles Of 25 - Playlist", 312}};
    int current = 0;   // the entry playing
    int selected = 1;  // the entry selected

    bool isPressed(PlayerButton b) const { return pressed.test(static_cast<std::size_t>(b)); }
    PlayerView& press(PlayerButton b) {
        pressed.set(static_cast<std::size_t>(b));
        return *this;
    }
};

// A drawn window: colours and, per pixel, 255 where it shows and 0 where it is cut away.
struct WindowImage {
    Bitmap colours;
    std::vector<std::uint8_t> alpha;

    WindowImage() = default;
    WindowImage(int width, int height, Colour fill, std::uint8_t opacity)
        : colours(width, height, fill), alpha(static_cast<std::size_t>(width) * height, opacity) {}
    int width() const { return colours.width(); }
    int height() const { return colours.height(); }
    std::uint8_t alphaAt(int x, int y) const { return alpha[static_cast<std::size_t>(y) * colours.width() + x]; }
    bool operator==(const WindowImage&) const = default;
};

}  // namespace pelterra
