// Whether a GIF's first frame is all there. stb_image draws as many pixels of the first frame as
// the data holds and leaves the rest blank, so a file cut short would open as a picture with
// part of it missing; this check lets the loader refuse such a file instead.
#pragma once

#include <cstdint>
#include <span>

namespace pelterra {

// True when the file ends, or the first frame's LZW codes end, before every pixel of the first
// frame is drawn. The walk follows the one stb_image makes, so the answer matches what stb would
// draw; a file that stb refuses anyway (no frame, a code it calls illegal) is not cut short here.
bool GifFirstFrameIsCutShort(std::span<const std::uint8_t> bytes);

}  // namespace pelterra
