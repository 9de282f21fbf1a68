// The skin's text files: lines in the ANSI code page of the players' home (CP932, Shift-JIS),
// every line ending in CR LF, written so that a failed write leaves an older file intact.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pelterra {

// UTF-8 text to CP932 bytes. Text that CP932 cannot hold is an error that quotes it.
Result<std::string> EncodeCp932(std::string_view utf8);

// The bytes of a text file: each line encoded and followed by CR LF. A line that itself holds
// CR LF pairs gives those lines followed by one more CR LF.
Result<std::string> TextFileBytes(const std::vector<std::string>& lines);

// Writes bytes to a file that nobody else uses yet (a temporary name of one's own); on a failure
// the partial file is removed.
Status WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

// Writes bytes to a temporary file beside `path` and renames it over `path` when complete.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pelterra
