#include "project/project_files.h"

namespace pelterra {

std::vector<ProjectPictureFile> ProjectPictureFiles() {
    std::vector<ProjectPictureFile> files;
    for (const ProjectPictureRun& run : kProjectPictures)
        for (int i = run.first; i <= run.last; ++i)
            files.push_back({std::string(run.word) + std::to_string(i) + ".bmp", {run.slot, i}});
    return files;
}

}  // namespace pelterra
