// Picture files: our own BMP reader and writer, libpng for PNG, stb_image for JPEG and GIF.
// Every size a file claims is checked against the limits before any pixel memory is allocated,
// and every read of the file's bytes is bounds-checked, so a damaged file yields an Error, never
// a crash.
#include "image/picture_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

// stb_image allocates through these. A length field in a damaged file can ask stb for gigabytes
// before it notices the data is not there (a PNG data chunk, a zlib stream that inflates
// without end), so each decode sets an allowance from the size the picture claims, and any
// single allocation beyond it fails as if memory had run out. Memory comes zeroed: a JPEG whose
// scan names a Huffman or quantisation table it never defined makes stb read that table as it
// finds it, and an uninitialised table sends its lookups far outside the table.
namespace pelterra {
namespace {
namespace stb_memory {
thread_local std::size_t allowance = SIZE_MAX;
thread_local bool refused = false;

void* allocate(std::size_t bytes) {
    if (bytes > allowance) {
        refused = true;
        return nullptr;
    }
    return std::calloc(1, bytes);
}
void* reallocate(void* old, std::size_t bytes) {
    if (bytes > allowance) {
        refused = true;
        return nullptr;
    }
    return std::realloc(old, bytes);
}
}  // namespace stb_memory
}  // namespace
}  // namespace pelterra

// stb_image lives in this file only, with its functions static, so no other object can clash
// with it. BMP is ours (stb does not notice cut-short BMP data and reads colours it never set).
#define STBI_MALLOC(bytes) pelterra::stb_memory::allocate(bytes)
#define STBI_REALLOC(old, bytes) pelterra::stb_memory::reallocate(old, bytes)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb_image.h>

#include "fs/atomic_file.h"
#include "image/gif_first_frame.h"
#include "image/png_decode.h"

namespace pelterra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::span<const std::uint8_t>;

constexpr Wording kNotAPicture = CoreMessage::wording("not a picture this program can read (BMP, JPEG, GIF or PNG)");
constexpr Wording kDamaged = CoreMessage::wording("the picture data is cut short or damaged");

Error damaged(const std::string& name) { return Error{name, kDamaged}; }

Error tooLarge(const std::string& name, long long width, long long height,
               const PictureLimits& limits) {
    return Error{name,
                 CoreMessage::wording("the picture is %1 × %2 pixels; at most %3 on a side and %4 pixels are accepted"),
                 {width, height, limits.maxSide, PixelCountInWords(limits.maxPixels)}};
}

// Checked before anything the size of the picture is allocated.
std::optional<Error> checkSize(const std::string& name, long long width, long long height,
                               const PictureLimits& limits) {
    if (width <= 0 || height <= 0) return damaged(name);
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels)
        return tooLarge(name, width, height, limits);
    return std::nullopt;
}

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t be32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}
std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// ---- BMP reading ----------------------------------------------------------------------------

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER

enum BmpCompression : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiAlphaBitfields = 6,
};

// One colour channel of a 16 or 32 bits-per-pixel BMP: where it sits and how wide it is.
struct ChannelMask {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static ChannelMask from(std::uint32_t mask) {
        ChannelMask c{mask, 0, 0};
        if (mask == 0) return c;
        while (((mask >> c.shift) & 1u) == 0) ++c.shift;
        while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1u) != 0) ++c.bits;
        return c;
    }
    // Widens the channel's value to 0..255.
    int extract(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<int>(v >> (bits - 8));
        const std::uint32_t max = (1u << bits) - 1;
        return static_cast<int>((v & max) * 255 / max);
    }
};

struct BmpInfo {
    std::uint32_t headerSize = 0;
    long long width = 0;
    long long height = 0;  // always positive; topDown says which way the rows run
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t coloursUsed = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t pixelOffset = 0;
};

enum class BmpProblem { None, Damaged, Depth, Compression };

