// The parts of the renderer every window shares: region.txt outlines, the playlist's sizes, the
// layout of all three windows and the enlargement.
#include <algorithm>
#include <cmath>

#include "image/picture_size.h"
#include "player/paint.h"
#include "player/render.h"

namespace pelterra {

using namespace player;

namespace {

// Where the edges of a polygon cross the horizontal line through row centres at `y`.
void crossings(const std::vector<Point>& polygon, double y, std::vector<double>& xs) {
    xs.clear();
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double ay = a.y, by = b.y;
        if ((ay <= y && y < by) || (by <= y && y < ay))
            xs.push_back(a.x + (y - ay) * (static_cast<double>(b.x) - a.x) / (by - ay));
    }
    std::sort(xs.begin(), xs.end());
}

// The pixels whose centres lie between xs[0] and xs[1], xs[2] and xs[3], ...
void fillSpans(const std::vector<double>& xs, std::uint8_t* row, int width) {
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
        const double first = std::max(0.0, std::ceil(xs[i] - 0.5));
        const double end = std::min(static_cast<double>(width), std::ceil(xs[i + 1] - 0.5));
        for (int x = static_cast<int>(first); x < static_cast<int>(end); ++x) row[x] = 255;
    }
}

void place(WindowImage& canvas, const WindowImage& window, Point at) {
    for (int y = 0; y < window.height(); ++y) {
        std::copy_n(window.colours.row(y), window.width(), canvas.colours.row(at.y + y) + at.x);
        const std::size_t from = static_cast<std::size_t>(y) * window.width();
        std::copy_n(window.alpha.data() + from, window.width(),
                    canvas.alpha.data() + static_cast<std::size_t>(at.y + y) * canvas.width() + at.x);
    }
}

WindowImage allWindows(const Skin& skin, const PlayerView& view) {
    const WindowImage main = RenderMainWindow(skin, view);
    const WindowImage equalizer = RenderEqualizerWindow(skin, view);
    const WindowImage playlist = RenderPlaylistWindow(skin, view);
    WindowImage canvas(main.width() + playlist.width(), std::max(main.height() + equalizer.height(), playlist.height()), kBlack, 0);
    place(canvas, main, {0, 0});
    place(canvas, equalizer, {0, main.height()});
    place(canvas, playlist, {main.width(), 0});
    return canvas;
}

}  // namespace

namespace player {

Point fittedPlaylistSize(int width, int height) {
    const auto fit = [](int value, int least, int step) {
        const int most = least + (kMaxPlaylistSide - least) / step * step;
        return least + (std::clamp(value, least, most) - least) / step * step;
    };
    return {fit(width, kMainWidth, kPlWidthStep), fit(height, kMainHeight, kPlHeightStep)};
}

WindowImage shadeBar(const Skin& skin, const Bitmap& sheet, const Rect& bar, std::span<const Button> buttons,
                     const PlayerView& view, std::string_view regionSection) {
    WindowImage image(kMainWidth, kShadeHeight, kBlack, 255);
    paint(image.colours, sheet, bar, {0, 0});
    for (const Button& b : buttons) paintButton(image.colours, skin, b, view);
    applyRegion(image, skin, regionSection);
    return image;
}

void applyRegion(WindowImage& image, const Skin& skin, std::string_view section) {
    const RegionPolygons* polygons = skin.region(section);
    if (!polygons) return;
    image.alpha = RegionAlpha(*polygons, image.width(), image.height());
}

}  // namespace player

std::vector<std::uint8_t> RegionAlpha(const RegionPolygons& polygons, int width, int height) {
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(width) * height, 0);
    std::vector<double> xs;
    for (const std::vector<Point>& polygon : polygons) {
        if (polygon.size() < 3) continue;
        for (int y = 0; y < height; ++y) {
            crossings(polygon, y + 0.5, xs);
            fillSpans(xs, alpha.data() + static_cast<std::size_t>(y) * width, width);
        }
    }
    return alpha;
}

bool IsPlaylistSize(int width, int height) {
    return fittedPlaylistSize(width, height) == Point{width, height};
}

WindowImage ScaleUp(WindowImage image, int factor) {
    if (factor <= 1) return image;
    const long long width = static_cast<long long>(image.width()) * factor;
    const long long height = static_cast<long long>(image.height()) * factor;
    RequirePictureWithinLimits(width, height);
    WindowImage big(static_cast<int>(width), static_cast<int>(height), kBlack, 0);
    for (int y = 0; y < big.height(); ++y) {
        const Colour* from = image.colours.row(y / factor);
        const std::uint8_t* fromAlpha = image.alpha.data() + static_cast<std::size_t>(y / factor) * image.width();
        Colour* to = big.colours.row(y);
        std::uint8_t* toAlpha = big.alpha.data() + static_cast<std::size_t>(y) * big.width();
        for (int x = 0; x < big.width(); ++x) {
            to[x] = from[x / factor];
            toAlpha[x] = fromAlpha[x / factor];
        }
    }
    return big;
}

PlayerImageSize SizeOfPlayerImage(const PlayerView& view, PlayerWindow window, int scale) {
    const int windowHeight = view.shade ? kShadeHeight : kMainHeight;
    const Point fitted = fittedPlaylistSize(view.playlistWidth, view.playlistHeight);
    const Point playlist{fitted.x, view.shade ? kShadeHeight : fitted.y};
    PlayerImageSize size;
    switch (window) {
        case PlayerWindow::Main:
        case PlayerWindow::Equalizer: size = {kMainWidth, windowHeight}; break;
        case PlayerWindow::Playlist: size = {playlist.x, playlist.y}; break;
        case PlayerWindow::All: size = {kMainWidth + playlist.x, std::max(2 * windowHeight, playlist.y)}; break;
    }
    scale = std::clamp(scale, 1, kMaxRenderScale);
    return {size.width * scale, size.height * scale};
}

WindowImage RenderPlayer(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale) {
    scale = std::clamp(scale, 1, kMaxRenderScale);
    switch (window) {
        case PlayerWindow::Main: return ScaleUp(RenderMainWindow(skin, view), scale);
        case PlayerWindow::Equalizer: return ScaleUp(RenderEqualizerWindow(skin, view), scale);
        case PlayerWindow::Playlist: return ScaleUp(RenderPlaylistWindow(skin, view), scale);
        case PlayerWindow::All: break;
    }
    return ScaleUp(allWindows(skin, view), scale);
}

}  // namespace pelterra
