// Writes the fuzzer's starting corpus into a folder: small valid pictures of every kind the
// loader reads (BMP at each depth and layout, PNG, JPEG, GIF), all made here, none downloaded.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "image/picture_file.h"

using namespace pelterra;
using Bytes = std::vector<std::uint8_t>;

namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v);
    put16(b, v >> 16);
}

// Rows packed as a BMP stores them, each padded to 4 bytes; `value` gives the stored value of
// pixel (x, y): a palette index, a 16- or 32-bit word, or 0xRRGGBB at 24 bits.
Bytes packRows(int bpp, int width, int height, bool topDown,
               const std::function<std::uint32_t(int, int)>& value) {
    Bytes out;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bpp < 8) {
                const int bit = x * bpp;
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bpp - bit % 8));
            } else {
                for (int i = 0; i < bpp / 8; ++i)
                    row[x * bpp / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes bmp(int width, int height, int bpp, std::uint32_t compression,
          const std::vector<Colour>& palette, const std::vector<std::uint32_t>& masks,
          const Bytes& pixels) {
    Bytes b;
    const std::uint32_t offset =
        14 + 40 + static_cast<std::uint32_t>(masks.size() * 4 + palette.size() * 4);
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bpp));
    put32(b, compression);
    put32(b, static_cast<std::uint32_t>(pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, static_cast<std::uint32_t>(palette.size()));
    put32(b, 0);
    for (std::uint32_t m : masks) put32(b, m);
    for (Colour c : palette)
        put32(b, static_cast<std::uint32_t>(GetBlue(c) | GetGreen(c) << 8 | GetRed(c) << 16));
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

std::vector<Colour> greyPalette(int entries) {
    std::vector<Colour> p;
    for (int i = 0; i < entries; ++i) {
        const int v = entries == 1 ? 0 : i * 255 / (entries - 1);
        p.push_back(RGB(v, 255 - v, v / 2));
    }
    return p;
}

// A 2 x 2 GIF: red, blue / blue, red, one LZW block written code by code.
const Bytes kGif = {'G', 'I',  'F', '8', '9', 'a', 2,    0,    2,    0,    0x80, 0,
                    0,   0xFF, 0,   0,   0,   0,   0xFF, 0x2C, 0,    0,    0,    0,
                    2,   0,    2,   0,   0,   2,   3,    0x44, 0x02, 0x05, 0,    0x3B};

// LZW data for 2-bit indices written without compression: a clear code before every second
// pixel keeps the decoder's table, and so the 3-bit code width, from growing.
Bytes gifImageData(const std::vector<int>& indices) {
    Bytes out{2};  // minimum code size
    Bytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    auto emit = [&](std::uint32_t code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            packed.push_back(static_cast<std::uint8_t>(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) emit(4);
        emit(static_cast<std::uint32_t>(indices[i]));
    }
    emit(5);
    if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - i);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + static_cast<long>(i),
                   packed.begin() + static_cast<long>(i + n));
    }
    out.push_back(0);
    return out;
}

// A 6 x 5 GIF89a with a transparent colour, an interlaced first frame with its own colour
// table, and a second frame the loader must pass over.
Bytes richGif() {
    Bytes g{'G', 'I', 'F', '8', '9', 'a', 6, 0, 5, 0, 0x81, 0, 0};
    for (int i = 0; i < 4; ++i)
        g.insert(g.end(),
                 {static_cast<std::uint8_t>(i * 80), 40, static_cast<std::uint8_t>(255 - i * 80)});
    g.insert(g.end(), {0x21, 0xF9, 4, 0x05, 10, 0, 3, 0});  // graphic control: index 3 transparent
    g.insert(g.end(), {0x2C, 0, 0, 0, 0, 6, 0, 5, 0, 0xC1});  // interlaced, local table of 4
    for (int i = 0; i < 4; ++i)
        g.insert(g.end(),
                 {static_cast<std::uint8_t>(255 - i * 60), static_cast<std::uint8_t>(i * 60), 7});
    std::vector<int> indices;
    for (int i = 0; i < 30; ++i) indices.push_back((i * 7 / 3) % 4);
    const Bytes first = gifImageData(indices);
    g.insert(g.end(), first.begin(), first.end());
    g.insert(g.end(), {0x2C, 1, 0, 1, 0, 2, 0, 2, 0, 0});  // second frame, 2 x 2 at (1, 1)
    const Bytes second = gifImageData({1, 2, 3, 0});
    g.insert(g.end(), second.begin(), second.end());
    g.push_back(0x3B);
    return g;
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<std::uint8_t*>(data),
                static_cast<std::uint8_t*>(data) + size);
}

