// Result<T>: a value, or an error naming the file concerned and what went wrong, in words a
// person understands. Failures travel as values through the core; front ends show them.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "text/quote.h"

namespace pelterra {

struct Error {
    std::string path;     // the file or folder concerned; empty when there is none
    std::string message;  // what went wrong, for a person

    // "path: message", or the message alone when no path is known. Control characters in the
    // path are shown as escapes: a file name may hold any byte, and the terminal must not act
    // on them.
    std::string describe() const { return path.empty() ? message : EscapeForMessage(path) + ": " + message; }
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
        std::string message;
        for (const Error& e : m_errors) {
            if (!message.empty()) message += '\n';
            message += e.describe();
        }
        return Error{"", message};
    }

private:
    std::vector<Error> m_errors;
};

}  // namespace pelterra
