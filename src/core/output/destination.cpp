#include "output/destination.h"

namespace pelterra {

std::string Destination::label() const {
    const std::string base = (baseFolder / "").string();
    return zip ? base + name + archiveExtension : base + name + std::string(1, std::filesystem::path::preferred_separator);
}

namespace {

bool eqOnlyFromSecondPicture(const Document& doc) {
    return doc.isChecked(ctl::chkEQOnly) && doc.isSelected(ctl::OpEqMain2);
}

// Why a folder name cannot be used, or empty when it can.
std::string whyNameIsUnsafe(const std::string& name) {
    if (name.empty()) return "the skin needs a folder name";
    if (name == "." || name == "..") return "\"" + name + "\" is not a folder name";
    if (name.find_first_of("/\\") != std::string::npos)
        return "the folder name \"" + name + "\" holds a path separator; give a plain name";
    if (name.find('\0') != std::string::npos) return "the folder name holds a zero character";
    return {};
}

}  // namespace

Result<Destination> ResolveDestination(const Document& doc) {
    const bool second = eqOnlyFromSecondPicture(doc);
    const std::string& path = second ? doc.ExtraImagePath : doc.BackgroundImagePath;
    const std::string& title = second ? doc.ExtraImageTitle : doc.BackgroundImageTitle;

    Destination d;
    d.zip = doc.isChecked(ctl::ZipCheck);
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
    if (const std::string why = whyNameIsUnsafe(d.name); !why.empty()) return Error{"", why};
    if (d.baseFolder.empty()) return Error{"", "there is no folder to save into: open a picture or choose a save folder"};
    return d;
}

}  // namespace pelterra
