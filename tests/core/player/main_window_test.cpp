// The main window drawn from a synthetic skin: each checked pixel must come from the sprite and
// the place the players use (skin-layout: "How the players compose the three windows").
#include <gtest/gtest.h>

#include "player/render.h"
#include "synthetic_skin.h"

namespace {

using namespace pelterra;
using namespace pelterra::player_test;

WindowImage mainWindow(const PlayerView& view = {}, const SkinParts& parts = {}) {
    return RenderMainWindow(syntheticSkin(parts), view);
}

TEST(MainWindow, IsExactly275By116AndOpaqueWithoutRegion) {
    const WindowImage w = mainWindow();
    ASSERT_EQ(w.width(), 275);
    ASSERT_EQ(w.height(), 116);
    EXPECT_EQ(std::count(w.alpha.begin(), w.alpha.end(), 255), 275 * 116);
    EXPECT_EQ(w.colours.at(3, 20), coded("main.bmp", 3, 20));  // the face where nothing is drawn over it
}

TEST(MainWindow, TransportButtonsComeFromTheirCellsAndNextIs22Wide) {
    const WindowImage w = mainWindow();
    EXPECT_EQ(w.colours.at(16 + 5, 88 + 7), coded("cbuttons.bmp", 0 + 5, 7));    // previous
    EXPECT_EQ(w.colours.at(39 + 5, 88 + 7), coded("cbuttons.bmp", 23 + 5, 7));   // play
    EXPECT_EQ(w.colours.at(108 + 21, 88), coded("cbuttons.bmp", 92 + 21, 0));    // next, last column
    EXPECT_EQ(w.colours.at(108 + 22, 88), coded("main.bmp", 130, 88));           // beyond next: the face
    EXPECT_EQ(w.colours.at(136 + 4, 89 + 15), coded("cbuttons.bmp", 114 + 4, 15));  // eject
}

TEST(MainWindow, APressedButtonTakesItsPressedCellAndOnlyIt) {
    const WindowImage w = mainWindow(PlayerView{}.press(PlayerButton::Play).press(PlayerButton::Eject));
    EXPECT_EQ(w.colours.at(39 + 5, 88 + 7), coded("cbuttons.bmp", 23 + 5, 18 + 7));
    EXPECT_EQ(w.colours.at(136 + 4, 89 + 2), coded("cbuttons.bmp", 114 + 4, 16 + 2));
    EXPECT_EQ(w.colours.at(62 + 5, 88 + 7), coded("cbuttons.bmp", 46 + 5, 7));  // pause stays up
}

TEST(MainWindow, TimeDigitsAndTheMinusOfWideAndNarrowDigitSheets) {
    PlayerView view;
    view.timeSeconds = 83;  // 01:23
    const WindowImage w = mainWindow(view);
    const int digits[] = {0, 1, 2, 3};
    const int xs[] = {48, 60, 78, 90};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.colours.at(xs[i] + 4, 26 + 6), coded("numbers.bmp", 9 * digits[i] + 4, 6)) << i;
    EXPECT_EQ(w.colours.at(38, 32), coded("main.bmp", 38, 32));  // counting up: no minus

    view.remaining = true;
    const WindowImage wide = mainWindow(view, {.numbersWidth = 108});
    EXPECT_EQ(wide.colours.at(36 + 4, 26 + 6), coded("numbers.bmp", 99 + 4, 6));
    const WindowImage narrow = mainWindow(view);
    EXPECT_EQ(narrow.colours.at(38, 32), coded("numbers.bmp", 20, 6));
    EXPECT_EQ(narrow.colours.at(42, 32), coded("numbers.bmp", 24, 6));
    EXPECT_EQ(narrow.colours.at(43, 32), coded("main.bmp", 43, 32));
    EXPECT_EQ(narrow.colours.at(38, 31), coded("main.bmp", 38, 31));
}

TEST(MainWindow, SongTitleIsWrittenInTextSheetGlyphsAndCutAtItsArea) {
    PlayerView view;
    view.songTitle = "Az9.\u00e4" + std::string(40, 'B');
    const WindowImage w = mainWindow(view);
    EXPECT_EQ(w.colours.at(111 + 2, 27 + 3), coded("text.bmp", 0 + 2, 3));          // A
    EXPECT_EQ(w.colours.at(116 + 2, 27 + 3), coded("text.bmp", 25 * 5 + 2, 3));     // z as Z
    EXPECT_EQ(w.colours.at(121 + 1, 27 + 1), coded("text.bmp", 9 * 5 + 1, 6 + 1));  // 9
    EXPECT_EQ(w.colours.at(126 + 1, 27 + 1), coded("text.bmp", 11 * 5 + 1, 6 + 1)); // .
    EXPECT_EQ(w.colours.at(131 + 1, 27 + 1), coded("text.bmp", 2 * 5 + 1, 12 + 1)); // ä as Ä
    EXPECT_EQ(w.colours.at(264, 27), coded("text.bmp", 5 + 3, 0));                 // a B cut at 154 columns
    EXPECT_EQ(w.colours.at(265, 27), coded("main.bmp", 265, 27));
}

