// Game options: board keys and texts, size choices, placeholder names, the score count and the
// hint dialog's results.
#include "FakeSoundPlayer.h"
#include "GameOptions.h"
#include "HintDlg.h"
#include "ModalScript.h"
#include "ScoreBoard.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

struct OpsCase {
    bool bAdd, bSubtract, bMultiply, bDivide;
    const char* szLetters;
    const char* szOperators;
};

struct SignCase {
    int nMode;
    char cLetter;
    const char* szText;
};

const OpsCase kOps[] = {
    {0, 0, 0, 0, "", ""},       {1, 0, 0, 0, "A", "+"},     {0, 1, 0, 0, "S", "-"},     {0, 0, 1, 0, "M", "*"},
    {0, 0, 0, 1, "D", "/"},     {1, 1, 0, 0, "AS", "+-"},   {1, 0, 1, 0, "AM", "+*"},   {1, 0, 0, 1, "AD", "+/"},
    {0, 1, 1, 0, "SM", "-*"},   {0, 1, 0, 1, "SD", "-/"},   {0, 0, 1, 1, "MD", "*/"},   {1, 1, 1, 0, "ASM", "+-*"},
    {1, 1, 0, 1, "ASD", "+-/"}, {1, 0, 1, 1, "AMD", "+*/"}, {0, 1, 1, 1, "SMD", "-*/"}, {1, 1, 1, 1, "ASMD", "+-*/"},
};

const SignCase kSigns[] = {{0, 'P', "only positive"}, {1, 'N', "only negative"}, {2, 'A', "both positive and negative"}};

class EveryCombination : public ::testing::TestWithParam<std::tuple<OpsCase, SignCase>> {};

}  // namespace

// The board key names the file a game loads and the text lands in every player's records.
TEST_P(EveryCombination, GivesItsBoardKeyAndTexts)
{
    const auto& [ops, sign] = GetParam();
    GameOptions options;
    options.bAdd = ops.bAdd;
    options.bSubtract = ops.bSubtract;
    options.bMultiply = ops.bMultiply;
    options.bDivide = ops.bDivide;
    options.nSignMode = sign.nMode;
    options.nPieces = 16;
    EXPECT_EQ(options.BoardKey(), QString(ops.szLetters) + '.' + sign.cLetter);
    EXPECT_EQ(options.Description(), QStringLiteral("A 16 piece game with %1 operators and %2 numbers allowed.")
                                         .arg(ops.szOperators, sign.szText));
}

INSTANTIATE_TEST_SUITE_P(Table, EveryCombination,
                         ::testing::Combine(::testing::ValuesIn(kOps), ::testing::ValuesIn(kSigns)));

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
// own; silent, unchanged or unknown players' counts play nothing; a reset starts from 0.
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
    EXPECT_EQ(seen, (QStringList{"1u", "2u", "3u", "0d", "-1d"}));
    EXPECT_TRUE(board.Shown(0) == 3 && board.Shown(1) == -1);
    panel.SetDlgItemText(1034, QStringLiteral("x"));
    for (int nPlayer : {0, 7, -1})
        board.ShowScore(nPlayer, 3, true, &panel, 1034);
    EXPECT_EQ(panel.GetDlgItemText(1034), QStringLiteral("x"));
    board.Reset();
    board.ShowScore(1, 1, true, &panel, 1034);
    EXPECT_EQ(seen.size(), 6);
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

// The box opens over the game.
TEST(HintDialog, IsCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(100, 80, 700, 500);
    CHintDlg dlg(&owner);
    dlg.Create();
    EXPECT_LE((dlg.geometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);
}
