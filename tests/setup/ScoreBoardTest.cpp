#include "FakeSoundPlayer.h"
#include "ScoreBoard.h"

#include "Dialog.h"

#include <gtest/gtest.h>

namespace {

constexpr int kScoreControl = 1034;

DialogTemplate ScorePanel()
{
    return DialogTemplate{900, QStringLiteral("Scores"), 60, 20, 8, 0, {},
                          {{kScoreControl, CtlKind::Static, QStringLiteral("0"), 2, 2, 20, 8}}};
}

class ScoreCount : public ::testing::Test {
protected:
    ScoreCount() : m_panel(ScorePanel())
    {
        m_panel.Create();
        // What the player sees while each step's sound plays.
        m_player.SetDuringWait([this](const CFakeSoundPlayer::Call&) {
            m_seenDuringSound << m_panel.GetDlgItemText(kScoreControl);
        });
    }

    CFakeSoundPlayer m_player;
    CDialog m_panel;
    CScoreBoard m_board;
    QStringList m_seenDuringSound;
};

const CFakeSoundPlayer::Call kUp{QStringLiteral("data/up.wav"), true};
const CFakeSoundPlayer::Call kDown{QStringLiteral("data/down.wav"), true};

}  // namespace

TEST_F(ScoreCount, CountsUpOnePointPerStepWithTheUpSound)
{
    m_board.ShowScore(0, 4, true, &m_panel, kScoreControl);
    EXPECT_EQ(m_player.Calls(), (std::vector<CFakeSoundPlayer::Call>{kUp, kUp, kUp, kUp}));
    EXPECT_EQ(m_seenDuringSound, (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(m_board.Shown(0), 4);
}

TEST_F(ScoreCount, CountsDownBelowZeroWithTheDownSound)
{
    m_board.ShowScore(1, 1, false, &m_panel, kScoreControl);
    m_board.ShowScore(1, -2, true, &m_panel, kScoreControl);
    EXPECT_EQ(m_player.Calls(), (std::vector<CFakeSoundPlayer::Call>{kDown, kDown, kDown}));
    EXPECT_EQ(m_seenDuringSound, (QStringList{"0", "-1", "-2"}));
    EXPECT_EQ(m_panel.GetDlgItemText(kScoreControl), QStringLiteral("-2"));
}

// A silent count still shows the final value; an unchanged score counts nothing.
TEST_F(ScoreCount, SilentOrUnchangedScoresPlayNothing)
{
    m_board.ShowScore(0, 3, false, &m_panel, kScoreControl);
    EXPECT_EQ(m_panel.GetDlgItemText(kScoreControl), QStringLiteral("3"));
    m_panel.SetDlgItemText(kScoreControl, QStringLiteral("x"));
    m_board.ShowScore(0, 3, true, &m_panel, kScoreControl);
    m_board.ShowScore(7, 3, true, &m_panel, kScoreControl);  // no such player
    m_board.ShowScore(-1, 3, true, &m_panel, kScoreControl);
    EXPECT_TRUE(m_player.Calls().empty());
    EXPECT_EQ(m_panel.GetDlgItemText(kScoreControl), QStringLiteral("x"));
}

// Each player's display lags on its own; a new game's set-up starts both from 0.
TEST_F(ScoreCount, PlayersCountApartAndResetStartsFromZero)
{
    m_board.ShowScore(0, 5, false, &m_panel, kScoreControl);
    m_board.ShowScore(1, 2, false, &m_panel, kScoreControl);
    EXPECT_EQ(m_board.Shown(0), 5);
    EXPECT_EQ(m_board.Shown(1), 2);

    m_board.Reset();
    EXPECT_EQ(m_board.Shown(0), 0);
    EXPECT_EQ(m_board.Shown(1), 0);
    m_board.ShowScore(0, 1, true, &m_panel, kScoreControl);
    EXPECT_EQ(m_player.Calls(), std::vector<CFakeSoundPlayer::Call>{kUp});
}
