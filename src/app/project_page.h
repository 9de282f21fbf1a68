// The "プロジェクト保存" page: the folder list Dir2 with its drive list Drive2, the project name
// txtProject, and the buttons cmdSaveProject(0) "プロジェクト保存" (into a folder of that name in
// Dir2's folder) and cmdSaveProject(1) "プロジェクト読みこみ" (Dir2's folder is the project).
#pragma once

#include <filesystem>

#include <QWidget>

#include "document_bridge.h"

namespace pelterra::app {

QWidget* buildProjectPage(DocumentBridge& bridge, QWidget* owner);

// The folder the project page of `window` saves projects into (Dir2Path), or the home folder
// while the page has not been made.
std::filesystem::path ProjectPageFolder(const QWidget* window);

}  // namespace pelterra::app
