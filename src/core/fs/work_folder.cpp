#include "fs/work_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

fs::path userWorkFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "pelterra" / "system";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "pelterra" / "system";
}

Result<fs::path> WorkFolder() {
    const fs::path user = userWorkFolder();
    std::error_code ec;
    fs::create_directories(user, ec);
    if (std::error_code typeError; !fs::is_directory(user, typeError))
        return Error{user.string(),
                     CoreMessage::wording("cannot create the per-user folder of the work files: %1"),
                     {SystemReason(ec)}};
    return user;
}

}  // namespace pelterra
