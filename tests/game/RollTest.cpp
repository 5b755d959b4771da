// The roll of the numbers: 15 draws on the game window's timer, the first draw that reaches a
// piece kept, the catch-up rule for a human far behind the computer, and the roll that reaches
// nothing.
#include "GameFixture.h"

#include "Player.h"
#include "Random.h"

#include <QLabel>

namespace {

constexpr int kUnreachable = 5000;  // beyond 10 * 10 * 10

std::vector<int> BoardOf(int nNumber)
{
    return std::vector<int>(CBoardWnd::kPlaces, nNumber);
}

QStringList ButtonNumbers(const CGameDlg& dlg)
{
    return {dlg.GetDlgItemText(1000), dlg.GetDlgItemText(1001), dlg.GetDlgItemText(1002)};
}

QStringList Numbers(const DrawnRoll& draw)
{
    return {QString::number(draw.nNumber[0]), QString::number(draw.nNumber[1]),
            QString::number(draw.nNumber[2])};
}

int FirstReaching(const std::vector<DrawnRoll>& draws)
{
    for (int i = 0; i < static_cast<int>(draws.size()); ++i) {
        if (draws[i].bReaches)
            return i;
    }
    return -1;
}

}  // namespace

// Rare pieces (71 needs a product near 70) make most draws miss; the roll must still settle on the first that hits.
TEST_F(GameTest, RollKeepsTheFirstDrawThatReachesAPieceThoughLaterDrawsWereShown)
{
    std::vector<int> numbers = BoardOf(kUnreachable);
    for (int nPlace : {3, 10, 17, 24, 31})
        numbers[nPlace] = 71;
    WriteBoard(QStringLiteral("ASMD.A"), numbers);
    OpenWindow();
    SetupChoice choice;
    choice.nSize = 3;
    StartFirstGame(choice, {QStringLiteral("Ann")});
    ASSERT_EQ(Dlg().m_nTurnPhase, 1);

    const unsigned nSeed = FindSeed([](const std::vector<DrawnRoll>& draws) {
        const int nFirst = FirstReaching(draws);
        return nFirst >= 2 && nFirst + 1 < static_cast<int>(draws.size()) - 1 &&
               Numbers(draws[nFirst]) != Numbers(draws.back()) &&
               Numbers(draws[nFirst]) != Numbers(draws[nFirst + 1]);
    });
    ASSERT_NE(nSeed, 0u);
    const std::vector<DrawnRoll> draws = SimulateRoll(nSeed);
    const int nFirst = FirstReaching(draws);

    CRandom::Seed(nSeed);
    for (int nTick = 0; nTick <= nFirst + 1; ++nTick)
        Dlg().OnTimer();
    EXPECT_EQ(ButtonNumbers(Dlg()), Numbers(draws[nFirst + 1]));  // a later draw is shown
    FinishRoll();

    EXPECT_EQ(ButtonNumbers(Dlg()), Numbers(draws[nFirst]));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Dlg().m_nDrawn[i], draws[nFirst].nNumber[i]);
    EXPECT_EQ(Dlg().m_nBestValue, 71);
    EXPECT_EQ(Dlg().m_nBestPlace, draws[nFirst].nPlace);
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QStringLiteral("71"));
    EXPECT_EQ(Dlg().GetDlgItemText(1037), QString::number(Dlg().m_nBestIndex));
    EXPECT_GE(Dlg().m_nBestIndex, 1);
    for (int nId : {1000, 1001, 1002})
        EXPECT_TRUE(Dlg().IsDlgItemEnabled(nId));
}

// Nothing on the board can be reached: "NO", no best move, and a pass that nobody questions or
// counts. The computer then cannot move either and says so.
TEST_F(GameTest, RollThatReachesNothingLeavesNoAndAFreePass)
{
    WriteBoard(QStringLiteral("ASMD.A"), BoardOf(kUnreachable));
    OpenWindow();
    StartFirstGame(SetupChoice{}, {QStringLiteral("Ann")});
    FinishRoll();

    EXPECT_EQ(Dlg().GetDlgItemText(1036), QStringLiteral("NO"));
    EXPECT_EQ(Dlg().m_nBestValue, -1000);
    EXPECT_EQ(Dlg().m_nBestIndex, -1);
    EXPECT_FALSE(Dlg().GetDlgItemAs<QLabel>(1039)->pixmap().isNull());

    const int nPrompts = m_prompts.Count();
    Dlg().OnPass();
    EXPECT_EQ(m_prompts.Count(), nPrompts);
    const CGameStats& record = *m_app.m_pPlayer[0]->m_pCurrentStats;
    EXPECT_EQ(record.m_nPasses, 0);
    EXPECT_EQ(record.m_nMissedMoves, 0);
    EXPECT_EQ(Dlg().CurrentPlayer(), 1);

    FinishRoll();  // the computer's roll
    ASSERT_FALSE(m_modals.m_messages.empty());
    EXPECT_EQ(m_modals.m_messages.back().strText,
              QStringLiteral("I'm afraid I cannot find\na move, so I must pass."));
    EXPECT_EQ(m_modals.m_messages.back().strCaption, QStringLiteral("Computer's Move"));
    EXPECT_EQ(Dlg().CurrentPlayer(), 0);
    EXPECT_EQ(Dlg().m_nTurnPhase, 1);
    EXPECT_FALSE(Board().m_bAnyMarked);
    EXPECT_EQ(Dlg().m_nScore[1], 0);
    EXPECT_EQ(m_prompts.Count(), nPrompts);
}

namespace {

struct CatchUpCase {
    int nHuman;
    int nComputer;
    bool bCatchUp;
};

class CatchUp : public GameTest, public ::testing::WithParamInterface<CatchUpCase> {};

// Where the rule applies the roll keeps the last draw that raised the best count.
int ExpectedKept(const std::vector<DrawnRoll>& draws, bool bCatchUp)
{
    int nKept = -1;
    for (int i = 0; i < static_cast<int>(draws.size()); ++i) {
        if (!draws[i].bReaches)
            continue;
        if (nKept < 0 || (bCatchUp && draws[i].nCount > draws[nKept].nCount))
            nKept = i;
    }
    return nKept;
}

}  // namespace

// Player one more than five points behind the computer gets a draw worth more points.
TEST_P(CatchUp, ReplacesTheKeptDrawOnlyWhenFarBehind)
{
    OpenWindow();
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
    EXPECT_EQ(Dlg().m_nBestCount, draws[nKept].nCount);
    const QString strMark = GetParam().bCatchUp ? QStringLiteral("!") : QString();
    EXPECT_EQ(Dlg().GetDlgItemText(1036), QString::number(draws[nKept].nValue) + strMark);
}

INSTANTIATE_TEST_SUITE_P(Table, CatchUp,
                         ::testing::Values(CatchUpCase{10, 16, true}, CatchUpCase{11, 16, false},
                                           CatchUpCase{-6, 0, true}, CatchUpCase{0, 5, false}),
                         [](const ::testing::TestParamInfo<CatchUpCase>& tpi) {
                             return "human" + std::to_string(tpi.param.nHuman + 100) +
                                    "_computer" + std::to_string(tpi.param.nComputer);
                         });
