#include "fs/system_reason.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace pelterra {

Words SystemReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return CoreMessage::wording("permission denied");
        case ENAMETOOLONG:
            return CoreMessage::wording("the name is too long");
        case ENOENT:
            return CoreMessage::wording("it does not exist");
        case ENOTDIR:
            return CoreMessage::wording("a part of the path is not a folder");
        case EROFS:
            return CoreMessage::wording("the disk is read-only");
        case ENOSPC:
        case EDQUOT:
            return CoreMessage::wording("the disk is full");
        case EFBIG:
            return CoreMessage::wording("the file is too large for this disk");
        case ELOOP:
            return CoreMessage::wording("the symbolic links lead round in a circle");
        case EISDIR:
            return CoreMessage::wording("a folder of that name is in the way");
        case EEXIST:
            return CoreMessage::wording("something of that name is already there");
        case ENOTEMPTY:
            return CoreMessage::wording("the folder is not empty");
        case EMFILE:
        case ENFILE:
            return CoreMessage::wording("too many files are open");
        case EIO:
            return CoreMessage::wording("the disk could not be read or written (input/output error)");
        default: break;
    }
    // Anything rarer in the system's own words, begun in lower case to follow the colon it comes after.
    std::string text = std::strerror(error);
    if (!text.empty()) text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    return text;
}

Words SystemReason(const std::error_code& error) {
    if (error.category() == std::system_category() || error.category() == std::generic_category())
        return SystemReason(error.value());
    return error.message();
}

Words FileTypeName(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::regular:
            return CoreMessage::wording("a file");
        case file_type::directory:
            return CoreMessage::wording("a folder");
        case file_type::symlink:
            return CoreMessage::wording("a symbolic link");
        case file_type::fifo:
            return CoreMessage::wording("a named pipe (FIFO)");
        case file_type::block:
        case file_type::character:
            return CoreMessage::wording("a device");
        case file_type::socket:
            return CoreMessage::wording("a socket");
        default:
            return CoreMessage::wording("something that is neither a file nor a folder");
    }
}

}  // namespace pelterra
