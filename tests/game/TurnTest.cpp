// Taking a piece, passing and the better-move check, one turn at a time.
#include "GameFixture.h"

#include "Random.h"

namespace {

// A Quick one-player game for Ann, with sounds recorded.
class Turn : public GameTest {
protected:
    void StartQuickGame(bool bSounds = false)
    {
        OpenWindow();
        SetupChoice choice;
        choice.bSounds = bSounds;
        StartFirstGame(choice, {QStringLiteral("Ann")});
        m_prompts.ClearRecord();  // "Add new player?"
    }

    // Rolls the first turn again until the numbers allow a move worth less than the best one.
    void RollForAWorseMove()
    {
        for (unsigned nTry = 1; nTry < 500; ++nTry) {
            RollFrom(nTry);
            const std::vector<MoveChoice> moves = PossibleMoves();
            if (!moves.empty() && moves.back().nPoints < Dlg().m_nBestCount + 1)
                return;
        }
        FAIL() << "no roll with a worse move";
    }

    const CGameStats& Record() { return *m_app.m_pPlayer[0]->m_pCurrentStats; }
};

int CountOf(const QStringList& files, const QString& strFile)
{
    return static_cast<int>(files.count(strFile));
}

}  // namespace

// The move scores 1 plus the taken places around the piece, as the board was last arranged,
// and the score display counts it up one audible step at a time.
TEST_F(Turn, TakingAPieceScoresOnePlusItsTakenNeighbours)
{
    StartQuickGame(true);
    FinishRoll();
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
    EXPECT_EQ(CountOf(files, QStringLiteral("data/shoop.wav")), 1);
    EXPECT_EQ(CountOf(files, QStringLiteral("data/warble.wav")), nNeighbours);
    EXPECT_EQ(CountOf(files, QStringLiteral("data/up.wav")), nNeighbours + 1);
    EXPECT_EQ(Board().CoverBitmap(move.nPlace), CBoardWnd::kJustTakenBitmap);
    EXPECT_EQ(Record().m_nScore, nNeighbours + 1);
    // The computer's turn starts with its roll.
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
    EXPECT_EQ(Dlg().GetDlgItemText(1031), QStringLiteral("Computer's turn"));
}

