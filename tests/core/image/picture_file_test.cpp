#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "image/picture_file.h"
#include "support/unprivileged.h"

// BMP files below are described with designated initializers; the fields left out keep their
// defaults on purpose, which GCC would otherwise warn about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace pelterra;
namespace fs = std::filesystem;
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
std::uint32_t read32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// Rows as a BMP stores them, each padded to 4 bytes. `value` is what pixel (x, y) stores: a
// palette index, a 16- or 32-bit word, or 0xRRGGBB at 24 bits.
Bytes packRows(int bpp, int width, int height, bool topDown,
               const std::function<std::uint32_t(int, int)>& value) {
    Bytes out;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bpp < 8)
                row[x * bpp / 8] |= static_cast<std::uint8_t>(v << (8 - bpp - x * bpp % 8));
            else
                for (int i = 0; i < bpp / 8; ++i)
                    row[x * bpp / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

struct BmpFile {
    int width = 0;
    int height = 0;  // negative: top-down
    int bpp = 24;
    std::uint32_t compression = 0;
    std::vector<Colour> palette;
    std::vector<std::uint32_t> masks;            // written after a 40-byte header
    std::uint32_t declaredColours = 0xFFFFFFFF;  // default: the palette's size
    Bytes pixels;

    Bytes bytes() const {
        Bytes b{'B', 'M'};
        const auto offset =
            static_cast<std::uint32_t>(14 + 40 + masks.size() * 4 + palette.size() * 4);
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
        put32(b, declaredColours == 0xFFFFFFFF ? static_cast<std::uint32_t>(palette.size())
                                               : declaredColours);
        put32(b, 0);
        for (std::uint32_t m : masks) put32(b, m);
        for (Colour c : palette)
            put32(b, static_cast<std::uint32_t>(GetBlue(c) | GetGreen(c) << 8 | GetRed(c) << 16));
        b.insert(b.end(), pixels.begin(), pixels.end());
        return b;
    }
};

Bitmap pictureOf(int width, int height, const std::function<Colour(int, int)>& colour) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = colour(x, y);
    return b;
}

Bitmap randomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    return pictureOf(width, height, [&](int, int) { return random() & 0xFFFFFFu; });
}

Bytes rgbBytes(const Bitmap& b) {
    Bytes out;
    for (Colour c : b.pixels()) {
        out.push_back(static_cast<std::uint8_t>(GetRed(c)));
        out.push_back(static_cast<std::uint8_t>(GetGreen(c)));
        out.push_back(static_cast<std::uint8_t>(GetBlue(c)));
    }
    return out;
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<std::uint8_t*>(data),
                static_cast<std::uint8_t*>(data) + size);
}

Bitmap decoded(const Bytes& bytes) {
    Result<Bitmap> picture = DecodePicture(bytes, "test picture");
    EXPECT_TRUE(picture.ok()) << (picture.ok() ? "" : picture.error().describe());
    return picture.ok() ? picture.value() : Bitmap{};
}

const std::vector<Colour> kFourColours = {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 128, 255),
                                          RGB(10, 20, 30)};

// Each test gets a folder of its own under the system's temporary folder.
class PictureFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() /
                   ("pelterra-picture-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_folder, ec);
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    void writeFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_folder)) names.push_back(e.path().filename());
        return names;
    }

    fs::path m_folder;
};

// ---- Writing ------------------------------------------------------------------------------------

TEST(EncodeBmp24, WritesAnInfoHeaderAndBottomUpRowsPaddedToFourBytes) {
    Bitmap picture(3, 2);
    picture.at(0, 0) = RGB(1, 2, 3);
    picture.at(2, 1) = RGB(4, 5, 6);
    const Bytes bmp = EncodeBmp24(picture);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // 3 pixels = 9 bytes, padded to 12
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(read32(bmp, 2), bmp.size());
    EXPECT_EQ(read32(bmp, 10), 54u);
    EXPECT_EQ(read32(bmp, 14), 40u);
    EXPECT_EQ(read32(bmp, 18), 3u);
    EXPECT_EQ(read32(bmp, 22), 2u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(read32(bmp, 30), 0u);
    // The bottom row comes first, blue green red; the top row follows after its padding.
    EXPECT_EQ((Bytes{bmp.begin() + 54 + 6, bmp.begin() + 54 + 9}), (Bytes{6, 5, 4}));
    EXPECT_EQ((Bytes{bmp.begin() + 54 + 9, bmp.begin() + 54 + 12}), (Bytes{0, 0, 0}));
    EXPECT_EQ((Bytes{bmp.begin() + 66, bmp.begin() + 69}), (Bytes{3, 2, 1}));
}

TEST_F(PictureFileOnDisk, SavedPicturesReloadPixelForPixel) {
    for (int width : {1, 2, 3, 5, 7, 275}) {
        const Bitmap picture = randomPicture(width, 9, static_cast<unsigned>(width));
        const std::string file = path("round" + std::to_string(width) + ".bmp");
        ASSERT_TRUE(SavePicture(picture, file).ok());
        Result<Bitmap> again = LoadPicture(file);
        ASSERT_TRUE(again.ok()) << again.error().describe();
        EXPECT_EQ(again.value(), picture) << "width " << width;
    }
}

TEST_F(PictureFileOnDisk, SavingOverAFileReplacesItAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(SavePicture(randomPicture(40, 30, 1), path("main.bmp")).ok());
    const Bitmap second = randomPicture(5, 4, 2);
    ASSERT_TRUE(SavePicture(second, path("main.bmp")).ok());
    EXPECT_EQ(LoadPicture(path("main.bmp")).value(), second);
    EXPECT_EQ(entries(), std::vector<std::string>{"main.bmp"});
}

TEST_F(PictureFileOnDisk, SavingIntoAMissingFolderFailsNamingTheFile) {
    const std::string file = path("no such folder/main.bmp");
    const Status saved = SavePicture(Bitmap(2, 2), file);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().path, file);
    EXPECT_EQ(saved.error().message, "cannot create a file in this folder: it does not exist");
}

