#include "sprite.h"

#include <algorithm>

#include "image/drawing.h"

namespace partsgen {

using pelterra::GetBlue;
using pelterra::GetGreen;
using pelterra::GetPixel;
using pelterra::GetRed;
using pelterra::kBlack;
using pelterra::kWhite;
using pelterra::LineForm;
using pelterra::RGB;
using pelterra::SetPixel;

Sprite::Sprite(int width, int height) : data(width, height, kBlack), mask(width, height, kBlack) {}

Shade flat(Colour c) {
    return [c](int, int) { return c; };
}

Shade verticalGradient(Rect band, Colour top, Colour bottom) {
    return [band, top, bottom](int, int y) {
        if (band.h <= 1) return top;
        const int t = std::clamp((y - band.y) * 255 / (band.h - 1), 0, 255);
        return mix(top, bottom, t);
    };
}

Colour mix(Colour a, Colour b, int t) {
    auto channel = [t](int x, int y) { return (x * (255 - t) + y * t + 127) / 255; };
    return RGB(channel(GetRed(a), GetRed(b)), channel(GetGreen(a), GetGreen(b)),
               channel(GetBlue(a), GetBlue(b)));
}

Colour shadeBy(Colour c, int percent) {
    if (percent > 100) return mix(c, kWhite, std::min(255, (percent - 100) * 255 / 100));
    auto channel = [percent](int v) { return pelterra::clampChannel(v * percent / 100); };
    return RGB(channel(GetRed(c)), channel(GetGreen(c)), channel(GetBlue(c)));
}

void paintPixel(Sprite& s, int x, int y, Colour c, int coverage) {
    if (!s.data.contains(x, y) || coverage <= 0) return;
    coverage = std::min(coverage, 255);
    const int before = GetRed(GetPixel(s.mask, x, y));
    const int after = before + coverage * (255 - before) / 255;
    // The Data holds the colour the covered part of the pixel has, not premultiplied: a new
    // layer mixes in by its share of the new coverage, so edges keep their own colour.
    const int share = after == 0 ? 255 : coverage * 255 / after;
    SetPixel(s.data, x, y, mix(GetPixel(s.data, x, y), c, share));
    SetPixel(s.mask, x, y, RGB(after, after, after));
}

void fillRect(Sprite& s, Rect r, const Shade& shade) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) paintPixel(s, x, y, shade(x, y));
}

namespace {

// How much of a pixel lies inside the rounded rectangle, 0..255, from 4 x 4 samples.
int roundRectCoverage(Rect r, int radius, int px, int py) {
    if (radius <= 0) return r.w > 0 && r.h > 0 && px >= r.x && py >= r.y && px < r.x + r.w && py < r.y + r.h ? 255 : 0;
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double x = px + (sx + 0.5) / 4.0, y = py + (sy + 0.5) / 4.0;
            if (x < r.x || y < r.y || x > r.x + r.w || y > r.y + r.h) continue;
            const double cx = std::clamp(x, double(r.x + radius), double(r.x + r.w - radius));
            const double cy = std::clamp(y, double(r.y + radius), double(r.y + r.h - radius));
            const double dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy <= double(radius) * radius) ++inside;
        }
    }
    return inside * 255 / 16;
}

}  // namespace

void fillRoundRect(Sprite& s, Rect r, int radius, const Shade& shade) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            paintPixel(s, x, y, shade(x, y), roundRectCoverage(r, radius, x, y));
}

void ringRoundRect(Sprite& s, Rect r, int radius, int thickness, const Shade& shade) {
    const Rect inner{r.x + thickness, r.y + thickness, r.w - 2 * thickness, r.h - 2 * thickness};
    const int innerRadius = std::max(0, radius - thickness);
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            const int outer = roundRectCoverage(r, radius, x, y);
            const int hole = roundRectCoverage(inner, innerRadius, x, y);
            paintPixel(s, x, y, shade(x, y), outer - hole);
        }
    }
}

void bevel(Sprite& s, Rect r, Colour light, Colour dark, int width) {
    for (int i = 0; i < width; ++i) {
        const int left = r.x + i, top = r.y + i, right = r.x + r.w - 1 - i, bottom = r.y + r.h - 1 - i;
        if (left >= right || top >= bottom) return;
        pelterra::Line(s.data, left, top, right, top, light, LineForm::Line);
        pelterra::Line(s.data, left, top, left, bottom, light, LineForm::Line);
        pelterra::Line(s.data, right, top, right, bottom + 1, dark, LineForm::Line);
        pelterra::Line(s.data, left, bottom, right, bottom, dark, LineForm::Line);
    }
}

void fillUncovered(Sprite& s, Rect r, const Shade& shade) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            if (s.mask.contains(x, y) && GetPixel(s.mask, x, y) == kBlack) SetPixel(s.data, x, y, shade(x, y));
}

void clearRect(Sprite& s, Rect r) {
    if (r.w <= 0 || r.h <= 0) return;
    pelterra::Line(s.data, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, kBlack, LineForm::FilledBox);
    pelterra::Line(s.mask, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, kBlack, LineForm::FilledBox);
}

int glyphWidth(GlyphRows g) {
    std::size_t w = 0;
    for (auto row : g) w = std::max(w, row.size());
    return static_cast<int>(w);
}

void drawGlyph(Sprite& s, GlyphRows g, int x, int y, Colour c) {
    for (int j = 0; j < glyphHeight(g); ++j) {
        const std::string_view row = g[j];
        for (int i = 0; i < static_cast<int>(row.size()); ++i) {
            if (row[i] == '#') paintPixel(s, x + i, y + j, c, 255);
            else if (row[i] == '+') paintPixel(s, x + i, y + j, c, 128);
        }
    }
}

void drawGlyphCentred(Sprite& s, GlyphRows g, Rect r, Colour c, Point nudge) {
    const int x = r.x + (r.w - glyphWidth(g) + 1) / 2 + nudge.x;
    const int y = r.y + (r.h - glyphHeight(g) + 1) / 2 + nudge.y;
    drawGlyph(s, g, x, y, c);
}

void drawOutlinedGlyphCentred(Sprite& s, GlyphRows g, Rect r, Colour ink, Colour halo) {
    const int x = r.x + (r.w - glyphWidth(g) + 1) / 2;
    const int y = r.y + (r.h - glyphHeight(g) + 1) / 2;
    const auto inked = [g](int i, int j) {
        return j >= 0 && j < glyphHeight(g) && i >= 0 && i < static_cast<int>(g[j].size()) &&
               (g[j][i] == '#' || g[j][i] == '+');
    };
    for (int j = -1; j <= glyphHeight(g); ++j)
        for (int i = -1; i <= glyphWidth(g); ++i) {
            if (inked(i, j)) continue;
            bool touches = false;
            for (int dj = -1; dj <= 1 && !touches; ++dj)
                for (int di = -1; di <= 1 && !touches; ++di) touches = inked(i + di, j + dj);
            if (touches) paintPixel(s, x + i, y + j, halo);
        }
    drawGlyph(s, g, x, y, ink);
}

}  // namespace partsgen
