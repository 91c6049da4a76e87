// The Tervox windows, tested on the offscreen platform with the program's
// own application object (numbers with '.', exceptions shown in a box).
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/Application.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    Application app(argv[0], "Tervox");
    return RUN_ALL_TESTS();
}
