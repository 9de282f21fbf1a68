#include "sheets/system_images.h"

#include "fs/program_path.h"
#include "image/picture_file.h"

namespace pelterra {

namespace {

Result<Bitmap> loadSystemImage(const std::filesystem::path& programFolder, std::string_view tail) {
    const std::string name(tail.substr(tail.rfind('\\') + 1));
    const auto path = resolveProgramPath(programFolder, tail);
    if (!path && isNotFound(path.error()))
        return Error{path.error().path,
                     CoreMessage::wording("the system file %1 is missing from the parts library; nothing was built"),
                     {name}};
    if (!path)
        return Error{path.error().path,
                     CoreMessage::wording("the system file %1 cannot be read (%2); nothing was built"),
                     {name, path.error().words}};
    auto picture = LoadPicture(path->string());
    if (!picture)
        return Error{path->string(),
                     CoreMessage::wording("the system file %1 cannot be read (%2); nothing was built"),
                     {name, picture.error().words}};
    return picture;
}

}  // namespace

Result<SystemImages> LoadSystemImages(const std::filesystem::path& programFolder) {
    SystemImages images;
    Bitmap* targets[] = {&images.volumeMask, &images.volumeData, &images.volume2Mask, &images.volume2Data};
    static_assert(std::size(targets) == kSystemImageTails.size());
    for (std::size_t k = 0; k < kSystemImageTails.size(); ++k) {
        auto picture = loadSystemImage(programFolder, kSystemImageTails[k]);
        if (!picture) return picture.error();
        *targets[k] = std::move(picture.value());
    }
    return images;
}

}  // namespace pelterra
