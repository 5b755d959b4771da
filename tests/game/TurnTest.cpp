// A turn: the roll of the numbers, clicks on pieces, passing, the better-move check and the end
// of the game.
#include "GameFixture.h"

#include <QRegularExpression>

namespace {

constexpr int kPlaces = CBoardWnd::kPlaces;

QStringList ButtonNumbers(CGameDlg& dlg)
{
    return {dlg.GetDlgItemText(1000), dlg.GetDlgItemText(1001), dlg.GetDlgItemText(1002)};
}

// The draw a roll from nSeed keeps on the board as it stands, as "numbers place count value",
// and whether its last draw reaches nothing.
std::pair<QString, bool> KeptDraw(CBoardWnd& board, unsigned nSeed, bool bCatchUp)
{
    CRandom::Seed(nSeed);
    int nKeptCount = -1;
    std::pair<QString, bool> kept;
    for (int nDraw = 0; nDraw < CGameDlg::kRollTicks; ++nDraw) {
        int n[3], nListPos = 0, nIndex = 0;
        for (int& nNumber : n)
            nNumber = CRandom::Scaled(10);
        kept.second = !board.FindBestPiece(n[0], n[1], n[2], nListPos, nIndex);
        const CPieceButton* pPiece = kept.second ? nullptr : board.ArrangedPiece(nListPos);
        if (pPiece && (nKeptCount < 0 || (bCatchUp && pPiece->m_nCount > nKeptCount))) {
            nKeptCount = pPiece->m_nCount;
            kept.first = QStringLiteral("%1 %2 %3 %4 %5 %6").arg(n[0]).arg(n[1]).arg(n[2])
                             .arg(pPiece->m_nID - 3000).arg(pPiece->m_nCount).arg(pPiece->m_nNumber);
        }
    }
    return kept;
}

struct CatchUpCase {
    int nHuman;
    int nComputer;
    bool bCatchUp;
};

class CatchUp : public GameTest, public ::testing::WithParamInterface<CatchUpCase> {};

}  // namespace

// The roll keeps the first draw that reaches a piece, though later draws were shown, and a later
// miss does not undo it. Player one more than five points behind the computer gets a later draw
// worth more points instead, marked with "!".
TEST_P(CatchUp, KeepsTheFirstDrawThatReachesAPieceOrABetterOneWhenFarBehind)
{
    StartFirstGame({});
    unsigned nSeed = 1;
    while (nSeed < 5000 && (KeptDraw(Board(), nSeed, true).first == KeptDraw(Board(), nSeed, false).first ||
                            !KeptDraw(Board(), nSeed, false).second))
        ++nSeed;
    const QString strKept = KeptDraw(Board(), nSeed, GetParam().bCatchUp).first;
    Dlg().m_nScore[0] = GetParam().nHuman;
    Dlg().m_nScore[1] = GetParam().nComputer;
    CRandom::Seed(nSeed);
    FinishRoll();
    const CGameDlg& dlg = Dlg();
    EXPECT_EQ((ButtonNumbers(Dlg()) << QString::number(dlg.m_nBestPlace)).join(' '), strKept.section(' ', 0, 3));
    EXPECT_EQ(dlg.GetDlgItemText(1036), strKept.section(' ', 5) + (GetParam().bCatchUp ? "!" : ""));
}

// 10 v 16 is more than five behind, 11 v 16 is not.
INSTANTIATE_TEST_SUITE_P(Table, CatchUp,
                         ::testing::Values(CatchUpCase{10, 16, true}, CatchUpCase{11, 16, false},
                                           CatchUpCase{-6, 0, true}, CatchUpCase{0, 5, false}));

// Nothing on the board can be reached: the 15th draw stands with "NO"; hints and the pass are
// free and unquestioned, and the computer then says it cannot move either.
TEST_F(GameTest, NothingInReachLeavesNoAndFreeHintsAndPasses)
{
    WriteBoard(QStringLiteral("ASMD.A"), std::vector<int>(kPlaces, 5000));
    StartFirstGame({});
    int nTicks = 0;
    for (; Dlg().m_nTurnPhase != 0 && nTicks < 20; ++nTicks)
        Dlg().OnTimer();
    EXPECT_EQ(nTicks, 15);
    const int* pDrawn = Dlg().m_nDrawn;
    EXPECT_EQ(ButtonNumbers(Dlg()) << Dlg().GetDlgItemText(1036),
              (QStringList{QString::number(pDrawn[0]), QString::number(pDrawn[1]), QString::number(pDrawn[2]), "NO"}));
    for (int nButton : {CHintDlg::kOptimal, CHintDlg::kOperators})
        TakeHint(nButton);
    EXPECT_EQ(m_prompts.Texts(), QStringList(2, "There is no obtainable piece."));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Hint"));
    Dlg().OnCommand(1029, BN_CLICKED);
    EXPECT_EQ(Counts(Record()), QStringLiteral("score 1 passes 0 missed 0 hints 0+0"));
    FinishRoll();  // the computer's roll
    EXPECT_EQ(m_modals.m_messages, QStringList{"I'm afraid I cannot find\na move, so I must pass."});
    EXPECT_EQ(Shown(), QStringLiteral("0:0 player 0 phase 1"));
    EXPECT_EQ(m_prompts.Count(), 2);
}

