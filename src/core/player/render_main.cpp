// The main window as players draw it: face, title bar and its buttons, play state, time, the
// visualisation, song title and rates in the text sheet's font, mono/stereo, the volume,
// balance and position sliders, the equalizer and playlist toggles and the transport buttons.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "player/glyph_text.h"
#include "player/paint.h"
#include "player/render.h"

namespace pelterra {

using namespace player;

namespace {

void paintTitleBar(Bitmap& w, const Skin& skin, const PlayerView& view) {
    paint(w, skin.sheet("titlebar.bmp"), view.active ? kTitleActive : kTitleInactive, {0, 0});
    for (const Button& b : kTitleButtons) paintButton(w, skin, b, view);
    paint(w, skin.sheet("titlebar.bmp"), kOptionStrip);
}

void paintPlayState(Bitmap& w, const Skin& skin, const PlayerView& view) {
    const Bitmap& sheet = skin.sheet("playpaus.bmp");
    paint(w, sheet, kPlayStates[static_cast<int>(view.playState)], kPlayStateAt);
    paintLamp(w, sheet, kWorkIndicator, view.playState == PlayState::Playing);
}

Rect digitCell(int digit) { return {digit * kDigitWidth, 0, kDigitWidth, kDigitHeight}; }

void paintTime(Bitmap& w, const Skin& skin, const PlayerView& view) {
    const Bitmap& sheet = skin.sheet("numbers.bmp");
    const int seconds = std::clamp(view.timeSeconds, 0, 99 * 60 + 59);
    const int digits[] = {seconds / 600, seconds / 60 % 10, seconds % 60 / 10, seconds % 10};
    for (int i = 0; i < 4; ++i) paint(w, sheet, digitCell(digits[i]), kDigitsAt[i]);
    if (!view.remaining) return;
    if (sheet.width() >= kWideDigitSheet) paint(w, sheet, kWideMinus, kMinusAt);
    else paint(w, sheet, kNarrowMinus);
}

// Background, grid dots on every second pixel of every second row, bars coloured by their
// height in the area (line 2 at the top), and the peaks.
void paintVisualisation(Bitmap& w, const VisColours& colours, const PlayerView& view) {
    const Rect& a = kVisArea;
    for (int y = 0; y < a.h; ++y) {
        Colour* row = w.row(a.y + y) + a.x;
        for (int x = 0; x < a.w; ++x) row[x] = (x % 2 == 1 && y % 2 == 1) ? colours[1] : colours[0];
    }
    for (int bar = 0; bar < kVisBars; ++bar) {
        const int x = a.x + 4 * bar;
        const int height = std::clamp(view.bars[bar], 0, a.h);
        for (int y = a.h - height; y < a.h; ++y) std::fill_n(w.row(a.y + y) + x, 3, colours[2 + y]);
        const int peak = std::clamp(view.peaks[bar], 0, a.h);
        if (peak > 0) std::fill_n(w.row(a.y + a.h - peak) + x, 3, colours[23]);
    }
}

std::string rightAligned(int value, std::size_t width) {
    std::string text = std::to_string(std::clamp(value, 0, 999));
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

void paintTexts(Bitmap& w, const Skin& skin, const PlayerView& view) {
    const Bitmap& font = skin.sheet("text.bmp");
    DrawGlyphs(w, font, {kSongTitle.x, kSongTitle.y}, view.songTitle, kSongTitle);
    const std::string kbps = rightAligned(view.kbps, 3), khz = rightAligned(view.khz, 2);
    DrawGlyphs(w, font, kKbpsAt, kbps, {kKbpsAt.x, kKbpsAt.y, 3 * kGlyphWidth, kGlyphHeight});
    DrawGlyphs(w, font, kKhzAt, khz, {kKhzAt.x, kKhzAt.y, 2 * kGlyphWidth, kGlyphHeight});
    const Bitmap& monoster = skin.sheet("monoster.bmp");
    paintLamp(w, monoster, kMono, !view.stereo);
    paintLamp(w, monoster, kStereo, view.stereo);
}

Rect trackFrame(const Rect& track, int frame) { return {track.x, track.y + frame * kSliderFramePitch, track.w, kSliderFrameHeight}; }

void paintKnob(Bitmap& w, const Bitmap& sheet, bool pressed, Point at) {
    paint(w, sheet, pressed ? movedTo(kSliderKnob, kSliderKnobPressed) : kSliderKnob, at);
}

// Volume: the frame and the knob both follow the volume. Balance: the frame follows how far it
// is from the centre, the knob sits in the middle at 0.
void paintSliders(Bitmap& w, const Skin& skin, const PlayerView& view) {
    const Bitmap& volume = skin.sheet("volume.bmp");
    paint(w, volume, trackFrame(kVolumeTrack, frameFor(view.volume, 100, kSliderFrames)), kVolumeAt);
    paintKnob(w, volume, view.isPressed(PlayerButton::VolumeKnob),
              {kVolumeAt.x + offsetFor(view.volume, 100, kVolumeTrack.w - kSliderKnob.w), kVolumeAt.y + kSliderKnobY});
    const Bitmap& balance = skin.sheet("balance.bmp");
    const int towards = std::clamp(view.balance, -100, 100);
    paint(w, balance, trackFrame(kBalanceTrack, frameFor(std::abs(towards), 100, kSliderFrames)), kBalanceAt);
    paintKnob(w, balance, view.isPressed(PlayerButton::BalanceKnob),
              {kBalanceAt.x + offsetFor(towards + 100, 200, kBalanceTrack.w - kSliderKnob.w), kBalanceAt.y + kSliderKnobY});
}

void paintToggle(Bitmap& w, const Bitmap& sheet, const Lamp& lamp, bool on, bool pressed) {
    Lamp shown = lamp;
    if (pressed) {
        shown.off.x += kTogglePressedDx;
        shown.on.x += kTogglePressedDx;
    }
    paintLamp(w, sheet, shown, on);
}

// shufrep.bmp rows 0, 15, 30, 45: off, off pressed, on, on pressed.
void paintShufrep(Bitmap& w, const Bitmap& sheet, const Blit& blit, bool on, bool pressed) {
    const int row = (on ? 2 : 0) + (pressed ? 1 : 0);
    Rect from = blit.source;
    from.y += row * kShufrepRowPitch;
    paint(w, sheet, from, blit.destination);
}

void paintControls(Bitmap& w, const Skin& skin, const PlayerView& view) {
    const Bitmap& shufrep = skin.sheet("shufrep.bmp");
    paintToggle(w, shufrep, kEqualizerToggle, view.equalizerOn, view.isPressed(PlayerButton::EqualizerToggle));
    paintToggle(w, shufrep, kPlaylistToggle, view.playlistOn, view.isPressed(PlayerButton::PlaylistToggle));
    const Bitmap& posbar = skin.sheet("posbar.bmp");
    paint(w, posbar, kPositionTrack);
    if (view.playState != PlayState::Stopped) {
        const bool pressed = view.isPressed(PlayerButton::PositionKnob);
        paint(w, posbar, pressed ? movedTo(kPositionKnob, kPositionKnobPressed) : kPositionKnob,
              {kPositionTrack.destination.x + offsetFor(view.position, 100, kPositionTravel), kPositionTrack.destination.y});
    }
    for (const Button& b : kTransportButtons) paintButton(w, skin, b, view);
    paintShufrep(w, shufrep, kShuffle, view.shuffle, view.isPressed(PlayerButton::Shuffle));
    paintShufrep(w, shufrep, kRepeat, view.repeat, view.isPressed(PlayerButton::Repeat));
}

}  // namespace

WindowImage RenderMainWindow(const Skin& skin, const PlayerView& view) {
    if (view.shade)
        return shadeBar(skin, skin.sheet("titlebar.bmp"), view.active ? kShadeActive : kShadeInactive, kShadeButtons, view,
                        "windowshade");
    WindowImage image(kMainWidth, kMainHeight, kBlack, 255);
    Bitmap& w = image.colours;
    paint(w, skin.sheet("main.bmp"), {0, 0, kMainWidth, kMainHeight}, {0, 0});
    paintTitleBar(w, skin, view);
    paintPlayState(w, skin, view);
    paintTime(w, skin, view);
    paintVisualisation(w, skin.visColours, view);
    paintTexts(w, skin, view);
    paintSliders(w, skin, view);
    paintControls(w, skin, view);
    applyRegion(image, skin, "normal");
    return image;
}

}  // namespace pelterra
