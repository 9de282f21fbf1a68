// pelterra-cli's last resort: an exception that escapes a command ends the run with a message
// and exit code 2, never with an abort.
#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <sstream>
#include <stdexcept>

#include "last_resort.h"

namespace {

using pelterra::cli::RunGuarded;

TEST(CliLastResort, AnEscapedExceptionIsReportedWithExitCodeTwo) {
    std::ostringstream err;
    const int code = RunGuarded(
        []() -> int {
            throw std::filesystem::filesystem_error("cannot create directory", "/x/skin",
                                                    std::make_error_code(std::errc::permission_denied));
        },
        err);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.str().rfind("pelterra-cli: internal error: ", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("/x/skin"), std::string::npos) << err.str();
}

TEST(CliLastResort, OutOfMemoryAndUnknownExceptionsAreNamed) {
    std::ostringstream memory, unknown;
    EXPECT_EQ(RunGuarded([]() -> int { throw std::bad_alloc(); }, memory), 2);
    EXPECT_EQ(memory.str(), "pelterra-cli: internal error: out of memory\n");
    EXPECT_EQ(RunGuarded([]() -> int { throw 7; }, unknown), 2);
    EXPECT_EQ(unknown.str(), "pelterra-cli: internal error: an exception of unknown kind\n");
}

}  // namespace