struct ClickCase {
    const char* szName;
    bool bComputersTurn;
    bool bRowShown;
    int nPick;  // 0 the best piece, 1 another of its number, 2 one of another number
    bool bTaken;
};

class Click : public GameTest, public ::testing::WithParamInterface<ClickCase> {};

// A marked piece scores one point plus one for each taken place around it, the score counting
// up one audible step at a time; on the computer's turn only its own piece. A click with nothing
// marked, on another number, or on the computer's turn on a piece it did not choose: only "no".
TEST_P(Click, TakesOnlyAPieceOfTheRowsValue)
{
    const ClickCase& c = GetParam();
    std::vector<int> numbers;
    for (int p = 0; p < kPlaces; ++p)
        numbers.push_back(2 + p % 2);
    WriteBoard(QStringLiteral("ASMD.A"), numbers);
    StartRolledGame({.nSize = 1, .bSounds = true});
    if (c.bComputersTurn) {
        m_prompts.Answer({IDYES, IDNO});
        Dlg().OnPass();
        FinishRoll();
        m_prompts.ClearRecord();
    }
    if (c.bRowShown && !c.bComputersTurn)
        MarkBest();
    CPieceButton* pPiece = Board().Piece(Dlg().m_nBestPlace);
    for (int p = 0; c.nPick && p < kPlaces; ++p) {
        CPieceButton* pOther = Board().Piece(p);
        if (!pOther->m_bTaken && pOther != pPiece && (pOther->m_nNumber == Dlg().m_nBestValue) == (c.nPick == 1))
            pPiece = pOther;
    }
    ASSERT_TRUE(c.nPick == 0 || pPiece != Board().Piece(Dlg().m_nBestPlace));
    const int nSeat = Dlg().CurrentPlayer(), nPoints = pPiece->m_nCount + 1;
    m_sounds.Clear();
    pPiece->click();
    EXPECT_EQ(pPiece->m_bTaken, c.bTaken ? nSeat + 1 : 0);
    if (!c.bTaken) {
        EXPECT_EQ(m_sounds.Calls(), (std::vector<CFakeSoundPlayer::Call>{{QStringLiteral("data/no.wav"), false}}));
        EXPECT_EQ(Shown(), QStringLiteral("0:0 player %1 phase 0").arg(nSeat));
        return;
    }
    ASSERT_GE(nPoints, 2);
    EXPECT_EQ(Shown(), QStringLiteral("%1:%2 player %3 phase 1").arg(nSeat ? 0 : nPoints).arg(nSeat ? nPoints : 0).arg(1 - nSeat));
    EXPECT_EQ(m_sounds.Files().count(QStringLiteral("data/warble.wav")), nPoints - 1);
    EXPECT_EQ(m_sounds.Files().count(QStringLiteral("data/up.wav")), nPoints);
    EXPECT_EQ(Record().m_nScore, nSeat ? 1 : nPoints);
    EXPECT_EQ(m_prompts.Count(), 0);
    // The human's piece shows as just taken until the computer's roll is over.
    const int nPlace = pPiece->m_nID - 3000;
    EXPECT_EQ(Board().CoverBitmap(nPlace), nSeat ? 133 : 135);
    FinishRoll();
    EXPECT_EQ(Board().CoverBitmap(nPlace), 133);
}

INSTANTIATE_TEST_SUITE_P(Table, Click,
                         ::testing::Values(ClickCase{"MarkedPiece", false, true, 0, true},
                                           ClickCase{"WithNothingMarked", false, false, 0, false},
                                           ClickCase{"OfAnotherNumber", false, true, 2, false},
                                           ClickCase{"ComputersPiece", true, true, 0, true},
                                           ClickCase{"NotTheComputersPiece", true, true, 1, false}),
                         [](const auto& tpi) { return std::string(tpi.param.szName); });

// Pass and Hint do nothing during a roll or on the computer's turn. Declined, a pass changes
// nothing; confirmed with a piece in reach, it counts one pass and one missed move.
TEST_F(GameTest, PassCountsOnlyWhenConfirmedOnAHumansTurn)
{
    auto passAndHint = [this] {
        Dlg().OnCommand(1029, BN_CLICKED);
        Dlg().OnCommand(1038, BN_CLICKED);
    };
    StartFirstGame({});
    Dlg().OnTimer();
    passAndHint();  // during the human's roll
    FinishRoll();
    m_prompts.Answer(IDNO);
    Dlg().OnCommand(1029, BN_CLICKED);
    EXPECT_EQ(Shown() + Counts(Record()), "0:0 player 0 phase 0score 1 passes 0 missed 0 hints 0+0");
    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnCommand(1029, BN_CLICKED);
    Dlg().OnTimer();
    passAndHint();  // during the computer's roll
    FinishRoll();
    passAndHint();  // on its turn
    EXPECT_EQ(m_prompts.Texts(), (QStringList{"Are you sure you want to pass?", "Are you sure you want to pass?",
                                              "There was a better move.\nWould you like to see it?"}));
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, QStringLiteral("Confirm Pass"));
    EXPECT_EQ(m_modals.Count(135), 0);
    EXPECT_EQ(Counts(Record()), QStringLiteral("score 1 passes 1 missed 1 hints 0+0"));
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
}

