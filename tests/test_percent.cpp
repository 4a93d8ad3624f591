// The bars' percentages: rounding halves away from zero, and no division by zero.
#include <gtest/gtest.h>

#include "skin/Readout.h"

namespace {

TEST(PercentOf, RoundsHalvesUpAndGuardsZero)
{
    struct Case {
        const char* name;
        ULONGLONG part, whole;
        int percent;
    };
    const Case cases[] = {
        {"ThreeEighths", 12582912, 33554432, 38},
        {"ExactlyHalfOfOneRoundsUp", 495, 1000, 50},
        {"JustBelowHalf", 4949, 10000, 49},
        {"AllFree", 1000, 1000, 100},
        {"NoneFree", 0, 1000, 0},
        {"ZeroTotal", 5, 0, 0},
        {"BeyondFourGiB", 6ULL << 30, 64ULL << 30, 9},
        {"BeyondTwoGiBHalf", 3ULL << 30, 6ULL << 30, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentOf(c.part, c.whole), c.percent) << c.name;
}

TEST(RoundTo, HalvesAwayFromZero)
{
    EXPECT_FLOAT_EQ(RoundTo(37.5f, 1), 38.0f);
    EXPECT_FLOAT_EQ(RoundTo(-37.5f, 1), -38.0f);
    EXPECT_FLOAT_EQ(RoundTo(49.49f, 1), 49.0f);
    EXPECT_FLOAT_EQ(RoundTo(1.25f, 10), 1.3f);
    EXPECT_FLOAT_EQ(RoundTo(1e30f, 1), 9.0e18f); // large values stay defined
}

} // namespace
