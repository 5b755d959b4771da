// Setting up a game from the setup dialog's choices, and the New Game and New Players commands
// in the middle of a game.
#include "GameFixture.h"

namespace {

struct SetUpCase {
    const char* szName;
    SetupChoice choice;
    QStringList selected;     // the names confirmed in the player selection; none: cancelled
    const char* szKey;        // the board file the game must load
    int nPieces;
    const char* szOperators;  // what each operator button steps through
    const char* szNames[2];
    const char* szTitle;      // player one's record of the game
};

class SetUp : public GameTest, public ::testing::WithParamInterface<SetUpCase> {};

// What an operator button shows, click after click, until it comes round again.
std::string OperatorCycle(CGameDlg& dlg, int nId)
{
    std::string strSeen(1, dlg.OperatorButton(nId)->GetOperator());
    for (dlg.OnCommand(nId, BN_CLICKED); dlg.OperatorButton(nId)->GetOperator() != strSeen[0] && strSeen.size() < 5;
         dlg.OnCommand(nId, BN_CLICKED))
        strSeen += dlg.OperatorButton(nId)->GetOperator();
    return strSeen;
}

int PiecesLeft(CBoardWnd& board)
{
    int nLeft = 0;
    for (int p = 0; p < CBoardWnd::kPlaces; ++p)
        nLeft += board.Piece(p) && !board.Piece(p)->m_bTaken;
    return nLeft;
}

}  // namespace

// The board file of the chosen operations and signs, thinned to the game's size; names with
// their placeholders; only the allowed operators; no first-turn box in the first game.
TEST_P(SetUp, AppliesTheChosenOptions)
{
    const SetUpCase& c = GetParam();
    WriteBoard(QString::fromLatin1(c.szKey), std::vector<int>(CBoardWnd::kPlaces, 71));
    StartFirstGame(c.choice, c.selected);

    EXPECT_EQ(PiecesLeft(Board()), c.nPieces);
    EXPECT_EQ(Board().Piece(0)->m_nNumber + Board().Piece(34)->m_nNumber, 142);  // from the key's file
    EXPECT_EQ(Board().m_bPositiveOnly, QByteArray(c.szKey).endsWith(".P"));  // the search's sign rule
    EXPECT_EQ((QStringList{Dlg().GetDlgItemText(1032), Dlg().GetDlgItemText(1033), Dlg().GetDlgItemText(1031)}),
              (QStringList{c.szNames[0], c.szNames[1], QString(c.szNames[0]) + "'s turn"}));
    EXPECT_EQ(Record().m_strTitle, c.szTitle);
    EXPECT_EQ(m_app.m_bSound, c.choice.bSounds);
    EXPECT_EQ(m_help.Calls(), (c.choice.bQuickInstructions ? std::vector<CFakeHelp::Call>{{nullptr, 1}}
                                                           : std::vector<CFakeHelp::Call>()));
    EXPECT_TRUE(m_modals.m_log.filter("prompt It's").isEmpty() && Dlg().m_nTurnPhase == 1);
    FinishRoll();
    EXPECT_EQ(OperatorCycle(Dlg(), 1006), c.szOperators);
    EXPECT_EQ(OperatorCycle(Dlg(), 1007), c.szOperators);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetUp,
    ::testing::Values(
        SetUpCase{"AdditionAndMultiplicationPositiveQuickNameEmpty",
                  {.szOperations = "AM", .nSignMode = 0, .szName = {"", nullptr}}, {}, "AM.P", 10, "+*",
                  {"Player One", "Computer"}, "A 10 piece game with +* operators and only positive numbers allowed."},
        SetUpCase{"OnlyAdditionLargeTwoNamesLeftAsName",
                  {.bTwoPlayers = true, .nSize = 3, .szOperations = "A", .nSignMode = 0}, {}, "A.P", 32, "+",
                  {"Player One", "Player Two"}, "A 32 piece game with + operators and only positive numbers allowed."},
        SetUpCase{"EverythingMediumWithSoundsAndInstructions",
                  {.nSize = 2, .bSounds = true, .bQuickInstructions = true}, {"Ann"}, "ASMD.A", 26, "+-*/",
                  {"Ann", "Computer"}, "A 26 piece game with +-*/ operators and both positive and negative numbers allowed."},
        SetUpCase{"SubtractionNegativeSmall", {.bTwoPlayers = true, .nSize = 1, .szOperations = "S", .nSignMode = 1},
                  {"Ann", "Bob"}, "S.N", 16, "-", {"Ann", "Bob"},
                  "A 16 piece game with - operators and only negative numbers allowed."}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });

