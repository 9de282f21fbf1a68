// Option values shared by several subcommands.
#pragma once

#include <optional>
#include <string_view>

#include "image/colour.h"

namespace pelterra::cli {

// "255,0,255": three whole numbers from 0 to 255, the key colour of a region picture.
std::optional<Colour> parseKeyColour(std::string_view text);

}  // namespace pelterra::cli
