#include "text/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace pelterra {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The range the second byte of a sequence must fall in: narrower than a plain continuation
// after the lead bytes that would otherwise allow overlong forms, surrogates or code points
// beyond U+10FFFF.
struct SecondByte {
    unsigned char low = 0x80, high = 0xBF;
};
SecondByte secondByteFor(unsigned char lead) {
    switch (lead) {
        case 0xE0: return {0xA0, 0xBF};
        case 0xED: return {0x80, 0x9F};
        case 0xF0: return {0x90, 0xBF};
        case 0xF4: return {0x80, 0x8F};
        default: return {};
    }
}

std::size_t sequenceLengthOf(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = sequenceLengthOf(lead);
    if (length == 0 || at + length > text.size()) return 0;
    if (length == 1) return 1;
    const SecondByte second = secondByteFor(lead);
    const auto next = static_cast<unsigned char>(text[at + 1]);
    if (next < second.low || next > second.high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[at + i]))) return 0;
    return length;
}

std::size_t FirstInvalidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) return at;
        at += length;
    }
    return std::string_view::npos;
}

Conversion ConvertText(std::string_view text, const char* from, const char* to) {
    Conversion result;
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return result;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    std::string in(text);
    // Four bytes out for every byte in holds any conversion between UTF-8 and CP932.
    result.text.assign(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = result.text.data();
    std::size_t outLeft = result.text.size();
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        result.error = errno;
        result.stoppedAt = static_cast<std::size_t>(inPtr - in.data());
        result.text.clear();
        return result;
    }
    result.text.resize(result.text.size() - outLeft);
    result.ok = true;
    return result;
}

Result<std::string> DecodeCp932(std::string_view bytes) {
    Conversion converted = ConvertText(bytes, "CP932", "UTF-8");
    if (converted.ok) return std::move(converted.text);
    switch (converted.error) {
        case 0:
            return Error{"", CoreMessage::wording("this system cannot read text in the Japanese code page CP932")};
        case EINVAL:
            return Error{"", CoreMessage::wording("the text ends inside a CP932 character")};
        default:
            return Error{"", CoreMessage::wording("byte %1 is no CP932 character"), {converted.stoppedAt}};
    }
}

}  // namespace pelterra
