#include "output/text_file.h"

#include <cerrno>
#include <cstring>

#include "text/encoding.h"
#include "text/quote.h"

namespace pelterra {

Result<std::string> EncodeCp932(std::string_view utf8) {
    Conversion converted = ConvertText(utf8, "UTF-8", "CP932");
    if (converted.ok) return std::move(converted.text);
    switch (converted.error) {
        case 0:
            return Error{"", CoreMessage::wording("this system cannot convert text to the Japanese code page CP932")};
        case EILSEQ:
        case EINVAL:
            return Error{"",
                         CoreMessage::wording(
                             "the text %1 holds a character the Japanese code page CP932 cannot write (at byte %2)"),
                         {QuoteForMessage(utf8), converted.stoppedAt}};
        default:
            return Error{
                "", CoreMessage::wording("the text %1 could not be converted to CP932"), {QuoteForMessage(utf8)}};
    }
}

Result<std::string> TextFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        // A line that holds CR LF pairs itself is written as it stands, then ended once more.
        auto encoded = EncodeCp932(line);
        if (!encoded) return encoded.error();
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace pelterra
