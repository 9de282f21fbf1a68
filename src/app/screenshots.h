// The screenshot walk (`pelterra --screenshots DIR`): starts the program with settings of its
// own, opens the sample picture, shows every page, the tool windows and the preview after a
// build, and saves a PNG of each into DIR. Used for the README and for review.
#pragma once

#include <filesystem>

#include <QString>

namespace pelterra::app {

// Returns the program's exit code: 0 when every picture was saved.
int TakeScreenshots(const std::filesystem::path& programFolder, const QString& folder);

}  // namespace pelterra::app
