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

// One draw of a roll as the board's search sees it: the numbers, then the best piece's place,
// taken-neighbour count and number (place -1 when it reaches none).
struct DrawnRoll {
    QStringList numbers;
    int nPlace = -1, nCount = -1, nValue = 0;
};

// The 15 draws a roll started from nSeed makes on the board as it stands.
std::vector<DrawnRoll> SimulateRoll(const CBoardWnd& board, unsigned nSeed)
{
    CBoardModel model = board.Model();
    CRandom::Seed(nSeed);
    std::vector<DrawnRoll> draws(CGameDlg::kRollTicks);
    for (DrawnRoll& draw : draws) {
        int n[3], nListPos = 0, nIndex = 0;
        for (int& nNumber : n)
            draw.numbers << QString::number(nNumber = CRandom::Scaled(10));
        if (model.FindBestPiece(n[0], n[1], n[2], nListPos, nIndex)) {
            draw.nPlace = model.ArrangedPlace(nListPos);
            draw.nCount = model.Piece(draw.nPlace).m_nCount;
            draw.nValue = model.Piece(draw.nPlace).m_nNumber;
        }
    }
    return draws;
}

// The first draw that reaches a piece; under the catch-up rule, the last that raised the count.
int ExpectedKept(const std::vector<DrawnRoll>& draws, bool bCatchUp)
{
    int nKept = -1;
    for (int i = 0; i < static_cast<int>(draws.size()); ++i) {
        if (draws[i].nPlace >= 0 && (nKept < 0 || (bCatchUp && draws[i].nCount > draws[nKept].nCount)))
            nKept = i;
    }
    return nKept;
}

struct CatchUpCase {
    int nHuman;
    int nComputer;
    bool bCatchUp;
};

class CatchUp : public GameTest, public ::testing::WithParamInterface<CatchUpCase> {};

}  // namespace

// The roll keeps the first draw that reaches a piece, though later draws were shown, and a
// later miss does not undo it. Player one more than five points behind the computer gets a later
// draw worth more points instead.
TEST_P(CatchUp, KeepsTheFirstDrawThatReachesAPieceOrABetterOneWhenFarBehind)
{
    StartFirstGame({});
    unsigned nSeed = 1;
    for (; nSeed < 5000; ++nSeed) {
        const std::vector<DrawnRoll> draws = SimulateRoll(Board(), nSeed);
        if (ExpectedKept(draws, true) != ExpectedKept(draws, false) && draws.back().nPlace < 0)
            break;
    }
    ASSERT_LT(nSeed, 5000u);
    const std::vector<DrawnRoll> draws = SimulateRoll(Board(), nSeed);
    const DrawnRoll kept = draws[ExpectedKept(draws, GetParam().bCatchUp)];
    Dlg().m_nScore[0] = GetParam().nHuman;
    Dlg().m_nScore[1] = GetParam().nComputer;
    CRandom::Seed(nSeed);
    FinishRoll();
    EXPECT_EQ(ButtonNumbers(Dlg()), kept.numbers);
    EXPECT_EQ(Dlg().m_nBestPlace, kept.nPlace);
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QString::number(kept.nValue) + (GetParam().bCatchUp ? "!" : ""));
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
    StartRolledGame();
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QStringLiteral("NO"));
    const int* pDrawn = Dlg().m_nDrawn;
    EXPECT_EQ(ButtonNumbers(Dlg()), (QStringList{QString::number(pDrawn[0]), QString::number(pDrawn[1]),
                                                 QString::number(pDrawn[2])}));
    for (int nButton : {CHintDlg::kOptimal, CHintDlg::kOperators})
        TakeHint(nButton);
    EXPECT_EQ(m_prompts.Texts(), QStringList(2, "There is no obtainable piece."));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Hint"));
    Dlg().OnCommand(1029, BN_CLICKED);
    EXPECT_EQ(Record().m_nPasses + Record().m_nMissedMoves + Record().m_nOptimalHints + Record().m_nOperatorHints, 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);

    FinishRoll();  // the computer's roll
    EXPECT_EQ(m_modals.m_messages, QStringList{"I'm afraid I cannot find\na move, so I must pass."});
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(Dlg().m_nScore[0] + Dlg().m_nScore[1], 0);
    EXPECT_EQ(m_prompts.Count(), 2);
}

