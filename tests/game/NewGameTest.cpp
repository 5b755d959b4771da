// New Game: a missing board file, the command cancelled, and the running record it closes.
#include "GameFixture.h"

namespace {

class NewGame : public GameTest {
protected:
    // Ann's game, one move made by her, the computer's roll under way.
    void PlayOneMove()
    {
        StartRolledGame();
        const std::vector<MoveChoice> moves = PossibleMoves();
        ASSERT_FALSE(moves.empty());
        EnterRow(moves.front().row);
        ClickPiece(moves.front().nPlace);
        Dlg().OnTimer();
        ASSERT_GT(Dlg().m_nScore[0], 0);
    }

    // The taken places, the scores, the player to move, the turn phase and the status line.
    QStringList State()
    {
        QStringList state{QString::number(Dlg().m_nScore[0]), QString::number(Dlg().m_nScore[1]),
                          QString::number(Dlg().CurrentPlayer()),
                          QString::number(Dlg().m_nTurnPhase), Dlg().GetDlgItemText(1031)};
        for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
            const CPieceButton* pPiece = Board().Piece(nPlace);
            state << QString::number(pPiece ? pPiece->m_bTaken : -1);
        }
        return state;
    }

    // The closed record of a game given up: not finished, not won, against its real opponent.
    void ExpectAbandoned(const CGameStats& record, const QString& strOpponent)
    {
        EXPECT_FALSE(record.m_bFinished);
        EXPECT_TRUE(record.m_bNotWon);
        EXPECT_EQ(record.m_strOpponent, strOpponent);
    }
};

}  // namespace

TEST_F(NewGame, MissingBoardFileIsReportedWithItsKey)
{
    QFile::remove(QStringLiteral("data/AM.P"));
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
    const QStringList before = State();
    NewGameCommand(false);  // the setup dialog is cancelled
    EXPECT_EQ(m_modals.Count(132), 2);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_records.size(), 1u);
    EXPECT_NE(m_app.m_pPlayer[0]->m_pCurrentStats, nullptr);
}

// The game given up for a new one used to stay open and later read as played against an
// unknown player.
TEST_F(NewGame, SamePlayersCloseTheRunningRecordAsAbandoned)
{
    PlayOneMove();
    const int nScore = Dlg().m_nScore[0];
    QueueSetup(SetupChoice{});
    NewGameCommand(false);

    EXPECT_EQ(Dlg().m_nScore[0], 0);
    std::unique_ptr<CPlayer> pAnn = LoadPlayer(QStringLiteral("Ann"));
    ASSERT_NE(pAnn, nullptr);
    ASSERT_EQ(pAnn->m_records.size(), 2u);
    ExpectAbandoned(*pAnn->m_records[0], QStringLiteral("the computer"));
    EXPECT_EQ(pAnn->m_records[0]->m_nScore, nScore);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats, m_app.m_pPlayer[0]->m_records.back().get());
}

TEST_F(NewGame, NewPlayersCloseBothRecordsAgainstEachOther)
{
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
        ExpectAbandoned(*pPlayer->m_records[0], QString::fromLatin1(szOpponent));
    }
    EXPECT_EQ(m_app.m_pPlayer[0]->m_strName, QStringLiteral("Cy"));
}
