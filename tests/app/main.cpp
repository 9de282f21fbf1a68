// The GUI tests need one application object, the program's own (with its last resort); without
// a display they draw off screen.
#include <gtest/gtest.h>

#include "last_resort.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    pelterra::app::GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
