// The equalizer window as players draw it: face, title and close button, ON and AUTO, presets,
// the graph with its curve and preamp line, and the preamp and ten band sliders.
#include <algorithm>

#include "player/paint.h"
#include "player/render.h"

namespace pelterra {

using namespace player;

namespace {

constexpr int kMaxDb = 12;

// 0 at +12 dB, `travel` at -12 dB.
int depthFor(int db, int travel) { return offsetFor(kMaxDb - std::clamp(db, -kMaxDb, kMaxDb), 2 * kMaxDb, travel); }

void paintSwitch(Bitmap& w, const Bitmap& sheet, const EqSwitch& s, bool on, bool pressed) {
    const int state = (on ? 1 : 0) + (pressed ? 2 : 0);
    paint(w, sheet, {s.x[state], s.y, s.width, kEqSwitchHeight}, s.at);
}

// The bar frame in proportion to the level (the lowest at -12 dB), the knob 1 pixel in from the
// left, moving from the top at +12 dB down 51 pixels to -12 dB.
void paintSlider(Bitmap& w, const Bitmap& sheet, int db, Point at, bool pressed) {
    const int frame = frameFor(std::clamp(db, -kMaxDb, kMaxDb) + kMaxDb, 2 * kMaxDb, kSliderFrames);
    const int column = frame % kEqBarFramesPerRow;
    const int y = frame < kEqBarFramesPerRow ? kEqBarFrame.y : kEqBarSecondRowY;
    paint(w, sheet, {kEqBarFrame.x + column * kEqBarPitch, y, kEqBarFrame.w, kEqBarFrame.h}, at);
    paint(w, sheet, pressed ? movedTo(kEqKnob, kEqKnobPressed) : kEqKnob, {at.x + 1, at.y + depthFor(db, kEqKnobTravel)});
}

// The level of the curve at graph column x: straight lines between the ten bands, which sit
// evenly from the first column to the last.
int curveRow(const PlayerView& view, int x) {
    const int span = kEqGraph.w - 1;
    const int scaled = x * (kEqBands - 1);
    const int band = std::min(scaled / span, kEqBands - 2);
    const int from = depthFor(view.bands[band], kEqGraph.h - 1), to = depthFor(view.bands[band + 1], kEqGraph.h - 1);
    const int part = scaled - band * span;
    return from + ((to - from) * part + (to >= from ? span / 2 : -span / 2)) / span;
}

// The graph background, the preamp line at the preamp level and the curve, each pixel of the
// curve in the line colour of its row; rows between neighbouring columns are filled so the
// curve has no gaps.
void paintGraph(Bitmap& w, const Bitmap& sheet, const PlayerView& view) {
    paint(w, sheet, kEqGraph, kEqGraphAt);
    paint(w, sheet, kEqPreampLine, {kEqGraphAt.x, kEqGraphAt.y + depthFor(view.preamp, kEqGraph.h - 1)});
    if (!sheet.contains(kEqGraphColours.x, kEqGraphColours.y + kEqGraph.h - 1)) return;
    int previous = curveRow(view, 0);
    for (int x = 0; x < kEqGraph.w; ++x) {
        const int row = curveRow(view, x);
        for (int y = std::min(row, previous); y <= std::max(row, previous); ++y)
            w.at(kEqGraphAt.x + x, kEqGraphAt.y + y) = sheet.at(kEqGraphColours.x, kEqGraphColours.y + y);
        previous = row;
    }
}

}  // namespace

WindowImage RenderEqualizerWindow(const Skin& skin, const PlayerView& view) {
    const Bitmap& sheet = skin.sheet("eqmain.bmp");
    // The equalizer's own shade bar lives in an optional extra sheet; its title bar and close
    // button stand in.
    if (view.shade)
        return shadeBar(skin, sheet, view.active ? kEqTitleActive : kEqTitleInactive, std::span(kEqButtons, 1), view,
                        "equalizerws");
    WindowImage image(kMainWidth, kMainHeight, kBlack, 255);
    Bitmap& w = image.colours;
    paint(w, sheet, kEqFace, {0, 0});
    paint(w, sheet, view.active ? kEqTitleActive : kEqTitleInactive, {0, 0});
    for (const Button& b : kEqButtons) paintButton(w, skin, b, view);
    paintSwitch(w, sheet, kEqSwitches[0], view.eqOn, view.isPressed(PlayerButton::EqOn));
    paintSwitch(w, sheet, kEqSwitches[1], view.eqAuto, view.isPressed(PlayerButton::EqAuto));
    paintGraph(w, sheet, view);
    const bool pressed = view.isPressed(PlayerButton::EqSliderKnobs);
    paintSlider(w, sheet, view.preamp, kEqPreampAt, pressed);
    for (int band = 0; band < kEqBands; ++band)
        paintSlider(w, sheet, view.bands[band], {kEqBandX + kEqBandPitch * band, kEqPreampAt.y}, pressed);
    applyRegion(image, skin, "equalizer");
    return image;
}

}  // namespace pelterra
