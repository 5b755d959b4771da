#include "Random.h"

#include <gtest/gtest.h>

// The board's random removal and the rolls must repeat the original runtime's sequence exactly.
TEST(Random, SeedOneGivesTheRuntimeSequence)
{
    CRandom::Seed(1);
    for (int nExpected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(CRandom::Rand(), nExpected);
}

TEST(Random, ReseedingRestartsTheSequence)
{
    CRandom::Seed(12345);
    const int nFirst = CRandom::Rand();
    CRandom::Rand();
    CRandom::Seed(12345);
    EXPECT_EQ(CRandom::Rand(), nFirst);
}

TEST(Random, ResultsStayWithinFifteenBits)
{
    CRandom::Seed(0xdeadbeef);
    for (int i = 0; i < 10000; ++i) {
        const int n = CRandom::Rand();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 32767);
    }
}

struct ScaleCase {
    int nRand;
    int n;
    int nExpected;
};

class RandomScale : public ::testing::TestWithParam<ScaleCase> {};

// rand() * n / 32767 in unsigned arithmetic: n itself only for the very top value.
TEST_P(RandomScale, MapsLikeTheOriginalDivision)
{
    EXPECT_EQ(CRandom::Scale(GetParam().nRand, GetParam().n), GetParam().nExpected);
}

INSTANTIATE_TEST_SUITE_P(Table, RandomScale,
                         ::testing::Values(ScaleCase{0, 10, 0}, ScaleCase{3276, 10, 0},
                                           ScaleCase{3277, 10, 1}, ScaleCase{32767, 10, 10},
                                           ScaleCase{32766, 10, 9}, ScaleCase{32767, 5, 5},
                                           ScaleCase{32766, 7, 6}, ScaleCase{6554, 5, 1}));
