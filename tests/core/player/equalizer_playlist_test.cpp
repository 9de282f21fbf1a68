// The equalizer and playlist windows from a synthetic skin, and the three laid out together.
#include <gtest/gtest.h>

#include "player/render.h"
#include "synthetic_skin.h"

namespace {

using namespace pelterra;
using namespace pelterra::player_test;

TEST(EqualizerWindow, BandBarFrameAndKnobFollowTheLevel) {
    PlayerView view;
    view.bands.fill(0);
    view.bands[0] = 12;
    view.bands[1] = -12;
    const WindowImage w = RenderEqualizerWindow(syntheticSkin(), view);
    // +12 dB: the last frame (second row, column 13), the knob at the top
    EXPECT_EQ(w.colours.at(78 + 13, 38 + 30), coded("eqmain.bmp", 13 + 13 * 15 + 13, 229 + 30));
    EXPECT_EQ(w.colours.at(78 + 1 + 5, 38 + 5), coded("eqmain.bmp", 5, 164 + 5));
    // -12 dB: the first frame, the knob 51 rows down
    EXPECT_EQ(w.colours.at(96 + 13, 38 + 30), coded("eqmain.bmp", 13 + 13, 164 + 30));
    EXPECT_EQ(w.colours.at(96 + 1 + 5, 38 + 51 + 5), coded("eqmain.bmp", 5, 164 + 5));
    // 0 dB on the preamp: frame 14 (second row, column 0), the knob half way
    EXPECT_EQ(w.colours.at(21 + 13, 38 + 2), coded("eqmain.bmp", 13 + 13, 229 + 2));
    EXPECT_EQ(w.colours.at(21 + 1 + 5, 38 + 26 + 5), coded("eqmain.bmp", 5, 164 + 5));
}

TEST(EqualizerWindow, PressedKnobsAndSwitchesTakeTheirPressedCells) {
    PlayerView view;
    view.eqOn = true;
    view.eqAuto = false;
    view.press(PlayerButton::EqSliderKnobs).press(PlayerButton::EqOn).press(PlayerButton::EqClose);
    const WindowImage w = RenderEqualizerWindow(syntheticSkin(), view);
    EXPECT_EQ(w.colours.at(21 + 1 + 5, 38 + 26 + 5), coded("eqmain.bmp", 5, 176 + 5));
    EXPECT_EQ(w.colours.at(14 + 3, 18 + 3), coded("eqmain.bmp", 187 + 3, 119 + 3));  // ON, on and pressed
    EXPECT_EQ(w.colours.at(40 + 3, 18 + 3), coded("eqmain.bmp", 36 + 3, 119 + 3));   // AUTO off
    EXPECT_EQ(w.colours.at(264 + 3, 3 + 3), coded("eqmain.bmp", 3, 125 + 3));        // close pressed
    EXPECT_EQ(w.colours.at(217 + 3, 18 + 3), coded("eqmain.bmp", 224 + 3, 164 + 3)); // presets
}

TEST(EqualizerWindow, GraphCurveTakesTheLineColourOfItsRowAndThePreampLineItsLevel) {
    PlayerView view;
    view.bands.fill(0);
    view.preamp = 12;
    const WindowImage w = RenderEqualizerWindow(syntheticSkin(), view);
    EXPECT_EQ(w.colours.at(86 + 50, 17 + 9), coded("eqmain.bmp", 115, 294 + 9));  // the flat curve at 0 dB
    EXPECT_EQ(w.colours.at(86 + 50, 17 + 0), coded("eqmain.bmp", 50, 314));       // preamp +12: the top row
    EXPECT_EQ(w.colours.at(86 + 50, 17 + 4), coded("eqmain.bmp", 50, 294 + 4));   // the graph background
    view.bands.fill(-12);
    const WindowImage low = RenderEqualizerWindow(syntheticSkin(), view);
    EXPECT_EQ(low.colours.at(86 + 112, 17 + 18), coded("eqmain.bmp", 115, 294 + 18));
}

TEST(EqualizerWindow, TitleFollowsTheFocusAndShadeModeShowsTheTitleBar) {
    PlayerView view;
    view.active = false;
    EXPECT_EQ(RenderEqualizerWindow(syntheticSkin(), view).colours.at(100, 5), coded("eqmain.bmp", 100, 149 + 5));
    view.shade = true;
    const WindowImage shaded = RenderEqualizerWindow(syntheticSkin(), view);
    ASSERT_EQ(shaded.height(), 14);
    EXPECT_EQ(shaded.colours.at(100, 5), coded("eqmain.bmp", 100, 149 + 5));
}

TEST(EqualizerWindow, RegionEqualizerSectionCutsIt) {
    const std::string region = "[Equalizer]\r\nNumPoints=4\r\nPointList=0,0,275,0,275,100,0,100\r\n";
    const WindowImage w = RenderEqualizerWindow(syntheticSkin({.texts = {{"region.txt", region}}}), {});
    EXPECT_EQ(w.alphaAt(10, 99), 255);
    EXPECT_EQ(w.alphaAt(10, 100), 0);
}

PlayerView playlistView(int width, int height) {
    PlayerView view;
    view.playlistWidth = width;
    view.playlistHeight = height;
    return view;
}

TEST(PlaylistWindow, EdgesAreTiledToTheSize) {
    const WindowImage w = RenderPlaylistWindow(syntheticSkin(), playlistView(325, 174));
    ASSERT_EQ(w.width(), 325);
    ASSERT_EQ(w.height(), 174);
    EXPECT_EQ(w.colours.at(3, 5), coded("pledit.bmp", 3, 5));                  // top left corner
    EXPECT_EQ(w.colours.at(275 + 3, 5), coded("pledit.bmp", 127 + 3, 5));      // a top tile
    EXPECT_EQ(w.colours.at((325 - 100) / 2 + 3, 5), coded("pledit.bmp", 26 + 3, 5));  // the title, centred
    EXPECT_EQ(w.colours.at(300 + 3, 5), coded("pledit.bmp", 153 + 3, 5));      // top right corner
    for (int y : {20, 49, 78, 107}) {
        EXPECT_EQ(w.colours.at(2, y + 4), coded("pledit.bmp", 2, 42 + 4)) << y;             // left tiles
        EXPECT_EQ(w.colours.at(325 - 20 + 1, y + 4), coded("pledit.bmp", 31 + 1, 42 + 4)) << y;  // right tiles
    }
    EXPECT_EQ(w.colours.at(3, 136 + 5), coded("pledit.bmp", 3, 72 + 5));           // bottom left
    EXPECT_EQ(w.colours.at(125 + 3, 136 + 5), coded("pledit.bmp", 179 + 3, 5));    // bottom tiles
    EXPECT_EQ(w.colours.at(150 + 3, 136 + 5), coded("pledit.bmp", 179 + 3, 5));
    EXPECT_EQ(w.colours.at(175 + 3, 136 + 5), coded("pledit.bmp", 126 + 3, 72 + 5));  // bottom right
}

TEST(PlaylistWindow, TheAnalyserShowsFrom350WideAndSizesAreTakenDownToTheGrid) {
    const WindowImage w = RenderPlaylistWindow(syntheticSkin(), playlistView(360, 150));
    ASSERT_EQ(w.width(), 350);
    ASSERT_EQ(w.height(), 145);
    EXPECT_EQ(w.colours.at(125 + 3, 107 + 5), coded("pledit.bmp", 205 + 3, 5));
    EXPECT_FALSE(IsPlaylistSize(360, 150));
    EXPECT_TRUE(IsPlaylistSize(350, 145));
    EXPECT_FALSE(IsPlaylistSize(250, 116));
}

TEST(PlaylistWindow, ListIsDrawnInThePleditColours) {
    const std::string pledit = "[Text]\r\nNormal=#102030\r\nCurrent=#405060\r\nNormalBG=#708090\r\nSelectedBG=#A0B0C0\r\nFont=Arial\r\n";
    PlayerView view = playlistView(275, 116);
    view.current = 0;
    view.selected = 1;
    view.entries.resize(3);
    const WindowImage w = RenderPlaylistWindow(syntheticSkin({.texts = {{"pledit.txt", pledit}}}), view);
    EXPECT_EQ(w.colours.at(14, 20 + 1), RGB(0x40, 0x50, 0x60));           // the playing entry's first glyph
    EXPECT_EQ(w.colours.at(14, 20 + 9 * 2 + 1), RGB(0x10, 0x20, 0x30));   // another entry
    EXPECT_EQ(w.colours.at(254, 20 + 9 + 8), RGB(0xA0, 0xB0, 0xC0));      // the selected row's background
    EXPECT_EQ(w.colours.at(150, 20 + 9 * 4 + 4), RGB(0x70, 0x80, 0x90));  // below the entries
}

TEST(PlaylistWindow, ScrollHandleAndShadeBar) {
    PlayerView view = playlistView(300, 116);
    view.press(PlayerButton::PlaylistScroll);
    const WindowImage w = RenderPlaylistWindow(syntheticSkin(), view);
    EXPECT_EQ(w.colours.at(300 - 15 + 2, 20 + 2), coded("pledit.bmp", 61 + 2, 53 + 2));
    view.shade = true;
    const WindowImage shaded = RenderPlaylistWindow(syntheticSkin(), view);
    ASSERT_EQ(shaded.width(), 300);
    ASSERT_EQ(shaded.height(), 14);
    EXPECT_EQ(shaded.colours.at(2, 2), coded("pledit.bmp", 72 + 2, 42 + 2));
    EXPECT_EQ(shaded.colours.at(25 + 2, 2), coded("pledit.bmp", 72 + 2, 57 + 2));
    EXPECT_EQ(shaded.colours.at(250 + 2, 2), coded("pledit.bmp", 99 + 2, 42 + 2));
}

TEST(AllWindows, MainOverEqualizerWithThePlaylistBesideAndScaledByReplication) {
    const Skin skin = syntheticSkin();
    PlayerView view = playlistView(300, 145);
    const WindowImage all = RenderPlayer(skin, view, PlayerWindow::All);
    ASSERT_EQ(all.width(), 575);
    ASSERT_EQ(all.height(), 232);
    EXPECT_EQ(all.colours.at(3, 20), coded("main.bmp", 3, 20));
    EXPECT_EQ(all.colours.at(3, 116 + 20), coded("eqmain.bmp", 3, 20));
    EXPECT_EQ(all.colours.at(275 + 3, 5), coded("pledit.bmp", 3, 5));
    EXPECT_EQ(all.alphaAt(275 + 3, 150), 0);  // below the playlist: nothing
    EXPECT_EQ(all.alphaAt(275 + 3, 140), 255);

    const WindowImage big = RenderPlayer(skin, view, PlayerWindow::All, 3);
    ASSERT_EQ(big.width(), 575 * 3);
    ASSERT_EQ(big.height(), 232 * 3);
    for (const auto& [x, y] : {std::pair{3, 20}, std::pair{278, 5}, std::pair{400, 200}}) {
        EXPECT_EQ(big.colours.at(3 * x + 2, 3 * y + 1), all.colours.at(x, y));
        EXPECT_EQ(big.alphaAt(3 * x, 3 * y + 2), all.alphaAt(x, y));
    }
    view.shade = true;
    const WindowImage shaded = RenderPlayer(skin, view, PlayerWindow::All);
    EXPECT_EQ(shaded.height(), 28);
}

// The size a drawing will have is what the picture limits are checked against before anything
// is drawn, so it must be the size RenderPlayer then draws, for every window, shade mode,
// playlist size (taken down to the grid) and scale (held to 1 to 8).
TEST(AllWindows, TheSizeKnownBeforeDrawingIsTheSizeDrawn) {
    const Skin skin = syntheticSkin();
    const struct {
        PlayerWindow window;
        bool shade;
        int playlistWidth, playlistHeight, scale;
        PlayerImageSize size;
    } cases[] = {
        {PlayerWindow::Main, false, 275, 116, 1, {275, 116}},
        {PlayerWindow::Equalizer, true, 275, 116, 2, {550, 28}},
        {PlayerWindow::Playlist, false, 330, 150, 3, {975, 435}},
        {PlayerWindow::Playlist, true, 350, 174, 1, {350, 14}},
        {PlayerWindow::All, false, 300, 400, 2, {1150, 754}},
        {PlayerWindow::All, true, 300, 145, 0, {575, 28}},
        {PlayerWindow::All, false, 275, 116, 99, {4400, 1856}},
    };
    for (const auto& c : cases) {
        PlayerView view = playlistView(c.playlistWidth, c.playlistHeight);
        view.shade = c.shade;
        const PlayerImageSize size = SizeOfPlayerImage(view, c.window, c.scale);
        const std::string which = std::to_string(static_cast<int>(c.window)) + " at " + std::to_string(c.scale);
        EXPECT_EQ(size, c.size) << which;
        const WindowImage drawn = RenderPlayer(skin, view, c.window, c.scale);
        EXPECT_EQ((PlayerImageSize{drawn.width(), drawn.height()}), size) << which;
    }
}

}  // namespace
