#include "SdlSoundPlayer.h"
#include "TestWaves.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kUpWave = QStringLiteral(ZORBLY_SOURCE_DIR "/data/up.wav");

// A machine without sound: silent, no crash, and the game is never held.
TEST(SdlSoundPlayerWithoutDevice, IsSilentAndNeverHoldsTheGame)
{
    CAudioDriver driver("nosuchdriver");
    CSdlSoundPlayer player;
    bool bHeld = false;
    QTimer::singleShot(0, [&] { bHeld = CSound::IsHolding(); });
    player.Play(kUpWave, true);
    player.Play(kUpWave, false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bHeld);
    EXPECT_FALSE(player.OpenAudio());
    EXPECT_EQ(player.ClipLengthMs(kUpWave), -1);
    EXPECT_EQ(player.PlayingCount(), 0);
}

class SdlSoundPlayerOnDummyDevice : public ::testing::Test {
protected:
    CAudioDriver m_driver{"dummy"};
    QTemporaryDir m_dir;
    CSdlSoundPlayer m_player;

    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }
};

// Play-and-wait holds the game but keeps events flowing and returns only when the sound has
// ended; play-and-go-on returns while it plays.
TEST_F(SdlSoundPlayerOnDummyDevice, WaitsOnlyWhenAskedAndKeepsEventsFlowing)
{
    EXPECT_TRUE(m_player.OpenAudio());
    bool bFired = false;
    bool bHeld = false;
    QTimer::singleShot(0, [&] {
        bFired = true;
        bHeld = CSound::IsHolding();
    });
    for (int i = 0; i < 2; ++i) {
        m_player.Play(kUpWave, true);
        EXPECT_EQ(m_player.PlayingCount(), 0);
    }
    EXPECT_TRUE(bFired) << "no events were handled during the wait";
    EXPECT_TRUE(bHeld);
    EXPECT_FALSE(CSound::IsHolding());
    m_player.Play(QStringLiteral(ZORBLY_SOURCE_DIR "/data/humanw.wav"), false);
    EXPECT_EQ(m_player.PlayingCount(), 1);
}

TEST_F(SdlSoundPlayerOnDummyDevice, LoadsEachFileOnce)
{
    ASSERT_TRUE(WriteFile(Path("tone.wav"), ToneWave(200)));
    const int nLength = m_player.ClipLengthMs(Path("tone.wav"));
    EXPECT_NEAR(nLength, 200, 5);
    ASSERT_TRUE(QFile::remove(Path("tone.wav")));
    EXPECT_EQ(m_player.ClipLengthMs(Path("tone.wav")), nLength);
}

// Missing, empty, foreign, cut short or of an unknown format: silent, and the game never held.
TEST_F(SdlSoundPlayerOnDummyDevice, BadFilesAreSilentAndNeverHold)
{
    QByteArray badFormat = ToneWave(100);
    badFormat[20] = 99;  // a format tag no decoder knows
    const std::pair<const char*, QByteArray> files[] = {
        {"missing.wav", QByteArray()}, {"empty.wav", QByteArray("")},
        {"text.wav", QByteArray("this is not a sound\r\n")}, {"header_only.wav", ToneWave(100).left(20)},
        {"bad_format.wav", badFormat}};
    for (const auto& [pszName, bytes] : files) {
        const QString strPath = Path(pszName);
        if (!bytes.isNull()) {
            ASSERT_TRUE(WriteFile(strPath, bytes));
        }
        EXPECT_EQ(m_player.ClipLengthMs(strPath), -1) << pszName;
        m_player.Play(strPath, true);
        m_player.Play(strPath, false);
        EXPECT_EQ(m_player.PlayingCount(), 0) << pszName;
        EXPECT_FALSE(CSound::IsHolding());
    }
}

} // namespace
