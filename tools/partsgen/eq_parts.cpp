// The equalizer parts (on/auto, frame, title bar, graph, preset), the slider graphics and
// back-colour sheets of eq\slider, and the Easy-import pictures laid out like eqmain.bmp.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>

#include "colours/contrast.h"
#include "fonts.h"
#include "glyphs.h"
#include "image/drawing.h"
#include "layout.h"
#include "parts.h"
#include "surfaces.h"

namespace partsgen {

using pelterra::GetBlue;
using pelterra::GetGreen;
using pelterra::GetRed;
using pelterra::kBlack;
using pelterra::kWhite;

namespace {

// The dark ground of the outline style's plates, wells and slider bars: its pale outlines need
// something dark behind them to read over a bright picture.
constexpr Colour kOutlineGround = pelterra::RGB(16, 18, 24);

// The colour under the slider pictures where their mask leaves them open: the equalizer
// build copies the knob strip and, without a back colour, the bars without their mask.
Colour sliderGround(const Style& st) {
    switch (st.finish) {
        case Finish::Classic: return st.faceTop;
        case Finish::Outline: return kOutlineGround;
        case Finish::Flat: return shadeBy(st.faceTop, 70);  // between the dark groove and the knob
        case Finish::Metal:
        case Finish::Glass: return st.panel;
    }
    return st.panel;
}

// Captions on buttons and bars want the contrast of body text, labels over the picture at
// least that of large text.
constexpr double kCaptionContrast = 4.5;

// Labels painted over the user's picture: an ink and the halo that rings it.
struct LabelInks {
    Colour ink, halo;
};
LabelInks labelInks(const Style& st) {
    switch (st.finish) {
        case Finish::Classic: return {kBlack, st.faceTop};  // black lettering on the classic grey
        case Finish::Metal: return {st.light, st.border};
        case Finish::Glass: return {kWhite, st.dark};
        case Finish::Flat: return {st.ink, st.panel};
        case Finish::Outline: return {st.border, kOutlineGround};
    }
    return {kWhite, kBlack};
}

// Where drawCaptionCentred puts a caption in r.
Rect captionBox(std::string_view text, Rect r, Point nudge = {}) {
    const int width = captionWidth(text);
    return {r.x + (r.w - width + 1) / 2 + nudge.x, r.y + (r.h - 5 + 1) / 2 + nudge.y, width, 5};
}

// The lowest contrast of an ink against the surface already drawn under a caption box.
double leastContrast(const Sprite& s, Rect box, Colour ink) {
    double least = 21.0;
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x)
            if (s.data.contains(x, y)) least = std::min(least, pelterra::ContrastRatio(ink, s.data.at(x, y)));
    return least;
}

// The first of the candidate inks that reads on the surface already drawn under box, else the
// most readable of them.
Colour pickInk(const Sprite& s, Rect box, std::span<const Colour> inks) {
    Colour best = inks.front();
    for (const Colour ink : inks) {
        if (leastContrast(s, box, ink) >= kCaptionContrast) return ink;
        if (leastContrast(s, box, ink) > leastContrast(s, box, best)) best = ink;
    }
    return best;
}

// A caption on a button or bar in the first ink that reads there; when none does (a glossy
// face light on top and dark below), the style's own ink, the first, ringed by the halo.
void drawCaptionOnSurface(Sprite& s, std::string_view text, Rect r, std::span<const Colour> inks, Colour halo,
                          Point nudge = {}) {
    const Rect box = captionBox(text, r, nudge);
    const Colour ink = pickInk(s, box, inks);
    if (leastContrast(s, box, ink) >= kCaptionContrast) {
        drawCaption(s, text, box.x, box.y, ink);
        return;
    }
    const Colour own = inks.front();
    drawOutlinedCaption(s, text, box.x, box.y, own, readableHalo(own, halo));
}

// The look of a switch that is on: the face takes on the light colour, so on and off differ over
// the whole button and not only at the lamp.
Style litLook(const Style& st) {
    int amount = 255;
    switch (st.finish) {
        case Finish::Classic: amount = 70; break;
        case Finish::Metal: amount = 110; break;
        case Finish::Glass: amount = 120; break;
        case Finish::Flat:
        case Finish::Outline: amount = 255; break;
    }
    Style lit = st;
    for (Colour* c : {&lit.faceTop, &lit.faceBottom, &lit.pressedTop, &lit.pressedBottom}) *c = mix(*c, st.lit, amount);
    return lit;
}

// An equalizer switch or button face. The outline style gets plates here (dark when up, pale
// when pressed or on) so its captions read over any picture; flat presses go clearly darker.
void drawEqButtonFace(Sprite& s, Rect r, const Style& st, bool on, bool pressed) {
    const int radius = std::min(st.radius, std::min(r.w, r.h) / 2);
    switch (st.finish) {
        case Finish::Outline: {
            const Colour up = on ? st.lit : st.inkPressed;
            const Colour down = on ? st.pressedBottom : st.unlit;
            fillRoundRect(s, r, radius, flat(pressed ? down : up));
            ringRoundRect(s, r, radius, 1, flat(on ? st.inkPressed : st.border));
            return;
        }
        case Finish::Flat: {
            const Colour face = on ? st.lit : st.faceTop;
            fillRect(s, r, flat(st.border));
            fillRect(s, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, flat(pressed ? shadeBy(face, 50) : face));
            return;
        }
        case Finish::Metal:
        case Finish::Glass:
        case Finish::Classic: drawSurface(s, r, on ? litLook(st) : st, pressed); return;
    }
}

// The caption inks of a button, in the order they are tried.
std::array<Colour, 4> buttonInks(const Style& st, bool on, bool pressed) {
    const Colour first = on ? toggleInk(st, true, pressed) : inkOf(st, pressed);
    const Colour second = st.finish == Finish::Outline && !on && !pressed ? st.ink : st.inkPressed;
    return {first, second, kBlack, kWhite};
}

// The lamp of a switch: lit or dark; on the faces that turn the light colour when on, a dark
// lamp that still shows on them.
Colour lampColour(const Style& st, bool on, bool pressed) {
    if (on && (st.finish == Finish::Flat || st.finish == Finish::Outline)) return st.finish == Finish::Flat ? st.border : st.inkPressed;
    return stateColour(st, on, pressed);
}

// The graph well: the style's display panel, filled dark in the outline style, whose panels are
// outlines only.
void drawEqWell(Sprite& s, Rect r, const Style& st) {
    if (st.finish == Finish::Outline)
        fillRoundRect(s, r, std::min(st.radius, std::min(r.w, r.h) / 2), flat(kOutlineGround));
    drawPanel(s, r, st);
}

// Where players draw the close button over the equalizer's title bar.
constexpr Rect kEqCloseSpot{264, 3, 9, 9};

// The title bar's caption plate: the caption with three pixels of plate above and below it and
// six either side. The outline style's plate is dark inside its pale ring, so its pale caption
// reads on any picture.
Rect drawEqCaptionPlate(Sprite& s, Rect bar, const Style& st, std::string_view caption) {
    const Rect box = captionBox(caption, bar);
    const Rect plate{box.x - 6, box.y - 3, box.w + 12, box.h + 6};
    if (st.finish == Finish::Outline) {
        const int radius = std::min(st.radius, plate.h / 2);
        fillRoundRect(s, plate, radius, flat(st.inkPressed));
        ringRoundRect(s, plate, radius, 1, flat(st.border));
    } else {
        drawSurface(s, plate, st, false);
    }
    const std::array<Colour, 1> ink{st.ink};
    drawCaptionOnSurface(s, caption, bar, ink, labelInks(st).halo);
    return plate;
}

// A grip rail over the picture: a line with its shadow below it, one light and one dark, so it
// reads on a bright picture as on a dark one.
void drawGripRail(Sprite& s, int from, int to, int y, const Style& st) {
    const bool pale = st.finish == Finish::Outline || st.finish == Finish::Flat;
    const Colour line = pale ? st.ink : st.light;
    const Colour shadow = st.finish == Finish::Outline ? st.inkPressed
                          : st.finish == Finish::Flat  ? st.border
                                                       : mix(st.dark, st.faceTop, 60);
    for (int x = from; x < to; ++x) {
        paintPixel(s, x, y, line);
        paintPixel(s, x, y + 1, shadow);
    }
}

// The equalizer's title bar lets the picture show along the strip: only the caption plate in the
// middle, two grip rails either side of it (stopping short of the plate) and the socket of the
// close button stand on it. The frame's border ring shows at its edges.
void drawEqTitleBar(Sprite& s, Rect r, const Style& st, std::string_view caption) {
    const Rect plate = drawEqCaptionPlate(s, r, st, caption);
    const Rect socket{r.x + kEqCloseSpot.x - 1, r.y + kEqCloseSpot.y - 1, kEqCloseSpot.w + 2, kEqCloseSpot.h + 2};
    drawEqButtonFace(s, socket, st, false, false);
    const int gap = 4, margin = kEqFrameRing + 4;
    for (const int y : {r.y + 4, r.y + 8}) {
        drawGripRail(s, r.x + margin, plate.x - gap, y, st);
        drawGripRail(s, plate.x + plate.w + gap, socket.x - gap, y, st);
    }
}

// The border ring of the equalizer frame: the classic grey with a raised outer and a sunken
// inner edge, or the style's rounded ring. Inside it the picture shows.
void drawEqFrameRing(Sprite& s, const Style& st) {
    const Rect whole{0, 0, s.width(), s.height()};
    const int t = kEqFrameRing;
    if (st.finish == Finish::Classic) {
        for (const Rect side : {Rect{0, 0, whole.w, t}, Rect{0, whole.h - t, whole.w, t}, Rect{0, 0, t, whole.h},
                                Rect{whole.w - t, 0, t, whole.h}})
            fillRect(s, side, flat(st.faceTop));
    } else if (st.finish == Finish::Outline) {
        // A pale line between two dark ones: it reads on bright pictures as on dark ones.
        ringRoundRect(s, whole, st.radius * 2, t, flat(kOutlineGround));
        ringRoundRect(s, {1, 1, whole.w - 2, whole.h - 2}, st.radius * 2 - 1, 1, flat(st.border));
    } else {
        ringRoundRect(s, whole, st.radius * 2, t, verticalGradient(whole, st.faceTop, st.faceBottom));
    }
    if (st.finish == Finish::Metal || st.finish == Finish::Classic) {
        bevel(s, whole, st.light, st.dark);
        bevel(s, {t - 1, t - 1, whole.w - 2 * (t - 1), whole.h - 2 * (t - 1)}, st.dark, st.light);
    }
}

// A back-colour sheet drawn the way the background base maker draws one: a 119-row strip
// graded top -> middle -> bottom in two 60-row segments with whole-number steps, and 28
// windows of it, each two rows lower than the one before.
struct BackColours {
    std::string_view name;
    Colour top, middle, bottom;
};
inline constexpr BackColours kBackColours[] = {
    {"Spectrum", pelterra::RGB(255, 64, 48), pelterra::RGB(255, 220, 64), pelterra::RGB(48, 200, 80)},
    {"Ocean", pelterra::RGB(150, 230, 255), pelterra::RGB(40, 120, 220), pelterra::RGB(10, 30, 90)},
    {"Ember", pelterra::RGB(255, 236, 150), pelterra::RGB(250, 120, 30), pelterra::RGB(110, 20, 10)},
    {"Graphite", pelterra::RGB(230, 232, 236), pelterra::RGB(130, 134, 142), pelterra::RGB(40, 42, 48)},
};
static_assert(std::size(kBackColours) == 4);

inline constexpr int kStripRows = 119;
inline constexpr int kSegmentSteps = 59;

int wholeStep(int from, int to) { return static_cast<int>(std::nearbyint(double(to - from) / kSegmentSteps)); }

void drawStripSegment(Bitmap& strip, Colour from, Colour to, int firstRow) {
    const int sr = wholeStep(GetRed(from), GetRed(to));
    const int sg = wholeStep(GetGreen(from), GetGreen(to));
    const int sb = wholeStep(GetBlue(from), GetBlue(to));
    for (int i = 0; i <= kSegmentSteps; ++i) {
        const Colour c = pelterra::RGB(pelterra::clampChannel(GetRed(from) + i * sr),
                                       pelterra::clampChannel(GetGreen(from) + i * sg),
                                       pelterra::clampChannel(GetBlue(from) + i * sb));
        pelterra::Line(strip, 0, firstRow + i, kBackCell.w, firstRow + i, c);
    }
}

Bitmap drawBackSheet(const BackColours& colours) {
    Bitmap strip(kBackCell.w, kStripRows, kBlack);
    drawStripSegment(strip, colours.top, colours.middle, 0);
    drawStripSegment(strip, colours.middle, colours.bottom, kSegmentSteps);
    Bitmap sheet(kBackSheet.w, kBackSheet.h, kBlack);
    for (int row = 0; row < kBackRows; ++row)
        for (int i = 0; i < kBackColumns; ++i)
            pelterra::PaintPicture(sheet, strip, kBackPitchX * i, kBackPitchY * row, kBackCell.w, kBackCell.h, 0,
                                   kStripRowsPerSheetRow * row + kStripRowsPerCell * i, kBackCell.w, kBackCell.h);
    return sheet;
}

// Graph line colours, top to bottom: hot at the top of the graph, the style's light below.
Colour graphLineColour(const Style& st, int row, int rows) {
    const Colour hot = mix(st.lit, pelterra::RGB(255, 60, 40), 210);
    const Colour warm = mix(st.lit, pelterra::RGB(255, 220, 60), 170);
    const int half = rows / 2;
    return row <= half ? mix(hot, warm, row * 255 / half) : mix(warm, st.lit, (row - half) * 255 / (rows - 1 - half));
}

}  // namespace