TEST_F(PictureFileOnDisk, AFailedSaveKeepsTheOldFileWhole) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const Bitmap old = randomPicture(6, 6, 3);
    ASSERT_TRUE(SavePicture(old, path("main.bmp")).ok());
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    const Status saved = SavePicture(randomPicture(6, 6, 4), path("main.bmp"));
    fs::permissions(m_folder, fs::perms::owner_all);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().message, "cannot create a file in this folder: permission denied");
    EXPECT_EQ(LoadPicture(path("main.bmp")).value(), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"main.bmp"});
}

TEST_F(PictureFileOnDisk, AWriteCutShortKeepsTheOldFileWhole) {
    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    const Bitmap old = randomPicture(6, 6, 5);
    ASSERT_TRUE(SavePicture(old, path("main.bmp")).ok());
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = SavePicture(randomPicture(100, 100, 6), path("main.bmp"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().path, path("main.bmp"));
    EXPECT_EQ(written.error().message, "writing the file failed: the file is too large for this disk");
    EXPECT_EQ(LoadPicture(path("main.bmp")).value(), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"main.bmp"});
}

TEST_F(PictureFileOnDisk, SavingOntoAFolderFailsAndLeavesNoTemporaryFile) {
    fs::create_directory(path("main.bmp"));
    const Status saved = SavePicture(Bitmap(3, 3), path("main.bmp"));
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().path, path("main.bmp"));
    EXPECT_EQ(saved.error().message, "a folder of that name is in the way");
    EXPECT_TRUE(fs::is_directory(path("main.bmp")));
    EXPECT_EQ(entries(), std::vector<std::string>{"main.bmp"});
}

TEST_F(PictureFileOnDisk, AnEmptyPictureIsNotSaved) {
    const Status saved = SavePicture(Bitmap(), path("empty.bmp"));
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().path, path("empty.bmp"));
    EXPECT_FALSE(fs::exists(path("empty.bmp")));
}

// ---- Reading BMP --------------------------------------------------------------------------------

TEST(DecodeBmp, OneBitPerPixelRowsBottomUpAndTopDown) {
    auto bit = [](int x, int y) { return static_cast<std::uint32_t>((x * 3 + y) % 5 == 0); };
    const std::vector<Colour> palette = {RGB(9, 8, 7), RGB(200, 100, 50)};
    for (bool topDown : {false, true}) {
        BmpFile f{.width = 11, .height = topDown ? -3 : 3, .bpp = 1, .palette = palette};
        f.pixels = packRows(1, 11, 3, topDown, bit);
        const Bitmap b = decoded(f.bytes());
        ASSERT_EQ(b.width(), 11);
        ASSERT_EQ(b.height(), 3);
        EXPECT_EQ(b, pictureOf(11, 3, [&](int x, int y) { return palette[bit(x, y)]; }));
    }
}

TEST(DecodeBmp, FourAndEightBitPalettesInBothRowOrders) {
    auto index = [](int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % 4); };
    for (int bpp : {4, 8}) {
        for (bool topDown : {false, true}) {
            BmpFile f{.width = 5, .height = topDown ? -4 : 4, .bpp = bpp, .palette = kFourColours};
            f.pixels = packRows(bpp, 5, 4, topDown, index);
            EXPECT_EQ(decoded(f.bytes()),
                      pictureOf(5, 4, [&](int x, int y) { return kFourColours[index(x, y)]; }))
                << bpp << " bits, top-down " << topDown;
        }
    }
}