BmpProblem parseBmpHeader(Bytes bytes, BmpInfo& info) {
    if (bytes.size() < kFileHeaderSize + 4) return BmpProblem::Damaged;
    const std::uint8_t* d = bytes.data();
    info.pixelOffset = le32(d + 10);
    info.headerSize = le32(d + kFileHeaderSize);
    const std::uint32_t hs = info.headerSize;
    if (hs != kCoreHeaderSize && (hs < 16 || hs > 1024)) return BmpProblem::Damaged;
    if (bytes.size() < kFileHeaderSize + hs) return BmpProblem::Damaged;
    const std::uint8_t* h = d + kFileHeaderSize;

    if (hs == kCoreHeaderSize) {
        info.width = le16(h + 4);
        info.height = le16(h + 6);
        info.bitCount = le16(h + 10);
        info.paletteEntrySize = 3;
    } else {
        info.width = static_cast<std::int32_t>(le32(h + 4));
        const long long height = static_cast<std::int32_t>(le32(h + 8));
        info.topDown = height < 0;
        info.height = height < 0 ? -height : height;
        info.bitCount = le16(h + 14);
        if (hs >= 20) info.compression = le32(h + 16);
        if (hs >= 36) info.coloursUsed = le32(h + 32);
        // The 64-byte OS/2 header gives codes 3 and 4 to its own Huffman and RLE24 schemes.
        if (hs == 64 && (info.compression == 3 || info.compression == 4))
            return BmpProblem::Compression;
    }
    info.paletteStart = kFileHeaderSize + hs;

    switch (info.bitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32: break;
        default: return BmpProblem::Depth;
    }

    switch (info.compression) {
        case kBiRgb:
            if (info.bitCount == 16) info.masks = {0x7C00, 0x03E0, 0x001F};
            if (info.bitCount == 32) info.masks = {0xFF0000, 0xFF00, 0xFF};
            break;
        case kBiRle8:
        case kBiRle4:
            if (info.bitCount != (info.compression == kBiRle8 ? 8 : 4) || info.topDown)
                return BmpProblem::Compression;
            break;
        case kBiBitfields:
        case kBiAlphaBitfields: {
            if (info.bitCount != 16 && info.bitCount != 32) return BmpProblem::Compression;
            // A 40-byte header is followed by the masks; larger headers hold them inside.
            std::size_t at = kFileHeaderSize + kInfoHeaderSize;
            if (hs == kInfoHeaderSize) {
                const std::size_t maskBytes = info.compression == kBiAlphaBitfields ? 16 : 12;
                info.paletteStart += maskBytes;
            } else if (hs < 52) {
                return BmpProblem::Damaged;
            }
            if (bytes.size() < at + 12) return BmpProblem::Damaged;
            info.masks = {le32(d + at), le32(d + at + 4), le32(d + at + 8)};
            break;
        }
        default: return BmpProblem::Compression;
    }
    return BmpProblem::None;
}

// The palette of a BMP at 8 bits per pixel or fewer. Indices beyond the stored entries read as
// black, as Windows shows them.
std::optional<std::array<Colour, 256>> readPalette(Bytes bytes, BmpInfo& info) {
    std::array<Colour, 256> palette{};
    palette.fill(kBlack);
    const std::size_t maxEntries = std::size_t{1} << info.bitCount;
    std::size_t entries = info.coloursUsed != 0 ? info.coloursUsed : maxEntries;
    entries = std::min(entries, maxEntries);
    // Some writers store fewer entries than they declare; the pixels then begin sooner.
    if (info.pixelOffset > info.paletteStart) {
        const std::size_t room = (info.pixelOffset - info.paletteStart) / info.paletteEntrySize;
        entries = std::min(entries, room);
    }
    const std::size_t end = info.paletteStart + entries * info.paletteEntrySize;
    if (entries == 0 || end > bytes.size()) return std::nullopt;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t* e = bytes.data() + info.paletteStart + i * info.paletteEntrySize;
        palette[i] = RGB(e[2], e[1], e[0]);
    }
    if (info.pixelOffset < end) info.pixelOffset = end;
    return palette;
}

// Rows as stored: bottom row first unless the header's height was negative.
int storedRowToY(const BmpInfo& info, long long stored) {
    return static_cast<int>(info.topDown ? stored : info.height - 1 - stored);
}

