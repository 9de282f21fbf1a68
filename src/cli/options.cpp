#include "options.h"

#include <charconv>

namespace pelterra::cli {

std::optional<Colour> parseKeyColour(std::string_view text) {
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = i < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return std::nullopt;
        const std::string_view part = text.substr(0, comma);
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), channels[i]);
        if (part.empty() || ec != std::errc() || end != part.data() + part.size() || channels[i] < 0 || channels[i] > 255)
            return std::nullopt;
        text.remove_prefix(i < 2 ? comma + 1 : comma);
    }
    return RGB(channels[0], channels[1], channels[2]);
}

}  // namespace pelterra::cli
