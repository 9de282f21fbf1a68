// User input quoted in a message: a value read from a file or typed by the user goes to the
// terminal or a message box, where control characters would act (escape sequences recolour or
// rewrite the terminal) and a value a megabyte long would bury everything else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelterra {

inline constexpr std::size_t kQuotedCharacters = 80;

// The value between double quotes, safe to show: control characters and bytes that are no UTF-8
// written as escapes (\n, \t, \r, \x1b, \u009b), other text as it is; cut after `maxCharacters`
// characters as shown, with "…" after the cut.
std::string QuoteForMessage(std::string_view value, std::size_t maxCharacters = kQuotedCharacters);

// The same without the quotes and without the cut: for a path, which must stay whole to be found.
std::string EscapeForMessage(std::string_view value);

}  // namespace pelterra
