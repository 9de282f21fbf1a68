// Result<T>: a value, or an error naming the file concerned and what went wrong, in words a
// person understands. Failures travel as values through the core; front ends show them.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "text/quote.h"
#include "text/words.h"

namespace pelterra {

struct Error {
    Error() = default;
    // A message that needs no translation, or words already put together.
    Error(std::string path, Words words) : path(std::move(path)), message(words.english()), words(std::move(words)) {}
    // An English wording with numbered places (%1, %2, ...) and the values that fill them.
    Error(std::string path, Wording wording, std::vector<Words> values = {})
        : Error(std::move(path), Words(wording, std::move(values))) {}

    std::string path;     // the file or folder concerned; empty when there is none
    std::string message;  // what went wrong, for a person, in English
    Words words;          // the same with its wording and values apart, for a front end to translate

    // The same failure said of another file (a step that read a file on behalf of another).
    Error withPath(std::string otherPath) const {
        Error moved = *this;
        moved.path = std::move(otherPath);
        return moved;
    }

    // "path: message", or the message alone when no path is known. Control characters in the
    // path are shown as escapes: a file name may hold any byte, and the terminal must not act
    // on them.
    std::string describe() const { return path.empty() ? message : EscapeForMessage(path) + ": " + message; }
    // describe() with the words apart.
    Words described() const {
        return path.empty() ? words : Words::composed("%1: %2", {EscapeForMessage(path), words});
    }
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    const Error& error() const { return std::get<1>(m_state); }

    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

private:
    std::variant<T, Error> m_state;
};

// Success without a value.
struct Done {};
using Status = Result<Done>;
inline Status ok() { return Done{}; }

// Collects the failures of steps that carry on past each other (start-up, which
// loads several files) and reports them together.
class Failures {
public:
    void add(const Status& status) {
        if (!status.ok()) m_errors.push_back(status.error());
    }
    // Success when nothing failed; one error as it is; several joined one per line.
    Status result() const {
        if (m_errors.empty()) return ok();
        if (m_errors.size() == 1) return m_errors.front();
        std::string lines;
        std::vector<Words> each;
        for (const Error& e : m_errors) {
            if (!lines.empty()) lines += '\n';
            lines += "%" + std::to_string(each.size() + 1);
            each.push_back(e.described());
        }
        return Error{"", Words::composed(lines, std::move(each))};
    }

private:
    std::vector<Error> m_errors;
};

}  // namespace pelterra
