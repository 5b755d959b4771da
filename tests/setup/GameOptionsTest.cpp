// Game options: size choices and the score count.
#include "FakeSoundPlayer.h"
#include "Dialog.h"
#include "GameOptions.h"
#include "ScoreBoard.h"

#include <gtest/gtest.h>

// Sizes map to piece counts both ways; anything else falls back to the Medium game.
TEST(SizeChoice, MapsToPieceCountsBothWaysAndUnknownValuesFallBackToMedium)
{
    const int nPieces[] = {10, 16, 26, 32};
    for (int nSize = 0; nSize < 4; ++nSize) {
        EXPECT_EQ(PiecesFromSizeChoice(nSize), nPieces[nSize]);
        EXPECT_EQ(SizeChoiceFromPieces(nPieces[nSize]), nSize);
    }
    for (int nBad : {-1, 4})
        EXPECT_EQ(PiecesFromSizeChoice(nBad), 26) << nBad;
    for (int nBad : {0, 11, 35})
        EXPECT_EQ(SizeChoiceFromPieces(nBad), 2) << nBad;
}

// Each step of a count shows its value while its sound plays; each player's display lags on its
// own; a silent count keeps the pace of its sound without playing it; unchanged or unknown
// players' counts play nothing; a reset starts from 0.
TEST(ScoreCount, StepsOnePointAtATimeWithUpOrDown)
{
    CFakeSoundPlayer sounds;
    CDialog panel(DialogTemplate{900, "Scores", 60, 20, 8, 0, {}, {{1034, CtlKind::Static, "0", 2, 2, 20, 8}}});
    panel.Create();
    QStringList seen;
    sounds.SetDuringWait([&](const CFakeSoundPlayer::Call& call) {
        seen << panel.GetDlgItemText(1034) + call.strPath.mid(5, 1);
    });
    CScoreBoard board;
    board.ShowScore(0, 3, true, &panel, 1034);
    board.ShowScore(1, 1, false, &panel, 1034);
    board.ShowScore(1, -1, true, &panel, 1034);
    EXPECT_EQ(seen, (QStringList{"1u", "2u", "3u", "1u", "0d", "-1d"}));
    EXPECT_EQ(sounds.Paced(), QStringList{"data/up.wav"});
    EXPECT_TRUE(board.Shown(0) == 3 && board.Shown(1) == -1);
    panel.SetDlgItemText(1034, QStringLiteral("x"));
    for (int nPlayer : {0, 7, -1})
        board.ShowScore(nPlayer, 3, true, &panel, 1034);
    EXPECT_EQ(panel.GetDlgItemText(1034), QStringLiteral("x"));
    board.Reset();
    board.ShowScore(1, 1, true, &panel, 1034);
    EXPECT_EQ(seen.size(), 7);
    EXPECT_TRUE(sounds.Calls().back().bWait);
}

