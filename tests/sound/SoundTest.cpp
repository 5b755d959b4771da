// The program's one wave call, and the SDL player behind it: on the waves we ship, on bad files
// and without a sound device.

#include "FakeSoundPlayer.h"
#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kData = QStringLiteral(ZORBLY_SOURCE_DIR "/data/");

// Catches the wait flag inverted, and a play-and-wait that does not hold the game while it waits
// or goes on holding it afterwards.
TEST(SndPlaySoundTest, WaitsAndHoldsTheGameOnlyForTheSyncFlag)
{
    for (const auto& [nFlags, bWait] : {std::pair{SND_SYNC, true}, std::pair{SND_ASYNC, false}}) {
        CFakeSoundPlayer fake;
        bool bHeld = false;
        fake.SetDuringWait([&](const auto&) { bHeld = CSound::IsHolding(); });
        sndPlaySound(QStringLiteral("data/shoop.wav"), nFlags);
        EXPECT_EQ(fake.Calls(), (std::vector<CFakeSoundPlayer::Call>{{QStringLiteral("data/shoop.wav"), bWait}}));
        EXPECT_EQ(bHeld, bWait);
        EXPECT_FALSE(CSound::IsHolding());
    }
}

// Chooses SDL's audio driver while it lives ("dummy" plays in real time into nothing).
struct CAudioDriver {
    explicit CAudioDriver(const char* pszDriver) { qputenv("SDL_AUDIODRIVER", pszDriver); }
    ~CAudioDriver() { qunsetenv("SDL_AUDIODRIVER"); }
};

QByteArray ShippedWave(const char* pszName)
{
    QFile file(kData + pszName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Catches a machine without sound, or a missing, empty, foreign, cut-short or unknown-format
// file, making a sound, failing or claiming to be heard; a clip's length, which paces the silent
// game, must not need a device.
TEST(SdlSoundPlayerTest, IsSilentWithoutADeviceOrWithABadFile)
{
    QByteArray badFormat = ShippedWave("up.wav");
    badFormat[20] = 99;  // a format tag no decoder knows
    const std::pair<const char*, QByteArray> cases[] = {  // audio driver, file (null: none)
        {"nosuchdriver", ShippedWave("up.wav")}, {"dummy", QByteArray()}, {"dummy", QByteArray("")},
        {"dummy", QByteArray("this is not a sound\r\n")}, {"dummy", badFormat.left(20)}, {"dummy", badFormat},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        QFile file(dir.filePath(QStringLiteral("%1.wav").arg(&c - cases)));
        ASSERT_TRUE(c.second.isNull() || (file.open(QIODevice::WriteOnly) && file.write(c.second) == c.second.size()));
        file.close();
        CAudioDriver driver(c.first);
        CSdlSoundPlayer player;
        EXPECT_FALSE(player.Play(file.fileName(), true) || player.Play(file.fileName(), false));
        EXPECT_EQ(player.RemainingMs(), 0);
        EXPECT_EQ(player.ClipLengthMs(file.fileName()) > 0, &c == cases);
    }
}

// Catches a play-and-wait that returns while its sound plays, does not keep the window painting
// or does not hold the game while it waits; a play-and-go-on that waits; a file loaded again for
// every play (it may be gone); and a player that leaves its sound playing when it goes.
TEST(SdlSoundPlayerTest, WaitsOnlyWhenAskedKeepsEventsFlowingAndLoadsEachFileOnce)
{
    CAudioDriver driver("dummy");
    auto pPlayer = std::make_unique<CSdlSoundPlayer>();
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("up.wav"));
    ASSERT_TRUE(QFile::copy(kData + "up.wav", strPath));
    bool bHeldWhileEventsRan = false;
    QTimer::singleShot(0, [&] { bHeldWhileEventsRan = CSound::IsHolding(); });
    EXPECT_TRUE(pPlayer->Play(strPath, true));
    EXPECT_EQ(pPlayer->RemainingMs(), 0);
    ASSERT_TRUE(QFile::remove(strPath));
    EXPECT_TRUE(pPlayer->Play(strPath, true));
    EXPECT_TRUE(bHeldWhileEventsRan);
    EXPECT_EQ(pPlayer->ClipLengthMs(strPath), pPlayer->ClipLengthMs(kData + "up.wav"));
    pPlayer->Play(kData + "humanw.wav", false);
    EXPECT_GT(pPlayer->RemainingMs(), 0);
    pPlayer = std::make_unique<CSdlSoundPlayer>();
    ASSERT_TRUE(pPlayer->OpenAudio());
    EXPECT_EQ(pPlayer->RemainingMs(), 0);
}

// Catches a sound asked for while the device still opens being lost (or waited for there), and a
// new sound queued behind the one playing instead of replacing it.
TEST(SdlSoundPlayerTest, PlaysWhatWasAskedWhileOpeningAndReplacesWhatPlays)
{
    CAudioDriver driver("dummy");
    CSdlSoundPlayer player;
    EXPECT_TRUE(player.Play(kData + "humanw.wav", false));
    for (const QDeadlineTimer deadline(10000); player.RemainingMs() == 0 && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const int nUpMs = player.ClipLengthMs(kData + "up.wav");
    EXPECT_GT(player.RemainingMs(), nUpMs);
    EXPECT_TRUE(player.Play(kData + "up.wav", false));
    EXPECT_LE(player.RemainingMs(), nUpMs);
}

// Catches a wave's length misread from its header: the silent game keeps the pace of the clips
// by it (a count step, a flash, a fanfare).
TEST(SdlSoundPlayerTest, ShippedWavesAreAsLongAsTheirSamples)
{
    CSdlSoundPlayer player;
    const std::pair<const char*, int> waves[] = {
        {"up.wav", 120},     {"down.wav", 120},  {"warble.wav", 220}, {"no.wav", 320},  {"shoop.wav", 300},
        {"shake2.wav", 140}, {"compw.wav", 960}, {"humanw.wav", 845}, {"zorb.wav", 1200},
    };
    for (const auto& [pszName, nMs] : waves)
        EXPECT_NEAR(player.ClipLengthMs(kData + pszName), nMs, 2) << pszName;
}

} // namespace