bool write(const std::string& folder, const std::string& name, const Bytes& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    auto pattern = [](int x, int y) { return static_cast<std::uint32_t>(x * 7 + y * 3); };
    bool ok = true;
    ok &= write(folder, "bmp1.bmp",
                bmp(13, 5, 1, 0, greyPalette(2), {}, packRows(1, 13, 5, false, [](int x, int y) {
                        return static_cast<std::uint32_t>((x + y) & 1);
                    })));
    ok &= write(folder, "bmp4.bmp",
                bmp(7, 4, 4, 0, greyPalette(16), {},
                    packRows(4, 7, 4, false, [&](int x, int y) { return pattern(x, y) & 15; })));
    ok &= write(folder, "bmp8_topdown.bmp",
                bmp(5, -3, 8, 0, greyPalette(200), {},
                    packRows(8, 5, 3, true, [&](int x, int y) { return pattern(x, y) % 200; })));
    ok &= write(folder, "bmp16.bmp",
                bmp(3, 3, 16, 0, {}, {}, packRows(16, 3, 3, false, [&](int x, int y) {
                        return pattern(x, y) * 997 & 0x7FFF;
                    })));
    ok &= write(
        folder, "bmp16_565.bmp",
        bmp(3, 2, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, packRows(16, 3, 2, false, [&](int x, int y) {
                return pattern(x, y) * 2731 & 0xFFFF;
            })));
    ok &= write(
        folder, "bmp32_bitfields.bmp",
        bmp(3, 2, 32, 3, {}, {0xFF0000, 0xFF00, 0xFF},
            packRows(32, 3, 2, false, [&](int x, int y) { return pattern(x, y) * 0x10305u; })));
    ok &= write(folder, "bmp32.bmp",
                bmp(4, -2, 32, 0, {}, {}, packRows(32, 4, 2, true, [&](int x, int y) {
                        return pattern(x, y) * 0x30507u;
                    })));
    // RLE8: a run of 3, a literal group of 3, end of line; a delta; end of picture.
    ok &= write(folder, "bmp_rle8.bmp",
                bmp(6, 2, 8, 1, greyPalette(4), {},
                    Bytes{3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1}));
    ok &= write(folder, "bmp_rle4.bmp",
                bmp(5, 2, 4, 2, greyPalette(4), {}, Bytes{5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1}));

    Bitmap picture(17, 9);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.at(x, y) = RGB(x * 15, y * 28, (x ^ y) * 9);
    ok &= write(folder, "bmp24.bmp", EncodeBmp24(picture));

    Bytes rgb;
    for (Colour c : picture.pixels()) {
        rgb.push_back(static_cast<std::uint8_t>(GetRed(c)));
        rgb.push_back(static_cast<std::uint8_t>(GetGreen(c)));
        rgb.push_back(static_cast<std::uint8_t>(GetBlue(c)));
    }
    Bytes png, jpeg;
    stbi_write_png_to_func(appendBytes, &png, picture.width(), picture.height(), 3, rgb.data(),
                           picture.width() * 3);
    stbi_write_jpg_to_func(appendBytes, &jpeg, picture.width(), picture.height(), 3, rgb.data(),
                           80);
    ok &= write(folder, "picture.png", png);
    ok &= write(folder, "picture.jpg", jpeg);
    ok &= write(folder, "picture.gif", kGif);
    ok &= write(folder, "interlaced.gif", richGif());

    for (const char* name :
         {"bmp1.bmp", "bmp4.bmp", "bmp8_topdown.bmp", "bmp16.bmp", "bmp16_565.bmp",
          "bmp32_bitfields.bmp", "bmp32.bmp", "bmp_rle8.bmp", "bmp_rle4.bmp", "bmp24.bmp",
          "picture.png", "picture.jpg", "picture.gif", "interlaced.gif"}) {
        const auto loaded = LoadPicture(folder + "/" + name);
        if (!loaded.ok()) {
            std::fprintf(stderr, "seed does not load: %s\n", loaded.error().describe().c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
