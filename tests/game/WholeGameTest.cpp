// Whole games, from the first set-up to the result, played through the row handlers and piece
// clicks as a person would, with a fixed seed. The test keeps its own account of every move,
// pass and hint and compares it with the scores, the result and the player files.
#include "GameFixture.h"

#include "HintDlg.h"

namespace {

enum class Play { Best, Worst, Pass, OperatorHint, OptimalHint };

struct Account {
    int nPoints[2] = {0, 0};
    int nHintCost[2] = {0, 0};
    int nMissed[2] = {0, 0};
    int nPasses[2] = {0, 0};
    int nOptimalHints[2] = {0, 0};
    int nOperatorHints[2] = {0, 0};
    int Score(int nSeat) const { return nPoints[nSeat] - nHintCost[nSeat]; }
};

class WholeGame : public GameTest {
protected:
    void PlayToTheEnd(const std::function<Play(int nSeat, int nTurn)>& policy)
    {
        int nHumanTurns[2] = {0, 0};
        for (int nGuard = 0; nGuard < 300 && !Board().m_bBoardEmpty && !HasFailure(); ++nGuard) {
            const bool bComputer = Dlg().IsComputersTurn();
            FinishRoll();
            const int nSeat = Dlg().CurrentPlayer();
            if (bComputer)
                ComputerTurn();
            else
                HumanTurn(nSeat, policy(nSeat, nHumanTurns[nSeat]++));
        }
        ASSERT_TRUE(Board().m_bBoardEmpty);
    }

    void ComputerTurn()
    {
        if (Dlg().m_nBestIndex == -1)
            return;  // it has passed
        CPieceButton* pPiece = Board().Piece(Dlg().m_nBestPlace);
        ASSERT_NE(pPiece, nullptr);
        // The computer's piece alone blinks, and it is worth the most the numbers allow.
        EXPECT_EQ(Board().m_marked, QList<CPieceButton*>{pPiece});
        EXPECT_EQ(pPiece->m_nCount + 1, PossibleMoves().front().nPoints);
        m_account.nPoints[1] += pPiece->m_nCount + 1;
        pPiece->click();
    }

    void HumanTurn(int nSeat, Play play)
    {
        const std::vector<MoveChoice> moves = PossibleMoves();
        if (Dlg().m_nBestValue == -1000) {
            EXPECT_TRUE(moves.empty());
            Dlg().OnPass();
            return;
        }
        ASSERT_FALSE(moves.empty());
        const int nBestPoints = Dlg().m_nBestCount + 1;
        EXPECT_EQ(moves.front().nPoints, nBestPoints);
        if (play == Play::OperatorHint || play == Play::OptimalHint) {
            const bool bOptimal = play == Play::OptimalHint;
            TakeHint(bOptimal ? CHintDlg::kOptimal : CHintDlg::kOperators);
            m_account.nHintCost[nSeat] += bOptimal ? 3 : 1;
            ++(bOptimal ? m_account.nOptimalHints : m_account.nOperatorHints)[nSeat];
        }
        if (play == Play::Pass) {
            m_prompts.Answer({IDYES, NextBetterMoveAnswer()});  // sure to pass; see the move
            Dlg().OnPass();
            ++m_account.nPasses[nSeat];
            ++m_account.nMissed[nSeat];
            return;
        }
        const MoveChoice& move =
            play == Play::Worst || play == Play::OptimalHint ? moves.back() : moves.front();
        if (move.nPoints < nBestPoints) {
            m_prompts.Answer(NextBetterMoveAnswer());
            ++m_account.nMissed[nSeat];
        }
        m_account.nPoints[nSeat] += move.nPoints;
        EnterRow(move.row);
        ClickPiece(move.nPlace);
        EXPECT_EQ(m_prompts.UnusedAnswers(), 0);
    }

    int NextBetterMoveAnswer()
    {
        m_bShowBetterMove = !m_bShowBetterMove;
        return m_bShowBetterMove ? IDYES : IDNO;
    }

