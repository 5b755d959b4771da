// Hints: what each costs, says and counts; Cancel is free; none during a roll or the computer's
// turn; scores may fall below zero.
#include "GameFixture.h"

#include "ExpressionEvaluator.h"
#include "HintDlg.h"
#include "OperatorButton.h"

namespace {

struct HintCase {
    const char* szName;
    int nButton;
    int nCost;
    int nOptimal;
    int nOperator;
};

class Hint : public GameTest, public ::testing::WithParamInterface<HintCase> {};

// Some order of the numbers, with the operators the hint set (read in table order), reaches
// the best piece.
bool OperatorsReach(CGameDlg& dlg)
{
    const char cFirst = dlg.OperatorButton(1006)->GetOperator();
    const char cSecond = dlg.OperatorButton(1007)->GetOperator();
    int order[3] = {0, 1, 2};
    do {
        for (int nMode = 1; nMode <= 2; ++nMode) {
            const CRowEvaluation eval = CExpressionEvaluator::Evaluate(
                dlg.m_nDrawn[order[0]], cFirst, dlg.m_nDrawn[order[1]], cSecond,
                dlg.m_nDrawn[order[2]], nMode);
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
    StartRolledGame(true);
    ASSERT_NE(Dlg().m_nBestValue, -1000);
    // A half-built row, which the operator hint empties.
    Dlg().OnNumber3();
    Dlg().OnNumber1();
    m_sounds.Clear();

    TakeHint(c.nButton);

    EXPECT_EQ(Dlg().m_nScore[0], -c.nCost);
    EXPECT_EQ(Dlg().GetDlgItemText(1034), QString::number(-c.nCost));
    EXPECT_EQ(static_cast<int>(m_sounds.Files().count(QStringLiteral("data/down.wav"))), c.nCost);
    const CGameStats& record = *m_app.m_pPlayer[0]->m_pCurrentStats;
    EXPECT_EQ(record.m_nOptimalHints, c.nOptimal);
    EXPECT_EQ(record.m_nOperatorHints, c.nOperator);
    const QString strTexts[] = {QStringLiteral("The value of the best piece is %1.").arg(Dlg().m_nBestValue),
                                QStringLiteral("The operators have been set.")};
    EXPECT_EQ(m_modals.m_messages,
              c.nButton == IDCANCEL ? QStringList() : QStringList{strTexts[c.nOperator]});
    if (c.nButton == CHintDlg::kOperators) {
        // The row is emptied and the operators set so that the numbers reach the best piece.
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
                         [](const ::testing::TestParamInfo<HintCase>& tpi) {
                             return std::string(tpi.param.szName);
                         });

TEST_F(Hint, ScoreMayFallBelowZero)
{
    StartRolledGame();
    Dlg().m_nScore[0] = 1;
    TakeHint(CHintDlg::kOptimal);
    EXPECT_EQ(Dlg().m_nScore[0], -2);
    TakeHint(CHintDlg::kOptimal);  // a second hint in the same turn is charged again
    EXPECT_EQ(Dlg().m_nScore[0], -5);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats->m_nOptimalHints, 2);
}

TEST_F(Hint, NoHintDuringTheRollOrTheComputersTurn)
{
    StartFirstGame(SetupChoice{}, {QStringLiteral("Ann")});
    Dlg().OnTimer();
    Dlg().OnHint();
    EXPECT_EQ(m_modals.Count(135), 0);

    FinishRoll();
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();
    FinishRoll();
    ASSERT_TRUE(Dlg().IsComputersTurn());
    Dlg().OnHint();
    EXPECT_EQ(m_modals.Count(135), 0);
    EXPECT_EQ(Dlg().m_nScore[0], 0);
}

TEST_F(Hint, NothingToReachIsSaidFreeOfCharge)
{
    WriteBoard(QStringLiteral("ASMD.A"), std::vector<int>(CBoardWnd::kPlaces, 5000));
    StartRolledGame();
    for (int nButton : {CHintDlg::kOptimal, CHintDlg::kOperators}) {
        TakeHint(nButton);
        EXPECT_EQ(m_prompts.Last().m_strText, QStringLiteral("There is no obtainable piece."));
    }
    EXPECT_EQ(Dlg().m_nScore[0], 0);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats->m_nOptimalHints, 0);
}
