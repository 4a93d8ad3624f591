// Entry of the tests that need windows: the toolkit's application, offscreen,
// speaking Russian, whose catalog holds the texts the program was first
// written with, whatever the machine's locale.
#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/language.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the cases needs no toolkit.
    if (!GTEST_FLAG_GET(list_tests)) {
        AfxWinInit(argc, argv);
        AfxSetLanguage("ru_RU");
    }
    return RUN_ALL_TESTS();
}