TEST(MainWindow, RatesAreRightAlignedGlyphs) {
    PlayerView view;
    view.kbps = 64;
    view.khz = 8;
    const WindowImage w = mainWindow(view);
    EXPECT_EQ(w.colours.at(111, 43), coded("text.bmp", 150, 0));            // space before 64
    EXPECT_EQ(w.colours.at(116, 43), coded("text.bmp", 6 * 5, 6));          // 6
    EXPECT_EQ(w.colours.at(161, 43), coded("text.bmp", 8 * 5, 6));          // 8 after a space
}

TEST(MainWindow, VolumeFrameAndKnobFollowTheVolume) {
    for (const auto& [volume, frame, knobX] : {std::tuple{0, 0, 107}, std::tuple{50, 14, 134}, std::tuple{100, 27, 161}}) {
        PlayerView view;
        view.volume = volume;
        const WindowImage w = mainWindow(view);
        const int trackX = knobX == 107 ? 30 : 2;  // a column the knob leaves free
        EXPECT_EQ(w.colours.at(107 + trackX, 57 + 5), coded("volume.bmp", trackX, 15 * frame + 5)) << volume;
        EXPECT_EQ(w.colours.at(knobX + 3, 58 + 2), coded("volume.bmp", 15 + 3, 422 + 2)) << volume;
    }
}

TEST(MainWindow, BalanceFrameFollowsTheDistanceFromTheCentre) {
    PlayerView view;
    view.balance = -100;
    const WindowImage left = mainWindow(view);
    EXPECT_EQ(left.colours.at(177 + 30, 57 + 3), coded("balance.bmp", 9 + 30, 15 * 27 + 3));
    EXPECT_EQ(left.colours.at(177 + 3, 58 + 2), coded("balance.bmp", 15 + 3, 422 + 2));  // knob at the left end
    view.balance = 0;
    const WindowImage centre = mainWindow(view.press(PlayerButton::BalanceKnob));
    EXPECT_EQ(centre.colours.at(177 + 1, 57 + 3), coded("balance.bmp", 9 + 1, 3));
    EXPECT_EQ(centre.colours.at(189 + 3, 58 + 2), coded("balance.bmp", 0 + 3, 422 + 2));  // pressed, centred
}

TEST(MainWindow, WithoutBalanceSheetTheVolumeSheetIsUsedAndNothingIsReported) {
    const Skin skin = syntheticSkin({.leftOut = {"balance.bmp"}});
    const WindowImage w = RenderMainWindow(skin, {});
    EXPECT_EQ(w.colours.at(177 + 1, 57 + 3), coded("volume.bmp", 9 + 1, 3));
    for (const SkinNote& note : skin.missing) EXPECT_NE(note.file, "balance.bmp");
}

TEST(MainWindow, TogglesLampsAndPlayStateFollowTheView) {
    PlayerView view;
    view.shuffle = true;
    view.repeat = false;
    view.equalizerOn = false;
    view.stereo = false;
    view.playState = PlayState::Paused;
    view.press(PlayerButton::PlaylistToggle);
    const WindowImage w = mainWindow(view);
    EXPECT_EQ(w.colours.at(164 + 2, 89 + 2), coded("shufrep.bmp", 28 + 2, 30 + 2));  // shuffle on
    EXPECT_EQ(w.colours.at(210 + 2, 89 + 2), coded("shufrep.bmp", 0 + 2, 0 + 2));    // repeat off
    EXPECT_EQ(w.colours.at(219 + 2, 58 + 2), coded("shufrep.bmp", 0 + 2, 61 + 2));   // EQ off
    EXPECT_EQ(w.colours.at(242 + 2, 58 + 2), coded("shufrep.bmp", 69 + 2, 73 + 2));  // PL on, pressed
    EXPECT_EQ(w.colours.at(212 + 2, 41 + 2), coded("monoster.bmp", 29 + 2, 0 + 2));  // mono lit
    EXPECT_EQ(w.colours.at(239 + 2, 41 + 2), coded("monoster.bmp", 0 + 2, 12 + 2));  // stereo unlit
    EXPECT_EQ(w.colours.at(26 + 2, 28 + 2), coded("playpaus.bmp", 9 + 2, 2));        // paused
    EXPECT_EQ(w.colours.at(24 + 1, 28 + 2), coded("playpaus.bmp", 36 + 1, 2));       // work indicator off
}

