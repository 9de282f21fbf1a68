#include "options.h"

#include <charconv>
#include <iostream>

#include "equalizer/picture_import.h"

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

std::optional<int> parseRegionFit(std::string_view word, std::string_view command, std::string_view option) {
    if (word == "0" || word == "single") return static_cast<int>(HowFormAnswer::Stretch);
    if (word == "1" || word == "eq") return static_cast<int>(HowFormAnswer::SplitInHalves);
    std::cerr << command << ": " << option << " takes 0 (stretch the region picture to one window) or 1 (split it "
              << "into two windows), not \"" << word << "\"";
    if (word == "3")
        std::cerr << ": 3 would keep the picture areas as an earlier region picture left them, and a command-line "
                     "run has none, so it would trace an empty window";
    std::cerr << '\n';
    return std::nullopt;
}

}  // namespace pelterra::cli
