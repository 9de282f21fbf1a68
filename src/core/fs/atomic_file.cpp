#include "fs/atomic_file.h"

#include <system_error>

#include "fs/output_set.h"
#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

Status CheckFileTarget(const fs::path& target) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(target, ec).type();
    switch (type) {
        case fs::file_type::not_found:
        case fs::file_type::regular:
        case fs::file_type::symlink: return ok();
        case fs::file_type::directory:
            return Error{target.string(), CoreMessage::wording("a folder of that name is in the way")};
        case fs::file_type::none:
            return Error{target.string(), CoreMessage::wording("cannot look at the file: %1"), {SystemReason(ec)}};
        default:
            return Error{
                target.string(),
                CoreMessage::wording("this is %1, not a regular file; it is left as it is: choose another name"),
                {FileTypeName(type)}};
    }
}

Status WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    OutputSet output;
    if (Status staged = output.stageFile(path, bytes); !staged) return staged;
    return output.commit();
}

}  // namespace pelterra
