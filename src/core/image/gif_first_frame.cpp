#include "image/gif_first_frame.h"

#include <vector>

namespace pelterra {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kScreenDescriptorEnd = 13;  // "GIF89a", size, flags, background, aspect
constexpr int kImageDescriptor = 0x2C;
constexpr int kExtension = 0x21;
constexpr int kGraphicControl = 0xF9;
constexpr int kColourTableFlag = 0x80;
constexpr int kMaxCodeSize = 12;
constexpr int kMaxCodes = 8192;  // stb_image's table; it refuses a stream that needs more

// Reads bytes as stb_image does: past the end every byte reads as 0 and a skip stops at the end.
// Unlike stb, it remembers that the data ran out.
class GifBytes {
public:
    explicit GifBytes(Bytes bytes) : m_bytes(bytes) {}

    int next() {
        if (m_at < m_bytes.size()) return m_bytes[m_at++];
        m_ranOut = true;
        return 0;
    }
    int next16() {
        const int low = next();
        return low | next() << 8;
    }
    void skip(std::size_t count) {
        if (count > m_bytes.size() - m_at) {
            m_at = m_bytes.size();
            m_ranOut = true;
            return;
        }
        m_at += count;
    }
    void skipTo(std::size_t at) { m_at = at; }
    bool ranOut() const { return m_ranOut; }

private:
    Bytes m_bytes;
    std::size_t m_at = 0;
    bool m_ranOut = false;
};

enum class Frame { Complete, CutShort, Refused };

std::size_t colourTableBytes(int flags) { return 3 * (std::size_t{2} << (flags & 7)); }

// The first frame's LZW codes, counted as stb_image's raster decoder draws them: each code draws
// the length of its chain. Only the count matters, not the colours.
Frame countFramePixels(GifBytes& in, long long pixels) {
    const int minimumCodeSize = in.next();
    if (minimumCodeSize > kMaxCodeSize) return Frame::Refused;
    const int clear = 1 << minimumCodeSize;
    std::vector<long long> chainLength(kMaxCodes + 1, 1);
    int codeSize = minimumCodeSize + 1;
    int codeMask = (1 << codeSize) - 1;
    int available = clear + 2;
    int previous = -1;
    bool cleared = false;
    int blockLeft = 0;
    std::uint32_t bits = 0;
    int bitCount = 0;
    long long drawn = 0;
    auto drawnAll = [&] { return drawn >= pixels && !in.ranOut(); };
    if (pixels == 0) return Frame::Complete;
    for (;;) {
        if (bitCount < codeSize) {
            if (blockLeft == 0) {
                blockLeft = in.next();
                if (blockLeft == 0) return drawnAll() ? Frame::Complete : Frame::CutShort;
            }
            --blockLeft;
            bits |= static_cast<std::uint32_t>(in.next()) << bitCount;
            bitCount += 8;
            continue;
        }
        const int code = static_cast<int>(bits & static_cast<std::uint32_t>(codeMask));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minimumCodeSize + 1;
            codeMask = (1 << codeSize) - 1;
            available = clear + 2;
            previous = -1;
            cleared = true;
        } else if (code == clear + 1) {  // end of the frame's data
            return drawnAll() ? Frame::Complete : Frame::CutShort;
        } else if (code <= available) {
            if (!cleared) return Frame::Refused;  // stb wants a clear code first
            if (previous >= 0) {
                chainLength[available] = chainLength[previous] + 1;
                if (++available > kMaxCodes) return Frame::Refused;
            } else if (code == available) {
                return Frame::Refused;
            }
            drawn += chainLength[code];
            if (drawn >= pixels) return in.ranOut() ? Frame::CutShort : Frame::Complete;
            if ((available & codeMask) == 0 && available <= 0x0FFF) {
                ++codeSize;
                codeMask = (1 << codeSize) - 1;
            }
            previous = code;
        } else {
            return Frame::Refused;
        }
    }
}

// The blocks before the first frame: extensions are passed over as stb passes them (a graphic
// control block of the usual four bytes is read, any other is skipped and the next byte taken
// as a block tag); the first image descriptor leads to the frame's codes.
Frame firstFrame(GifBytes& in, int screenFlags) {
    if (screenFlags & kColourTableFlag) in.skip(colourTableBytes(screenFlags));
    for (;;) {
        const int tag = in.next();
        if (in.ranOut()) return Frame::CutShort;
        if (tag == kImageDescriptor) {
            in.skip(4);  // the frame's place on the screen
            const int width = in.next16();
            const int height = in.next16();
            const int flags = in.next();
            if (flags & kColourTableFlag) in.skip(colourTableBytes(flags));
            if (in.ranOut()) return Frame::CutShort;
            return countFramePixels(in, static_cast<long long>(width) * height);
        }
        if (tag != kExtension) return Frame::Refused;  // the trailer before any frame, or junk
        if (in.next() == kGraphicControl) {
            const int length = in.next();
            if (length != 4) {
                in.skip(static_cast<std::size_t>(length));
                continue;
            }
            in.skip(4);
        }
        while (const int length = in.next()) in.skip(static_cast<std::size_t>(length));
        if (in.ranOut()) return Frame::CutShort;
    }
}

}  // namespace

bool GifFirstFrameIsCutShort(Bytes bytes) {
    if (bytes.size() < kScreenDescriptorEnd) return true;
    GifBytes in(bytes);
    in.skipTo(10);  // the screen's flags
    const int screenFlags = in.next();
    in.skipTo(kScreenDescriptorEnd);
    return firstFrame(in, screenFlags) == Frame::CutShort;
}

}  // namespace pelterra
