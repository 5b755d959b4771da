// Whole games, from the first set-up to the result, played through the row handlers and piece
// clicks as a person would, with a fixed seed. The test keeps its own account of every move,
// pass and hint and compares it with the scores, the result and the player files.
#include "GameFixture.h"

#include "HintDlg.h"
#include "SetupDlg.h"

namespace {

enum class Play { Best, Worst, Pass, OperatorHint, OptimalHint };

struct Account {
    int nPoints[2] = {0, 0};
    int nHintCost[2] = {0, 0};
    int nMissed[2] = {0, 0};
    int nPasses[2] = {0, 0};
    int nOptimalHints[2] = {0, 0};
    int nOperatorHints[2] = {0, 0};
    int nComputerPasses = 0;
    int nEmptyRolls = 0;

    int Score(int nSeat) const { return nPoints[nSeat] - nHintCost[nSeat]; }
};

class WholeGame : public GameTest {
protected:
    using Policy = std::function<Play(int nSeat, int nTurn)>;

    void PlayToTheEnd(const Policy& policy)
    {
        int nHumanTurns[2] = {0, 0};
        for (int nGuard = 0; nGuard < 300 && !Board().m_bBoardEmpty; ++nGuard) {
            const bool bComputer = Dlg().IsComputersTurn();
            FinishRoll();
            if (bComputer)
                ComputerTurn();
            else
                HumanTurn(Dlg().CurrentPlayer(), policy(Dlg().CurrentPlayer(),
                                                        nHumanTurns[Dlg().CurrentPlayer()]++));
            if (HasFailure())
                return;
        }
        ASSERT_TRUE(Board().m_bBoardEmpty);
    }

    void ComputerTurn()
    {
        if (Dlg().m_nBestIndex == -1) {
            ASSERT_FALSE(m_modals.m_messages.empty());
            EXPECT_EQ(m_modals.m_messages.back().strText,
                      QStringLiteral("I'm afraid I cannot find\na move, so I must pass."));
            EXPECT_EQ(Dlg().CurrentPlayer(), 0);
            ++m_account.nComputerPasses;
            return;
        }
        const int nPlace = Dlg().m_nBestPlace;
        CPieceButton* pPiece = Board().Piece(nPlace);
        ASSERT_NE(pPiece, nullptr);
        // The computer's piece alone blinks, and it is worth the most the numbers allow.
        EXPECT_EQ(Board().m_marked, QList<CPieceButton*>{pPiece});
        EXPECT_EQ(pPiece->m_nCount + 1, PossibleMoves().front().nPoints);
        EXPECT_EQ(pPiece->m_nCount, TakenNeighbours(nPlace));
        m_account.nPoints[1] += pPiece->m_nCount + 1;
        ClickPiece(nPlace);
    }

    void HumanTurn(int nSeat, Play play)
    {
        const std::vector<MoveChoice> moves = PossibleMoves();
        if (Dlg().m_nBestValue == -1000) {
            // Nothing to reach: the pass is neither questioned nor counted.
            EXPECT_TRUE(moves.empty());
            const int nPrompts = m_prompts.Count();
            Dlg().OnPass();
            EXPECT_EQ(m_prompts.Count(), nPrompts);
            ++m_account.nEmptyRolls;
            return;
        }
        ASSERT_FALSE(moves.empty());
        const int nBestPoints = Dlg().m_nBestCount + 1;
        EXPECT_EQ(moves.front().nPoints, nBestPoints);
        if (play == Play::OperatorHint)
            TakeHint(nSeat, CHintDlg::kOperators);
        if (play == Play::OptimalHint)
            TakeHint(nSeat, CHintDlg::kOptimal);
        if (play == Play::Pass) {
            m_prompts.Answer(IDYES);  // "Are you sure you want to pass?"
            m_prompts.Answer(NextBetterMoveAnswer());
            Dlg().OnPass();
            ++m_account.nPasses[nSeat];
            ++m_account.nMissed[nSeat];
            return;
        }
        const MoveChoice& move = play == Play::Worst || play == Play::OptimalHint ? moves.back()
                                                                                 : moves.front();
        if (move.nPoints < nBestPoints) {
            m_prompts.Answer(NextBetterMoveAnswer());
            ++m_account.nMissed[nSeat];
        }
        EXPECT_EQ(move.nPoints, TakenNeighbours(move.nPlace) + 1);
        m_account.nPoints[nSeat] += move.nPoints;
        EnterRow(move.row);
        ClickPiece(move.nPlace);
        EXPECT_EQ(m_prompts.UnusedAnswers(), 0);
    }