void decodeUncompressedRows(Bytes bytes, const BmpInfo& info,
                            const std::array<Colour, 256>& palette, std::size_t stride,
                            Bitmap& out) {
    const int width = out.width();
    const ChannelMask red = ChannelMask::from(info.masks[0]);
    const ChannelMask green = ChannelMask::from(info.masks[1]);
    const ChannelMask blue = ChannelMask::from(info.masks[2]);
    for (long long stored = 0; stored < info.height; ++stored) {
        const std::uint8_t* src = bytes.data() + info.pixelOffset + stored * stride;
        Colour* dst = out.row(storedRowToY(info, stored));
        switch (info.bitCount) {
            case 1:
                for (int x = 0; x < width; ++x)
                    dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                for (int x = 0; x < width; ++x)
                    dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                break;
            case 8:
                for (int x = 0; x < width; ++x) dst[x] = palette[src[x]];
                break;
            case 24:
                for (int x = 0; x < width; ++x, src += 3) dst[x] = RGB(src[2], src[1], src[0]);
                break;
            case 16:
                for (int x = 0; x < width; ++x, src += 2) {
                    const std::uint32_t p = le16(src);
                    dst[x] = RGB(red.extract(p), green.extract(p), blue.extract(p));
                }
                break;
            case 32:
                for (int x = 0; x < width; ++x, src += 4) {
                    const std::uint32_t p = le32(src);
                    dst[x] = RGB(red.extract(p), green.extract(p), blue.extract(p));
                }
                break;
        }
    }
}

