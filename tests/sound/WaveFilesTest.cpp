#include "SdlSoundPlayer.h"
#include "TestWaves.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct WaveCase {
    const char* pszName;
    int nMaxMs;  // the game's use sets the bound: a count step, a roll tick, a fanfare
};

class CommittedWave : public ::testing::TestWithParam<WaveCase> {
protected:
    QString Path() const { return QStringLiteral(ZORBLY_SOURCE_DIR "/data/") + GetParam().pszName; }
};

// A plain 16-bit PCM wave, short enough for its use, that the mixer loads at its full length.
TEST_P(CommittedWave, IsAShortPlainPcmWaveTheMixerLoadsWhole)
{
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(Path());
    const WaveHeader header = ReadWaveHeader(file.readAll());
    ASSERT_TRUE(header.bValid);
    EXPECT_EQ(header.nFormat, 1);
    EXPECT_EQ(header.nBits, 16);
    EXPECT_GT(header.LengthMs(), 50);
    EXPECT_LE(header.LengthMs(), GetParam().nMaxMs);
    CAudioDriver driver("dummy");
    CSdlSoundPlayer player;
    EXPECT_NEAR(player.ClipLengthMs(Path()), header.LengthMs(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CommittedWave,
    ::testing::Values(WaveCase{"up.wav", 150}, WaveCase{"down.wav", 150}, WaveCase{"warble.wav", 300},
                      WaveCase{"no.wav", 500}, WaveCase{"shoop.wav", 500}, WaveCase{"shake2.wav", 250},
                      WaveCase{"compw.wav", 1500}, WaveCase{"humanw.wav", 1500}, WaveCase{"zorb.wav", 1500}),
    [](const ::testing::TestParamInfo<WaveCase>& param) { return QString::fromLatin1(param.param.pszName).section('.', 0, 0).toStdString(); });

} // namespace
