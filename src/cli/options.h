// Option values shared by several subcommands.
#pragma once

#include <optional>
#include <string_view>

#include "image/colour.h"

namespace pelterra::cli {

// "255,0,255": three whole numbers from 0 to 255, the key colour of a region picture.
std::optional<Colour> parseKeyColour(std::string_view text);

// How a region picture of another size than 275*116 or 275*232 is fitted, as the size dialog
// answers: "0" (or "single") stretches it to one window, "1" (or "eq") splits it into two. Any
// other word is refused with a message that names the command and the option; "3", the dialog's
// "leave the areas as they are", is refused with the reason: a run of its own has no earlier
// region picture in the areas, so it would trace an empty window.
std::optional<int> parseRegionFit(std::string_view word, std::string_view command, std::string_view option);

}  // namespace pelterra::cli
