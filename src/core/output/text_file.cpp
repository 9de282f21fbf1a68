#include "output/text_file.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace pelterra {

Result<std::string> EncodeCp932(std::string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return Error{"", "this system cannot convert text to the Japanese code page CP932"};
    std::string in(utf8);
    std::string out(in.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const int err = errno;
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        const std::size_t at = static_cast<std::size_t>(inPtr - in.data());
        if (err == EILSEQ || err == EINVAL)
            return Error{"", "the text \"" + std::string(utf8) + "\" holds a character the Japanese code page " +
                                 "CP932 cannot write (at byte " + std::to_string(at) + ")"};
        return Error{"", "the text \"" + std::string(utf8) + "\" could not be converted to CP932"};
    }
    out.resize(out.size() - outLeft);
    return out;
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
