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

// The ground of the stereo and mono lights: a small display panel of the style.
void drawIndicatorBackground(Sprite& s, Rect r, const Style& st) {
    switch (st.finish) {
        case Finish::Metal:
        case Finish::Classic:
        case Finish::Flat: fillRect(s, r, flat(st.panel)); return;
        case Finish::Glass: fillRoundRect(s, r, std::min(3, r.h / 2), flat(st.panel)); return;
        case Finish::Outline: fillRoundRect(s, r, std::min(3, r.h / 2), flat(st.inkPressed)); return;
    }
}

// A glyph or caption on a face; on a see-through face it carries a halo, since the picture
// shows around it.
void drawMark(Sprite& s, GlyphRows g, Rect r, const Style& st, Colour ink, bool seen, Point nudge = {}) {
    if (seen) drawOutlinedGlyphCentred(s, g, r, ink, haloOf(st));
    else drawGlyphCentred(s, g, r, ink, nudge);
}

void drawLabel(Sprite& s, std::string_view caption, Rect r, const Style& st, Colour ink, bool seen, Point nudge = {}) {
    if (seen) drawOutlinedCaptionCentred(s, caption, r, ink, haloOf(st));
    else drawCaptionCentred(s, caption, r, ink, nudge);
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
    auto dim = [grey](Colour c) { return mix(c, grey, 150); };
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
            drawMark(s, transportGlyph(cell.button), r, st, inkOf(st, pressed), seeThrough(st, pressed),
                     pressNudge(st, pressed));
        }
    }
    return s;
}

Sprite drawShufrep(const Style& st) {
    Sprite s(kShufrep.width, kShufrep.height);
    for (const ToggleCell& cell : kShufrepCells) {
        const Rect r = cell.r;
        drawToggleSurface(s, r, st, cell.on, cell.pressed);
        const Colour ink = toggleFaceInk(st, cell.on, cell.pressed);
        const Point nudge = pressNudge(st, cell.pressed);
        const bool seen = !cell.on && seeThrough(st, cell.pressed);
        switch (cell.control) {
            case Toggle::Repeat: drawMark(s, glyphs::kRepeat, r, st, ink, seen, nudge); break;
            case Toggle::Shuffle: drawLabel(s, "SHUFFLE", r, st, ink, seen, nudge); break;
            case Toggle::Equalizer: drawLabel(s, "EQ", r, st, ink, seen, nudge); break;
            case Toggle::Playlist: drawLabel(s, "PL", r, st, ink, seen, nudge); break;
        }
    }
    return s;
}

Sprite drawMonoster(const Style& st) {
    Sprite s(kMonoster.width, kMonoster.height);
    for (const ChannelCell& cell : kMonosterCells) {
        drawIndicatorBackground(s, cell.r, st);
        // A lit light is ringed in its colour as well, so that lit and unlit differ clearly.
        if (cell.lit) ringRoundRect(s, cell.r, std::min(st.radius, 3), 1, flat(st.lit));
        drawCaptionCentred(s, cell.stereo ? "STEREO" : "MONO", cell.r, cell.lit ? st.lit : st.unlit);
    }
    return s;
}

