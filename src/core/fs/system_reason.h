// What a failed call to the file system means, in words a person understands: "permission
// denied", "the name is too long", "the disk is full". Every message about a file that could not
// be read, written, made or replaced ends in one of these. Each is a wording of its own, so that
// a front end translates it inside the message it ends.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "text/words.h"

namespace pelterra {

// The reason for an errno value.
Words SystemReason(int error);

// The reason for an error code of std::filesystem (a system error; others by their message).
Words SystemReason(const std::error_code& error);

// What kind of entry a file type is, for a message about something in the way: "a folder",
// "a named pipe (FIFO)", "a device", "a socket".
Words FileTypeName(std::filesystem::file_type type);

}  // namespace pelterra
