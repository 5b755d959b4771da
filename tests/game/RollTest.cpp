// The roll of the numbers: 15 draws on the game window's timer, the first draw that reaches a
// piece kept, the catch-up rule for a human far behind the computer, and the roll that reaches
// nothing.
#include "GameFixture.h"

#include "Random.h"

namespace {

constexpr int kUnreachable = 5000;  // beyond 10 * 10 * 10

QStringList ButtonNumbers(const CGameDlg& dlg)
{
    return {dlg.GetDlgItemText(1000), dlg.GetDlgItemText(1001), dlg.GetDlgItemText(1002)};
}

QStringList Numbers(const DrawnRoll& draw)
{
    return {QString::number(draw.nNumber[0]), QString::number(draw.nNumber[1]),
            QString::number(draw.nNumber[2])};
}

// The roll keeps the first draw that reaches a piece; under the catch-up rule, the last draw
// that raised the best count.
int ExpectedKept(const std::vector<DrawnRoll>& draws, bool bCatchUp)
{
    int nKept = -1;
    for (int i = 0; i < static_cast<int>(draws.size()); ++i) {
        if (draws[i].bReaches && (nKept < 0 || (bCatchUp && draws[i].nCount > draws[nKept].nCount)))
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

// Rare pieces (71 needs a product near 70) make most draws miss; the roll must still settle on
// the first that hits.
TEST_F(GameTest, RollKeepsTheFirstDrawThatReachesAPieceThoughLaterDrawsWereShown)
{
    std::vector<int> numbers = std::vector<int>(CBoardWnd::kPlaces, kUnreachable);
    for (int nPlace : {3, 10, 17, 24, 31})
        numbers[nPlace] = 71;
    WriteBoard(QStringLiteral("ASMD.A"), numbers);
    SetupChoice choice;
    choice.nSize = 3;
    StartFirstGame(choice, {QStringLiteral("Ann")});
    ASSERT_EQ(Dlg().m_nTurnPhase, 1);

    const unsigned nSeed = FindSeed([](const std::vector<DrawnRoll>& draws) {
        const int nFirst = ExpectedKept(draws, false);
        return nFirst >= 2 && nFirst + 1 < static_cast<int>(draws.size()) - 1 &&
               Numbers(draws[nFirst]) != Numbers(draws.back()) &&
               Numbers(draws[nFirst]) != Numbers(draws[nFirst + 1]);
    });
    ASSERT_NE(nSeed, 0u);
    const std::vector<DrawnRoll> draws = SimulateRoll(nSeed);
    const int nFirst = ExpectedKept(draws, false);

    CRandom::Seed(nSeed);
    for (int nTick = 0; nTick <= nFirst + 1; ++nTick)
        Dlg().OnTimer();
    EXPECT_EQ(ButtonNumbers(Dlg()), Numbers(draws[nFirst + 1]));  // a later draw is shown
    FinishRoll();

    EXPECT_EQ(ButtonNumbers(Dlg()), Numbers(draws[nFirst]));
    EXPECT_EQ(Dlg().m_nBestPlace, draws[nFirst].nPlace);
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QStringLiteral("71"));
}

// Nothing on the board can be reached: "NO", no best move, and a pass that nobody questions or
// counts. The computer then cannot move either and says so.
TEST_F(GameTest, RollThatReachesNothingLeavesNoAndAFreePass)
{
    WriteBoard(QStringLiteral("ASMD.A"), std::vector<int>(CBoardWnd::kPlaces, kUnreachable));
    StartFirstGame(SetupChoice{}, {QStringLiteral("Ann")});
    FinishRoll();

    EXPECT_EQ(Dlg().GetDlgItemText(1036), QStringLiteral("NO"));
    EXPECT_EQ(Dlg().m_nBestValue, -1000);
    const int nPrompts = m_prompts.Count();
    Dlg().OnPass();
    EXPECT_EQ(m_prompts.Count(), nPrompts);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats->m_nPasses, 0);
    EXPECT_EQ(m_app.m_pPlayer[0]->m_pCurrentStats->m_nMissedMoves, 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);

    FinishRoll();  // the computer's roll
    ASSERT_FALSE(m_modals.m_messages.empty());
    EXPECT_EQ(m_modals.m_messages.back(),
              QStringLiteral("I'm afraid I cannot find\na move, so I must pass."));
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(Dlg().m_nScore[1], 0);
    EXPECT_EQ(m_prompts.Count(), nPrompts);
}


// Player one more than five points behind the computer gets a draw worth more points.
TEST_P(CatchUp, ReplacesTheKeptDrawOnlyWhenFarBehind)
{
    StartFirstGame(SetupChoice{}, {QStringLiteral("Ann")});  // Quick: many taken places
    const unsigned nSeed = FindSeed([](const std::vector<DrawnRoll>& draws) {
        return ExpectedKept(draws, true) != ExpectedKept(draws, false);
    });
    ASSERT_NE(nSeed, 0u);
    const std::vector<DrawnRoll> draws = SimulateRoll(nSeed);
    const int nKept = ExpectedKept(draws, GetParam().bCatchUp);

    Dlg().m_nScore[0] = GetParam().nHuman;
    Dlg().m_nScore[1] = GetParam().nComputer;
    CRandom::Seed(nSeed);
    FinishRoll();

    EXPECT_EQ(ButtonNumbers(Dlg()), Numbers(draws[nKept]));
    EXPECT_EQ(Dlg().m_nBestPlace, draws[nKept].nPlace);
    const QString strMark = GetParam().bCatchUp ? QStringLiteral("!") : QString();
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QString::number(draws[nKept].nValue) + strMark);
}

// 10 v 16 is more than five behind, 11 v 16 is not.
INSTANTIATE_TEST_SUITE_P(Table, CatchUp,
                         ::testing::Values(CatchUpCase{10, 16, true}, CatchUpCase{11, 16, false},
                                           CatchUpCase{-6, 0, true}, CatchUpCase{0, 5, false}));
