// Words for a person that a front end can put into the user's language: an English wording with
// numbered places (%1, %2, ...) and the values that fill them. The core writes its messages in
// English; the command line prints them as they are, the desktop program translates the wording
// and fills in the same values.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

namespace pelterra {
class Wording;
}

// The marker the translation tools look for: lupdate reads every CoreMessage::wording("...") of
// the core into the translation context "CoreMessage" (CMake runs it with `-tr-function-alias
// tr+=wording`). It stands outside the namespace so that lupdate names the context the same in
// every file.
struct CoreMessage {
    static constexpr const char* kContext = "CoreMessage";
    static constexpr pelterra::Wording wording(const char* english);
};

namespace pelterra {

// An English wording marked for translation. Only CoreMessage::wording makes one, so that every
// translatable text of the core is found by the translation tools.
class Wording {
public:
    const char* english() const { return m_english; }

private:
    friend struct ::CoreMessage;
    constexpr explicit Wording(const char* english) : m_english(english) {}
    const char* m_english;
};

class Words {
public:
    Words() = default;
    // Text shown as it is in every language: a file name, a number, a quoted value.
    Words(std::string text) : m_text(std::move(text)) {}
    Words(const char* text) : m_text(text) {}
    template <std::integral T>
    Words(T number) : m_text(std::to_string(number)) {}
    // A wording to translate, with the values of its places.
    Words(Wording wording, std::vector<Words> values = {})
        : m_text(wording.english()), m_values(std::move(values)), m_translated(true) {}

    // Words put together without translation (several messages one a line, a path before its
    // message); each value is still translated as it is worded.
    static Words composed(std::string pattern, std::vector<Words> values);

    // The wording (with its places) or the plain text.
    const std::string& text() const { return m_text; }
    const std::vector<Words>& values() const { return m_values; }
    // True when text() is an English wording a front end translates.
    bool translated() const { return m_translated; }
    bool empty() const { return m_text.empty(); }

    // The English words with every place filled in.
    std::string english() const;

private:
    std::string m_text;
    std::vector<Words> m_values;
    bool m_translated = false;
};

// `pattern` with %1, %2, ... replaced by values[0], values[1], ... in one pass, so that a value
// holding "%1" (a file name may) stays as it is. A place without a value is left as written.
std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace pelterra

constexpr pelterra::Wording CoreMessage::wording(const char* english) { return pelterra::Wording(english); }
