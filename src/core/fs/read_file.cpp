#include "fs/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "fs/system_reason.h"
#include "text/words.h"

namespace pelterra {

namespace {

std::filesystem::file_type fileTypeOf(mode_t mode) {
    using std::filesystem::file_type;
    if (S_ISREG(mode)) return file_type::regular;
    if (S_ISDIR(mode)) return file_type::directory;
    if (S_ISFIFO(mode)) return file_type::fifo;
    if (S_ISCHR(mode)) return file_type::character;
    if (S_ISBLK(mode)) return file_type::block;
    if (S_ISSOCK(mode)) return file_type::socket;
    return file_type::unknown;
}

// Appends everything left in the file; 0, or the errno of a failed read.
int readToEnd(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
    // Opened without waiting: a named pipe in the file's place must not hold the program up, and
    // is refused below like a folder or a device, which have no end to read to.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Error{path.string(), CoreMessage::wording("cannot open the file: %1"), {SystemReason(errno)}};
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return Error{path.string(), CoreMessage::wording("cannot open the file: %1"), {SystemReason(error)}};
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return Error{path.string(), CoreMessage::wording("this is %1, not a file that can be read"),
                     {FileTypeName(fileTypeOf(status.st_mode))}};
    }
    std::string bytes;
    const int error = readToEnd(fd, bytes);
    ::close(fd);
    if (error != 0)
        return Error{path.string(), CoreMessage::wording("reading the file failed: %1"), {SystemReason(error)}};
    return bytes;
}

}  // namespace pelterra