Bitmap faceGround(const Style& st, int width, int height) {
    Bitmap ground(width, height, kBlack);
    const Colour top = st.finish == Finish::Outline ? pelterra::RGB(44, 50, 62) : shadeBy(st.faceBottom, 55);
    const Colour bottom = st.finish == Finish::Outline ? pelterra::RGB(16, 18, 24) : shadeBy(st.faceBottom, 30);
    for (int y = 0; y < height; ++y) {
        const Colour row = mix(top, bottom, y * 255 / std::max(1, height - 1));
        for (int x = 0; x < width; ++x)
            pelterra::SetPixel(ground, x, y, (x + y) % 4 == 0 ? shadeBy(row, 112) : row);
    }
    return ground;
}

void composite(Bitmap& picture, const Sprite& s, Point at) {
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const int m = GetRed(pelterra::GetPixel(s.mask, x, y));
            if (m == 0 || !picture.contains(at.x + x, at.y + y)) continue;
            const Colour under = pelterra::GetPixel(picture, at.x + x, at.y + y);
            pelterra::SetPixel(picture, at.x + x, at.y + y, mix(under, pelterra::GetPixel(s.data, x, y), m));
        }
    }
}

Sprite drawEqOnAuto(const Style& st) {
    Sprite s(kEqOnAuto.width, kEqOnAuto.height);
    for (int k = 0; k < static_cast<int>(std::size(kOnAutoStates)); ++k) {
        const OnAutoState state = kOnAutoStates[k];
        const Point nudge = pressNudge(st, state.pressed);
        for (const Rect button : {kOnButton, kAutoButton}) {
            const Rect r{button.x + k * kOnAutoCell, button.y, button.w, button.h};
            drawEqButtonFace(s, r, st, state.on, state.pressed);
            const Rect light{r.x + 3 + nudge.x, r.y + 4 + nudge.y, 2, 4};
            drawLight(s, light, st, lampColour(st, state.on, state.pressed));
            const Rect rest{r.x + 5, r.y, r.w - 5, r.h};  // right of the lamp
            drawCaptionOnSurface(s, button.w == kOnButton.w ? "ON" : "AUTO", rest,
                                 buttonInks(st, state.on, state.pressed), labelInks(st).halo, nudge);
        }
    }
    return s;
}