struct GameOverCase {
    const char* szName;
    bool bTwoPlayers;
    int nFinal[2];     // the scores after the last move
    int nBetterMove;   // the answer to the better-move question, 0 when there was none
    const char* szResult;
    const char* szSound;  // the winner's sound, if any
};

class GameOver : public GameTest, public ::testing::WithParamInterface<GameOverCase> {};

// The last piece taken: the better-move question (if any, counted whatever the answer; on Yes
// the best piece blinks red and the row shows its value until the message is closed), the result
// with its sound, both records closed as finished, then the next set-up. Quit Game there ends the
// program with no further question and leaves the closed records as they are.
TEST_P(GameOver, AnnouncesTheResultAndClosesTheRecords)
{
    const GameOverCase& c = GetParam();
    const QStringList names = c.bTwoPlayers ? QStringList{"Ann", "Bob"} : QStringList{"Ann"};
    StartRolledGame({.bTwoPlayers = c.bTwoPlayers, .bSounds = true}, names);
    bool bSavedFinished = false;  // before the next set-up, whatever it does
    m_modals.Queue(132, [&](CDialog& dlg) {
        bSavedFinished = RecordOnDisk(names.back()).m_bFinished;
        dlg.ClickDlgItem(1049);
    });
    for (int p = 0; p < kPlaces; ++p) {
        if (p != Dlg().m_nBestPlace && !Board().Piece(p)->m_bTaken)
            Board().TakePiece(p, 1);
    }
    Board().Arrange();
    const int nPoints = Board().Piece(Dlg().m_nBestPlace)->m_nCount + 1;
    Dlg().m_nScore[0] = c.nFinal[0] - nPoints;
    Dlg().m_nScore[1] = c.nFinal[1];
    // No real roll leaves a better piece than the last one: the best count is raised by hand.
    Dlg().m_nBestCount = c.nBetterMove ? nPoints : -1;
    m_prompts.Answer(c.nBetterMove ? c.nBetterMove : IDOK);
    QStringList during;
    m_modals.m_onMessage = [&] {
        during << Dlg().GetDlgItemText(1013) << Dlg().GetDlgItemText(1031) << m_modals.m_messages.last()
               << QString::number(Board().m_markedBest == QList<CPieceButton*>{Board().Piece(Dlg().m_nBestPlace)});
    };
    const QString strValue = QString::number(Board().Piece(Dlg().m_nBestPlace)->m_nNumber);
    m_sounds.Clear();
    TakeMarkedPiece();
    EXPECT_EQ(during.join('|'), c.nBetterMove == IDYES ? strValue + "|Better Move|Continue the game.|1" : "");

    QStringList tail{"prompt " + QString(c.szResult), "dialog 132", "prompt Are you sure you want to quit?"};
    if (c.nBetterMove == IDYES)
        tail.prepend(QStringLiteral("message Continue the game."));
    if (c.nBetterMove)
        tail.prepend(QStringLiteral("prompt There was a better move.\nWould you like to see it?"));
    EXPECT_EQ(m_modals.m_log.mid(m_modals.m_log.size() - tail.size()), tail);
    EXPECT_EQ(m_prompts.Prompts().end()[-2].m_strCaption, QStringLiteral("Game Over"));
    EXPECT_EQ(m_sounds.Files().filter(QRegularExpression("(human|comp)w")),
              c.szSound ? QStringList{c.szSound} : QStringList());
    EXPECT_TRUE(bSavedFinished && Dlg().IsEnded() && !m_app.m_pPlayer[0]);
    for (int nSeat = 0; nSeat < names.size(); ++nSeat) {
        const CGameStats record = RecordOnDisk(names[nSeat]);
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_EQ(record.m_bNotWon, nSeat == 0 ? c.nFinal[0] <= c.nFinal[1] : c.nFinal[0] >= c.nFinal[1]);
        EXPECT_EQ(record.m_strOpponent, c.bTwoPlayers ? names[1 - nSeat] : QStringLiteral("the computer"));
        EXPECT_EQ(record.m_nMissedMoves, nSeat == 0 && c.nBetterMove);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameOver,
    ::testing::Values(GameOverCase{"PlayerOneWins", false, {5, 3}, 0, "Ann is the winner!", "data/humanw.wav"},
                      GameOverCase{"ComputerWins", false, {3, 5}, IDYES, "Computer is the winner!", "data/compw.wav"},
                      GameOverCase{"PlayerTwoWins", true, {3, 5}, 0, "Bob is the winner!", "data/humanw.wav"},
                      GameOverCase{"Tie", true, {4, 4}, IDNO, "It is a tie!", nullptr}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });
