#include "FakeSoundPlayer.h"
#include "SdlSoundPlayer.h"
#include "Sound.h"

#include <gtest/gtest.h>

namespace {

struct FlagCase {
    int nFlags;
    bool bWait;
};

class SndPlaySoundFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(SndPlaySoundFlags, WaitsOnlyForTheSyncFlag)
{
    CFakeSoundPlayer fake;
    sndPlaySound(QStringLiteral("data/shoop.wav"), GetParam().nFlags);
    ASSERT_EQ(fake.Calls().size(), 1u);
    EXPECT_EQ(fake.Calls()[0], (CFakeSoundPlayer::Call{QStringLiteral("data/shoop.wav"), GetParam().bWait}));
}

INSTANTIATE_TEST_SUITE_P(Flags, SndPlaySoundFlags,
                         ::testing::Values(FlagCase{SND_SYNC, true}, FlagCase{SND_ASYNC, false},
                                           FlagCase{2, false}, FlagCase{SND_ASYNC | 2, false}),
                         [](const ::testing::TestParamInfo<FlagCase>& param) {
                             return "flags" + std::to_string(param.param.nFlags);
                         });

TEST(SoundPlayer, IsTheSdlPlayerUnlessATestInstalledOne)
{
    EXPECT_NE(dynamic_cast<CSdlSoundPlayer*>(&CSound::Player()), nullptr);
    {
        CFakeSoundPlayer fake;
        EXPECT_EQ(&CSound::Player(), &fake);
    }
    EXPECT_NE(dynamic_cast<CSdlSoundPlayer*>(&CSound::Player()), nullptr);
}

TEST(SoundHold, LastsUntilTheOutermostHoldEnds)
{
    EXPECT_FALSE(CSound::IsHolding());
    {
        CSound::CHold outer;
        {
            CSound::CHold inner;
            EXPECT_TRUE(CSound::IsHolding());
        }
        EXPECT_TRUE(CSound::IsHolding());
    }
    EXPECT_FALSE(CSound::IsHolding());
}

} // namespace
