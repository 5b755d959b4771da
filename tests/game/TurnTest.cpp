// Taking a piece, passing and the better-move check, one turn at a time.
#include "GameFixture.h"

namespace {

class Turn : public GameTest {
protected:
    const CGameStats& Record() { return *m_app.m_pPlayer[0]->m_records.back(); }
};

}  // namespace

// The score display counts the points up one audible step at a time.
TEST_F(Turn, TakingAPieceScoresOnePlusItsTakenNeighbours)
{
    StartRolledGame(true);
    const std::vector<MoveChoice> moves = PossibleMoves();
    ASSERT_FALSE(moves.empty());
    const MoveChoice& move = moves.front();
    const int nNeighbours = TakenNeighbours(move.nPlace);
    ASSERT_GE(nNeighbours, 1);
    EnterRow(move.row);
    m_sounds.Clear();
    ClickPiece(move.nPlace);

    EXPECT_EQ(Dlg().m_nScore[0], nNeighbours + 1);
    EXPECT_EQ(Dlg().GetDlgItemText(1034), QString::number(nNeighbours + 1));
    const QStringList files = m_sounds.Files();
    EXPECT_EQ(files.count(QStringLiteral("data/warble.wav")), nNeighbours);
    EXPECT_EQ(files.count(QStringLiteral("data/up.wav")), nNeighbours + 1);
    EXPECT_EQ(Record().m_nScore, nNeighbours + 1);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
}

// The missed move is counted whatever the answer; on Yes the best piece blinks red and the row
// shows its value until the message is closed.
class BetterMove : public Turn, public ::testing::WithParamInterface<int> {};

TEST_P(BetterMove, IsCountedWhateverTheAnswer)
{
    StartRolledGame();
    std::vector<MoveChoice> moves;
    for (unsigned nTry = 1; nTry < 500; ++nTry) {
        RollFrom(nTry);
        moves = PossibleMoves();
        if (!moves.empty() && moves.back().nPoints < Dlg().m_nBestCount + 1)
            break;
    }
    ASSERT_LT(moves.back().nPoints, Dlg().m_nBestCount + 1);
    const int nBestPlace = Dlg().m_nBestPlace;
    QList<CPieceButton*> redDuring;
    QString strValueDuring;
    m_modals.m_onMessage = [&] {
        redDuring = Board().m_markedBest;
        strValueDuring = Dlg().GetDlgItemText(1013);
    };
    m_prompts.Answer(GetParam());
    EnterRow(moves.back().row);
    ClickPiece(moves.back().nPlace);

    ASSERT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(m_prompts.Last().m_strText,
              QStringLiteral("There was a better move.\nWould you like to see it?"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Better Move"));
    EXPECT_EQ(Record().m_nMissedMoves, 1);
    EXPECT_EQ(Dlg().m_nScore[0], moves.back().nPoints);
    EXPECT_EQ(m_modals.m_messages.size(), GetParam() == IDYES ? 1 : 0);
    if (GetParam() == IDYES) {
        EXPECT_EQ(m_modals.m_messages[0], QStringLiteral("Continue the game."));
        EXPECT_EQ(redDuring, QList<CPieceButton*>{Board().Piece(nBestPlace)});
        EXPECT_EQ(strValueDuring, QString::number(Board().Piece(nBestPlace)->m_nNumber));
    }
    EXPECT_FALSE(Board().m_bAnyMarked);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, BetterMove, ::testing::Values(IDYES, IDNO),
                         [](const ::testing::TestParamInfo<int>& tpi) {
                             return tpi.param == IDYES ? std::string("Yes") : std::string("No");
                         });

TEST_F(Turn, ConfirmedPassWithAReachablePieceCountsOnePassAndOneMissedMove)
{
    StartRolledGame();
    ASSERT_NE(Dlg().m_nBestValue, -1000);
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();

    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_EQ(m_prompts.Prompts()[0].m_strText, QStringLiteral("Are you sure you want to pass?"));
    EXPECT_EQ(Record().m_nPasses, 1);
    EXPECT_EQ(Record().m_nMissedMoves, 1);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
    EXPECT_EQ(Dlg().m_nScore[0], 0);
}

// A better move on the last piece cannot come from a real roll (the best piece would still be
// on the board), so the best count is raised by hand: the question must still come before the
// result, and the result before the next set-up.
TEST_F(Turn, LastMoveAsksAboutTheBetterMoveBeforeTheResult)
{
    StartRolledGame();
    const std::vector<MoveChoice> moves = PossibleMoves();
    ASSERT_FALSE(moves.empty());
    for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
        const CPieceButton* pPiece = Board().Piece(nPlace);
        if (nPlace != moves.front().nPlace && pPiece && !pPiece->m_bTaken)
            Board().TakePiece(nPlace, 1);
    }
    Board().Arrange();
    Dlg().m_nBestCount = Board().Piece(moves.front().nPlace)->m_nCount + 1;
    m_prompts.Answer(IDNO);
    EnterRow(moves.front().row);
    ClickPiece(moves.front().nPlace);

    EXPECT_EQ(m_modals.m_log.mid(m_modals.m_log.size() - 3),
              (QStringList{QStringLiteral("prompt There was a better move.\nWould you like to see it?"),
                           QStringLiteral("prompt Ann is the winner!"),
                           QStringLiteral("dialog 132")}));
    EXPECT_TRUE(Record().m_bFinished);
    EXPECT_FALSE(Record().m_bNotWon);
    EXPECT_EQ(Record().m_nMissedMoves, 1);
}