TEST_F(Turn, ClickOnAnUnmarkedPieceIsRefused)
{
    StartQuickGame(true);
    FinishRoll();
    const std::vector<MoveChoice> moves = PossibleMoves();
    ASSERT_FALSE(moves.empty());
    int nOther = -1;
    for (int nPlace = 0; nPlace < CBoardWnd::kPlaces && nOther < 0; ++nPlace) {
        const CPieceButton* pPiece = Board().Piece(nPlace);
        if (pPiece && !pPiece->m_bTaken && pPiece->m_nNumber != moves.front().row.nValue)
            nOther = nPlace;
    }
    ASSERT_GE(nOther, 0);
    m_sounds.Clear();
    ClickPiece(nOther);  // nothing marked yet
    EnterRow(moves.front().row);
    ClickPiece(nOther);  // marked pieces carry another number

    EXPECT_EQ(m_sounds.Files(), (QStringList{QStringLiteral("data/no.wav"), QStringLiteral("data/no.wav")}));
    EXPECT_EQ(Dlg().m_nScore[0], 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
}

// The missed move is counted whether or not the player wants to see it; on Yes the best piece
// blinks red and the row shows the move until the message is closed.
class BetterMove : public Turn, public ::testing::WithParamInterface<int> {};

TEST_P(BetterMove, IsCountedWhateverTheAnswer)
{
    StartQuickGame();
    RollForAWorseMove();
    ASSERT_FALSE(HasFailure());
    const std::vector<MoveChoice> moves = PossibleMoves();
    const int nBestPlace = Dlg().m_nBestPlace;
    const int nBestValue = Dlg().m_nBestValue;
    QString strStatusDuring;
    QList<CPieceButton*> redDuring;
    QString strValueDuring;
    m_modals.m_onMessage = [&](const CModalRouter::Message&) {
        strStatusDuring = Dlg().GetDlgItemText(1031);
        redDuring = Board().m_markedBest;
        strValueDuring = Dlg().GetDlgItemText(1013);
    };
    m_prompts.Answer(GetParam());
    EnterRow(moves.back().row);
    ClickPiece(moves.back().nPlace);

    ASSERT_EQ(m_prompts.Count(), 1);
    const CFakePrompts::Prompt& question = m_prompts.Last();
    EXPECT_EQ(question.m_strText, QStringLiteral("There was a better move.\nWould you like to see it?"));
    EXPECT_EQ(question.m_strCaption, QStringLiteral("Better Move"));
    EXPECT_EQ(question.m_buttons, PromptButtons::YesNo);
    EXPECT_EQ(question.m_icon, PromptIcon::Question);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_records.back()->m_nMissedMoves, 1);
    EXPECT_EQ(Dlg().m_nScore[0], moves.back().nPoints);
    if (GetParam() == IDYES) {
        ASSERT_EQ(m_modals.m_messages.size(), 1u);
        EXPECT_EQ(m_modals.m_messages[0].strText, QStringLiteral("Continue the game."));
        EXPECT_EQ(m_modals.m_messages[0].strCaption, QStringLiteral("Better Move"));
        EXPECT_EQ(strStatusDuring, QStringLiteral("Better Move"));
        EXPECT_EQ(redDuring, QList<CPieceButton*>{Board().Piece(nBestPlace)});
        EXPECT_EQ(strValueDuring, QString::number(nBestValue));
    } else {
        EXPECT_TRUE(m_modals.m_messages.empty());
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
    StartQuickGame();
    FinishRoll();
    ASSERT_NE(Dlg().m_nBestValue, -1000);
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();

    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_EQ(m_prompts.Prompts()[0].m_strText, QStringLiteral("Are you sure you want to pass?"));
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, QStringLiteral("Confirm Pass"));
    EXPECT_EQ(m_prompts.Prompts()[0].m_buttons, PromptButtons::YesNo);
    EXPECT_EQ(Record().m_nPasses, 1);
    EXPECT_EQ(Record().m_nMissedMoves, 1);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
    EXPECT_EQ(Dlg().m_nScore[0], 0);
}

TEST_F(Turn, DeclinedPassChangesNothing)
{
    StartQuickGame();
    FinishRoll();
    const QStringList numbers = {Dlg().GetDlgItemText(1000), Dlg().GetDlgItemText(1001),
                                 Dlg().GetDlgItemText(1002)};
    m_prompts.Answer(IDNO);
    Dlg().OnPass();

    EXPECT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(Record().m_nPasses, 0);
    EXPECT_EQ(Record().m_nMissedMoves, 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(Dlg().m_nTurnPhase, 0);
    EXPECT_EQ((QStringList{Dlg().GetDlgItemText(1000), Dlg().GetDlgItemText(1001),
                           Dlg().GetDlgItemText(1002)}),
              numbers);
}

TEST_F(Turn, PassDuringTheRollOrTheComputersTurnIsIgnored)
{
    StartQuickGame();
    Dlg().OnTimer();  // the roll is running
    Dlg().OnPass();
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);

    FinishRoll();
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();
    ASSERT_EQ(Dlg().CurrentPlayer(), 1);
    FinishRoll();
    const int nPrompts = m_prompts.Count();
    Dlg().OnPass();
    EXPECT_EQ(m_prompts.Count(), nPrompts);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
}

