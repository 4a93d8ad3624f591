// Entry of the tests that need windows: the toolkit's application, offscreen.
#include <gtest/gtest.h>

#include "framework/app.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    AfxWinInit(argc, argv);
    return RUN_ALL_TESTS();
}
