// The index the search looks catalogue values up in: colliding numbers, the lower rank kept,
// and a full index that refuses more instead of looping.
#include "TargetIndex.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TargetIndex, KeepsTheLowestRankOfEachNumberAmongCollidingOnes)
{
    CTargetIndex targets;
    EXPECT_TRUE(targets.IsEmpty());
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(targets.Add(i * 256, 30 - i));  // the same low byte for all
    EXPECT_TRUE(targets.Add(512, 40));
    EXPECT_TRUE(targets.Add(512, 2));
    EXPECT_EQ(targets.RankOf(512), 2);
    EXPECT_EQ(targets.RankOf(0), 30);
    EXPECT_EQ(targets.RankOf(19 * 256), 11);
    EXPECT_EQ(targets.RankOf(20 * 256), -1);
    EXPECT_EQ(targets.RankOf(1), -1);
    EXPECT_TRUE(targets.Add(INT_MIN, 0));
    EXPECT_EQ(targets.RankOf(INT_MIN), 0);
    EXPECT_EQ(targets.RankOf(-1000), -1);
}

TEST(TargetIndex, RefusesNumbersBeyondItsCapacityAndStillAnswers)
{
    CTargetIndex targets;
    int nAdded = 0;
    for (int i = 0; i < 100; ++i)
        nAdded += targets.Add(i * 7 - 300, i) ? 1 : 0;
    EXPECT_EQ(nAdded, CTargetIndex::nCapacity - 1);
    EXPECT_EQ(targets.RankOf(-300), 0);
    EXPECT_EQ(targets.RankOf(99 * 7 - 300), -1);
    targets.Clear();
    EXPECT_TRUE(targets.IsEmpty());
    EXPECT_EQ(targets.RankOf(-300), -1);
}

} // namespace
