#include "fs/system_reason.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace pelterra {

std::string SystemReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return "permission denied";
        case ENAMETOOLONG: return "the name is too long";
        case ENOENT: return "it does not exist";
        case ENOTDIR: return "a part of the path is not a folder";
        case EROFS: return "the disk is read-only";
        case ENOSPC:
        case EDQUOT: return "the disk is full";
        case EFBIG: return "the file is too large for this disk";
        case ELOOP: return "the symbolic links lead round in a circle";
        case EISDIR: return "a folder of that name is in the way";
        case EEXIST: return "something of that name is already there";
        case ENOTEMPTY: return "the folder is not empty";
        case EMFILE:
        case ENFILE: return "too many files are open";
        case EIO: return "the disk could not be read or written (input/output error)";
        default: break;
    }
    // Anything rarer in the system's own words, begun in lower case to follow the colon it comes after.
    std::string text = std::strerror(error);
    if (!text.empty()) text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    return text;
}

std::string SystemReason(const std::error_code& error) {
    if (error.category() == std::system_category() || error.category() == std::generic_category())
        return SystemReason(error.value());
    return error.message();
}

std::string FileTypeName(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::regular: return "a file";
        case file_type::directory: return "a folder";
        case file_type::symlink: return "a symbolic link";
        case file_type::fifo: return "a named pipe (FIFO)";
        case file_type::block:
        case file_type::character: return "a device";
        case file_type::socket: return "a socket";
        default: return "something that is neither a file nor a folder";
    }
}

}  // namespace pelterra