Sprite drawEqBar(const Style& st) {
    Sprite s(kEqBar.width, kEqBar.height);
    for (const bool pressed : {false, true}) {
        const Rect r = pressed ? kEqBarClosePressed : kEqBarClose;
        drawEqButtonFace(s, r, st, false, pressed);
        const Rect glyph{r.x + (r.w - glyphWidth(glyphs::kClose)) / 2, r.y + (r.h - glyphHeight(glyphs::kClose)) / 2,
                         glyphWidth(glyphs::kClose), glyphHeight(glyphs::kClose)};
        drawGlyphCentred(s, glyphs::kClose, r, pickInk(s, glyph, buttonInks(st, false, pressed)));
    }
    drawEqTitleBar(s, kEqBarActive, st, "EQUALIZER");
    drawEqTitleBar(s, kEqBarInactive, faded(st), "EQUALIZER");
    return s;
}

Sprite drawEqImage(const Style& st) {
    Sprite s(kEqImage.width, kEqImage.height);
    drawEqWell(s, kEqGraph, st);
    // The zero line across the middle of the graph, dotted.
    const Colour dots = mix(st.finish == Finish::Outline ? kOutlineGround : st.panel, st.lit, 90);
    for (int x = kEqGraph.x + 2; x < kEqGraph.x + kEqGraph.w - 2; x += 2)
        paintPixel(s, x, kEqGraph.y + kEqGraph.h / 2, dots);
    fillRect(s, kEqPreampLine, flat(mix(st.lit, kWhite, 60)));
    for (int row = 0; row < kEqGraphColours.h; ++row)
        paintPixel(s, kEqGraphColours.x, kEqGraphColours.y + row, graphLineColour(st, row, kEqGraphColours.h));
    return s;
}

Sprite drawEqPreset(const Style& st) {
    Sprite s(kEqPreset.width, kEqPreset.height);
    for (const bool pressed : {false, true}) {
        const Rect r = pressed ? kPresetPressed : kPresetNormal;
        drawEqButtonFace(s, r, st, false, pressed);
        drawCaptionOnSurface(s, "PRESETS", r, buttonInks(st, false, pressed), labelInks(st).halo,
                             pressNudge(st, pressed));
    }
    return s;
}

// The equalizer frame is a frame: the border ring and the graph well, and the labels ringed by a
// halo. Everywhere else its mask is black and the user's picture shows, under the title bar too
// (the title bar is laid over this face); the switches, buttons and sliders the players draw over
// the face cover their own places.
Sprite drawEqFrame(const Style& st) {
    Sprite s(kEqFrame.width, kEqFrame.height);
    drawEqFrameRing(s, st);
    drawEqWell(s, kEqGraphPanel, st);
    const LabelInks label = labelInks(st);
    const int sliderCentre = kEqSliderSize.w / 2;
    drawOutlinedCaptionCentred(s, "PREAMP", {kEqPreampSlider.x + sliderCentre - 20, kEqLabelsY, 40, 5}, label.ink,
                               label.halo);
    for (int n = 0; n < kEqBands; ++n) {
        const int centre = kEqBandSliderX + kEqBandPitch * n + sliderCentre;
        drawOutlinedCaptionCentred(s, kEqBandLabels[n], {centre - 10, kEqLabelsY, 20, 5}, label.ink, label.halo);
    }
    for (const EqScaleLabel& scale : kEqScaleLabels)
        drawOutlinedCaption(s, scale.text, scale.at.x, scale.at.y, label.ink, label.halo);
    return s;
}

Sprite drawEqSlider(const Style& st) {
    Sprite s(kEqSlider.width, kEqSlider.height);
    const Colour ground = sliderGround(st);
    for (const bool pressed : {false, true}) {
        const Rect r = pressed ? kEqKnobPressed : kEqKnob;
        // Under an outline knob lies the dark ground, so the groove does not show through it; a
        // flat knob takes the light colour, as a plain one would vanish into the dark bar.
        if (st.finish == Finish::Outline) fillRect(s, r, flat(ground));
        if (st.finish == Finish::Flat) drawEqButtonFace(s, r, st, true, pressed);
        else drawSurface(s, r, st, pressed);
        const Colour grip = st.finish == Finish::Outline && !pressed ? st.border
                            : st.finish == Finish::Flat                ? st.border
                                                                       : inkOf(st, pressed);
        for (int y = r.y + 3; y < r.y + r.h - 3; ++y) paintPixel(s, r.x + r.w / 2, y, grip);
    }
    // The bar: a groove down the middle and a tick either side every seven rows.
    const Rect bar = kEqSliderBar;
    drawEqWell(s, {bar.x + 5, bar.y + 1, 4, bar.h - 2}, st);
    const Colour tick = faceInk(st);
    for (int y = bar.y + 3; y < bar.y + bar.h - 2; y += 7) {
        fillRect(s, {bar.x + 1, y, 2, 1}, flat(tick));
        fillRect(s, {bar.x + bar.w - 3, y, 2, 1}, flat(tick));
    }
    fillUncovered(s, {0, 0, kEqSlider.width, kEqSlider.height}, flat(ground));
    return s;
}

