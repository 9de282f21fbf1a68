#include "output/destination.h"

#include <system_error>

#include "fs/ignore_case.h"
#include "fs/output_folder.h"
#include "fs/system_reason.h"

namespace pelterra {

std::string Destination::label() const {
    const std::string base = (baseFolder / "").string();
    return zip ? base + name + archiveExtension : base + name + std::string(1, std::filesystem::path::preferred_separator);
}

namespace {

bool eqOnlyFromSecondPicture(const Document& doc) {
    return doc.isChecked(ctl::chkEQOnly) && doc.isSelected(ctl::OpEqMain2);
}

}  // namespace

Result<Destination> ResolveDestination(const Document& doc) {
    const bool second = eqOnlyFromSecondPicture(doc);
    const std::string& path = second ? doc.ExtraImagePath : doc.BackgroundImagePath;
    const std::string& title = second ? doc.ExtraImageTitle : doc.BackgroundImageTitle;

    Destination d;
    d.zip = doc.isChecked(ctl::ZipCheck);
    if (doc.hasControl(ctl::ArchiveWsz) && doc.isChecked(ctl::ArchiveWsz)) d.archiveExtension = ".wsz";
    if (doc.isSelected(ctl::SaveOp1)) {
        d.baseFolder = std::filesystem::path(path).parent_path();
    } else {
        d.baseFolder = doc.text(ctl::SaveDirText);
    }
    if (doc.isSelected(ctl::optSaveOp2)) {
        d.name = doc.text(ctl::txtSaveFolda);
    } else {
        // The title up to its first "."; a title without one is taken whole.
        d.name = title.substr(0, title.find('.'));
    }
    if (Status named = CheckDestinationName(d); !named) return named.error();
    if (d.baseFolder.empty())
        return Error{"",
                     CoreMessage::wording("there is no folder to save into: open a picture or choose a save folder")};
    return d;
}

Status CheckDestinationName(const Destination& destination) {
    return CheckFolderName(destination.name, FolderOwner::Skin);
}

Result<Destination> DestinationForOutput(const std::filesystem::path& output) {
    if (output.empty()) return Error{"", CoreMessage::wording("the skin needs a folder or archive name")};
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(output, ec);
    if (ec) return Error{output.string(), CoreMessage::wording("cannot tell where this is: %1"), {SystemReason(ec)}};
    if (!absolute.has_filename()) absolute = absolute.parent_path();  // "sky/" is the folder sky
    Destination d;
    d.baseFolder = absolute.parent_path();
    const std::string ext = absolute.extension().string();
    if (equalsIgnoringCase(ext, ".zip") || equalsIgnoringCase(ext, ".wsz")) {
        d.zip = true;
        d.archiveExtension = ext;  // kept as written
        d.name = absolute.stem().string();
    } else {
        d.name = absolute.filename().string();
    }
    if (Status named = CheckDestinationName(d); !named) return named.error().withPath(output.string());
    return d;
}

}  // namespace pelterra
