#include "text/quote.h"

#include <cstdio>
#include <limits>

#include "text/encoding.h"

namespace pelterra {

namespace {

std::string hexEscape(const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// What one character (or one stray byte) of `text` at `at` shows as, and how many bytes it takes.
std::string shownAs(std::string_view text, std::size_t at, std::size_t& bytes) {
    const auto byte = static_cast<unsigned char>(text[at]);
    bytes = Utf8SequenceLength(text, at);
    if (bytes == 0) {
        bytes = 1;
        return hexEscape("\\x%02x", byte);
    }
    if (bytes == 1) {
        switch (byte) {
            case '\n': return "\\n";
            case '\r': return "\\r";
            case '\t': return "\\t";
            default:
                if (byte < 0x20 || byte == 0x7F) return hexEscape("\\x%02x", byte);
                return std::string(1, static_cast<char>(byte));
        }
    }
    // U+0080 to U+009F, the C1 controls: some terminals act on them as on escape sequences.
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (byte == 0xC2 && second < 0xA0) return hexEscape("\\u%04x", second);
    return std::string(text.substr(at, bytes));
}

std::string escaped(std::string_view value, std::size_t maxCharacters, bool& cut) {
    std::string out;
    std::size_t shown = 0;
    cut = false;
    for (std::size_t at = 0; at < value.size();) {
        std::size_t bytes = 0;
        const std::string piece = shownAs(value, at, bytes);
        const std::size_t width = piece.size() == bytes ? 1 : piece.size();  // an escape shows as its bytes
        if (shown + width > maxCharacters) {
            cut = true;
            break;
        }
        out += piece;
        shown += width;
        at += bytes;
    }
    return out;
}

}  // namespace

std::string QuoteForMessage(std::string_view value, std::size_t maxCharacters) {
    bool cut = false;
    const std::string shown = escaped(value, maxCharacters, cut);
    return "\"" + shown + (cut ? "…\"" : "\"");
}

std::string EscapeForMessage(std::string_view value) {
    bool cut = false;
    return escaped(value, std::numeric_limits<std::size_t>::max(), cut);
}

}  // namespace pelterra
