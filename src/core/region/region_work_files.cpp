#include "region/region_work_files.h"

#include <string>

#include "fs/program_path.h"
#include "fs/work_folder.h"
#include "output/text_file.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

Status writeWorkFile(std::string_view name, const std::string& text) {
    auto path = WorkFileForWriting(name);
    if (!path)
        return Error{
            path.error().path, CoreMessage::wording("cannot write the region work file: %1"), {path.error().words}};
    if (Status written = WriteFileAtomically(*path, text); !written)
        return Error{written.error().path,
                     CoreMessage::wording("cannot write the region work file: %1"),
                     {written.error().words}};
    return ok();
}

}  // namespace

Result<fs::path> WorkFileForWriting(std::string_view name) {
    auto folder = WorkFolder();
    if (!folder) return folder.error();
    return resolveProgramPathForWriting(*folder, name);
}

Status WriteRegionWorkFiles(const RegionWorkFiles& files, const AreaOutlines& outlines) {
    if (Status s = writeWorkFile(files.counts, WorkCountsText(outlines.counts)); !s) return s;
    return writeWorkFile(files.points, WorkPointsText(outlines.points));
}

}  // namespace pelterra
