#include "fs/work_folder.h"

#include <string>
#include <system_error>

#include "fs/program_folders.h"
#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

fs::path userWorkFolder() { return PerUserDataFolder() / "system"; }

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