TEST(DecodeBmp, TwentyFourAndThirtyTwoBitsInBothRowOrders) {
    const Bitmap expected = randomPicture(7, 3, 11);
    for (int bpp : {24, 32}) {
        for (bool topDown : {false, true}) {
            BmpFile f{.width = 7, .height = topDown ? -3 : 3, .bpp = bpp};
            // At 32 bits the top byte (alpha or unused) is set, and must not show.
            f.pixels = packRows(bpp, 7, 3, topDown, [&](int x, int y) {
                const Colour c = expected.at(x, y);
                return static_cast<std::uint32_t>(GetBlue(c) | GetGreen(c) << 8 | GetRed(c) << 16 |
                                                  0x80u << 24);
            });
            EXPECT_EQ(decoded(f.bytes()), expected) << bpp << " bits, top-down " << topDown;
        }
    }
}

TEST(DecodeBmp, BitfieldMasksPlaceEachChannel) {
    // 32 bits with red in the top byte, green next, blue next, the low byte unused.
    BmpFile f32{.width = 2,
                .height = 1,
                .bpp = 32,
                .compression = 3,
                .masks = {0xFF000000, 0x00FF0000, 0x0000FF00}};
    f32.pixels =
        packRows(32, 2, 1, false, [](int x, int) { return x ? 0x11223344u : 0xFF000000u; });
    EXPECT_EQ(decoded(f32.bytes()).pixels(),
              (std::vector<Colour>{RGB(255, 0, 0), RGB(0x11, 0x22, 0x33)}));

    // 16 bits 5-6-5: full green is 63, widened to 255; 5-bit red 16 widens to 131.
    BmpFile f565{
        .width = 2, .height = 1, .bpp = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}};
    f565.pixels = packRows(16, 2, 1, false, [](int x, int) { return x ? 0x8000u : 0x07E0u; });
    EXPECT_EQ(decoded(f565.bytes()).pixels(),
              (std::vector<Colour>{RGB(0, 255, 0), RGB(131, 0, 0)}));

    // 16 bits without masks is 5-5-5.
    BmpFile f555{.width = 1, .height = 1, .bpp = 16};
    f555.pixels = packRows(16, 1, 1, false, [](int, int) { return 0x7C1Fu; });
    EXPECT_EQ(decoded(f555.bytes()).pixels(), (std::vector<Colour>{RGB(255, 0, 255)}));
}

TEST(DecodeBmp, ShortPalettesAndIndicesPastThemReadAsBlack) {
    // Two colours declared at 8 bits; index 3 lies past the palette.
    BmpFile f{.width = 3, .height = 1, .bpp = 8, .palette = {RGB(1, 2, 3), RGB(4, 5, 6)}};
    f.pixels = packRows(8, 3, 1, false,
                        [](int x, int) { return x == 2 ? 3u : static_cast<std::uint32_t>(x); });
    EXPECT_EQ(decoded(f.bytes()).pixels(),
              (std::vector<Colour>{RGB(1, 2, 3), RGB(4, 5, 6), kBlack}));
}

TEST(DecodeBmp, RunLengthEncodedEightAndFourBits) {
    // RLE8, bottom row: a run of 3 x index 1, then a literal 2 3 1; top row: delta right by one,
    // a run of 2 x index 2, end of picture. Unreached pixels take palette entry 0.
    BmpFile rle8{.width = 6, .height = 2, .bpp = 8, .compression = 1, .palette = kFourColours};
    rle8.pixels = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1};
    const Colour k = kFourColours[0], r = kFourColours[1], b = kFourColours[2], d = kFourColours[3];
    EXPECT_EQ(decoded(rle8.bytes()).pixels(), (std::vector<Colour>{k, b, b, k, k, k,  //
                                                                   r, r, r, b, d, r}));

    // RLE4: a run of 5 alternating 1 and 2, end of line, a literal 3 1 2, end of picture.
    BmpFile rle4{.width = 5, .height = 2, .bpp = 4, .compression = 2, .palette = kFourColours};
    rle4.pixels = {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1};
    EXPECT_EQ(decoded(rle4.bytes()).pixels(), (std::vector<Colour>{d, r, b, k, k,  //
                                                                   r, b, r, b, r}));
}

TEST(DecodeBmp, CoreHeaderWithThreeByteEntries) {
    Bytes b{'B', 'M'};
    put32(b, 14 + 12 + 6 + 4);
    put32(b, 0);
    put32(b, 14 + 12 + 6);
    put32(b, 12);
    put16(b, 2);  // width
    put16(b, 1);  // height
    put16(b, 1);
    put16(b, 1);                                // bits per pixel
    b.insert(b.end(), {0, 0, 255, 255, 0, 0});  // red, blue
    b.insert(b.end(), {0x40, 0, 0, 0});         // pixels 0, 1
    EXPECT_EQ(decoded(b).pixels(), (std::vector<Colour>{RGB(255, 0, 0), RGB(0, 0, 255)}));
}