// RLE8 and RLE4: runs and literal groups, with end-of-line, end-of-picture and delta codes.
// Pixels the codes never reach stay palette entry 0, as a cleared Windows bitmap does.
bool decodeRunLengthRows(Bytes bytes, const BmpInfo& info, const std::array<Colour, 256>& palette,
                         Bitmap& out) {
    const bool four = info.compression == kBiRle4;
    const long long width = out.width();
    out.fill(palette[0]);
    std::size_t at = info.pixelOffset;
    long long x = 0, stored = 0;
    // Codes may run past the right edge; those pixels are dropped.
    auto put = [&](int index) {
        if (x < width) out.at(static_cast<int>(x), storedRowToY(info, stored)) = palette[index];
        ++x;
    };
    while (stored < info.height) {
        if (at + 2 > bytes.size()) return false;
        const int count = bytes[at], value = bytes[at + 1];
        at += 2;
        if (count > 0) {
            const int visible = static_cast<int>(std::clamp<long long>(width - x, 0, count));
            for (int i = 0; i < visible; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            x += count - visible;
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++stored;
        } else if (value == 1) {  // end of picture
            return true;
        } else if (value == 2) {  // delta: move right and up
            if (at + 2 > bytes.size()) return false;
            x += bytes[at];
            stored += bytes[at + 1];
            at += 2;
        } else {  // literal group of `value` pixels, padded to a 16-bit boundary
            const std::size_t dataBytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = (dataBytes + 1) & ~std::size_t{1};
            if (at + padded > bytes.size()) return false;
            for (int i = 0; i < value; ++i) {
                const int byte = bytes[at + (four ? i / 2 : i)];
                put(four ? ((i & 1) ? byte & 15 : byte >> 4) : byte);
            }
            at += padded;
        }
    }
    return true;
}

// The header read and held to the limits, or why the file cannot be read.
std::optional<Error> readBmpHeader(Bytes bytes, const std::string& name, const PictureLimits& limits,
                                   BmpInfo& info) {
    switch (parseBmpHeader(bytes, info)) {
        case BmpProblem::None: break;
        case BmpProblem::Damaged: return damaged(name);
        case BmpProblem::Depth:
            return Error{name,
                         CoreMessage::wording("the BMP has %1 bits per pixel; only 1, 4, 8, 16, 24 and 32 can be read"),
                         {info.bitCount}};
        case BmpProblem::Compression:
            return Error{name, CoreMessage::wording("the BMP is compressed in a way this program cannot read")};
    }
    return checkSize(name, info.width, info.height, limits);
}

Result<Bitmap> decodeBmp(Bytes bytes, const std::string& name, const PictureLimits& limits) {
    BmpInfo info;
    if (auto problem = readBmpHeader(bytes, name, limits, info)) return *problem;

    std::array<Colour, 256> palette{};
    if (info.bitCount <= 8) {
        auto read = readPalette(bytes, info);
        if (!read) return damaged(name);
        palette = *read;
    }
    // A zero or wild pixel offset: the pixels follow the headers, palette and masks.
    if (info.pixelOffset < info.paletteStart) info.pixelOffset = info.paletteStart;
    if (info.pixelOffset >= bytes.size()) return damaged(name);

    if (info.compression == kBiRle8 || info.compression == kBiRle4) {
        Bitmap out(static_cast<int>(info.width), static_cast<int>(info.height));
        if (!decodeRunLengthRows(bytes, info, palette, out)) return damaged(name);
        return out;
    }

    // Rows are padded to 4 bytes; the last row's padding may be missing without harm.
    const std::size_t rowBytes = (static_cast<std::size_t>(info.width) * info.bitCount + 7) / 8;
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    const std::size_t needed = stride * static_cast<std::size_t>(info.height - 1) + rowBytes;
    if (bytes.size() - info.pixelOffset < needed) return damaged(name);

    Bitmap out(static_cast<int>(info.width), static_cast<int>(info.height));
    decodeUncompressedRows(bytes, info, palette, stride, out);
    return out;
}

// ---- JPEG, GIF and PNG through stb_image -------------------------------------------------------

// stb_image 2.27 builds a Huffman table from counts that may add up to more than its 256 slots
// and then writes past them. A table of that kind is never valid, so every DHT segment stb could
// reach is read here first, the way stb reads it (bytes past the end read as 0), and such a file
// is refused as damaged.
bool huffmanSegmentFits(Bytes bytes, std::size_t lengthAt, std::size_t& segmentEnd) {
    auto byteAt = [&](std::size_t i) -> int { return i < bytes.size() ? bytes[i] : 0; };
    const long long length = byteAt(lengthAt) << 8 | byteAt(lengthAt + 1);
    long long left = length - 2;
    std::size_t at = lengthAt + 2;
    while (left > 0) {
        const int classAndId = byteAt(at++);
        if ((classAndId >> 4) > 1 || (classAndId & 15) > 3) return true;  // stb stops here
        int codes = 0;
        for (int i = 0; i < 16; ++i) codes += byteAt(at++);
        if (codes > 256) return false;
        at += static_cast<std::size_t>(codes);
        left -= 17 + codes;
    }
    segmentEnd = lengthAt + static_cast<std::size_t>(length);
    return true;
}

// What one decode may allocate at once: stb's biggest buffers for a JPEG or GIF hold a few bytes
// a pixel (a GIF keeps its picture, the one before and the background, four bytes each); JPEG
// rounds each side up to whole blocks. Sixteen bytes a pixel, plus room for stb's own state.
constexpr std::size_t kStbHeaderAllowance = 1 << 20;
std::size_t pixelAllowance(long long width, long long height) {
    return static_cast<std::size_t>(width + 64) * static_cast<std::size_t>(height + 64) * 16 +
           kStbHeaderAllowance;
}

class StbAllowance {
public:
    explicit StbAllowance(std::size_t bytes) {
        stb_memory::allowance = bytes;
        stb_memory::refused = false;
    }
    ~StbAllowance() { stb_memory::allowance = SIZE_MAX; }
    StbAllowance(const StbAllowance&) = delete;
    StbAllowance& operator=(const StbAllowance&) = delete;
};

// Walks every marker of a JPEG: segments are skipped by their length, entropy-coded data and
// stray bytes byte by byte, so each place where stb could meet a DHT marker is visited.
bool jpegHuffmanTablesFit(Bytes bytes) {
    std::size_t i = 2;  // after the start-of-image marker
    while (i < bytes.size()) {
        if (bytes[i] != 0xFF) {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < bytes.size() && bytes[j] == 0xFF) ++j;  // fill bytes
        if (j >= bytes.size()) return true;
        const int marker = bytes[j];
        i = j + 1;
        // Stuffed zero, restart markers, TEM and SOI stand alone; EOI ends the picture.
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        if (marker == 0xD9) return true;
        if (marker == 0xC4) {
            std::size_t end = 0;
            if (!huffmanSegmentFits(bytes, i, end)) return false;
            if (end == 0) return true;  // stb refuses the segment before building anything
            i = end;
            continue;
        }
        if (i + 1 >= bytes.size()) return true;
        const std::size_t length = static_cast<std::size_t>(bytes[i] << 8 | bytes[i + 1]);
        if (length < 2) return true;  // stb refuses a segment this short
        i += length;
    }
    return true;
}

enum class Format { Bmp, Png, Jpeg, Gif, Unknown };

bool startsWith(Bytes bytes, std::initializer_list<std::uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

Format formatOf(Bytes bytes) {
    if (startsWith(bytes, {'B', 'M'})) return Format::Bmp;
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) return Format::Png;
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF})) return Format::Jpeg;
    if (startsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || startsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
        return Format::Gif;
    return Format::Unknown;
}

