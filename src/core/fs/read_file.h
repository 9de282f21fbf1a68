// Reading a whole file into memory, with a message a person understands when it cannot be read.
#pragma once

#include <filesystem>
#include <string>

#include "result.h"

namespace pelterra {

// The bytes of the file; an error naming the file when it cannot be opened or read to its end,
// or is no ordinary file (a folder, a named pipe, a device), which is refused without waiting.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace pelterra
