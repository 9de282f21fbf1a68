#include "surfaces.h"

#include <algorithm>

#include "image/colour.h"

namespace partsgen {

using pelterra::kWhite;

namespace {

// Glass: a gradient body with a brighter upper half, the usual glossy highlight.
Shade glassShade(Rect r, Colour top, Colour bottom, bool gloss) {
    const Shade body = verticalGradient(r, top, bottom);
    const int glossEnd = r.y + r.h / 2;
    return [body, gloss, glossEnd](int x, int y) {
        const Colour c = body(x, y);
        return gloss && y < glossEnd ? mix(c, kWhite, 70) : c;
    };
}

void drawMetal(Sprite& s, Rect r, const Style& st, bool pressed) {
    fillRect(s, r, flat(st.border));
    const Rect in{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    fillRect(s, in, pressed ? verticalGradient(in, st.pressedTop, st.pressedBottom)
                            : verticalGradient(in, st.faceTop, st.faceBottom));
    if (pressed) bevel(s, in, st.dark, st.light);
    else bevel(s, in, st.light, st.dark);
}

void drawGlass(Sprite& s, Rect r, const Style& st, bool pressed) {
    const int radius = std::min(st.radius, std::min(r.w, r.h) / 2);
    fillRoundRect(s, r, radius, flat(st.border));
    const Rect in{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    fillRoundRect(s, in, std::max(0, radius - 1),
                  pressed ? glassShade(in, st.pressedTop, st.pressedBottom, false)
                          : glassShade(in, st.faceTop, st.faceBottom, true));
}

void drawFlat(Sprite& s, Rect r, const Style& st, bool pressed) {
    fillRect(s, r, flat(st.border));
    const Rect in{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    fillRect(s, in, flat(pressed ? st.pressedTop : st.faceTop));
}

void drawOutline(Sprite& s, Rect r, const Style& st, bool pressed) {
    const int radius = std::min(st.radius, std::min(r.w, r.h) / 2);
    if (pressed) fillRoundRect(s, r, radius, verticalGradient(r, st.pressedTop, st.pressedBottom));
    else ringRoundRect(s, r, radius, 1, flat(st.border));
}

void drawClassic(Sprite& s, Rect r, const Style& st, bool pressed) {
    fillRect(s, r, flat(st.faceTop));
    const Rect in{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    if (pressed) {
        bevel(s, r, st.dark, st.light);
        bevel(s, in, shadeBy(st.faceTop, 66), shadeBy(st.faceTop, 116));
    } else {
        bevel(s, r, st.light, st.dark);
        bevel(s, in, shadeBy(st.faceTop, 116), shadeBy(st.faceTop, 66));
    }
}

}  // namespace

void drawSurface(Sprite& s, Rect r, const Style& style, bool pressed) {
    switch (style.finish) {
        case Finish::Metal: return drawMetal(s, r, style, pressed);
        case Finish::Glass: return drawGlass(s, r, style, pressed);
        case Finish::Flat: return drawFlat(s, r, style, pressed);
        case Finish::Outline: return drawOutline(s, r, style, pressed);
        case Finish::Classic: return drawClassic(s, r, style, pressed);
    }
}

void drawPanel(Sprite& s, Rect r, const Style& st) {
    switch (st.finish) {
        case Finish::Outline:
            ringRoundRect(s, r, std::min(st.radius, std::min(r.w, r.h) / 2), 1, flat(st.border));
            return;
        case Finish::Glass:
            fillRoundRect(s, r, std::min(st.radius, std::min(r.w, r.h) / 2), flat(st.border));
            fillRoundRect(s, {r.x + 1, r.y + 1, r.w - 2, r.h - 2},
                          std::max(0, std::min(st.radius, std::min(r.w, r.h) / 2) - 1), flat(st.panel));
            return;
        case Finish::Flat:
            fillRect(s, r, flat(st.panel));
            return;
        case Finish::Metal:
        case Finish::Classic:
            fillRect(s, r, flat(st.panel));
            bevel(s, r, st.dark, st.light);
            return;
    }
}

void drawWell(Sprite& s, Rect r, const Style& st) {
    const Rect inside{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    const int radius = std::min(2, std::min(r.w, r.h) / 2);
    const Shade black = flat(pelterra::kBlack);
    switch (st.finish) {
        case Finish::Outline:
        case Finish::Glass:
            fillRoundRect(s, r, radius, flat(st.border));
            fillRoundRect(s, inside, radius - 1, black);
            return;
        case Finish::Flat:
            fillRect(s, r, flat(st.faceTop));
            fillRect(s, inside, black);
            return;
        case Finish::Metal:
        case Finish::Classic:
            fillRect(s, r, black);
            bevel(s, r, st.finish == Finish::Classic ? shadeBy(st.faceTop, 50) : st.dark, st.light);
            return;
    }
}

bool seeThrough(const Style& st, bool pressed) { return st.finish == Finish::Outline && !pressed; }

namespace {

// The colours of a toggle that is on: the face takes the style's light colour, the ink turns
// dark where the lit face is bright.
Style litLook(const Style& st) {
    Style on = st;
    switch (st.finish) {
        case Finish::Classic:
        case Finish::Metal: {
            // Metal's grey is nearer its light green than the classic grey is: it takes more.
            const int tint = st.finish == Finish::Metal ? 150 : 90;
            on.faceTop = mix(st.faceTop, st.lit, tint);
            on.faceBottom = mix(st.faceBottom, st.lit, tint);
            on.pressedTop = mix(st.pressedTop, st.lit, tint + 20);
            on.pressedBottom = mix(st.pressedBottom, st.lit, tint + 20);
            on.ink = on.inkPressed = shadeBy(st.lit, 25);
            return on;
        }
        case Finish::Glass:
        case Finish::Flat:
            on.faceTop = mix(st.lit, kWhite, st.finish == Finish::Glass ? 90 : 0);
            on.faceBottom = shadeBy(st.lit, st.finish == Finish::Glass ? 60 : 100);
            on.pressedTop = shadeBy(st.lit, 80);
            on.pressedBottom = shadeBy(st.lit, st.finish == Finish::Glass ? 50 : 80);
            on.ink = on.inkPressed = st.border;
            return on;
        case Finish::Outline:
            // Off is an outline over the picture; on is filled with a dark slate.
            on.faceTop = pelterra::RGB(58, 66, 82);
            on.faceBottom = pelterra::RGB(34, 38, 48);
            on.pressedTop = shadeBy(st.pressedTop, 80);
            on.pressedBottom = shadeBy(st.pressedBottom, 80);
            on.ink = st.lit;
            return on;
    }
    return on;
}

}  // namespace

void drawToggleSurface(Sprite& s, Rect r, const Style& st, bool on, bool pressed) {
    if (!on) return drawSurface(s, r, st, pressed);
    const Style lit = litLook(st);
    if (st.finish == Finish::Outline && !pressed) {
        const int radius = std::min(st.radius, std::min(r.w, r.h) / 2);
        fillRoundRect(s, r, radius, verticalGradient(r, lit.faceTop, lit.faceBottom));
        ringRoundRect(s, r, radius, 1, flat(st.border));
        return;
    }
    drawSurface(s, r, lit, pressed);
}

Colour toggleFaceInk(const Style& st, bool on, bool pressed) { return inkOf(on ? litLook(st) : st, pressed); }

LabelColours labelColours(const Style& st) {
    switch (st.finish) {
        case Finish::Classic: return {st.faceTop, pelterra::kBlack};
        case Finish::Metal: return {st.light, st.border};
        case Finish::Glass: return {kWhite, st.dark};
        case Finish::Flat: return {st.ink, st.border};
        case Finish::Outline: return {st.ink, st.inkPressed};
    }
    return {st.ink, pelterra::kBlack};
}

Colour haloOf(const Style& st) { return labelColours(st).halo; }

void drawLight(Sprite& s, Rect r, const Style& st, Colour c) {
    if (st.finish == Finish::Glass || st.finish == Finish::Outline) {
        fillRoundRect(s, r, std::min(r.w, r.h) / 2, flat(c));
        return;
    }
    fillRect(s, r, flat(c));
    if (r.w > 2 && r.h > 1) paintPixel(s, r.x + 1, r.y, mix(c, kWhite, 140));
}

Colour stateColour(const Style& st, bool on, bool pressed) {
    // A pressed outline button is filled with the light outline colour: its lights turn dark.
    if (st.finish == Finish::Outline && pressed) return on ? st.inkPressed : mix(st.inkPressed, st.pressedTop, 150);
    return on ? st.lit : st.unlit;
}

Colour toggleInk(const Style& st, bool on, bool pressed) {
    if (st.finish == Finish::Outline && pressed) return stateColour(st, on, pressed);
    if (!on) return inkOf(st, pressed);
    const bool lightFace = st.finish == Finish::Metal || st.finish == Finish::Classic;
    return lightFace ? shadeBy(st.lit, 45) : st.lit;
}

Colour faceInk(const Style& st) {
    switch (st.finish) {
        case Finish::Metal:
        case Finish::Glass: return st.light;
        case Finish::Outline: return st.border;
        case Finish::Flat:
        case Finish::Classic: return st.ink;
    }
    return st.ink;
}

Colour inkOf(const Style& style, bool pressed) { return pressed ? style.inkPressed : style.ink; }

Point pressNudge(const Style& style, bool pressed) {
    return pressed && (style.finish == Finish::Metal || style.finish == Finish::Classic) ? Point{1, 1} : Point{};
}

}  // namespace partsgen
