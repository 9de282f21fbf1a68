// The desktop program's words on the command line: the help and the version are answered on stdout
// without a display, as a user asks for them before any window could be shown.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

#ifdef PELTERRA_GUI
TEST(ProgramWords, HelpAndVersionNeedNoDisplay) {
    struct Case {
        const char* asked;
        const char* begins;  // stdout begins with this
        const char* holds;   // and holds this
    };
    const Case cases[] = {
        {"--help", "Usage: ", "  --parts <DIR>"},
        {"-h", "Usage: ", "  --screenshots <DIR>"},
        {"--help-all", "Usage: ", "  --platform <platformName[:options]>"},
        {"--version", "pelterra 0.23.8\n", "pelterra 0.23.8\n"},
        {"-v", "pelterra 0.23.8\n", "pelterra 0.23.8\n"},
    };
    const pelterra::test_support::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        const std::string out = (dir / "out.txt").string();
        const std::string command = std::string("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \"") +
                                    PELTERRA_GUI + "\" " + c.asked + " >\"" + out + "\" 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        const std::string printed = pelterra::test_support::readFileBytes(out);
        EXPECT_EQ(printed.rfind(c.begins, 0), 0u) << printed;
        EXPECT_NE(printed.find(c.holds), std::string::npos) << printed;
    }
}
#endif

}  // namespace