// A piece scores one point plus one for each taken place around it; the score display counts up
// one audible step at a time. The computer's piece, blinking alone, scores for the computer.
TEST_F(GameTest, TakingAPieceScoresOnePlusItsTakenNeighbours)
{
    StartRolledGame({.bSounds = true});
    const int nNeighbours = Board().Piece(Dlg().m_nBestPlace)->m_nCount;
    ASSERT_GE(nNeighbours, 1);
    m_sounds.Clear();
    TakeMarkedPiece();
    EXPECT_EQ(Dlg().GetDlgItemText(1034), QString::number(nNeighbours + 1));
    EXPECT_EQ(m_sounds.Files().count(QStringLiteral("data/warble.wav")), nNeighbours);
    EXPECT_EQ(m_sounds.Files().count(QStringLiteral("data/up.wav")), nNeighbours + 1);
    EXPECT_EQ(Record().m_nScore, nNeighbours + 1);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);

    FinishRoll();
    ASSERT_TRUE(Dlg().IsComputersTurn());
    CPieceButton* pComputers = Board().Piece(Dlg().m_nBestPlace);
    EXPECT_EQ(Board().m_marked, QList<CPieceButton*>{pComputers});
    const int nPoints = pComputers->m_nCount + 1;
    pComputers->click();
    EXPECT_EQ(Dlg().GetDlgItemText(1035), QString::number(nPoints));
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(m_prompts.Count(), 0);
}

class RefusedClick : public GameTest, public ::testing::WithParamInterface<const char*> {};

// A click with nothing marked, on a piece of another number, or on the computer's turn on a
// piece of its number that it did not choose: only the "no" sound.
TEST_P(RefusedClick, PlaysNoAndScoresNothing)
{
    std::vector<int> numbers;
    for (int p = 0; p < kPlaces; ++p)
        numbers.push_back(2 + p % 2);
    WriteBoard(QStringLiteral("ASMD.A"), numbers);
    StartRolledGame({.nSize = 3, .bSounds = true});
    const std::string strCase = GetParam();
    if (strCase == "OnTheComputersTurn") {
        m_prompts.Answer({IDYES, IDNO});
        Dlg().OnPass();
        FinishRoll();
        ASSERT_TRUE(Dlg().IsComputersTurn());
    } else if (strCase == "OfAnotherNumber") {
        Dlg().ShowCatalogueExpression(Dlg().m_nBestIndex, true);
    }
    int nPlace = Dlg().m_nBestPlace;  // with nothing marked, even the best piece
    for (int p = 0; strCase != "WithNothingMarked" && p < kPlaces; ++p) {
        const CPieceButton* pPiece = Board().Piece(p);
        if (!pPiece->m_bTaken && p != Dlg().m_nBestPlace &&
            (pPiece->m_nNumber == Dlg().m_nBestValue) == (strCase == "OnTheComputersTurn"))
            nPlace = p;
    }
    const int nPlayer = Dlg().CurrentPlayer();
    m_sounds.Clear();
    Board().Piece(nPlace)->click();
    EXPECT_EQ(m_sounds.Calls(), (std::vector<CFakeSoundPlayer::Call>{{QStringLiteral("data/no.wav"), false}}));
    EXPECT_FALSE(Board().Piece(nPlace)->m_bTaken);
    EXPECT_EQ(Dlg().m_nScore[0] + Dlg().m_nScore[1], 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), nPlayer);
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedClick,
                         ::testing::Values("WithNothingMarked", "OfAnotherNumber", "OnTheComputersTurn"),
                         [](const auto& tpi) { return std::string(tpi.param); });

// Pass and Hint do nothing during a roll or on the computer's turn. Declined, a pass changes
// nothing; confirmed with a piece in reach, it counts one pass and one missed move.
TEST_F(GameTest, PassCountsOnlyWhenConfirmedOnAHumansTurn)
{
    StartFirstGame({});
    Dlg().OnTimer();
    Dlg().OnCommand(1029, BN_CLICKED);
    Dlg().OnCommand(1038, BN_CLICKED);
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    FinishRoll();
    const int nBest = Dlg().m_nBestValue;
    m_prompts.Answer(IDNO);
    Dlg().OnCommand(1029, BN_CLICKED);
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Confirm Pass"));
    EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::YesNo);
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(Dlg().m_nBestValue, nBest);
    EXPECT_EQ(Record().m_nPasses + Record().m_nMissedMoves, 0);

    m_prompts.Answer({IDYES, IDNO});
    Dlg().OnCommand(1029, BN_CLICKED);
    EXPECT_EQ(Record().m_nPasses, 1);
    EXPECT_EQ(Record().m_nMissedMoves, 1);
    for (int nTick = 0; nTick < 2; ++nTick) {  // during the computer's roll, then its turn
        nTick ? FinishRoll() : Dlg().OnTimer();
        Dlg().OnCommand(1029, BN_CLICKED);
        Dlg().OnCommand(1038, BN_CLICKED);
    }
    EXPECT_EQ(m_prompts.Texts(), (QStringList{"Are you sure you want to pass?", "Are you sure you want to pass?",
                                              "There was a better move.\nWould you like to see it?"}));
    EXPECT_EQ(m_modals.Count(135), 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
}

class BetterMove : public GameTest, public ::testing::WithParamInterface<int> {};

