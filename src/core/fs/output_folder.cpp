#include "fs/output_folder.h"

#include <string>
#include <system_error>

#include "fs/ignore_case.h"
#include "fs/program_path.h"
#include "fs/system_reason.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// The sub-folder of `parent` named `name` in another letter case, when there is one and the
// exact name is free.
fs::path folderInAnyCase(const fs::path& parent, std::string_view name) {
    auto folders = listSubfolders(parent);
    if (!folders) return parent / std::string(name);
    for (const std::string& f : *folders)
        if (f == name) return parent / f;
    for (const std::string& f : *folders)
        if (equalsIgnoringCase(f, name)) return parent / f;
    return parent / std::string(name);
}

Words ownerWords(FolderOwner owner) {
    return owner == FolderOwner::Skin ? CoreMessage::wording("skin") : CoreMessage::wording("project");
}

}  // namespace

Status CheckFolderName(std::string_view name, FolderOwner owner) {
    const std::string quotedName = QuoteForMessage(name);
    if (name.empty()) return Error{"", CoreMessage::wording("the %1 needs a folder name"), {ownerWords(owner)}};
    if (name == "." || name == "..") return Error{"", CoreMessage::wording("%1 is not a folder name"), {quotedName}};
    if (name.find('/') != std::string_view::npos)
        return Error{"",
                     CoreMessage::wording("the %1 name %2 holds a path separator; give a plain folder name"),
                     {ownerWords(owner), quotedName}};
    if (name.find('\0') != std::string_view::npos)
        return Error{"", CoreMessage::wording("the %1 name holds a zero character"), {ownerWords(owner)}};
    return ok();
}

Status CheckFolderToSaveInto(const fs::path& folder) {
    std::error_code ec;
    const fs::file_type type = fs::status(folder, ec).type();
    if (type == fs::file_type::directory) return ok();
    if (type == fs::file_type::not_found)
        return Error{folder.string(), CoreMessage::wording("the folder to save into does not exist")};
    if (type == fs::file_type::none)
        return Error{folder.string(), CoreMessage::wording("cannot open the folder: %1"), {SystemReason(ec)}};
    return Error{folder.string(), CoreMessage::wording("this is %1, not a folder to save into"), {FileTypeName(type)}};
}

Result<fs::path> FolderToReplace(const fs::path& parent, std::string_view name, FolderOwner owner) {
    if (Status named = CheckFolderName(name, owner); !named) return named.error();
    if (Status there = CheckFolderToSaveInto(parent); !there) return there.error();
    const fs::path folder = folderInAnyCase(parent, name);
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(folder, ec).type();
    switch (type) {
        case fs::file_type::directory:
        case fs::file_type::not_found:
        case fs::file_type::symlink: return folder;  // a link is replaced, never written through
        case fs::file_type::none:
            return Error{folder.string(), CoreMessage::wording("cannot open the folder: %1"), {SystemReason(ec)}};
        default:
            return Error{folder.string(),
                         CoreMessage::wording("this is %1, not a folder: it is left as it is; choose another name"),
                         {FileTypeName(type)}};
    }
}

}  // namespace pelterra
