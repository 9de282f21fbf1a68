// Text encodings of the files the program reads: UTF-8, which it writes itself, and the Japanese
// code page CP932 (Shift-JIS), in which older tools and editors on Japanese systems save text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "result.h"

namespace pelterra {

// The length of the well-formed UTF-8 sequence that starts at `at` (1 for ASCII), or 0 when the
// bytes there are no such sequence (a stray continuation byte, an overlong form, a surrogate, a
// sequence cut off by the end of the text).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The offset of the first byte that is not part of well-formed UTF-8, or npos when all of it is.
std::size_t FirstInvalidUtf8(std::string_view text);

// CP932 bytes as UTF-8. Bytes that are no CP932 text give an error naming the offset.
Result<std::string> DecodeCp932(std::string_view bytes);

// One iconv conversion of a whole text between two encodings. On failure, `error` is iconv's
// errno (EILSEQ: no character of the target; EINVAL: the text ends inside a character; 0: the
// system cannot convert between the two at all) and `stoppedAt` the offset of the input where
// the conversion stopped.
struct Conversion {
    std::string text;
    bool ok = false;
    int error = 0;
    std::size_t stoppedAt = 0;
};
Conversion ConvertText(std::string_view text, const char* from, const char* to);

}  // namespace pelterra
