// Bitmap: width x height Colour values, origin top left, stored row by row in one vector.
// A picture slot is a Bitmap whose size never changes; "assign" fills it from another picture.
#pragma once

#include <cstdint>
#include <vector>

#include "image/colour.h"

namespace pelterra {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0, y = 0;
    constexpr bool operator==(const Point&) const = default;
};

class Bitmap {
public:
    Bitmap() = default;
    // Throws std::length_error beyond the picture limits (picture_size.h), before allocating:
    // sizes that come from outside are checked against them first.
    Bitmap(int width, int height, Colour fill = kWhite);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0 || m_height == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Unchecked access for pixel loops that have clipped their rectangle already.
    Colour at(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    Colour& at(int x, int y) { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    const Colour* row(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    Colour* row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }

    const std::vector<Colour>& pixels() const { return m_pixels; }
    std::vector<Colour>& pixels() { return m_pixels; }

    // Clears every pixel to one colour (a slot's "background colour").
    void fill(Colour c);

    bool operator==(const Bitmap&) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
};

// assign: replaces the slot's content with the picture drawn at (0, 0) without scaling; the part
// beyond the slot is cut off and an uncovered area keeps the slot's background colour.
void assign(Bitmap& slot, const Bitmap& picture, Colour background = kWhite);

}  // namespace pelterra
