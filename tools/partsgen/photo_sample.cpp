// A photo-like sample picture: an evening landscape (sky, sun, hills, a lake) with grain, three
// bands high, so the style skins show what a skin made from a user's photo looks like.
#include <algorithm>
#include <cmath>

#include "parts.h"

namespace partsgen {

namespace {

constexpr int kWidth = 275, kHeight = 348;

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct Rgb {
    double r, g, b;
};
Rgb lerp(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// Film grain: a fixed hash, so two runs give the same bytes.
double grain(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFF) / 255.0 - 0.5;
}

// The height of a ridge line at x: a few waves of its own, so each range has its own outline.
double ridge(double x, double base, double amplitude, double phase) {
    return base - amplitude * (0.55 * std::sin(x / 37.0 + phase) + 0.3 * std::sin(x / 13.0 + 2 * phase) +
                               0.15 * std::sin(x / 5.3 + 3 * phase));
}

Rgb sky(int x, int y) {
    const double t = y / 200.0;
    Rgb c = lerp({22, 34, 92}, {236, 122, 72}, smoothstep(0.0, 1.0, t));
    const double sun = std::hypot(x - 190.0, y - 150.0);
    c = lerp(c, {255, 214, 140}, 0.7 * std::exp(-sun / 38.0));
    if (sun < 16) c = lerp(c, {255, 246, 214}, smoothstep(16, 12, sun));
    return c;
}

Rgb scene(int x, int y) {
    const double lake = 268;
    if (y >= lake) {
        // The lake mirrors the sky with ripples, darker towards the viewer.
        const int mirrored = std::max(0, static_cast<int>(2 * lake - y + 3 * std::sin(y / 2.0 + x / 9.0)));
        const Rgb reflected = scene(x, std::min(mirrored, static_cast<int>(lake) - 1));
        return lerp(reflected, {10, 22, 40}, 0.35 + 0.5 * smoothstep(lake, kHeight, y));
    }
    const double far = ridge(x, 200, 26, 0.4), middle = ridge(x, 232, 22, 1.9), near = ridge(x, 258, 14, 3.3);
    if (y > near) return lerp({40, 58, 36}, {18, 30, 20}, smoothstep(near, lake, y));
    if (y > middle) return lerp({88, 70, 96}, {46, 44, 62}, smoothstep(middle, near, y));
    if (y > far) return lerp({150, 104, 128}, {104, 82, 112}, smoothstep(far, middle, y));
    return sky(x, y);
}

}  // namespace

Bitmap drawPhotoSample() {
    Bitmap picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = scene(x, y);
            const double n = 14 * grain(x, y);
            auto channel = [n](double v) { return std::clamp(static_cast<int>(std::lround(v + n)), 0, 255); };
            picture.at(x, y) = pelterra::RGB(channel(c.r), channel(c.g), channel(c.b));
        }
    return picture;
}

}  // namespace partsgen
