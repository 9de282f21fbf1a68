#include "fs/ignore_case.h"

#include <algorithm>

namespace pelterra {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::size_t findIgnoringCase(std::string_view haystack, std::string_view needle) {
    const auto found = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                                   [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    if (found == haystack.end() && !needle.empty()) return std::string_view::npos;
    return static_cast<std::size_t>(found - haystack.begin());
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const auto folded = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
        });
    if (folded) return true;
    const auto foldedReverse = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
            return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
        });
    if (foldedReverse) return false;
    // Equal when folded: fall back to the raw bytes (std::string compares them unsigned).
    return a < b;
}

}  // namespace pelterra
