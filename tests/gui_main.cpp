// Entry of the tests that need windows: the toolkit's application, offscreen.
#include <gtest/gtest.h>

#include "framework/app.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the cases (CTest does, to know them) needs no toolkit.
    if (!GTEST_FLAG_GET(list_tests))
        AfxWinInit(argc, argv);
    return RUN_ALL_TESTS();
}