// The size a PNG, JPEG or GIF states, read before anything is decoded. PNG and GIF state it at a
// fixed place (stb would refuse a huge one only as corrupt); a JPEG's is found by stb's scan of
// its markers.
Result<PictureSize> claimedSize(Bytes bytes, Format format, const std::string& name, const PictureLimits& limits) {
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) return damaged(name);
    long long width = 0, height = 0;
    switch (format) {
        case Format::Jpeg: {
            if (!jpegHuffmanTablesFit(bytes)) return damaged(name);
            const StbAllowance headerOnly(kStbHeaderAllowance);
            int w = 0, h = 0, channels = 0;
            if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels))
                return damaged(name);
            width = w;
            height = h;
            break;
        }
        case Format::Png:
            if (bytes.size() < 24 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return damaged(name);
            width = be32(bytes.data() + 16);
            height = be32(bytes.data() + 20);
            break;
        default:
            if (bytes.size() < 10) return damaged(name);
            width = le16(bytes.data() + 6);
            height = le16(bytes.data() + 8);
            break;
    }
    if (auto problem = checkSize(name, width, height, limits)) return *problem;
    return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

Result<Bitmap> decodePng(Bytes bytes, const std::string& name, PictureSize size) {
    std::optional<Bitmap> pixels = DecodePngPixels(bytes, size.width, size.height);
    if (!pixels) return damaged(name);
    return std::move(*pixels);
}

Result<Bitmap> decodeWithStb(Bytes bytes, Format format, const std::string& name, const PictureLimits& limits,
                             PictureSize size) {
    // stb would draw what a cut-short GIF holds and leave the rest of the frame blank.
    if (format == Format::Gif && GifFirstFrameIsCutShort(bytes)) return damaged(name);

    const StbAllowance forThisPicture(pixelAllowance(size.width, size.height));
    constexpr int kRgb = 3;
    int w = 0, h = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, kRgb),
        stbi_image_free);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        if (reason && std::strcmp(reason, "outofmem") == 0 && !stb_memory::refused)
            return Error{name, CoreMessage::wording("there is not enough memory to open the picture")};
        return damaged(name);
    }
    // The decoder read the size again; hold it to the limits once more.
    if (auto problem = checkSize(name, w, h, limits)) return *problem;

    Bitmap out(w, h);
    const stbi_uc* src = pixels.get();
    for (Colour& c : out.pixels()) {
        c = RGB(src[0], src[1], src[2]);
        src += kRgb;
    }
    return out;
}

// ---- Reading and writing files ------------------------------------------------------------------