    // The scores, then the result announced just before the next game's set-up.
    void ExpectScoresAndResult(const QString& strOne, const QString& strTwo)
    {
        for (int nSeat = 0; nSeat < 2; ++nSeat)
            EXPECT_EQ(Dlg().GetDlgItemText(1034 + nSeat), QString::number(m_account.Score(nSeat)));
        const int nDiff = m_account.Score(0) - m_account.Score(1);
        const QString strResult = nDiff == 0 ? QStringLiteral("It is a tie!")
                                             : QString((nDiff > 0 ? strOne : strTwo) + " is the winner!");
        ASSERT_GE(m_modals.m_log.size(), 2);
        EXPECT_EQ(m_modals.m_log.mid(m_modals.m_log.size() - 2),
                  (QStringList{QStringLiteral("prompt ") + strResult, QStringLiteral("dialog 132")}));
    }

    void ExpectRecord(const QString& strName, int nSeat, const QString& strOpponent,
                      const QString& strTitle)
    {
        std::unique_ptr<CPlayer> pPlayer = LoadPlayer(strName);
        ASSERT_NE(pPlayer, nullptr) << strName.toStdString();
        ASSERT_EQ(pPlayer->m_records.size(), 1u);
        const CGameStats& record = *pPlayer->m_records.back();
        EXPECT_EQ(record.m_strTitle, strTitle);
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_EQ(record.m_bNotWon, m_account.Score(nSeat) <= m_account.Score(1 - nSeat));
        EXPECT_EQ(record.m_strOpponent, strOpponent);
        EXPECT_EQ(record.m_nScore, std::max(1, m_account.Score(nSeat)));
        EXPECT_EQ(record.m_nMissedMoves, m_account.nMissed[nSeat]);
        EXPECT_EQ(record.m_nPasses, m_account.nPasses[nSeat]);
        EXPECT_EQ(record.m_nOptimalHints, m_account.nOptimalHints[nSeat]);
        EXPECT_EQ(record.m_nOperatorHints, m_account.nOperatorHints[nSeat]);
    }

    Account m_account;
    bool m_bShowBetterMove = false;
};

}  // namespace

TEST_F(WholeGame, OnePlayerAgainstTheComputerToTheEnd)
{
    SetupChoice choice;
    choice.nSize = 1;  // Small: 16 pieces
    StartFirstGame(choice, {QStringLiteral("Ann")});
    PlayToTheEnd([](int, int nTurn) {
        const Play opening[] = {Play::OperatorHint, Play::Worst, Play::Pass, Play::OptimalHint};
        return nTurn < 4 ? opening[nTurn] : nTurn % 2 ? Play::Worst : Play::Best;
    });
    ASSERT_FALSE(HasFailure());

    ExpectScoresAndResult(QStringLiteral("Ann"), QStringLiteral("Computer"));
    ExpectRecord(QStringLiteral("Ann"), 0, QStringLiteral("the computer"),
                 QStringLiteral("A 16 piece game with +-*/ operators and both positive and "
                                "negative numbers allowed."));
}

TEST_F(WholeGame, TwoPlayersToTheEnd)
{
    SetupChoice choice;
    choice.bTwoPlayers = true;
    choice.strOperations = QStringLiteral("ASM");
    StartFirstGame(choice, {QStringLiteral("Ann"), QStringLiteral("Bob")});
    PlayToTheEnd([](int nSeat, int nTurn) {
        if (nSeat == 1 && nTurn < 2)
            return nTurn == 0 ? Play::OptimalHint : Play::Pass;
        if (nSeat == 0 && nTurn == 1)
            return Play::OperatorHint;
        return nSeat == 0 ? Play::Best : Play::Worst;
    });
    ASSERT_FALSE(HasFailure());

    ExpectScoresAndResult(QStringLiteral("Ann"), QStringLiteral("Bob"));
    const QString strTitle = QStringLiteral("A 10 piece game with +-* operators and both positive "
                                            "and negative numbers allowed.");
    ExpectRecord(QStringLiteral("Ann"), 0, QStringLiteral("Bob"), strTitle);
    ExpectRecord(QStringLiteral("Bob"), 1, QStringLiteral("Ann"), strTitle);
}
