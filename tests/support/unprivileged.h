// Runs a piece of a test as a user without special rights, so that permission checks bind even
// when the tests run as the superuser (who may read and enter anything).
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace pelterra::test_support {

// The user id `work` runs under when the tests run as the superuser: "nobody".
inline constexpr unsigned kUnprivilegedId = 65534;

// Runs `work` and returns what it returned. As the superuser it runs in a forked child that has
// switched to kUnprivilegedId first; nullopt when that switch or the child failed. Files the work
// must reach have to be readable (and their folders enterable) by that user.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& work);

}  // namespace pelterra::test_support
