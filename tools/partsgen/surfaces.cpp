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