TEST(DecodeBmp, TheLastRowMayLackItsPadding) {
    const Bitmap picture = randomPicture(3, 2, 5);
    Bytes bmp = EncodeBmp24(picture);
    bmp.resize(bmp.size() - 3);  // 9 bytes of pixels, 3 of padding
    EXPECT_EQ(decoded(bmp), picture);
}

// ---- Reading PNG, JPEG, GIF ---------------------------------------------------------------------

TEST(DecodeOtherFormats, PngKeepsEveryPixel) {
    const Bitmap picture = randomPicture(13, 7, 21);
    const Bytes rgb = rgbBytes(picture);
    Bytes png;
    ASSERT_NE(stbi_write_png_to_func(appendBytes, &png, 13, 7, 3, rgb.data(), 13 * 3), 0);
    EXPECT_EQ(decoded(png), picture);
}

TEST(DecodeOtherFormats, PngAlphaIsIgnored) {
    const Bytes rgba = {10, 20, 30, 0, 40, 50, 60, 128};
    Bytes png;
    ASSERT_NE(stbi_write_png_to_func(appendBytes, &png, 2, 1, 4, rgba.data(), 8), 0);
    EXPECT_EQ(decoded(png).pixels(), (std::vector<Colour>{RGB(10, 20, 30), RGB(40, 50, 60)}));
}

TEST(DecodeOtherFormats, JpegComesBackCloseToItsColours) {
    // Flat 8 x 8 blocks survive JPEG nearly unchanged; lossy coding allows a small error.
    const Bitmap picture =
        pictureOf(16, 8, [](int x, int) { return x < 8 ? RGB(200, 40, 40) : RGB(30, 90, 220); });
    const Bytes rgb = rgbBytes(picture);
    Bytes jpeg;
    ASSERT_NE(stbi_write_jpg_to_func(appendBytes, &jpeg, 16, 8, 3, rgb.data(), 100), 0);
    const Bitmap b = decoded(jpeg);
    ASSERT_EQ(b.width(), 16);
    ASSERT_EQ(b.height(), 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Colour want = picture.at(x, y), got = b.at(x, y);
            EXPECT_NEAR(GetRed(got), GetRed(want), 6) << x << "," << y;
            EXPECT_NEAR(GetGreen(got), GetGreen(want), 6) << x << "," << y;
            EXPECT_NEAR(GetBlue(got), GetBlue(want), 6) << x << "," << y;
        }
    }
}

TEST(DecodeOtherFormats, GifFirstFrame) {
    // 2 x 2, palette red and blue, pixels 0 1 / 1 0: LZW codes clear 0 1 1 0 end, the code width
    // growing from 3 to 4 bits after the third code.
    const Bytes gif = {'G',  'I', 'F',  '8',  '9',  'a',  2,   0, 2, 0, 0x80, 0, 0,  //
                       0xFF, 0,   0,    0,    0,    0xFF,                            //
                       0x2C, 0,   0,    0,    0,    2,    0,   2, 0, 0,              //
                       2,    3,   0x44, 0x02, 0x05, 0,    0x3B};
    const Colour red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    EXPECT_EQ(decoded(gif).pixels(), (std::vector<Colour>{red, blue, blue, red}));
}

// A GIF89a of `width` x `height` with a four-colour table, first frame only. The LZW data holds
// every index as it is: a clear code before every second pixel keeps the code width at 3 bits.
// `endEarly` pixels from the end, the end code comes instead of the rest.
Bytes gifOf(const Bitmap& picture, const std::vector<Colour>& palette, int endEarly = 0) {
    const int width = picture.width(), height = picture.height();
    Bytes g{'G', 'I', 'F', '8', '9', 'a'};
    put16(g, static_cast<std::uint32_t>(width));
    put16(g, static_cast<std::uint32_t>(height));
    g.insert(g.end(), {0x81, 0, 0});  // global table of 4 entries
    for (Colour c : palette)
        g.insert(g.end(), {static_cast<std::uint8_t>(GetRed(c)), static_cast<std::uint8_t>(GetGreen(c)),
                           static_cast<std::uint8_t>(GetBlue(c))});
    g.push_back(0x2C);
    put32(g, 0);
    put16(g, static_cast<std::uint32_t>(width));
    put16(g, static_cast<std::uint32_t>(height));
    g.insert(g.end(), {0, 2});  // no local table; minimum code size 2
    Bytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    auto emit = [&](std::uint32_t code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) packed.push_back(static_cast<std::uint8_t>(bits));
    };
    const std::size_t drawn = picture.pixels().size() - static_cast<std::size_t>(endEarly);
    for (std::size_t i = 0; i < drawn; ++i) {
        if (i % 2 == 0) emit(4);
        const auto index = std::find(palette.begin(), palette.end(), picture.pixels()[i]) - palette.begin();
        emit(static_cast<std::uint32_t>(index));
    }
    emit(5);
    if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - i);
        g.push_back(static_cast<std::uint8_t>(n));
        g.insert(g.end(), packed.begin() + static_cast<long>(i), packed.begin() + static_cast<long>(i + n));
    }
    g.push_back(0);
    g.push_back(0x3B);
    return g;
}

