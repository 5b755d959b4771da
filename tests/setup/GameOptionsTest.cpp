// Game options: size choices, placeholder names, the score count and the
// hint dialog's results.
#include "FakeSoundPlayer.h"
#include "GameOptions.h"
#include "HintDlg.h"
#include "ModalScript.h"
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

TEST(PlaceholderName, IsExactlyNameOrEmpty)
{
    EXPECT_TRUE(IsPlaceholderName(QString()) && IsPlaceholderName(QStringLiteral("Name")));
    EXPECT_FALSE(IsPlaceholderName(QStringLiteral("name")) || IsPlaceholderName(QStringLiteral("Names")));
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

struct HintCase {
    const char* szName;
    std::function<void(CDialog&)> act;
    int nResult;
};

class HintChoice : public ::testing::TestWithParam<HintCase> {};

// The game charges and counts by the result: the button's id, or cancel for no hint.
TEST_P(HintChoice, EndsWithTheIdOfItsButton)
{
    CModalScript modals;
    modals.Then(GetParam().act);
    CHintDlg dlg;
    EXPECT_EQ(dlg.DoModal(), GetParam().nResult);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HintChoice,
    ::testing::Values(HintCase{"Optimal", [](CDialog& d) { d.ClickDlgItem(1040); }, 1040},
                      HintCase{"Operators", [](CDialog& d) { d.ClickDlgItem(3); }, 3},
                      HintCase{"Cancel", [](CDialog& d) { d.ClickDlgItem(IDCANCEL); }, IDCANCEL},
                      HintCase{"Escape", [](CDialog& d) { d.PressEscape(); }, IDCANCEL},
                      HintCase{"EnterPressesCancel", [](CDialog& d) { d.PressEnter(); }, IDCANCEL}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });
