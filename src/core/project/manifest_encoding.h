// The bytes of project.ini as text. The program writes it in UTF-8, but a user who edits it with
// an editor of a Japanese system may save it in CP932 (Shift-JIS); read as UTF-8, its Japanese
// entry names would match nothing and no word would say why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "result.h"

namespace pelterra {

struct ManifestBody {
    std::string text;              // UTF-8, without a byte-order mark
    std::optional<Error> warning;  // set when the file was converted from CP932
};

// UTF-8 is taken as it is (a byte-order mark dropped); anything else is converted from CP932
// with a warning that says so. Bytes that are neither are an error naming `path` and the offset.
Result<ManifestBody> DecodeManifestBytes(std::string_view bytes, const std::string& path);

}  // namespace pelterra
