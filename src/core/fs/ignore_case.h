// Letter-case-blind comparison of names in the part library and the program's folders.
// Only ASCII letters are folded: the library's names are ASCII, and other bytes (UTF-8 of
// Japanese names) have no case to fold, so they must match exactly.
#pragma once

#include <string>
#include <string_view>

namespace pelterra {

constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Position of the first occurrence of `needle` in `haystack`, ignoring case; npos when absent.
std::size_t findIgnoringCase(std::string_view haystack, std::string_view needle);

// Order by folded bytes first, then by the raw bytes, so that names differing only in case
// still have one fixed order.
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pelterra
