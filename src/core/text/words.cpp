#include "text/words.h"

#include <cctype>

namespace pelterra {

Words Words::composed(std::string pattern, std::vector<Words> values) {
    Words words(std::move(pattern));
    words.m_values = std::move(values);
    return words;
}

std::string Words::english() const {
    if (m_values.empty()) return m_text;
    std::vector<std::string> filled;
    filled.reserve(m_values.size());
    for (const Words& value : m_values) filled.push_back(value.english());
    return FillPlaces(m_text, filled);
}

std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size());
    std::size_t i = 0;
    while (i < pattern.size()) {
        std::size_t digits = i + 1;
        while (pattern[i] == '%' && digits < pattern.size() &&
               std::isdigit(static_cast<unsigned char>(pattern[digits])))
            ++digits;
        if (digits == i + 1) {
            out += pattern[i++];
            continue;
        }
        std::size_t place = 0;
        for (std::size_t d = i + 1; d < digits && place <= values.size(); ++d) place = place * 10 + (pattern[d] - '0');
        if (place >= 1 && place <= values.size())
            out += values[place - 1];
        else
            out += pattern.substr(i, digits - i);
        i = digits;
    }
    return out;
}

}  // namespace pelterra