// The missed move is counted whatever the answer; on Yes the best piece blinks red and the row
// shows its value until the message is closed.
TEST_P(BetterMove, IsCountedWhateverTheAnswer)
{
    WriteBoard(QStringLiteral("ASMD.A"), std::vector<int>(kPlaces, 2));
    StartRolledGame();
    const int nBestPlace = Dlg().m_nBestPlace;
    QList<CPieceButton*> redDuring;
    QString strRowDuring;
    m_modals.m_onMessage = [&] {
        redDuring = Board().m_markedBest;
        strRowDuring = Dlg().GetDlgItemText(1013) + Dlg().GetDlgItemText(1031);
    };
    m_prompts.Answer(GetParam());
    const int nPoints = TakeMarkedPiece(false);
    ASSERT_LT(nPoints, Board().Piece(nBestPlace)->m_nCount + 1);

    EXPECT_EQ(m_prompts.Texts(), QStringList{"There was a better move.\nWould you like to see it?"});
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Better Move"));
    EXPECT_EQ(Record().m_nMissedMoves, 1);
    EXPECT_EQ(Dlg().m_nScore[0], nPoints);
    EXPECT_EQ(m_modals.m_messages, GetParam() == IDYES ? QStringList{"Continue the game."} : QStringList());
    if (GetParam() == IDYES) {
        EXPECT_EQ(redDuring, QList<CPieceButton*>{Board().Piece(nBestPlace)});
        EXPECT_EQ(strRowDuring, QStringLiteral("2Better Move"));
    }
    EXPECT_FALSE(Board().m_bAnyMarked);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, BetterMove, ::testing::Values(IDYES, IDNO));

struct GameOverCase {
    const char* szName;
    bool bTwoPlayers;
    int nFinal[2];     // the scores after the last move
    bool bBetterMove;  // the last move missed a better one
    const char* szResult;
    const char* szSound;  // the winner's sound, if any
};

class GameOver : public GameTest, public ::testing::WithParamInterface<GameOverCase> {};

// The last piece taken: the better-move question (if any), the result with its sound, both
// records closed as finished, then the next set-up. Quit Game there ends the program with no
// further question and leaves the closed records as they are.
TEST_P(GameOver, AnnouncesTheResultAndClosesTheRecords)
{
    const GameOverCase& c = GetParam();
    const QStringList names = c.bTwoPlayers ? QStringList{"Ann", "Bob"} : QStringList{"Ann"};
    StartRolledGame({.bTwoPlayers = c.bTwoPlayers, .bSounds = true}, names);
    m_modals.Queue(132, [](CDialog& dlg) { dlg.ClickDlgItem(1049); });
    for (int p = 0; p < kPlaces; ++p) {
        if (p != Dlg().m_nBestPlace && !Board().Piece(p)->m_bTaken)
            Board().TakePiece(p, 1);
    }
    Board().Arrange();
    const int nPoints = Board().Piece(Dlg().m_nBestPlace)->m_nCount + 1;
    Dlg().m_nScore[0] = c.nFinal[0] - nPoints;
    Dlg().m_nScore[1] = c.nFinal[1];
    // No real roll leaves a better piece than the last one: the best count is raised by hand.
    Dlg().m_nBestCount = c.bBetterMove ? nPoints : -1;
    if (c.bBetterMove)
        m_prompts.Answer(IDNO);
    m_sounds.Clear();
    TakeMarkedPiece();

    QStringList tail{"prompt " + QString(c.szResult), "dialog 132", "prompt Are you sure you want to quit?"};
    if (c.bBetterMove)
        tail.prepend(QStringLiteral("prompt There was a better move.\nWould you like to see it?"));
    EXPECT_EQ(m_modals.m_log.mid(m_modals.m_log.size() - tail.size()), tail);
    EXPECT_EQ(m_prompts.Prompts().end()[-2].m_strCaption, QStringLiteral("Game Over"));
    EXPECT_EQ(m_sounds.Files().filter(QRegularExpression("(human|comp)w")),
              c.szSound ? QStringList{c.szSound} : QStringList());
    EXPECT_TRUE(Dlg().IsEnded());
    EXPECT_FALSE(m_app.m_pPlayer[0]);
    for (int nSeat = 0; nSeat < names.size(); ++nSeat) {
        const CGameStats record = RecordOnDisk(names[nSeat]);
        EXPECT_TRUE(record.m_bFinished);
        EXPECT_EQ(record.m_bNotWon, nSeat == 0 ? c.nFinal[0] <= c.nFinal[1] : c.nFinal[0] >= c.nFinal[1]);
        EXPECT_EQ(record.m_strOpponent, c.bTwoPlayers ? names[1 - nSeat] : QStringLiteral("the computer"));
        EXPECT_EQ(record.m_nMissedMoves, nSeat == 0 && c.bBetterMove);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameOver,
    ::testing::Values(GameOverCase{"PlayerOneWins", false, {5, 3}, false, "Ann is the winner!", "data/humanw.wav"},
                      GameOverCase{"ComputerWins", false, {3, 5}, true, "Computer is the winner!", "data/compw.wav"},
                      GameOverCase{"PlayerTwoWins", true, {3, 5}, false, "Bob is the winner!", "data/humanw.wav"},
                      GameOverCase{"Tie", true, {4, 4}, true, "It is a tie!", nullptr}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });
