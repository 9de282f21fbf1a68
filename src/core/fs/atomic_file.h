// Writing a file whole or not at all: the bytes go into a new temporary file beside the target,
// every write and the close are checked, and only then is the temporary file renamed over the
// target. A failure leaves the target as it was and no temporary file behind.
//
// Temporary names are short (".pt-" and six letters or digits), never the target's name with
// something added, so that a target whose name is as long as the file system allows still works;
// each is made with O_EXCL, so no other writer, in this process or another, gets the same one
// (see output_set.h, which also keeps a replaced file's mode and cleans up after killed runs).
// What may be replaced: nothing, a regular file, or a symbolic link (the link itself is replaced,
// never written through). A folder, a named pipe, a device or a socket in the way is refused.
#pragma once

#include <filesystem>
#include <string_view>

#include "result.h"

namespace pelterra {

// The start of every temporary name; names starting with '.' stay out of the part lists.
inline constexpr std::string_view kTemporaryPrefix = ".pt-";

// Ok when a written file may take the place of `target`; else an error naming `target` and
// what is in the way.
Status CheckFileTarget(const std::filesystem::path& target);

// Checks the target, writes a temporary file beside it and renames it over the target.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pelterra
