// The main-window parts: buttons, indicators, title bar, slider knobs and frames, one set per
// style, and the number and text fonts.
#include <algorithm>

#include "fonts.h"
#include "glyphs.h"
#include "layout.h"
#include "parts.h"
#include "surfaces.h"

namespace partsgen {

using pelterra::kWhite;

namespace {

GlyphRows transportGlyph(Transport t) {
    switch (t) {
        case Transport::Previous: return glyphs::kPrevious;
        case Transport::Play: return glyphs::kPlay;
        case Transport::Pause: return glyphs::kPause;
        case Transport::Stop: return glyphs::kStop;
        case Transport::Next: return glyphs::kNext;
        case Transport::Eject: return glyphs::kEject;
    }
    return glyphs::kStop;
}

// Display-like backgrounds behind lit indicators, for the styles that have solid panels.
void drawIndicatorBackground(Sprite& s, Rect r, const Style& st) {
    switch (st.finish) {
        case Finish::Metal:
        case Finish::Classic: fillRect(s, r, flat(st.panel)); return;
        case Finish::Glass: fillRoundRect(s, r, std::min(3, r.h / 2), flat(st.panel)); return;
        case Finish::Flat:
        case Finish::Outline: return;
    }
}

Colour playStateColour(const Style& st, PlayState state) {
    switch (state) {
        case PlayState::Playing: return st.lit;
        case PlayState::Paused: return mix(st.lit, pelterra::RGB(255, 200, 40), 170);
        case PlayState::Stopped: return mix(st.lit, pelterra::RGB(255, 70, 50), 200);
        case PlayState::WorkOff: return st.unlit;
        case PlayState::WorkOn: return st.lit;
    }
    return st.lit;
}

void drawGrip(Sprite& s, Rect r, const Style& st, bool pressed, int lines) {
    const Colour ink = st.finish == Finish::Outline && !pressed ? st.border : inkOf(st, pressed);
    const int centre = r.x + r.w / 2;
    for (int i = 0; i < lines; ++i) {
        const int x = centre + (i - lines / 2) * 3;
        for (int y = r.y + 3; y < r.y + r.h - 3; ++y) paintPixel(s, x, y, ink);
    }
}

}  // namespace

Style faded(const Style& st) {
    const Colour grey = pelterra::RGB(128, 128, 128);
    auto dim = [grey](Colour c) { return mix(c, grey, 110); };
    Style f = st;
    f.faceTop = dim(st.faceTop);
    f.faceBottom = dim(st.faceBottom);
    f.pressedTop = dim(st.pressedTop);
    f.pressedBottom = dim(st.pressedBottom);
    f.light = dim(st.light);
    f.dark = dim(st.dark);
    f.border = dim(st.border);
    f.ink = dim(st.ink);
    f.inkPressed = dim(st.inkPressed);
    f.lit = st.unlit;
    return f;
}

Sprite drawCbuttons(const Style& st) {
    Sprite s(kCbuttons.width, kCbuttons.height);
    for (const TransportCell& cell : kCbuttonsCells) {
        for (const bool pressed : {false, true}) {
            const Rect r = pressed ? cell.pressed : cell.normal;
            drawSurface(s, r, st, pressed);
            drawGlyphCentred(s, transportGlyph(cell.button), r, inkOf(st, pressed), pressNudge(st, pressed));
        }
    }
    return s;
}

Sprite drawShufrep(const Style& st) {
    Sprite s(kShufrep.width, kShufrep.height);
    for (const ToggleCell& cell : kShufrepCells) {
        const Rect r = cell.r;
        drawSurface(s, r, st, cell.pressed);
        const Colour ink = toggleInk(st, cell.on, cell.pressed);
        const Point nudge = pressNudge(st, cell.pressed);
        const bool wide = cell.control == Toggle::Repeat || cell.control == Toggle::Shuffle;
        const Rect light = wide ? Rect{r.x + 3 + nudge.x, r.y + 6 + nudge.y, 3, 3}
                                : Rect{r.x + 3 + nudge.x, r.y + 4 + nudge.y, 2, 4};
        drawLight(s, light, st, stateColour(st, cell.on, cell.pressed));
        // The glyph is centred between the light and the right edge of the button.
        const int restLeft = r.x + 3 + light.w;
        const Rect rest{restLeft, r.y, r.x + r.w - 1 - restLeft, r.h};
        switch (cell.control) {
            case Toggle::Repeat: drawGlyphCentred(s, glyphs::kRepeat, rest, ink, nudge); break;
            case Toggle::Shuffle: drawCaptionCentred(s, "SHUFFLE", rest, ink, nudge); break;
            case Toggle::Equalizer: drawCaptionCentred(s, "EQ", rest, ink, nudge); break;
            case Toggle::Playlist: drawCaptionCentred(s, "PL", rest, ink, nudge); break;
        }
    }
    return s;
}

Sprite drawMonoster(const Style& st) {
    Sprite s(kMonoster.width, kMonoster.height);
    for (const ChannelCell& cell : kMonosterCells) {
        drawIndicatorBackground(s, cell.r, st);
        drawCaptionCentred(s, cell.stereo ? "STEREO" : "MONO", cell.r, cell.lit ? st.lit : st.unlit);
    }
    return s;
}

Sprite drawPlaypaus(const Style& st) {
    Sprite s(kPlaypaus.width, kPlaypaus.height);
    for (const PlayStateCell& cell : kPlaypausCells) {
        const Colour c = playStateColour(st, cell.state);
        switch (cell.state) {
            case PlayState::Playing:
                drawIndicatorBackground(s, cell.r, st);
                drawGlyphCentred(s, glyphs::kSmallPlay, cell.r, c);
                break;
            case PlayState::Paused:
                drawIndicatorBackground(s, cell.r, st);
                drawGlyphCentred(s, glyphs::kSmallPause, cell.r, c);
                break;
            case PlayState::Stopped:
                drawIndicatorBackground(s, cell.r, st);
                drawGlyphCentred(s, glyphs::kSmallStop, cell.r, c);
                break;
            case PlayState::WorkOff:
            case PlayState::WorkOn:
                drawLight(s, {cell.r.x, cell.r.y + 1, cell.r.w, cell.r.h - 2}, st, c);
                break;
        }
    }
    return s;
}

Sprite drawSliderKnobs(const Style& st) {
    Sprite s(kSlider.width, kSlider.height);
    for (const KnobCell& cell : kSliderKnobs) {
        drawSurface(s, cell.r, st, cell.pressed);
        drawGrip(s, cell.r, st, cell.pressed, cell.knob == Knob::Position ? 3 : 1);
    }
    return s;
}

void drawFrameBody(Sprite& s, const Style& st) {
    const Rect whole{0, 0, s.width(), s.height()};
    if (st.storage == Storage::DataOnly) {
        // Without a mask of its own the frame covers the whole face: it is a complete face.
        fillRect(s, whole, verticalGradient(whole, st.faceTop, shadeBy(st.faceBottom, 92)));
        bevel(s, whole, st.light, st.dark, 2);
    } else {
        ringRoundRect(s, whole, st.radius * 2, 3, verticalGradient(whole, st.faceTop, st.faceBottom));
        if (st.finish == Finish::Metal) {
            bevel(s, whole, st.light, st.dark);
            bevel(s, {2, 2, whole.w - 4, whole.h - 4}, st.dark, st.light);
        }
    }
    drawTitleStrip(s, kTitleArea, st, "");
}

void drawTitleStrip(Sprite& s, Rect r, const Style& st, std::string_view caption) {
    drawSurface(s, r, st, false);
    const int width = captionWidth(caption);
    const int textLeft = r.x + (r.w - width + 1) / 2;
    if (!caption.empty()) drawCaption(s, caption, textLeft, r.y + 5, st.ink);
    // Grip lines either side of the caption, clear of the buttons at both ends.
    const int gap = caption.empty() ? 0 : width + 12;
    const int leftEnd = r.x + (r.w - gap) / 2, rightStart = r.x + (r.w + gap) / 2;
    const Colour groove = st.finish == Finish::Outline ? st.border : mix(st.dark, st.faceTop, 90);
    const Colour ridge = st.finish == Finish::Outline ? st.border : st.light;
    for (const int y : {r.y + 5, r.y + 8}) {
        for (int x = r.x + 20; x < r.x + r.w - 36; ++x) {
            if (x >= leftEnd && x < rightStart) continue;
            paintPixel(s, x, y, groove);
            if (st.finish != Finish::Outline && st.finish != Finish::Flat) paintPixel(s, x, y + 1, ridge);
        }
    }
}

Sprite drawTitlebar(const Style& st) {
    Sprite s(kTitlebar.width, kTitlebar.height);
    for (const TitleStrip& strip : kTitleStrips) {
        const Style look = strip.active ? st : faded(st);
        if (!strip.shaded) {
            drawTitleStrip(s, strip.r, look, "PELTERRA");
            continue;
        }
        // The window-shade bar: caption at the left, a small display in the middle.
        drawSurface(s, strip.r, look, false);
        drawCaption(s, "PELTERRA", strip.r.x + 20, strip.r.y + 5, look.ink);
        drawPanel(s, {strip.r.x + 76, strip.r.y + 3, 150, 8}, look);
    }
    for (const TitleButtonCell& b : kTitleButtons) {
        for (const bool pressed : {false, true}) {
            const Point at = pressed ? b.pressed : b.normal;
            const Rect r{at.x, at.y, kTitleButtonSide, kTitleButtonSide};
            drawSurface(s, r, st, pressed);
            drawGlyphCentred(s, titleButtonGlyph(b.button), r, inkOf(st, pressed));
        }
    }
    const Style off = faded(st);
    drawSurface(s, kOptionStrip, st, false);
    drawSurface(s, kOptionStripDisabled, off, false);
    for (const OptionLetter& letter : kOptionLetters) {
        const char text[2] = {letter.letter, 0};
        const Rect slice{kOptionStrip.x, letter.top, kOptionStrip.w, letter.height};
        drawCaptionCentred(s, text, slice, st.ink);
        drawCaptionCentred(s, text, {kOptionStripDisabled.x, letter.top, kOptionStrip.w, letter.height}, off.ink);
        const Rect pressed{letter.pressed.x, letter.pressed.y, kOptionStrip.w, letter.height};
        drawSurface(s, pressed, st, true);
        drawCaptionCentred(s, text, pressed, toggleInk(st, true, true));
    }
    return s;
}

Sprite drawMainFrame(const Style& st) {
    Sprite s(kFrame.width, kFrame.height);
    drawFrameBody(s, st);
    for (const Rect& r : {kDisplayPanel, kSongTitlePanel, kBitratePanel, kSampleRatePanel, kVolumeGroove,
                          kBalanceGroove, kPositionGroove})
        drawPanel(s, r, st);
    drawCaption(s, "KBPS", kBitrateCaption.x, kBitrateCaption.y, faceInk(st));
    drawCaption(s, "KHZ", kSampleRateCaption.x, kSampleRateCaption.y, faceInk(st));
    drawSurface(s, kEmblem, st, false);
    drawCaptionCentred(s, "P", kEmblem, inkOf(st, false));
    return s;
}

void addMainWindowParts(Library& library) {
    struct Drawer {
        const Category* category;
        Sprite (*draw)(const Style&);
    };
    static constexpr Drawer kDrawers[] = {
        {&kCbuttons, drawCbuttons}, {&kShufrep, drawShufrep},     {&kMonoster, drawMonoster},
        {&kPlaypaus, drawPlaypaus}, {&kSlider, drawSliderKnobs}, {&kTitlebar, drawTitlebar},
        {&kFrame, drawMainFrame},
    };
    for (const Drawer& d : kDrawers)
        for (const Style& st : kStyles) library.addPart(*d.category, st.name, d.draw(st), st.storage);
    for (const Category* c : {&kCbuttons, &kShufrep, &kMonoster, &kPlaypaus, &kSlider, &kTitlebar, &kFrame})
        library.addPicture(std::string(c->folder) + "/Default_white.mask.bmp", whiteMask(*c), false);
    for (const NumberFont& font : kNumberFonts) library.addGlyphSheet(kNumber, font.name, drawNumberSheet(font).mask);
    for (const TextFont& font : kTextFonts) library.addGlyphSheet(kText, font.name, drawTextSheet(font).mask);
}

}  // namespace partsgen