    void TakeHint(int nSeat, int nButton)
    {
        m_modals.Queue(135, [nButton](CDialog& dlg) { dlg.ClickDlgItem(nButton); });
        Dlg().OnHint();
        ASSERT_FALSE(m_modals.m_messages.empty());
        if (nButton == CHintDlg::kOptimal) {
            EXPECT_EQ(m_modals.m_messages.back().strText,
                      QStringLiteral("The value of the best piece is %1.").arg(Dlg().m_nBestValue));
            m_account.nHintCost[nSeat] += 3;
            ++m_account.nOptimalHints[nSeat];
        } else {
            EXPECT_EQ(m_modals.m_messages.back().strText,
                      QStringLiteral("The operators have been set."));
            m_account.nHintCost[nSeat] += 1;
            ++m_account.nOperatorHints[nSeat];
        }
    }

    int NextBetterMoveAnswer()
    {
        m_bShowBetterMove = !m_bShowBetterMove;
        return m_bShowBetterMove ? IDYES : IDNO;
    }

    // The set-up that follows the finished game offers "Quit Game"; here it is cancelled.
    void ExpectNextSetUp()
    {
        m_modals.Queue(132, [this](CDialog& dlg) {
            m_bNextSetUpCouldCancel = static_cast<CSetupDlg&>(dlg).m_bCanCancel;
            dlg.EndDialog(IDCANCEL);
        });
    }

    QString ResultText(const QString& strOne, const QString& strTwo) const
    {
        if (m_account.Score(0) > m_account.Score(1))
            return strOne + QStringLiteral(" is the winner!");
        if (m_account.Score(0) < m_account.Score(1))
            return strTwo + QStringLiteral(" is the winner!");
        return QStringLiteral("It is a tie!");
    }

    void ExpectScores()
    {
        for (int nSeat = 0; nSeat < 2; ++nSeat) {
            EXPECT_EQ(Dlg().m_nScore[nSeat], m_account.Score(nSeat)) << "seat " << nSeat;
            EXPECT_EQ(Dlg().GetDlgItemText(1034 + nSeat), QString::number(m_account.Score(nSeat)));
        }
    }

    // The log ends with the result and then the next game's set-up.
    void ExpectResultThenSetUp(const QString& strResult)
    {
        ASSERT_GE(m_modals.m_log.size(), 2);
        EXPECT_EQ(m_modals.m_log.at(m_modals.m_log.size() - 2), QStringLiteral("prompt ") + strResult);
        EXPECT_EQ(m_modals.m_log.back(), QStringLiteral("dialog 132"));
        EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Game Over"));
        EXPECT_FALSE(m_bNextSetUpCouldCancel);
    }

    void ExpectRecord(const QString& strName, int nSeat, const QString& strOpponent,
                      bool bWon, const QString& strTitle)
    {
        std::unique_ptr<CPlayer> pPlayer = LoadPlayer(strName);
        ASSERT_NE(pPlayer, nullptr) << strName.toStdString();
        ASSERT_EQ(pPlayer->m_records.size(), 1u);
        const CGameStats& record = *pPlayer->m_records.back();
        EXPECT_EQ(record.m_strTitle, strTitle);
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_EQ(record.m_bNotWon, !bWon);
        EXPECT_EQ(record.m_strOpponent, strOpponent);
        EXPECT_EQ(record.m_nScore, std::max(1, m_account.Score(nSeat)));
        EXPECT_EQ(record.m_nMissedMoves, m_account.nMissed[nSeat]);
        EXPECT_EQ(record.m_nPasses, m_account.nPasses[nSeat]);
        EXPECT_EQ(record.m_nOptimalHints, m_account.nOptimalHints[nSeat]);
        EXPECT_EQ(record.m_nOperatorHints, m_account.nOperatorHints[nSeat]);
    }