TEST_F(GameTest, MissingBoardFileIsReportedWithItsKey)
{
    QFile::remove(QStringLiteral("data/AM.P"));
    StartFirstGame({.szOperations = "AM", .nSignMode = 0});
    EXPECT_TRUE(m_modals.m_log.contains(QStringLiteral("prompt Unable to load boardAM.P")));
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
}

// The start-up set-up closed with Escape sets up nothing; File > New Game works later.
TEST_F(GameTest, EscapeInTheFirstSetUpLeavesTheStartBoard)
{
    Dlg().Create();
    m_modals.Queue(132, [](CDialog& dlg) { dlg.PressEscape(); });
    NewGameCommand(true, false);
    EXPECT_EQ(PiecesLeft(Board()), CBoardWnd::kPlaces);
    EXPECT_EQ(Dlg().m_nTurnPhase, 0);
    EXPECT_EQ(m_modals.Count(143), 0);
    Dlg().OnCommand(1029, BN_CLICKED);
    Dlg().OnCommand(1038, BN_CLICKED);
    EXPECT_EQ(m_modals.Count(135) + m_prompts.Count(), 0);

    QueueSetup({});
    NewGameCommand(false);
    EXPECT_EQ(PiecesLeft(Board()), 10);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
}

// A New Game cancelled leaves board, scores and turn untouched. Confirmed, it closes the running
// record as abandoned (it used to stay open and later read as played against an unknown player)
// and, unlike the first game, announces the first turn.
TEST_F(GameTest, NewGameWithTheSamePlayersClosesTheRunningRecord)
{
    StartRolledGame();
    const int nScore = TakeMarkedPiece();
    Dlg().OnTimer();
    auto state = [this] {
        QStringList shown{Dlg().GetDlgItemText(1034), QString::number(Dlg().CurrentPlayer()),
                          QString::number(Dlg().m_nTurnPhase), Dlg().GetDlgItemText(1031)};
        for (int p = 0; p < CBoardWnd::kPlaces; ++p)
            shown << QString::number(Board().Piece(p)->m_bTaken);
        return shown;
    };
    const QStringList before = state();
    NewGameCommand(false);  // the setup dialog is cancelled
    EXPECT_EQ(state(), before);
    EXPECT_NE(m_app.m_pPlayer[0]->m_pCurrentStats, nullptr);

    FinishRoll();  // the computer's move stands in the row
    QueueSetup({});
    NewGameCommand(false);
    EXPECT_FALSE(Dlg().IsDlgItemEnabled(2001) || Dlg().IsDlgItemEnabled(2003));
    EXPECT_EQ(m_prompts.Texts(), QStringList{"It's Ann's turn"});
    EXPECT_EQ(m_prompts.Last().m_strCaption, QString());
    EXPECT_EQ(Dlg().GetDlgItemText(1034), QStringLiteral("0"));
    const CGameStats abandoned = RecordOnDisk(QStringLiteral("Ann"), 2);
    EXPECT_FALSE(abandoned.m_bFinished);
    EXPECT_TRUE(abandoned.m_bNotWon);
    EXPECT_EQ(abandoned.m_strOpponent, QStringLiteral("the computer"));
    EXPECT_EQ(abandoned.m_nScore, nScore);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats, m_app.m_pPlayer[0]->m_records.back().get());
}

TEST_F(GameTest, NewPlayersCloseBothRecordsAgainstEachOther)
{
    StartFirstGame({.bTwoPlayers = true}, {"Ann", "Bob"});
    QueueSetup({});
    QueueSelectPlayer(QStringLiteral("Cy"));
    NewGameCommand(true);
    for (auto [szName, szOpponent] : {std::pair{"Ann", "Bob"}, std::pair{"Bob", "Ann"}}) {
        const CGameStats record = RecordOnDisk(QString::fromLatin1(szName));
        EXPECT_FALSE(record.m_bFinished);
        EXPECT_TRUE(record.m_bNotWon);
        EXPECT_EQ(record.m_strOpponent, QString::fromLatin1(szOpponent));
    }
    EXPECT_EQ(m_app.m_pPlayer[0]->m_strName, QStringLiteral("Cy"));
}
