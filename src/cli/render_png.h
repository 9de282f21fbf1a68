// A skin drawn as the player draws it, written as a PNG with the windows' outlines transparent;
// and the files the skin lacked or held twice, said on stderr as warnings.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "player/render.h"
#include "result.h"

namespace pelterra::cli {

// The PNG's bytes.
Result<std::string> PlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale);

// A drawing beyond the picture limits is refused before anything is drawn.
Status WritePlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale,
                      const std::filesystem::path& file);

// "COMMAND: warning: FILE: what" for every file the skin held twice, lacked or could not read,
// and the folder of the archive the skin was taken from, when it lay in one.
void PrintSkinNotes(const Skin& skin, std::string_view command);

}  // namespace pelterra::cli