    Account m_account;
    bool m_bShowBetterMove = false;
    bool m_bNextSetUpCouldCancel = true;
};

}  // namespace

TEST_F(WholeGame, OnePlayerAgainstTheComputerToTheEnd)
{
    OpenWindow();
    SetupChoice choice;
    choice.nSize = 1;  // Small: 16 pieces
    StartFirstGame(choice, {QStringLiteral("Ann")});
    ASSERT_EQ(PiecesLeft(), 16);
    ExpectNextSetUp();

    PlayToTheEnd([](int, int nTurn) {
        switch (nTurn) {
        case 0: return Play::OperatorHint;
        case 1: return Play::Worst;
        case 2: return Play::Pass;
        case 3: return Play::OptimalHint;
        default: return nTurn % 2 ? Play::Worst : Play::Best;
        }
    });
    ASSERT_FALSE(HasFailure());

    EXPECT_GT(m_account.nPoints[0], 0);
    EXPECT_GT(m_account.nPoints[1], 0);
    EXPECT_EQ(m_account.nOptimalHints[0], 1);
    EXPECT_EQ(m_account.nOperatorHints[0], 1);
    ExpectScores();
    const QString strResult = ResultText(QStringLiteral("Ann"), QStringLiteral("Computer"));
    ExpectResultThenSetUp(strResult);
    EXPECT_GT(m_account.nMissed[0], 0);
    ExpectRecord(QStringLiteral("Ann"), 0, QStringLiteral("the computer"),
                 m_account.Score(0) > m_account.Score(1),
                 QStringLiteral("A 16 piece game with +-*/ operators and both positive and "
                                "negative numbers allowed."));
    // The finished game's board stays until the next set-up; the record is closed.
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats, nullptr);
}

TEST_F(WholeGame, TwoPlayersToTheEnd)
{
    OpenWindow();
    SetupChoice choice;
    choice.bTwoPlayers = true;
    choice.nSize = 0;  // Quick: 10 pieces
    choice.strOperations = QStringLiteral("ASM");
    choice.nSignMode = 2;
    StartFirstGame(choice, {QStringLiteral("Ann"), QStringLiteral("Bob")});
    ASSERT_EQ(PiecesLeft(), 10);
    EXPECT_EQ(Dlg().GetDlgItemText(1032), QStringLiteral("Ann"));
    EXPECT_EQ(Dlg().GetDlgItemText(1033), QStringLiteral("Bob"));
    ExpectNextSetUp();

    PlayToTheEnd([](int nSeat, int nTurn) {
        if (nSeat == 1 && nTurn == 0)
            return Play::OptimalHint;
        if (nSeat == 1 && nTurn == 1)
            return Play::Pass;
        if (nSeat == 0 && nTurn == 1)
            return Play::OperatorHint;
        return nSeat == 0 ? Play::Best : Play::Worst;
    });
    ASSERT_FALSE(HasFailure());

    ExpectScores();
    ExpectResultThenSetUp(ResultText(QStringLiteral("Ann"), QStringLiteral("Bob")));
    const QString strTitle =
        QStringLiteral("A 10 piece game with +-* operators and both positive and negative "
                       "numbers allowed.");
    ExpectRecord(QStringLiteral("Ann"), 0, QStringLiteral("Bob"),
                 m_account.Score(0) > m_account.Score(1), strTitle);
    ExpectRecord(QStringLiteral("Bob"), 1, QStringLiteral("Ann"),
                 m_account.Score(1) > m_account.Score(0), strTitle);
}
