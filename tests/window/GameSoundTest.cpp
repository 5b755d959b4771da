#include "FakeSoundPlayer.h"
#include "GameSound.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct SoundCase {
    GameSound sound;
    const char* szPath;
    bool bWait;
};

class GameSoundTable : public ::testing::TestWithParam<SoundCase> {};

}  // namespace

// The sounds the game waits for pace the score count and the flashing; the others must not
// hold the game.
TEST_P(GameSoundTable, PlaysItsFileWithItsFlag)
{
    CFakeSoundPlayer player;
    PlayGameSound(GetParam().sound, true);
    ASSERT_EQ(player.Calls().size(), 1u);
    EXPECT_EQ(player.Calls()[0].strPath, QString::fromLatin1(GetParam().szPath));
    EXPECT_EQ(player.Calls()[0].bWait, GetParam().bWait);
    EXPECT_TRUE(QFile::exists(QStringLiteral(ZORBLY_SOURCE_DIR "/") + GetParam().szPath));
}

TEST_P(GameSoundTable, SilentWhenSoundsAreOff)
{
    CFakeSoundPlayer player;
    PlayGameSound(GetParam().sound, false);
    EXPECT_TRUE(player.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameSoundTable,
    ::testing::Values(SoundCase{GameSound::Shake, "data/shake2.wav", false},
                      SoundCase{GameSound::Shoop, "data/shoop.wav", true},
                      SoundCase{GameSound::No, "data/no.wav", false},
                      SoundCase{GameSound::Warble, "data/warble.wav", true},
                      SoundCase{GameSound::Up, "data/up.wav", true},
                      SoundCase{GameSound::Down, "data/down.wav", true},
                      SoundCase{GameSound::HumanWins, "data/humanw.wav", false},
                      SoundCase{GameSound::ComputerWins, "data/compw.wav", false}),
    [](const ::testing::TestParamInfo<SoundCase>& tpi) { return QFileInfo(QString::fromLatin1(tpi.param.szPath)).baseName().toStdString(); });
