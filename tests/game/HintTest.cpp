// Hints: what each costs, says and counts; Cancel is free; scores may fall below zero.
#include "GameFixture.h"

#include "ExpressionEvaluator.h"

namespace {

struct HintCase {
    const char* szName;
    int nButton;
    int nCost;
    int nOptimal;
    int nOperator;
};

class Hint : public GameTest, public ::testing::WithParamInterface<HintCase> {};

// Some order of the numbers, with the operators the hint set, reaches the best piece.
bool OperatorsReach(CGameDlg& dlg)
{
    const char c1 = dlg.OperatorButton(1006)->GetOperator(), c2 = dlg.OperatorButton(1007)->GetOperator();
    int order[3] = {0, 1, 2};
    do {
        for (int nMode = 1; nMode <= 2; ++nMode) {
            const CRowEvaluation eval = CExpressionEvaluator::Evaluate(
                dlg.m_nDrawn[order[0]], c1, dlg.m_nDrawn[order[1]], c2, dlg.m_nDrawn[order[2]], nMode);
            if (eval.Ok() && eval.nValue == dlg.m_nBestValue)
                return true;
        }
    } while (std::next_permutation(order, order + 3));
    return false;
}

}  // namespace

TEST_P(Hint, CostsTellsAndCounts)
{
    const HintCase& c = GetParam();
    StartRolledGame({.bSounds = true});
    ASSERT_NE(Dlg().m_nBestValue, -1000);
    Dlg().OnNumber3();  // a half-built row, which the operator hint empties
    Dlg().OnNumber1();
    m_sounds.Clear();
    TakeHint(c.nButton);

    // The score may fall below zero.
    EXPECT_EQ(Shown(), QStringLiteral("%1:0 player 0 phase 0").arg(-c.nCost));
    EXPECT_EQ(m_sounds.Files(), QStringList(c.nCost, QStringLiteral("data/down.wav")));
    EXPECT_EQ(Counts(Record()), QStringLiteral("score 1 passes 0 missed 0 hints %1+%2").arg(c.nOptimal).arg(c.nOperator));
    const QString strTexts[] = {QStringLiteral("The value of the best piece is %1.").arg(Dlg().m_nBestValue),
                                QStringLiteral("The operators have been set.")};
    EXPECT_EQ(m_modals.m_messages, c.nButton == IDCANCEL ? QStringList() : QStringList{strTexts[c.nOperator]});
    if (c.nButton == CHintDlg::kOperators) {
        EXPECT_TRUE(Dlg().GetDlgItemText(2001).isEmpty() || Dlg().GetDlgItemText(2001) == "^");
        EXPECT_TRUE(OperatorsReach(Dlg()));
    } else {
        EXPECT_EQ(Dlg().GetDlgItemText(2001), QString::number(Dlg().m_nDrawn[2]));
    }
    EXPECT_EQ(m_prompts.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Hint,
                         ::testing::Values(HintCase{"Optimal", CHintDlg::kOptimal, 3, 1, 0},
                                           HintCase{"Operators", CHintDlg::kOperators, 1, 0, 1},
                                           HintCase{"Cancel", IDCANCEL, 0, 0, 0}),
                         [](const auto& tpi) { return std::string(tpi.param.szName); });

// In a two-player game player two's hints, passes and score are charged, shown and recorded as
// player two's.
TEST_F(GameTest, PlayerTwoKeepsAnAccountOfItsOwn)
{
    StartRolledGame({.bTwoPlayers = true}, {"Ann", "Bob"});
    const int nAnnsPoints = TakeMarkedPiece();
    FinishRoll();
    Dlg().m_nScore[1] = 10;
    TakeHint(CHintDlg::kOptimal);
    EXPECT_EQ(Dlg().GetDlgItemText(1035), QStringLiteral("7"));
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();
    EXPECT_EQ(Counts(Record(1)), QStringLiteral("score 7 passes 1 missed 1 hints 1+0"));
    EXPECT_EQ(Counts(Record(0)), QStringLiteral("score %1 passes 0 missed 0 hints 0+0").arg(nAnnsPoints));
    EXPECT_EQ(Shown(), QStringLiteral("%1:7 player 0 phase 1").arg(nAnnsPoints));
}
