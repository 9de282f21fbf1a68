#include "output/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "text/encoding.h"
#include "text/quote.h"

namespace pelterra {

Result<std::string> EncodeCp932(std::string_view utf8) {
    Conversion converted = ConvertText(utf8, "UTF-8", "CP932");
    if (converted.ok) return std::move(converted.text);
    switch (converted.error) {
        case 0: return Error{"", "this system cannot convert text to the Japanese code page CP932"};
        case EILSEQ:
        case EINVAL:
            return Error{"", "the text " + QuoteForMessage(utf8) + " holds a character the Japanese code page " +
                                 "CP932 cannot write (at byte " + std::to_string(converted.stoppedAt) + ")"};
        default: return Error{"", "the text " + QuoteForMessage(utf8) + " could not be converted to CP932"};
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

Status WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return Error{path.string(), "cannot create a file in this folder (does it exist, and may it be written?)"};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return Error{path.string(), "writing the file failed (is the disk full?)"};
    }
    return ok();
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path temp = path.parent_path() / (".~" + path.filename().string() + "." + std::to_string(rd()) + ".tmp");
    if (Status written = WriteNewFile(temp, bytes); !written) return Error{path.string(), written.error().message};
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return Error{path.string(), "cannot replace the file: " + ec.message()};
    }
    return ok();
}

}  // namespace pelterra
