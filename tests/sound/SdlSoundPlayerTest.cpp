#include "SdlSoundPlayer.h"
#include "TestWaves.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kUpWave = QStringLiteral(ZORBLY_SOURCE_DIR "/data/up.wav");

TEST(SdlSoundPlayerWithoutDevice, IsSilentAndReturnsWhenTheDriverDoesNotExist)
{
    CAudioDriver driver("nosuchdriver");
    CSdlSoundPlayer player;
    player.Play(kUpWave, true);
    player.Play(kUpWave, false);
    EXPECT_FALSE(player.OpenAudio());
    EXPECT_EQ(player.ClipLengthMs(kUpWave), -1);
    EXPECT_EQ(player.PlayingCount(), 0);
}

TEST(SdlSoundPlayerWithoutDevice, NeverHoldsTheGame)
{
    CAudioDriver driver("nosuchdriver");
    CSdlSoundPlayer player;
    bool bHeld = false;
    QTimer::singleShot(0, [&] { bHeld = CSound::IsHolding(); });
    player.Play(kUpWave, true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bHeld);
}

class SdlSoundPlayerOnDummyDevice : public ::testing::Test {
protected:
    CAudioDriver m_driver{"dummy"};
    QTemporaryDir m_dir;
    CSdlSoundPlayer m_player;

    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }
};

TEST_F(SdlSoundPlayerOnDummyDevice, OpensTheDeviceOnFirstUse)
{
    EXPECT_TRUE(m_player.OpenAudio());
}

TEST_F(SdlSoundPlayerOnDummyDevice, PlayAndWaitReturnsOnlyWhenTheSoundHasEnded)
{
    m_player.Play(kUpWave, true);
    EXPECT_EQ(m_player.PlayingCount(), 0);
}

TEST_F(SdlSoundPlayerOnDummyDevice, PlayAndGoOnReturnsWhileTheSoundPlays)
{
    m_player.Play(QStringLiteral(ZORBLY_SOURCE_DIR "/data/humanw.wav"), false);
    EXPECT_EQ(m_player.PlayingCount(), 1);
}

TEST_F(SdlSoundPlayerOnDummyDevice, HoldsTheGameButKeepsEventsFlowingWhileItWaits)
{
    bool bFired = false;
    bool bHeld = false;
    QTimer::singleShot(0, [&] {
        bFired = true;
        bHeld = CSound::IsHolding();
    });
    m_player.Play(kUpWave, true);
    EXPECT_TRUE(bFired) << "no events were handled during the wait";
    EXPECT_TRUE(bHeld);
    EXPECT_FALSE(CSound::IsHolding());
}

TEST_F(SdlSoundPlayerOnDummyDevice, SoundsPlayOneAfterAnotherWhenEachIsWaitedFor)
{
    for (int i = 0; i < 3; ++i) {
        m_player.Play(kUpWave, true);
        EXPECT_EQ(m_player.PlayingCount(), 0);
    }
}

TEST_F(SdlSoundPlayerOnDummyDevice, LoadsEachFileOnce)
{
    ASSERT_TRUE(WriteFile(Path("tone.wav"), ToneWave(200)));
    const int nLength = m_player.ClipLengthMs(Path("tone.wav"));
    EXPECT_NEAR(nLength, 200, 5);
    ASSERT_TRUE(QFile::remove(Path("tone.wav")));
    EXPECT_EQ(m_player.ClipLengthMs(Path("tone.wav")), nLength);
}

struct BadFile {
    const char* pszName;
    QByteArray bytes;
};

class SdlSoundPlayerBadFiles : public SdlSoundPlayerOnDummyDevice,
                               public ::testing::WithParamInterface<BadFile> {};

TEST_P(SdlSoundPlayerBadFiles, AreSilentAndNeverHold)
{
    const QString strPath = Path(GetParam().pszName);
    if (!GetParam().bytes.isNull()) {
        ASSERT_TRUE(WriteFile(strPath, GetParam().bytes));
    }
    EXPECT_EQ(m_player.ClipLengthMs(strPath), -1);
    m_player.Play(strPath, true);
    m_player.Play(strPath, false);
    EXPECT_EQ(m_player.PlayingCount(), 0);
    EXPECT_FALSE(CSound::IsHolding());
}

QByteArray BadFormatWave()
{
    QByteArray bytes = ToneWave(100);
    bytes[20] = 99;  // a format tag no decoder knows
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SdlSoundPlayerBadFiles,
    ::testing::Values(BadFile{"missing.wav", QByteArray()}, BadFile{"empty.wav", QByteArray("")},
                      BadFile{"text.wav", QByteArray("this is not a sound\r\n")},
                      BadFile{"header_only.wav", ToneWave(100).left(20)},
                      BadFile{"bad_format.wav", BadFormatWave()}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return StemOf(param.param.pszName); });

} // namespace