// Why the file could not be looked at: the folders on the way, a link, or the file itself.
Words unreachableReason(const std::string& path, int error) {
    switch (error) {
        case ENOENT: {
            std::error_code ec;
            if (fs::is_symlink(fs::symlink_status(path, ec)))
                return CoreMessage::wording("the file is a symbolic link to something that does not exist");
            return CoreMessage::wording("the file does not exist");
        }
        case ENOTDIR:
            return CoreMessage::wording("the file does not exist (a part of its path is not a folder)");
        case ELOOP:
            return CoreMessage::wording("the path runs round a loop of symbolic links");
        case EACCES:
        case EPERM:
            return CoreMessage::wording("there is no permission to open a folder on the way to the file");
        case ENAMETOOLONG:
            return CoreMessage::wording("the path or one of its names is too long");
        default:
            return {CoreMessage::wording("the file cannot be reached (%1)"), {std::strerror(error)}};
    }
}

Words unopenableReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return CoreMessage::wording("there is no permission to read the file");
        case ELOOP:
            return CoreMessage::wording("the path runs round a loop of symbolic links");
        default:
            return {CoreMessage::wording("the file cannot be opened (%1)"), {std::strerror(error)}};
    }
}

// Reads the file to its end, keeping at most `limit` + 1 bytes (one more than any file may hold,
// so that a longer one is seen to be longer). The size the file states is only where the
// buffer starts: a file in /proc states 0 and holds more, and a file that shrank or grew while
// being read is judged on what it held. Returns 0, or the errno of a failed read.
int readToEnd(int fd, std::uintmax_t statedSize, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kFirstChunk = 64 * 1024;
    const std::size_t most = limit + 1;
    bytes.resize(std::min<std::uintmax_t>(std::max<std::uintmax_t>(statedSize + 1, kFirstChunk), most));
    std::size_t done = 0;
    while (done < most) {
        if (done == bytes.size()) bytes.resize(std::min(bytes.size() * 2, most));
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return 0;
}

// A 24-bit BMP: the two headers, then rows of three bytes a pixel padded to four bytes. Every
// picture within the limits fits the file's 32-bit sizes.
constexpr std::uint32_t kBmp24Headers = kFileHeaderSize + kInfoHeaderSize;
static_assert(3 * kMaxPicturePixels + 3 * kMaxPictureSide + kBmp24Headers <= UINT32_MAX);

std::size_t bmp24Stride(const Bitmap& bitmap) {
    return (static_cast<std::size_t>(bitmap.width()) * 3 + 3) & ~std::size_t{3};
}

void putLe16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void putLe32(std::uint8_t* p, std::uint32_t v) {
    putLe16(p, v);
    putLe16(p + 2, v >> 16);
}

}  // namespace

Result<PictureSize> ReadPictureSize(Bytes bytes, const std::string& name, const PictureLimits& limits) {
    if (bytes.empty()) return Error{name, CoreMessage::wording("the file is empty")};
    const Format format = formatOf(bytes);
    if (format == Format::Unknown) return Error{name, kNotAPicture};
    if (format != Format::Bmp) return claimedSize(bytes, format, name, limits);
    BmpInfo info;
    if (auto problem = readBmpHeader(bytes, name, limits, info)) return *problem;
    return PictureSize{static_cast<int>(info.width), static_cast<int>(info.height)};
}

Result<Bitmap> DecodePicture(Bytes bytes, const std::string& name, const PictureLimits& limits) {
    if (bytes.empty()) return Error{name, CoreMessage::wording("the file is empty")};
    const Format format = formatOf(bytes);
    switch (format) {
        case Format::Unknown: return Error{name, kNotAPicture};
        case Format::Bmp: return decodeBmp(bytes, name, limits);
        default: break;
    }
    Result<PictureSize> size = claimedSize(bytes, format, name, limits);
    if (!size) return size.error();
    if (format == Format::Png) return decodePng(bytes, name, *size);
    return decodeWithStb(bytes, format, name, limits, *size);
}

Result<Bitmap> DecodePicture(Bytes bytes, const std::string& name) {
    return DecodePicture(bytes, name, PictureLimits{});
}