// The play state and the work light sit inside the display well: their ground is its black.
Sprite drawPlaypaus(const Style& st) {
    Sprite s(kPlaypaus.width, kPlaypaus.height);
    for (const PlayStateCell& cell : kPlaypausCells) {
        const Colour c = playStateColour(st, cell.state);
        switch (cell.state) {
            case PlayState::Playing:
                fillRect(s, cell.r, flat(pelterra::kBlack));
                drawGlyphCentred(s, glyphs::kSmallPlay, cell.r, c);
                break;
            case PlayState::Paused:
                fillRect(s, cell.r, flat(pelterra::kBlack));
                drawGlyphCentred(s, glyphs::kSmallPause, cell.r, c);
                break;
            case PlayState::Stopped:
                fillRect(s, cell.r, flat(pelterra::kBlack));
                drawGlyphCentred(s, glyphs::kSmallStop, cell.r, c);
                break;
            case PlayState::WorkOff:
            case PlayState::WorkOn:
                fillRect(s, cell.r, flat(pelterra::kBlack));
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
    const Rect inner{kFrameRing - 1, kFrameRing - 1, whole.w - 2 * (kFrameRing - 1), whole.h - 2 * (kFrameRing - 1)};
    switch (st.finish) {
        case Finish::Classic:
            ringRoundRect(s, whole, 0, kFrameRing, flat(st.faceTop));
            bevel(s, whole, st.light, shadeBy(st.faceTop, 50));
            bevel(s, inner, shadeBy(st.faceTop, 50), st.light);
            break;
        case Finish::Metal:
            ringRoundRect(s, whole, 0, kFrameRing, verticalGradient(whole, st.faceTop, st.faceBottom));
            bevel(s, whole, st.light, st.dark);
            bevel(s, inner, st.dark, st.light);
            break;
        case Finish::Glass:
        case Finish::Flat:
        case Finish::Outline:
            ringRoundRect(s, whole, st.radius * 2, kFrameRing, verticalGradient(whole, st.faceTop, st.faceBottom));
            break;
    }
    // The title bar sprite covers the strip; where it is open the plain surface shows, with no
    // grip lines of its own that could run through the title bar's caption.
    drawSurface(s, kTitleArea, st, false);
    // Where the frame is stored without a mask the face is the style's plain ground.
    if (st.storage == Storage::DataOnly) fillUncovered(s, whole, verticalGradient(whole, st.faceTop, shadeBy(st.faceBottom, 92)));
}

void drawTitleStrip(Sprite& s, Rect r, const Style& st, std::string_view caption) {
    drawSurface(s, r, st, false);
    const int width = captionWidth(caption);
    const int textLeft = r.x + (r.w - width + 1) / 2;
    if (!caption.empty()) {
        if (seeThrough(st, false)) drawOutlinedCaption(s, caption, textLeft, r.y + 5, st.ink, haloOf(st));
        else drawCaption(s, caption, textLeft, r.y + 5, st.ink);
    }
    // Grip lines either side of the caption, clear of it by six pixels and of the buttons at both
    // ends.
    const int gap = caption.empty() ? 0 : width + 12;
    const int leftEnd = r.x + (r.w - gap) / 2, rightStart = r.x + (r.w + gap) / 2;
    const Colour groove = st.finish == Finish::Outline ? st.border : mix(st.dark, st.faceTop, 90);
    const Colour ridge = st.finish == Finish::Outline ? haloOf(st) : st.light;
    for (const int y : {r.y + 5, r.y + 8}) {
        for (int x = r.x + 20; x < r.x + r.w - 36; ++x) {
            if (x >= leftEnd && x < rightStart) continue;
            paintPixel(s, x, y, groove);
            if (st.finish != Finish::Flat) paintPixel(s, x, y + 1, ridge);
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
        if (seeThrough(look, false)) drawOutlinedCaption(s, "PELTERRA", strip.r.x + 20, strip.r.y + 5, look.ink, haloOf(look));
        else drawCaption(s, "PELTERRA", strip.r.x + 20, strip.r.y + 5, look.ink);
        drawWell(s, {strip.r.x + 76, strip.r.y + 3, 150, 8}, look);
    }
    for (const TitleButtonCell& b : kTitleButtons) {
        for (const bool pressed : {false, true}) {
            const Point at = pressed ? b.pressed : b.normal;
            const Rect r{at.x, at.y, kTitleButtonSide, kTitleButtonSide};
            drawSurface(s, r, st, pressed);
            drawMark(s, titleButtonGlyph(b.button), r, st, inkOf(st, pressed), seeThrough(st, pressed));
        }
    }
    const Style off = faded(st);
    drawSurface(s, kOptionStrip, st, false);
    drawSurface(s, kOptionStripDisabled, off, false);
    for (const OptionLetter& letter : kOptionLetters) {
        const char text[2] = {letter.letter, 0};
        const Rect slice{kOptionStrip.x, letter.top, kOptionStrip.w, letter.height};
        drawLabel(s, text, slice, st, st.ink, seeThrough(st, false));
        drawLabel(s, text, {kOptionStripDisabled.x, letter.top, kOptionStrip.w, letter.height}, off, off.ink,
                  seeThrough(off, false));
        const Rect pressed{letter.pressed.x, letter.pressed.y, kOptionStrip.w, letter.height};
        drawSurface(s, pressed, st, true);
        drawCaptionCentred(s, text, pressed, toggleInk(st, true, true));
    }
    return s;
}

// The time's colon, in the light colour of the style, two dots in the gap between the minutes
// and the seconds.
void drawTimeColon(Sprite& s, const Style& st) {
    const int x = kTimeColon.x + kTimeColon.w / 2 - 1;
    for (const int y : {kTimeColon.y + 3, kTimeColon.y + 8}) fillRect(s, {x, y, 2, 2}, flat(st.lit));
}

Sprite drawMainFrame(const Style& st) {
    Sprite s(kFrame.width, kFrame.height);
    drawFrameBody(s, st);
    for (const Rect& r : {kDisplayWell, kSongTitleWell, kBitrateWell, kSampleRateWell, kVolumeGroove, kBalanceGroove,
                          kPositionGroove})
        drawWell(s, r, st);
    drawTimeColon(s, st);
    const LabelColours label = labelColours(st);
    drawOutlinedCaption(s, "KBPS", kBitrateCaption.x, kBitrateCaption.y, label.ink, label.halo);
    drawOutlinedCaption(s, "KHZ", kSampleRateCaption.x, kSampleRateCaption.y, label.ink, label.halo);
    drawSurface(s, kEmblem, st, false);
    drawLabel(s, "P", kEmblem, st, inkOf(st, false), seeThrough(st, false));
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
    };
    for (const Drawer& d : kDrawers)
        for (const Style& st : kStyles) library.addPart(*d.category, st.name, d.draw(st), st.storage);
    // A frame lets the picture show through its face, so every style's frame has a mask of its
    // own, also the style whose other parts leave theirs to Default_white.
    for (const Style& st : kStyles)
        library.addPart(kFrame, st.name, drawMainFrame(st),
                        st.storage == Storage::DataOnly ? Storage::SingleFolder : st.storage);
    for (const Category* c : {&kCbuttons, &kShufrep, &kMonoster, &kPlaypaus, &kSlider, &kTitlebar, &kFrame})
        library.addPicture(std::string(c->folder) + "/Default_white.mask.bmp", whiteMask(*c), false);
    for (const NumberFont& font : kNumberFonts) library.addGlyphSheet(kNumber, font.name, drawNumberSheet(font).mask);
    for (const TextFont& font : kTextFonts) library.addGlyphSheet(kText, font.name, drawTextSheet(font).mask);
}

}  // namespace partsgen
