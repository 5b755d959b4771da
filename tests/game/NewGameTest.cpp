// Setting up games: what the setup dialog's choices make of the board and the names, New Game
// cancelled, New Game closing the running record, Quit Game.
#include "GameFixture.h"

#include "OperatorButton.h"
#include "SetupDlg.h"

namespace {

struct Snapshot {
    std::vector<int> taken;
    int nScore[2];
    int nCurrent;
    int nPhase;
    QString strStatus;

    static Snapshot Of(CGameDlg& dlg)
    {
        Snapshot snap{{}, {dlg.m_nScore[0], dlg.m_nScore[1]}, dlg.CurrentPlayer(), dlg.m_nTurnPhase,
                      dlg.GetDlgItemText(1031)};
        for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
            const CPieceButton* pPiece = dlg.Board()->Piece(nPlace);
            snap.taken.push_back(pPiece ? pPiece->m_bTaken : -1);
        }
        return snap;
    }
    bool operator==(const Snapshot& o) const
    {
        return taken == o.taken && nScore[0] == o.nScore[0] && nScore[1] == o.nScore[1] &&
               nCurrent == o.nCurrent && nPhase == o.nPhase && strStatus == o.strStatus;
    }
};

class NewGame : public GameTest {
protected:
    // Ann's game, one move made by her, the computer's roll under way.
    void PlayOneMove()
    {
        OpenWindow();
        StartFirstGame(SetupChoice{}, {QStringLiteral("Ann")});
        FinishRoll();
        const std::vector<MoveChoice> moves = PossibleMoves();
        ASSERT_FALSE(moves.empty());
        EnterRow(moves.front().row);
        ClickPiece(moves.front().nPlace);
        Dlg().OnTimer();
        ASSERT_GT(Dlg().m_nScore[0], 0);
    }
};

}  // namespace

TEST_F(NewGame, ChoicesMakeTheBoardTheNamesAndTheRecordTitle)
{
    OpenWindow();
    SetupChoice choice;
    choice.strOperations = QStringLiteral("AM");
    choice.nSignMode = 0;
    choice.bQuickInstructions = true;
    QueueSetup(choice);  // the selection is cancelled: the placeholder name stays
    NewGameCommand(true, false);

    EXPECT_EQ(PiecesLeft(), 10);
    EXPECT_EQ(Dlg().m_nPieceCount, 10);
    EXPECT_EQ(Dlg().GetDlgItemText(1032), QStringLiteral("Player One"));
    EXPECT_EQ(Dlg().GetDlgItemText(1033), QStringLiteral("Computer"));
    EXPECT_EQ(Dlg().GetDlgItemText(1031), QStringLiteral("Player One's turn"));
    EXPECT_TRUE(Board().m_bPositiveOnly);
    EXPECT_FALSE(Board().m_bSubtract);
    EXPECT_EQ(Dlg().OperatorButton(1006)->OperatorCount(), 2);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats->m_strTitle,
              QStringLiteral("A 10 piece game with +* operators and only positive numbers allowed."));
    EXPECT_EQ(m_help.Calls().size(), 1u);
    EXPECT_EQ(m_help.Calls().front().nContext, 1);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
    EXPECT_EQ(m_prompts.Count(), 0);  // the first game announces no turn
}

TEST_F(NewGame, MissingBoardFileIsReportedWithItsKey)
{
    QFile::remove(QStringLiteral("data/AM.P"));
    OpenWindow();
    SetupChoice choice;
    choice.strOperations = QStringLiteral("AM");
    choice.nSignMode = 0;
    StartFirstGame(choice, {QStringLiteral("Ann")});
    EXPECT_TRUE(m_prompts.Texts().contains(QStringLiteral("Unable to load boardAM.P")));
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
}

