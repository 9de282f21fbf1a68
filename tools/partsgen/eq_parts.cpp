// The equalizer parts (on/auto, frame, title bar, graph, preset), the slider graphics and
// back-colour sheets of eq\slider, and the Easy-import pictures laid out like eqmain.bmp.
#include <algorithm>
#include <cmath>
#include <string>

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

// The colour under the slider pictures where their mask leaves them open: the equalizer
// build copies the knob strip and, without a back colour, the bars without their mask.
Colour sliderGround(const Style& st) { return st.finish == Finish::Classic ? st.faceTop : st.panel; }

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
            drawSurface(s, r, st, state.pressed);
            const Rect light{r.x + 3 + nudge.x, r.y + 4 + nudge.y, 2, 4};
            drawLight(s, light, st, stateColour(st, state.on, state.pressed));
            const Colour ink = toggleInk(st, state.on, state.pressed);
            drawCaptionCentred(s, button.w == kOnButton.w ? "ON" : "AUTO",
                               {light.x + light.w, r.y, r.x + r.w - light.x - light.w, r.h}, ink, nudge);
        }
    }
    return s;
}

Sprite drawEqBar(const Style& st) {
    Sprite s(kEqBar.width, kEqBar.height);
    drawSurface(s, kEqBarClose, st, false);
    drawGlyphCentred(s, glyphs::kClose, kEqBarClose, inkOf(st, false));
    drawSurface(s, kEqBarClosePressed, st, true);
    drawGlyphCentred(s, glyphs::kClose, kEqBarClosePressed, inkOf(st, true));
    drawTitleStrip(s, kEqBarActive, st, "EQUALIZER");
    drawTitleStrip(s, kEqBarInactive, faded(st), "EQUALIZER");
    return s;
}

Sprite drawEqImage(const Style& st) {
    Sprite s(kEqImage.width, kEqImage.height);
    drawPanel(s, kEqGraph, st);
    // The zero line across the middle of the graph, dotted.
    const Colour dots = mix(st.finish == Finish::Outline ? kBlack : st.panel, st.lit, 90);
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
        drawSurface(s, r, st, pressed);
        drawCaptionCentred(s, "PRESETS", r, inkOf(st, pressed), pressNudge(st, pressed));
    }
    return s;
}

Sprite drawEqFrame(const Style& st) {
    Sprite s(kEqFrame.width, kEqFrame.height);
    drawFrameBody(s, st);
    drawPanel(s, kEqGraphPanel, st);
    const Colour ink = faceInk(st);
    const int sliderCentre = kEqSliderSize.w / 2;
    drawCaptionCentred(s, "PREAMP", {kEqPreampSlider.x + sliderCentre - 20, kEqLabelsY, 40, 5}, ink);
    for (int n = 0; n < kEqBands; ++n) {
        const int centre = kEqBandSliderX + kEqBandPitch * n + sliderCentre;
        drawCaptionCentred(s, kEqBandLabels[n], {centre - 10, kEqLabelsY, 20, 5}, ink);
    }
    const int scaleX = 44;
    drawCaption(s, "+12DB", scaleX, kEqPreampSlider.y + 2, ink);
    drawCaption(s, "+0DB", scaleX + 4, kEqPreampSlider.y + 29, ink);
    drawCaption(s, "-12DB", scaleX, kEqPreampSlider.y + 56, ink);
    return s;
}

Sprite drawEqSlider(const Style& st) {
    Sprite s(kEqSlider.width, kEqSlider.height);
    for (const bool pressed : {false, true}) {
        const Rect r = pressed ? kEqKnobPressed : kEqKnob;
        drawSurface(s, r, st, pressed);
        const Colour grip = st.finish == Finish::Outline && !pressed ? st.border : inkOf(st, pressed);
        for (int y = r.y + 3; y < r.y + r.h - 3; ++y) paintPixel(s, r.x + r.w / 2, y, grip);
    }
    // The bar: a groove down the middle and a tick either side every seven rows.
    const Rect bar = kEqSliderBar;
    drawPanel(s, {bar.x + 5, bar.y + 1, 4, bar.h - 2}, st);
    const Colour tick = faceInk(st);
    for (int y = bar.y + 3; y < bar.y + bar.h - 2; y += 7) {
        fillRect(s, {bar.x + 1, y, 2, 1}, flat(tick));
        fillRect(s, {bar.x + bar.w - 3, y, 2, 1}, flat(tick));
    }
    fillUncovered(s, {0, 0, kEqSlider.width, kEqSlider.height}, flat(sliderGround(st)));
    return s;
}

namespace {

Bitmap drawEasyPicture(const Style& st, const BackColours& back) {
    Bitmap sheet(kEqSheetSize.w, kEqSheetSize.h, kBlack);
    const Bitmap ground = faceGround(st, kFaceSize.w, kFaceSize.h);
    pelterra::BitBlt(sheet, 0, 0, kFaceSize.w, kFaceSize.h, ground, 0, 0, pelterra::RasterOp::SRCCOPY);
    composite(sheet, drawEqFrame(st), {0, 0});
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
        for (const Style& st : kStyles) library.addPart(*d.category, st.name, d.draw(st), st.storage);
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