// PNG files written byte by byte: the pixel data in stored (uncompressed) deflate blocks, so that
// every colour type, depth and layout can be made exactly.
std::uint32_t crc32Of(const Bytes& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putBe32(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<std::uint8_t>(v >> shift));
}

void pngChunk(Bytes& png, const char* type, const Bytes& data) {
    putBe32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putBe32(png, crc32Of(png, start));
}

Bytes storedZlib(const Bytes& raw) {
    Bytes z{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        put16(z, static_cast<std::uint32_t>(n));
        put16(z, static_cast<std::uint32_t>(~n & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBe32(z, b << 16 | a);
    return z;
}

struct PngFile {
    int width = 0, height = 0, depth = 8, colourType = 2;
    bool interlaced = false;
    Bytes rows;     // the filtered rows as stored (each starting with its filter byte)
    Bytes palette;  // PLTE, three bytes an entry
    Bytes transparency;  // tRNS

    Bytes bytes() const {
        Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        Bytes header;
        putBe32(header, static_cast<std::uint32_t>(width));
        putBe32(header, static_cast<std::uint32_t>(height));
        header.insert(header.end(), {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colourType), 0, 0,
                                     static_cast<std::uint8_t>(interlaced ? 1 : 0)});
        pngChunk(png, "IHDR", header);
        if (!palette.empty()) pngChunk(png, "PLTE", palette);
        if (!transparency.empty()) pngChunk(png, "tRNS", transparency);
        pngChunk(png, "IDAT", storedZlib(rows));
        pngChunk(png, "IEND", {});
        return png;
    }
};

// Unfiltered rows (filter byte 0) of `bytesPerRow` bytes each, from `rowBytes(y)`.
Bytes plainRows(int height, const std::function<Bytes(int)>& rowBytes) {
    Bytes rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        const Bytes row = rowBytes(y);
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

TEST(DecodeOtherFormats, PngSixteenBitSamplesKeepTheirHighByte) {
    // RGBA at 16 bits: 0xABCD reads as 0xAB; alpha is left out.
    PngFile rgba{.width = 2, .height = 1, .depth = 16, .colourType = 6};
    rgba.rows = {0, 0xAB, 0xCD, 0x12, 0x34, 0xFF, 0xFF, 0x00, 0x00,  //
                 0x01, 0x02, 0x80, 0x00, 0x7F, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(decoded(rgba.bytes()).pixels(), (std::vector<Colour>{RGB(0xAB, 0x12, 0xFF), RGB(0x01, 0x80, 0x7F)}));

    PngFile grey{.width = 2, .height = 1, .depth = 16, .colourType = 0};
    grey.rows = {0, 0x40, 0xFF, 0xC0, 0x01};
    EXPECT_EQ(decoded(grey.bytes()).pixels(), (std::vector<Colour>{RGB(0x40, 0x40, 0x40), RGB(0xC0, 0xC0, 0xC0)}));
}

TEST(DecodeOtherFormats, PngGreyAtLowDepthsSpreadsOverTheWholeRange) {
    // Four pixels at 1, 2 and 4 bits: each value scaled to 0..255 and grey in all three channels.
    const auto greys = [](std::initializer_list<int> values) {
        std::vector<Colour> out;
        for (int v : values) out.push_back(RGB(v, v, v));
        return out;
    };
    PngFile one{.width = 4, .height = 1, .depth = 1, .colourType = 0, .rows = {0, 0b1010'0000}};
    EXPECT_EQ(decoded(one.bytes()).pixels(), greys({255, 0, 255, 0}));
    PngFile two{.width = 4, .height = 1, .depth = 2, .colourType = 0, .rows = {0, 0b00'01'10'11}};
    EXPECT_EQ(decoded(two.bytes()).pixels(), greys({0, 0x55, 0xAA, 0xFF}));
    PngFile four{.width = 4, .height = 1, .depth = 4, .colourType = 0, .rows = {0, 0x1F, 0x80}};
    EXPECT_EQ(decoded(four.bytes()).pixels(), greys({0x11, 0xFF, 0x88, 0}));
    PngFile greyAlpha{.width = 1, .height = 1, .depth = 8, .colourType = 4, .rows = {0, 0x66, 0x00}};
    EXPECT_EQ(decoded(greyAlpha.bytes()).pixels(), greys({0x66}));
}

TEST(DecodeOtherFormats, PngPalettesAreLookedUpAndTransparencyIgnored) {
    PngFile indexed{.width = 3, .height = 1, .depth = 4, .colourType = 3, .rows = {0, 0x21, 0x00}};
    indexed.palette = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    indexed.transparency = {0, 128};
    EXPECT_EQ(decoded(indexed.bytes()).pixels(),
              (std::vector<Colour>{RGB(70, 80, 90), RGB(40, 50, 60), RGB(10, 20, 30)}));
}

TEST(DecodeOtherFormats, InterlacedPngRowsLandInPlace) {
    // Adam7 on a 3 x 3 picture: pass 1 holds (0,0); pass 4 (2,0)... written pass by pass here.
    const Bitmap picture = randomPicture(3, 3, 77);
    struct Pass { int x0, y0, dx, dy; };
    constexpr Pass kPasses[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    PngFile png{.width = 3, .height = 3, .depth = 8, .colourType = 2, .interlaced = true};
    for (const Pass& p : kPasses) {
        if (p.x0 >= 3 || p.y0 >= 3) continue;  // an empty pass stores nothing
        for (int y = p.y0; y < 3; y += p.dy) {
            png.rows.push_back(0);
            for (int x = p.x0; x < 3; x += p.dx) {
                const Colour c = picture.at(x, y);
                png.rows.insert(png.rows.end(), {static_cast<std::uint8_t>(GetRed(c)), static_cast<std::uint8_t>(GetGreen(c)),
                                                 static_cast<std::uint8_t>(GetBlue(c))});
            }
        }
    }
    EXPECT_EQ(decoded(png.bytes()), picture);
}

// stb_image never checked a PNG's checksums; files it opened keep opening.
TEST(DecodeOtherFormats, PngChecksumsAreNotHeldAgainstAFile) {
    PngFile png{.width = 1, .height = 1, .depth = 8, .colourType = 2, .rows = {0, 1, 2, 3}};
    Bytes bytes = png.bytes();
    bytes[8 + 8 + 13] ^= 0xFF;  // the header chunk's CRC
    bytes[bytes.size() - 12 - 5] ^= 0xFF;  // the last byte of the zlib checksum
    EXPECT_EQ(decoded(bytes).pixels(), (std::vector<Colour>{RGB(1, 2, 3)}));
}

TEST(DecodeBadInput, PngDataShortOfTheLastRowIsRefused) {
    PngFile png{.width = 2, .height = 2, .depth = 8, .colourType = 2};
    png.rows = plainRows(2, [](int y) { return Bytes(6, static_cast<std::uint8_t>(y + 1)); });
    png.rows.resize(png.rows.size() - 3);  // the stream ends properly, half a row early
    EXPECT_EQ(DecodePicture(png.bytes(), "short.png").error().message, "the picture data is cut short or damaged");
}

// ---- Bad files ----------------------------------------------------------------------------------

TEST_F(PictureFileOnDisk, MissingEmptyAndFolderPathsAreRefusedByName) {
    Result<Bitmap> missing = LoadPicture(path("nothing.bmp"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().path, path("nothing.bmp"));
    EXPECT_EQ(missing.error().message, "the file does not exist");

    writeFile("empty.bmp", {});
    Result<Bitmap> empty = LoadPicture(path("empty.bmp"));
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(empty.error().path, path("empty.bmp"));
    EXPECT_EQ(empty.error().message, "the file is empty");

    Result<Bitmap> folder = LoadPicture(m_folder.string());
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().message, "this is a folder, not a picture file");

    // Files in /proc state a size of 0 whatever they hold: they are read to their end, and only
    // a file that holds nothing is empty.
    for (const std::string procFile : {"/proc/self/cmdline", "/proc/version"}) {
        std::ifstream in(procFile, std::ios::binary);
        const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_FALSE(expected.empty()) << procFile;
        Result<Bytes> read = ReadPictureFile(procFile);
        ASSERT_TRUE(read.ok()) << procFile << ": " << read.error().message;
        EXPECT_EQ(std::string(read->begin(), read->end()), expected) << procFile;
        EXPECT_EQ(LoadPicture(procFile).error().message, "not a picture this program can read (BMP, JPEG, GIF or PNG)");
    }
}

// A loop of links, a permission problem and a special file each once read "the file does not
// exist", which sent the user looking for a file that was there.
TEST_F(PictureFileOnDisk, LinkLoopsDanglingLinksAndSpecialFilesSayWhatTheyAre) {
    fs::create_symlink(path("b.bmp"), path("a.bmp"));
    fs::create_symlink(path("a.bmp"), path("b.bmp"));
    EXPECT_EQ(LoadPicture(path("a.bmp")).error().message, "the path runs round a loop of symbolic links");

    fs::create_symlink(path("gone.bmp"), path("dangling.bmp"));
    EXPECT_EQ(LoadPicture(path("dangling.bmp")).error().message,
              "the file is a symbolic link to something that does not exist");

    ASSERT_EQ(::mkfifo(path("pipe.bmp").c_str(), 0600), 0);
    Result<Bitmap> fifo = LoadPicture(path("pipe.bmp"));  // must not wait for a writer
    ASSERT_FALSE(fifo.ok());
    EXPECT_EQ(fifo.error().message, "this is a special file (a pipe, device or socket), not a picture file");
}

TEST_F(PictureFileOnDisk, PermissionProblemsSayWhichPermissionIsMissing) {
    fs::permissions(m_folder, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    writeFile("locked.bmp", EncodeBmp24(randomPicture(3, 3, 4)));
    fs::permissions(path("locked.bmp"), fs::perms::none);
    fs::create_directory(path("closed"));
    writeFile("closed/inside.bmp", EncodeBmp24(randomPicture(3, 3, 5)));
    fs::permissions(path("closed"), fs::perms::owner_read | fs::perms::owner_write);

    const auto messages = test_support::RunUnprivileged([&] {
        return LoadPicture(path("locked.bmp")).error().message + "\n" +
               LoadPicture(path("closed/inside.bmp")).error().message;
    });
    fs::permissions(path("closed"), fs::perms::owner_all);
    ASSERT_TRUE(messages.has_value()) << "the check could not run without privileges";
    EXPECT_EQ(*messages,
              "there is no permission to read the file\n"
              "there is no permission to open a folder on the way to the file");
}

TEST_F(PictureFileOnDisk, TextAndCutShortFilesAreRefusedByName) {
    writeFile("notes.bmp", {'h', 'e', 'l', 'l', 'o'});
    Result<Bitmap> text = LoadPicture(path("notes.bmp"));
    ASSERT_FALSE(text.ok());
    EXPECT_EQ(text.error().path, path("notes.bmp"));
    EXPECT_EQ(text.error().message, "not a picture this program can read (BMP, JPEG, GIF or PNG)");

    Bytes bmp = EncodeBmp24(randomPicture(10, 10, 8));
    bmp.resize(bmp.size() - 40);
    writeFile("cut.bmp", bmp);
    Result<Bitmap> cut = LoadPicture(path("cut.bmp"));
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().path, path("cut.bmp"));
    EXPECT_EQ(cut.error().message, "the picture data is cut short or damaged");

    bmp.resize(30);  // inside the header
    writeFile("header.bmp", bmp);
    EXPECT_EQ(LoadPicture(path("header.bmp")).error().message,
              "the picture data is cut short or damaged");

    const Bitmap picture = randomPicture(8, 8, 9);
    const Bytes rgb = rgbBytes(picture);
    Bytes png;
    ASSERT_NE(stbi_write_png_to_func(appendBytes, &png, 8, 8, 3, rgb.data(), 8 * 3), 0);
    png.resize(png.size() / 2);
    writeFile("cut.png", png);
    EXPECT_EQ(LoadPicture(path("cut.png")).error().message,
              "the picture data is cut short or damaged");
}

// A GIF cut anywhere in its frame data once opened as a picture whose lower part was blank.
TEST_F(PictureFileOnDisk, GifsCutShortAreRefusedAtEveryCut) {
    const Bitmap picture = pictureOf(40, 30, [](int x, int y) { return kFourColours[(x / 3 + y) % 4]; });
    const Bytes gif = gifOf(picture, kFourColours);
    writeFile("whole.gif", gif);
    Result<Bitmap> whole = LoadPicture(path("whole.gif"));
    ASSERT_TRUE(whole.ok()) << whole.error().describe();
    EXPECT_EQ(whole.value(), picture);

    for (int percent : {10, 25, 50, 75, 90, 99}) {
        const std::string name = "cut" + std::to_string(percent) + ".gif";
        writeFile(name, Bytes(gif.begin(), gif.begin() + static_cast<long>(gif.size() * percent / 100)));
        Result<Bitmap> cut = LoadPicture(path(name));
        ASSERT_FALSE(cut.ok()) << name;
        EXPECT_EQ(cut.error().path, path(name));
        EXPECT_EQ(cut.error().message, "the picture data is cut short or damaged") << name;
    }
    // Screen, table, frame descriptor and code size come first; one byte of data is not a frame.
    constexpr std::size_t kFrameData = 13 + 12 + 10 + 1;
    EXPECT_EQ(DecodePicture(Bytes(gif.begin(), gif.begin() + kFrameData + 2), "cut.gif").error().message,
              "the picture data is cut short or damaged");
}

// Every pixel is there when only what follows the frame's codes is missing.
TEST(DecodeBadInput, AGifCutAfterItsLastCodeStillOpens) {
    const Bitmap picture = pictureOf(7, 5, [](int x, int y) { return kFourColours[(x + 2 * y) % 4]; });
    Bytes gif = gifOf(picture, kFourColours);
    gif.pop_back();  // the trailer
    EXPECT_EQ(decoded(gif), picture);
    gif.pop_back();  // the end of the frame's blocks
    EXPECT_EQ(decoded(gif), picture);
}

TEST(DecodeBadInput, AGifWhoseCodesEndBeforeTheFrameIsFullIsRefused) {
    const Bitmap picture = pictureOf(7, 5, [](int x, int y) { return kFourColours[(x + 2 * y) % 4]; });
    EXPECT_EQ(DecodePicture(gifOf(picture, kFourColours, 1), "short.gif").error().message,
              "the picture data is cut short or damaged");
    EXPECT_EQ(DecodePicture(gifOf(picture, kFourColours, 20), "short.gif").error().message,
              "the picture data is cut short or damaged");
}

TEST(DecodeBadInput, OversizedPicturesAreRefusedBeforeDecoding) {
    BmpFile huge{.width = 20000, .height = 20000, .bpp = 24};
    Result<Bitmap> square = DecodePicture(huge.bytes(), "huge.bmp");
    ASSERT_FALSE(square.ok());
    EXPECT_EQ(square.error().path, "huge.bmp");
    EXPECT_EQ(square.error().message,
              "the picture is 20000 × 20000 pixels; at most 16384 on a side and 64 million pixels "
              "are accepted");

    BmpFile wide{.width = 20000, .height = -10, .bpp = 8, .palette = kFourColours};
    EXPECT_EQ(DecodePicture(wide.bytes(), "wide.bmp").error().message,
              "the picture is 20000 × 10 pixels; at most 16384 on a side and 64 million pixels are "
              "accepted");

    // Within the side limit but over the pixel count.
    BmpFile many{.width = 16000, .height = 16000, .bpp = 1, .palette = kFourColours};
    EXPECT_EQ(DecodePicture(many.bytes(), "many.bmp").error().message,
              "the picture is 16000 × 16000 pixels; at most 16384 on a side and 64 million pixels "
              "are accepted");

    // A PNG header claiming 20000 x 20000, with no pixel data behind it.
    Bytes png = {0x89, 'P',  'N',  'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,
                 0,    0x4E, 0x20, 0,   0,    0x4E, 0x20, 8,    2, 0, 0, 0,  0,   0,   0,   0};
    EXPECT_EQ(DecodePicture(png, "huge.png").error().message,
              "the picture is 20000 × 20000 pixels; at most 16384 on a side and 64 million pixels "
              "are accepted");

    // A GIF whose screen is 20000 x 10, and a real JPEG of 20000 x 8.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0x20, 0x4E, 10, 0, 0, 0, 0, 0x3B};
    EXPECT_EQ(DecodePicture(gif, "wide.gif").error().message,
              "the picture is 20000 × 10 pixels; at most 16384 on a side and 64 million pixels are "
              "accepted");
    const Bytes grey(20000 * 8, 128);
    Bytes jpeg;
    ASSERT_NE(stbi_write_jpg_to_func(appendBytes, &jpeg, 20000, 8, 1, grey.data(), 50), 0);
    EXPECT_EQ(DecodePicture(jpeg, "wide.jpg").error().message,
              "the picture is 20000 × 8 pixels; at most 16384 on a side and 64 million pixels are "
              "accepted");
}

TEST(DecodeBadInput, DamagedHeadersAreRefused) {
    BmpFile zeroWidth{.width = 0, .height = 4, .bpp = 24};
    EXPECT_EQ(DecodePicture(zeroWidth.bytes(), "z.bmp").error().message,
              "the picture data is cut short or damaged");

    BmpFile twoBits{.width = 2, .height = 2, .bpp = 2, .palette = kFourColours};
    EXPECT_EQ(DecodePicture(twoBits.bytes(), "2.bmp").error().message,
              "the BMP has 2 bits per pixel; only 1, 4, 8, 16, 24 and 32 can be read");

    BmpFile jpegInside{.width = 2, .height = 2, .bpp = 24, .compression = 4};
    EXPECT_EQ(DecodePicture(jpegInside.bytes(), "j.bmp").error().message,
              "the BMP is compressed in a way this program cannot read");

    // An RLE8 picture whose codes stop before the end of the picture.
    BmpFile rle{.width = 4, .height = 2, .bpp = 8, .compression = 1, .palette = kFourColours};
    rle.pixels = {4, 1, 0};
    EXPECT_EQ(DecodePicture(rle.bytes(), "r.bmp").error().message,
              "the picture data is cut short or damaged");
}

// Inputs found by fuzzing, kept in tests/data/fuzz/picture_loader. Inside the decoders they
// overran a table, asked for gigabytes, or shifted past a word's width before giving up, which
// only the sanitizer build sees (scripts/fuzz.sh replays every file there); here they pin the
// answer a person gets.
TEST(DecodeBadInput, FuzzFindingsAreRefusedAsDamaged) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(PELTERRA_TEST_DATA) / "fuzz" / "picture_loader")) {
        ++files;
        const std::string name = entry.path().filename();
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        Result<Bitmap> picture = DecodePicture(bytes, name);
        ASSERT_FALSE(picture.ok()) << name;
        EXPECT_EQ(picture.error().message, "the picture data is cut short or damaged") << name;
    }
    EXPECT_GE(files, 3);
}

}  // namespace
