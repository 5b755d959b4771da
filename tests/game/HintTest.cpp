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

    EXPECT_EQ(Dlg().m_nScore[0], -c.nCost);
    EXPECT_EQ(Dlg().GetDlgItemText(1034), QString::number(-c.nCost));
    EXPECT_EQ(m_sounds.Files(), QStringList(c.nCost, QStringLiteral("data/down.wav")));
    EXPECT_EQ(Record().m_nOptimalHints, c.nOptimal);
    EXPECT_EQ(Record().m_nOperatorHints, c.nOperator);
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

// A second hint in the same turn is charged again.
TEST_F(Hint, ScoreMayFallBelowZero)
{
    StartRolledGame();
    Dlg().m_nScore[0] = 1;
    TakeHint(CHintDlg::kOptimal);
    EXPECT_EQ(Dlg().m_nScore[0], -2);
    TakeHint(CHintDlg::kOptimal);
    EXPECT_EQ(Dlg().m_nScore[0], -5);
    EXPECT_EQ(Record().m_nOptimalHints, 2);
}
