#include "project/manifest_encoding.h"

#include "text/encoding.h"

namespace pelterra {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

Result<ManifestBody> DecodeManifestBytes(std::string_view bytes, const std::string& path) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    const std::size_t invalid = FirstInvalidUtf8(bytes);
    if (invalid == std::string_view::npos) return ManifestBody{std::string(bytes), std::nullopt};
    Result<std::string> converted = DecodeCp932(bytes);
    if (!converted)
        return Error{path,
                     CoreMessage::wording(
                         "the file is neither UTF-8 nor Japanese CP932 (Shift-JIS) text (%1); none of it was applied"),
                     {converted.error().words}};
    return ManifestBody{std::move(*converted),
                        Error{path,
                              CoreMessage::wording("the file is not UTF-8 (byte %1 is no UTF-8 character); it was read "
                                                   "as Japanese CP932 (Shift-JIS) text"),
                              {invalid}}};
}

}  // namespace pelterra
