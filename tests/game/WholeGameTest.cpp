// Whole games, from the first set-up to the result, with a fixed seed. The test keeps its own
// account of every move, pass and hint and compares it with the scores, the result and the
// player files.
#include "GameFixture.h"

namespace {

enum class Play { Best, Worst, Pass, OperatorHint, OptimalHint };

struct WholeGameCase {
    const char* szName;
    SetupChoice choice;
    QStringList names;
    std::function<Play(int nSeat, int nTurn)> policy;
    const char* szTitle;
};

class WholeGame : public GameTest, public ::testing::WithParamInterface<WholeGameCase> {
protected:
    void HumanTurn(int nSeat, Play play)
    {
        if (Dlg().m_nBestValue == -1000)
            return Dlg().OnPass();
        if (play == Play::OperatorHint || play == Play::OptimalHint) {
            const bool bOptimal = play == Play::OptimalHint;
            TakeHint(bOptimal ? CHintDlg::kOptimal : CHintDlg::kOperators);
            m_nHintCost[nSeat] += bOptimal ? 3 : 1;
            ++(bOptimal ? m_nOptimalHints : m_nOperatorHints)[nSeat];
        }
        const bool bBetterAnswer = (m_nMissed[0] + m_nMissed[1]) % 2;  // see every other better move
        if (play == Play::Pass) {
            m_prompts.Answer({IDYES, bBetterAnswer ? IDYES : IDNO});
            Dlg().OnPass();
            ++m_nPasses[nSeat];
            ++m_nMissed[nSeat];
            return;
        }
        CPieceButton& piece = MarkBest(play == Play::Best || play == Play::OperatorHint);
        if (piece.m_nCount < Dlg().m_nBestCount) {
            m_prompts.Answer(bBetterAnswer ? IDYES : IDNO);
            ++m_nMissed[nSeat];
        }
        m_nPoints[nSeat] += piece.m_nCount + 1;
        piece.click();
        EXPECT_EQ(m_prompts.UnusedAnswers(), 0);
    }

    // The computer's piece alone blinks, and it is the most surrounded one it reaches.
    void ComputerTurn()
    {
        if (Dlg().m_nBestIndex == -1)
            return;  // it has passed
        CPieceButton* pPiece = Board().Piece(Dlg().m_nBestPlace);
        EXPECT_EQ(Board().m_marked, QList<CPieceButton*>{pPiece});
        m_nPoints[1] += pPiece->m_nCount + 1;
        pPiece->click();
    }
    int Score(int nSeat) const { return m_nPoints[nSeat] - m_nHintCost[nSeat]; }

    int m_nPoints[2] = {0, 0}, m_nHintCost[2] = {0, 0}, m_nMissed[2] = {0, 0}, m_nPasses[2] = {0, 0};
    int m_nOptimalHints[2] = {0, 0}, m_nOperatorHints[2] = {0, 0};
};

}  // namespace

TEST_P(WholeGame, IsPlayedToTheEndAndRecorded)
{
    const WholeGameCase& c = GetParam();
    StartFirstGame(c.choice, c.names);
    int nHumanTurns[2] = {0, 0};
    for (int nGuard = 0; nGuard < 300 && !Board().m_bBoardEmpty && !HasFailure(); ++nGuard) {
        const bool bComputer = Dlg().IsComputersTurn();
        FinishRoll();
        const int nSeat = Dlg().CurrentPlayer();
        bComputer ? ComputerTurn() : HumanTurn(nSeat, c.policy(nSeat, nHumanTurns[nSeat]++));
    }
    ASSERT_TRUE(Board().m_bBoardEmpty);
    ASSERT_FALSE(HasFailure());

    // The scores, then the result announced just before the next game's set-up.
    for (int nSeat = 0; nSeat < 2; ++nSeat)
        EXPECT_EQ(Dlg().GetDlgItemText(1034 + nSeat), QString::number(Score(nSeat)));
    const int nDiff = Score(0) - Score(1);
    const QString strResult = nDiff == 0 ? QStringLiteral("It is a tie!")
                                         : Dlg().GetDlgItemText(nDiff > 0 ? 1032 : 1033) + " is the winner!";
    EXPECT_EQ(m_modals.m_log.mid(m_modals.m_log.size() - 2), (QStringList{"prompt " + strResult, "dialog 132"}));
    for (int nSeat = 0; nSeat < c.names.size(); ++nSeat) {
        const CGameStats record = RecordOnDisk(c.names[nSeat]);
        EXPECT_EQ(record.m_strTitle, c.szTitle);
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_EQ(record.m_bNotWon, Score(nSeat) <= Score(1 - nSeat));
        EXPECT_EQ(record.m_strOpponent, c.names.size() == 1 ? QStringLiteral("the computer") : c.names[1 - nSeat]);
        EXPECT_EQ(record.m_nScore, std::max(1, Score(nSeat)));
        EXPECT_EQ(record.m_nMissedMoves, m_nMissed[nSeat]);
        EXPECT_EQ(record.m_nPasses, m_nPasses[nSeat]);
        EXPECT_EQ(record.m_nOptimalHints, m_nOptimalHints[nSeat]);
        EXPECT_EQ(record.m_nOperatorHints, m_nOperatorHints[nSeat]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeGame,
    ::testing::Values(
        WholeGameCase{"OnePlayerAgainstTheComputer", {.nSize = 1}, {"Ann"},
                      [](int, int nTurn) {
                          const Play opening[] = {Play::OperatorHint, Play::Worst, Play::Pass, Play::OptimalHint};
                          return nTurn < 4 ? opening[nTurn] : nTurn % 2 ? Play::Worst : Play::Best;
                      },
                      "A 16 piece game with +-*/ operators and both positive and negative numbers allowed."},
        WholeGameCase{"TwoPlayers", {.bTwoPlayers = true, .szOperations = "ASM"}, {"Ann", "Bob"},
                      [](int nSeat, int nTurn) {
                          if (nSeat == 1 && nTurn < 2)
                              return nTurn == 0 ? Play::OptimalHint : Play::Pass;
                          return nSeat == 0 ? (nTurn == 1 ? Play::OperatorHint : Play::Best) : Play::Worst;
                      },
                      "A 10 piece game with +-* operators and both positive and negative numbers allowed."}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });
