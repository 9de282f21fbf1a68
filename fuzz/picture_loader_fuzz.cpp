// libFuzzer target for the picture loader: any bytes must decode to a picture or to an error;
// the size the header states must be the size decoded; and a decoded picture must survive a
// round trip through the 24-bit BMP writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/picture_file.h"

using namespace pelterra;

// Smaller than the program's limits so that each input decodes in milliseconds; the refusal
// path is still exercised by every header that claims more.
static constexpr PictureLimits kFuzzLimits{2048, 1 << 20};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span bytes(data, size);
    const Result<Bitmap> picture = DecodePicture(bytes, "fuzz input", kFuzzLimits);
    const Result<PictureSize> header = ReadPictureSize(bytes, "fuzz input", kFuzzLimits);
    if (!picture.ok()) {
        if (picture.error().message.empty() || picture.error().path != "fuzz input") std::abort();
        return 0;
    }
    const Bitmap& bitmap = picture.value();
    if (bitmap.empty() || bitmap.width() > kFuzzLimits.maxSide ||
        bitmap.height() > kFuzzLimits.maxSide)
        std::abort();
    // A picture that decodes has a header the size check read the same way.
    if (!header.ok() || header->width != bitmap.width() || header->height != bitmap.height())
        std::abort();
    const std::vector<std::uint8_t> bmp = EncodeBmp24(bitmap);
    const Result<Bitmap> again = DecodePicture(bmp, "round trip", kFuzzLimits);
    if (!again.ok() || !(again.value() == bitmap)) std::abort();
    return 0;
}
