// The skin's text files: lines in the ANSI code page of the players' home (CP932, Shift-JIS),
// every line ending in CR LF, written so that a failed write leaves an older file intact.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fs/atomic_file.h"  // WriteFileAtomically, which writes these files
#include "result.h"

namespace pelterra {

// UTF-8 text to CP932 bytes. Text that CP932 cannot hold is an error that quotes it.
Result<std::string> EncodeCp932(std::string_view utf8);

// The bytes of a text file: each line encoded and followed by CR LF. A line that itself holds
// CR LF pairs gives those lines followed by one more CR LF.
Result<std::string> TextFileBytes(const std::vector<std::string>& lines);

}  // namespace pelterra