Result<std::vector<std::uint8_t>> ReadPictureFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return Error{path, unreachableReason(path, ec.value())};
    if (fs::is_directory(status)) return Error{path, CoreMessage::wording("this is a folder, not a picture file")};
    if (!fs::is_regular_file(status))
        return Error{path,
                     CoreMessage::wording("this is a special file (a pipe, device or socket), not a picture file")};
    // A size stated beyond the limit is refused unread; a file in /proc states 0 whatever it
    // holds, so only reading it tells whether it is empty.
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return Error{path, CoreMessage::wording("the file cannot be read (%1)"), {ec.message()}};
    if (size > kMaxPictureFileBytes)
        return Error{path,
                     CoreMessage::wording("the file is %1 MB; picture files over %2 MB are not read"),
                     {size / (1024 * 1024), kMaxPictureFileBytes / (1024 * 1024)}};

    // Without waiting: a named pipe put in the file's place since it was looked at gives a short
    // read, not a program that hangs.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Error{path, unopenableReason(errno)};
    std::vector<std::uint8_t> bytes;
    const int readError = readToEnd(fd, size, kMaxPictureFileBytes, bytes);
    ::close(fd);
    if (readError != 0)
        return Error{path, CoreMessage::wording("the file cannot be read (%1)"), {std::strerror(readError)}};
    if (bytes.empty()) return Error{path, CoreMessage::wording("the file is empty")};
    if (bytes.size() > kMaxPictureFileBytes)
        return Error{path,
                     CoreMessage::wording("the file holds more than %1 MB; picture files over %1 MB are not read"),
                     {kMaxPictureFileBytes / (1024 * 1024)}};
    return bytes;
}

Result<Bitmap> LoadPicture(const std::string& path) {
    Result<std::vector<std::uint8_t>> bytes = ReadPictureFile(path);
    if (!bytes) return bytes.error();
    return DecodePicture(*bytes, path);
}

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) {
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    const std::size_t stride = bmp24Stride(bitmap);
    const std::size_t imageBytes = stride * static_cast<std::size_t>(bitmap.height());
    std::vector<std::uint8_t> out(kBmp24Headers + imageBytes, 0);
    std::uint8_t* d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    putLe32(d + 2, static_cast<std::uint32_t>(out.size()));  // fits: see kBmp24Headers
    putLe32(d + 10, kBmp24Headers);
    std::uint8_t* h = d + kFileHeaderSize;
    putLe32(h, kInfoHeaderSize);
    putLe32(h + 4, static_cast<std::uint32_t>(bitmap.width()));
    putLe32(h + 8, static_cast<std::uint32_t>(bitmap.height()));  // positive: bottom row first
    putLe16(h + 12, 1);
    putLe16(h + 14, 24);
    putLe32(h + 16, kBiRgb);
    putLe32(h + 20, static_cast<std::uint32_t>(imageBytes));
    putLe32(h + 24, kPixelsPerMetre);
    putLe32(h + 28, kPixelsPerMetre);
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* dst = d + kBmp24Headers + stride * (bitmap.height() - 1 - y);
        const Colour* src = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x, dst += 3) {
            dst[0] = static_cast<std::uint8_t>(GetBlue(src[x]));
            dst[1] = static_cast<std::uint8_t>(GetGreen(src[x]));
            dst[2] = static_cast<std::uint8_t>(GetRed(src[x]));
        }
    }
    return out;
}

Status SavePicture(const Bitmap& bitmap, const std::string& path) {
    if (bitmap.empty()) return Error{path, CoreMessage::wording("there is no picture to save (it has no pixels)")};
    const std::optional<std::size_t> imageBytes =
        CheckedProduct(bmp24Stride(bitmap), static_cast<std::size_t>(bitmap.height()));
    if (!imageBytes || *imageBytes > UINT32_MAX - kBmp24Headers)
        return Error{path, CoreMessage::wording("the picture is too large for a BMP file")};
    const std::vector<std::uint8_t> bytes = EncodeBmp24(bitmap);

    // Written beside the target under a short temporary name and renamed over it, so a failed
    // save leaves any old file whole and a name as long as the disk allows still works.
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace pelterra