// On its turn the computer's piece alone is marked: another piece with the same number is
// refused, the blinking one scores for the computer.
TEST_F(Turn, ComputersMoveIsCompletedOnlyByItsOwnPiece)
{
    WriteBoard(QStringLiteral("ASMD.A"), std::vector<int>(CBoardWnd::kPlaces, 6));
    OpenWindow();
    SetupChoice choice;
    choice.bSounds = true;
    StartFirstGame(choice, {QStringLiteral("Ann")});
    FinishRoll();
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnPass();
    FinishRoll();
    ASSERT_TRUE(Dlg().IsComputersTurn());
    const int nPlace = Dlg().m_nBestPlace;
    ASSERT_EQ(Board().m_marked, QList<CPieceButton*>{Board().Piece(nPlace)});
    EXPECT_EQ(Dlg().GetDlgItemText(1013), QStringLiteral("6"));
    int nOther = -1;
    for (int i = 0; i < CBoardWnd::kPlaces && nOther < 0; ++i) {
        if (i != nPlace && !Board().Piece(i)->m_bTaken)
            nOther = i;
    }
    m_sounds.Clear();
    ClickPiece(nOther);
    EXPECT_EQ(m_sounds.Files(), QStringList{QStringLiteral("data/no.wav")});
    EXPECT_EQ(Dlg().m_nScore[1], 0);
    EXPECT_TRUE(Dlg().IsComputersTurn());

    const int nPoints = Board().Piece(nPlace)->m_nCount + 1;
    ClickPiece(nPlace);
    EXPECT_EQ(Dlg().m_nScore[1], nPoints);
    EXPECT_EQ(Dlg().GetDlgItemText(1035), QString::number(nPoints));
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_FALSE(Dlg().m_bFormShown);
    EXPECT_EQ(m_prompts.UnusedAnswers(), 0);
}

// A better move on the last piece cannot come from a real roll (the best piece would still be
// on the board), so the best count is raised by hand: the question must still come before the
// result, and the result before the next set-up.
TEST_F(Turn, LastMoveAsksAboutTheBetterMoveBeforeTheResult)
{
    StartQuickGame();
    FinishRoll();
    const std::vector<MoveChoice> moves = PossibleMoves();
    ASSERT_FALSE(moves.empty());
    for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
        const CPieceButton* pPiece = Board().Piece(nPlace);
        if (nPlace != moves.front().nPlace && pPiece && !pPiece->m_bTaken)
            Board().TakePiece(nPlace, 1);
    }
    Board().Arrange();
    const int nPoints = Board().Piece(moves.front().nPlace)->m_nCount + 1;
    Dlg().m_nBestCount = nPoints;
    m_prompts.Answer(IDNO);
    EnterRow(moves.front().row);
    ClickPiece(moves.front().nPlace);

    ASSERT_GE(m_modals.m_log.size(), 3);
    const QStringList tail = m_modals.m_log.mid(m_modals.m_log.size() - 3);
    EXPECT_EQ(tail, (QStringList{QStringLiteral("prompt There was a better move.\nWould you like to see it?"),
                                 QStringLiteral("prompt Ann is the winner!"),
                                 QStringLiteral("dialog 132")}));
    const CGameStats& record = *m_app.m_pPlayer[0]->m_records.back();
    EXPECT_TRUE(record.m_bFinished);
    EXPECT_FALSE(record.m_bNotWon);
    EXPECT_EQ(record.m_nMissedMoves, 1);
}

// Equal scores: no winner's sound, and neither side counts as having won.
TEST_F(Turn, EqualScoresAtTheEndAreATie)
{
    OpenWindow();
    SetupChoice choice;
    choice.bTwoPlayers = true;
    choice.bSounds = true;
    StartFirstGame(choice, {QStringLiteral("Ann"), QStringLiteral("Bob")});
    FinishRoll();
    const std::vector<MoveChoice> moves = PossibleMoves();
    ASSERT_FALSE(moves.empty());
    for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
        const CPieceButton* pPiece = Board().Piece(nPlace);
        if (nPlace != moves.front().nPlace && pPiece && !pPiece->m_bTaken)
            Board().TakePiece(nPlace, 1);
    }
    Board().Arrange();
    Dlg().m_nBestCount = Board().Piece(moves.front().nPlace)->m_nCount;
    Dlg().m_nScore[1] = Board().Piece(moves.front().nPlace)->m_nCount + 1;
    m_sounds.Clear();
    EnterRow(moves.front().row);
    ClickPiece(moves.front().nPlace);

    EXPECT_EQ(m_prompts.Last().m_strText, QStringLiteral("It is a tie!"));
    EXPECT_FALSE(m_sounds.Files().contains(QStringLiteral("data/humanw.wav")));
    EXPECT_FALSE(m_sounds.Files().contains(QStringLiteral("data/compw.wav")));
    for (int nSeat = 0; nSeat < 2; ++nSeat) {
        const CGameStats& record = *m_app.m_pPlayer[nSeat]->m_records.back();
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_TRUE(record.m_bNotWon);
    }
}