TEST_F(NewGame, CancelledLeavesBoardScoresAndTurnUntouched)
{
    PlayOneMove();
    const Snapshot before = Snapshot::Of(Dlg());
    NewGameCommand(false);  // the setup dialog is cancelled
    EXPECT_EQ(m_modals.Count(132), 2);
    EXPECT_TRUE(Snapshot::Of(Dlg()) == before);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_records.size(), 1u);
    EXPECT_NE(m_app.m_pPlayer[0]->m_pCurrentStats, nullptr);
}

// The game given up for a new one is closed as not finished and not won, against its real
// opponent; before the mend it stayed open and later read as played against an unknown player.
TEST_F(NewGame, SamePlayersCloseTheRunningRecordAsAbandoned)
{
    PlayOneMove();
    const int nScore = Dlg().m_nScore[0];
    QueueSetup(SetupChoice{});
    NewGameCommand(false);

    EXPECT_TRUE(m_prompts.Texts().contains(QStringLiteral("It's Ann's turn")));
    EXPECT_EQ(Dlg().m_nScore[0], 0);
    std::unique_ptr<CPlayer> pAnn = LoadPlayer(QStringLiteral("Ann"));
    ASSERT_NE(pAnn, nullptr);
    ASSERT_EQ(pAnn->m_records.size(), 2u);
    const CGameStats& abandoned = *pAnn->m_records[0];
    EXPECT_FALSE(abandoned.m_bFinished);
    EXPECT_TRUE(abandoned.m_bNotWon);
    EXPECT_EQ(abandoned.m_strOpponent, QStringLiteral("the computer"));
    EXPECT_EQ(abandoned.m_nScore, nScore);
    EXPECT_FALSE(abandoned.m_strDateLine.isEmpty());
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats, m_app.m_pPlayer[0]->m_records.back().get());
}

TEST_F(NewGame, NewPlayersCloseBothRecordsAgainstEachOther)
{
    OpenWindow();
    SetupChoice choice;
    choice.bTwoPlayers = true;
    StartFirstGame(choice, {QStringLiteral("Ann"), QStringLiteral("Bob")});
    QueueSetup(SetupChoice{});
    QueueSelectPlayer(QStringLiteral("Cy"));
    NewGameCommand(true);

    for (auto [szName, szOpponent] : {std::pair{"Ann", "Bob"}, std::pair{"Bob", "Ann"}}) {
        std::unique_ptr<CPlayer> pPlayer = LoadPlayer(QString::fromLatin1(szName));
        ASSERT_NE(pPlayer, nullptr);
        ASSERT_EQ(pPlayer->m_records.size(), 1u);
        EXPECT_FALSE(pPlayer->m_records[0]->m_bFinished);
        EXPECT_TRUE(pPlayer->m_records[0]->m_bNotWon);
        EXPECT_EQ(pPlayer->m_records[0]->m_strOpponent, QString::fromLatin1(szOpponent));
    }
    EXPECT_EQ(m_app.m_pPlayer[0]->m_strName, QStringLiteral("Cy"));
    EXPECT_EQ(m_app.m_pPlayer[1], nullptr);
}

TEST_F(NewGame, QuitGameClosesAndSavesTheRecordsAndEndsTheWindow)
{
    PlayOneMove();
    m_modals.Queue(132, [](CDialog& dlg) {
        EXPECT_FALSE(static_cast<CSetupDlg&>(dlg).m_bCanCancel);
        dlg.ClickDlgItem(CSetupDlg::kQuitGame);
    });
    m_prompts.Answer(IDYES);  // "Are you sure you want to quit?"
    NewGameCommand(false, false);

    EXPECT_TRUE(Dlg().IsEnded());
    EXPECT_EQ(m_app.m_pPlayer[0], nullptr);
    std::unique_ptr<CPlayer> pAnn = LoadPlayer(QStringLiteral("Ann"));
    ASSERT_NE(pAnn, nullptr);
    ASSERT_EQ(pAnn->m_records.size(), 1u);
    EXPECT_FALSE(pAnn->m_records[0]->m_bFinished);
    EXPECT_EQ(pAnn->m_records[0]->m_strOpponent, QStringLiteral("the computer"));
}