TEST(MainWindow, PositionKnobTravels219Pixels) {
    PlayerView view;
    view.position = 100;
    const WindowImage w = mainWindow(view);
    EXPECT_EQ(w.colours.at(16 + 219 + 3, 72 + 4), coded("posbar.bmp", 248 + 3, 4));
    EXPECT_EQ(w.colours.at(16 + 3, 72 + 4), coded("posbar.bmp", 3, 4));  // the track at the left
}

TEST(MainWindow, VisualisationUsesTheViscolorLines) {
    std::string viscolor;
    for (int i = 0; i < 24; ++i) viscolor += std::to_string(i) + "," + std::to_string(100 + i) + ",7\r\n";
    PlayerView view;
    view.bars.fill(0);
    view.peaks.fill(0);
    view.bars[0] = 16;
    view.bars[1] = 4;
    view.peaks[1] = 8;
    const WindowImage w = mainWindow(view, {.texts = {{"VISCOLOR.TXT", viscolor}}});
    const auto line = [](int i) { return RGB(i, 100 + i, 7); };
    EXPECT_EQ(w.colours.at(24, 43), line(2));            // a full bar: line 2 at the top
    EXPECT_EQ(w.colours.at(26, 43 + 15), line(17));      // and line 17 at the foot
    EXPECT_EQ(w.colours.at(28, 43 + 12), line(2 + 12));  // a low bar: coloured by its height in the area
    EXPECT_EQ(w.colours.at(28, 43 + 8), line(23));       // its peak
    EXPECT_EQ(w.colours.at(27, 43 + 10), line(0));       // the gap: background
    EXPECT_EQ(w.colours.at(27, 43 + 1), line(1));        // a grid dot
}

TEST(MainWindow, RegionCutsAwayWhatLiesOutsideItsPolygons) {
    const std::string region =
        "[Normal]\r\nNumPoints=4,4\r\nPointList=0,0, 100,0, 100,116, 0,116, 200,10 210,10 210,20 200,20\r\n";
    const WindowImage w = mainWindow({}, {.texts = {{"region.txt", region}}});
    EXPECT_EQ(w.alphaAt(0, 0), 255);
    EXPECT_EQ(w.alphaAt(99, 115), 255);
    EXPECT_EQ(w.alphaAt(100, 0), 0);
    EXPECT_EQ(w.alphaAt(150, 50), 0);
    EXPECT_EQ(w.alphaAt(205, 15), 255);
    EXPECT_EQ(w.alphaAt(210, 15), 0);
    EXPECT_EQ(w.colours.at(150, 50), coded("main.bmp", 150, 50));  // colours stay: only alpha cuts
}

TEST(MainWindow, AMissingSheetIsAHatchedPlaceholderAndNamed) {
    const Skin skin = syntheticSkin({.leftOut = {"cbuttons.bmp"}});
    const WindowImage w = RenderMainWindow(skin, {});
    const Bitmap placeholder = PlaceholderSheet(136, 36);
    EXPECT_EQ(w.colours.at(16, 88), placeholder.at(0, 0));
    EXPECT_EQ(w.colours.at(16 + 3, 88), placeholder.at(3, 0));
    EXPECT_NE(placeholder.at(0, 0), placeholder.at(3, 0));
    ASSERT_FALSE(skin.missing.empty());
    EXPECT_EQ(skin.missing.front().file, "cbuttons.bmp");
}

TEST(MainWindow, ShadeModeIsTheShadeBarWithItsButtons) {
    PlayerView view;
    view.shade = true;
    view.active = false;
    const WindowImage w = mainWindow(view.press(PlayerButton::Shade));
    ASSERT_EQ(w.height(), 14);
    EXPECT_EQ(w.colours.at(100, 5), coded("titlebar.bmp", 27 + 100, 42 + 5));  // inactive shade bar
    EXPECT_EQ(w.colours.at(254 + 2, 3 + 2), coded("titlebar.bmp", 9 + 2, 27 + 2));  // unshade, pressed
    view.active = true;
    EXPECT_EQ(mainWindow(view).colours.at(100, 5), coded("titlebar.bmp", 27 + 100, 29 + 5));
}

TEST(MainWindow, TitleBarFollowsTheFocus) {
    PlayerView view;
    EXPECT_EQ(mainWindow(view).colours.at(100, 5), coded("titlebar.bmp", 127, 5));
    view.active = false;
    EXPECT_EQ(mainWindow(view).colours.at(100, 5), coded("titlebar.bmp", 127, 15 + 5));
    EXPECT_EQ(mainWindow(view).colours.at(264 + 1, 3 + 1), coded("titlebar.bmp", 18 + 1, 1));  // close
}

}  // namespace
