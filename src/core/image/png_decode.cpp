#include "image/png_decode.h"

#include <png.h>

#include <bit>
#include <cstring>
#include <vector>

namespace pelterra {

namespace {

// Where libpng reads from. A read past the end is an error, which ends the decode.
struct PngSource {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

void readFromMemory(png_structp png, png_bytep into, png_size_t count) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->at) png_error(png, "cut short");
    std::memcpy(into, source->bytes.data() + source->at, count);
    source->at += count;
}

// libpng reports an error by a long jump back to the setjmp of the function that called it; it
// writes errors and warnings to stderr unless told otherwise. Here they only end the decode.
void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onWarning(png_structp, png_const_charp) {}

// Owns libpng's two structures.
class PngReader {
public:
    PngReader() {
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
        if (m_png) m_info = png_create_info_struct(m_png);
    }
    ~PngReader() { png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    bool ready() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// The long jump skips every frame between png_error and setjmp, so the two steps that call
// libpng are plain functions that hold nothing with a destructor.

// Reads the header and asks for four bytes a pixel, R G B 0, which is how a Colour lies in
// memory. Checksums are not checked: stb_image never checked them, and a file it opened should
// still open.
bool readHeader(png_structp png, png_infop info, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_set_benign_errors(png, 1);
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    const int colourType = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (depth == 16) png_set_strip_16(png);
    png_set_strip_alpha(png);
    if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == static_cast<png_size_t>(width) * sizeof(Colour);
}

bool readRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

}  // namespace

std::optional<Bitmap> DecodePngPixels(std::span<const std::uint8_t> bytes, int width, int height) {
    static_assert(sizeof(Colour) == 4 && std::endian::native == std::endian::little,
                  "a row is read as the bytes R G B 0 into each Colour, red in its lowest byte");
    PngReader reader;
    if (!reader.ready()) return std::nullopt;
    PngSource source{bytes};
    png_set_read_fn(reader.png(), &source, readFromMemory);
    png_uint_32 w = 0, h = 0;
    if (!readHeader(reader.png(), reader.info(), w, h)) return std::nullopt;
    if (w != static_cast<png_uint_32>(width) || h != static_cast<png_uint_32>(height)) return std::nullopt;

    Bitmap out(width, height);
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) rows[y] = reinterpret_cast<png_bytep>(out.row(y));
    if (!readRows(reader.png(), rows.data())) return std::nullopt;
    return out;
}

}  // namespace pelterra