namespace {

Bitmap drawEasyPicture(const Style& st, const BackColours& back) {
    Bitmap sheet(kEqSheetSize.w, kEqSheetSize.h, kBlack);
    const Bitmap ground = faceGround(st, kFaceSize.w, kFaceSize.h);
    pelterra::BitBlt(sheet, 0, 0, kFaceSize.w, kFaceSize.h, ground, 0, 0, pelterra::RasterOp::SRCCOPY);
    composite(sheet, drawEqFrame(st), {0, 0});
    // The title bar and close button lie over the face's top strip, as the equalizer build lays them.
    for (const Rect to : {kEqBarActive, kEqBarInactive})
        pelterra::BitBlt(sheet, kEqSheetBar.x + to.x, kEqSheetBar.y + to.y, to.w, to.h, sheet, 0, 0, pelterra::RasterOp::SRCCOPY);
    for (const Rect to : {kEqBarClose, kEqBarClosePressed})
        pelterra::BitBlt(sheet, kEqSheetBar.x + to.x, kEqSheetBar.y + to.y, to.w, to.h, sheet, kEqCloseSpot.x,
                         kEqCloseSpot.y, pelterra::RasterOp::SRCCOPY);
    composite(sheet, drawEqBar(st), kEqSheetBar);
    composite(sheet, drawEqOnAuto(st), kEqSheetOnAuto);
    const Sprite slider = drawEqSlider(st);
    pelterra::PaintBlit(sheet, slider.data, kEqSheetKnobs);
    const Bitmap backSheet = drawBackSheet(back);
    Sprite bar(kEqSliderBar.w, kEqSliderBar.h);
    pelterra::BitBlt(bar.data, 0, 0, bar.width(), bar.height(), slider.data, kEqSliderBar.x, 0, pelterra::RasterOp::SRCCOPY);
    pelterra::BitBlt(bar.mask, 0, 0, bar.width(), bar.height(), slider.mask, kEqSliderBar.x, 0, pelterra::RasterOp::SRCCOPY);
    for (int row = 0; row < kBackRows; ++row) {
        for (int i = 0; i < kBackColumns; ++i) {
            const Point at{kEqSheetBars.x + kEqSheetBarPitchX * i, kEqSheetBars.y + kEqSheetBarPitchY * row};
            pelterra::BitBlt(sheet, at.x, at.y, kEqSliderBar.w, kEqSliderBar.h, backSheet, kBackPitchX * i,
                             kBackPitchY * row, pelterra::RasterOp::SRCCOPY);
            composite(sheet, bar, at);
        }
    }
    composite(sheet, drawEqPreset(st), kEqSheetPresets);
    composite(sheet, drawEqImage(st), kEqSheetGraph);
    return sheet;
}

}  // namespace

namespace {

// The frame and the title bar always carry their own mask, even in a style that stores its other
// parts without one: without it they would cover the picture.
Storage storageOf(const Category& category, const Style& st) {
    const bool showsThePicture = &category == &kEqFrame || &category == &kEqBar;
    if (showsThePicture && st.storage == Storage::DataOnly) return Storage::SingleFolder;
    return st.storage;
}

}  // namespace

void addEqualizerParts(Library& library) {
    struct Drawer {
        const Category* category;
        Sprite (*draw)(const Style&);
    };
    static constexpr Drawer kDrawers[] = {
        {&kEqOnAuto, drawEqOnAuto}, {&kEqFrame, drawEqFrame},   {&kEqBar, drawEqBar},
        {&kEqImage, drawEqImage},   {&kEqPreset, drawEqPreset},
    };
    for (const Drawer& d : kDrawers)
        for (const Style& st : kStyles) library.addPart(*d.category, st.name, d.draw(st), storageOf(*d.category, st));
    // The slider folder knows one form only: X.data.bmp with an optional X.mask.bmp.
    for (const Style& st : kStyles)
        library.addPart(kEqSlider, st.name, drawEqSlider(st),
                        st.storage == Storage::DataOnly ? Storage::DataOnly : Storage::SingleFolder);
    for (const Category* c : {&kEqOnAuto, &kEqFrame, &kEqBar, &kEqImage, &kEqPreset})
        library.addPicture(std::string(c->folder) + "/Default_white.mask.bmp", whiteMask(*c), false);
    library.addPicture("PartsData/eq/slider/DefaultMiniWhite.mask.bmp", whiteMask(kEqSlider), false);
    library.addPicture("PartsData/eq/slider/DefaultBackWhite.back.bmp", Bitmap(kBackSheet.w, kBackSheet.h, kWhite), false);
    for (const BackColours& back : kBackColours)
        library.addPicture("PartsData/eq/slider/" + std::string(back.name) + ".back.bmp", drawBackSheet(back));
    for (std::size_t i = 0; i < std::size(kStyles); ++i) {
        const Style& st = kStyles[i];
        library.addPicture("PartsData/eq/" + std::string(st.name) + ".bmp",
                           drawEasyPicture(st, kBackColours[i % std::size(kBackColours)]));
    }
}

}  // namespace partsgen
