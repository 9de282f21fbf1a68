// The command line's last resort: an exception that escapes a command is a fault of this program
// (failures of the user's files travel as errors and have their own messages), and it ends the
// run with "pelterra-cli: internal error: ..." and exit code 2 instead of an abort.
#pragma once

#include <functional>
#include <ostream>

namespace pelterra::cli {

inline constexpr int kExitInternalError = 2;

// Runs `command` and returns its exit code; an exception is reported on `err` instead.
int RunGuarded(const std::function<int()>& command, std::ostream& err);

}  // namespace pelterra::cli
