// The board model: neighbour counts at corners and edges, the arranged order (gap closing and
// the exchange sort, which decide ties in the search), random removal at set-up and the
// best-piece search with its tie-breaks.
#include "BoardKey.h"
#include "BoardModel.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A full board whose piece at place i carries nNumber(i).
template <typename F>
CBoardModel BoardNumbered(F nNumber)
{
    std::string strText;
    for (int i = 0; i < CBoardModel::nPlaces; ++i)
        strText += std::to_string(nNumber(i)) + " ,    0\r\n";
    CBoardModel board;
    board.LoadBoardText(strText);
    return board;
}

CBoardModel FullBoard(int nNumber = 500)
{
    return BoardNumbered([nNumber](int) { return nNumber; });
}

void TakeAllBut(CBoardModel& board, std::initializer_list<int> nKept)
{
    for (int i = 0; i < CBoardModel::nPlaces; ++i) {
        if (std::find(nKept.begin(), nKept.end(), i) == nKept.end())
            board.TakePiece(i, 1);
    }
}

std::vector<int> ArrangedPlaces(const CBoardModel& board)
{
    std::vector<int> places;
    for (int p = 0; p < CBoardModel::nPlaces && board.ArrangedPlace(p) != CBoardModel::nNoPlace; ++p)
        places.push_back(board.ArrangedPlace(p));
    return places;
}

TEST(TakenNeighbours, CountsCornersEdgesAndInnerPlaces)
{
    CBoardModel board = FullBoard();
    TakeAllBut(board, {});
    EXPECT_EQ(board.CountTakenNeighbours(0, 0), 3);   // corner
    EXPECT_EQ(board.CountTakenNeighbours(0, 3), 5);   // top edge
    EXPECT_EQ(board.CountTakenNeighbours(1, 0), 5);   // left edge
    EXPECT_EQ(board.CountTakenNeighbours(4, 6), 3);   // corner 34
    EXPECT_EQ(board.CountTakenNeighbours(3, 6), 5);   // right edge
    EXPECT_EQ(board.CountTakenNeighbours(4, 2), 5);   // bottom edge
    EXPECT_EQ(board.CountTakenNeighbours(3, 3), 8);   // place 24
    EXPECT_EQ(board.CountTakenNeighbours(5, 0), 0);   // off the board
}

TEST(TakenNeighbours, AreVisitedFromUpLeftToDownRightAndSkipPiecesOnTheBoard)
{
    CBoardModel board = FullBoard();
    TakeAllBut(board, {17});
    const auto taken = board.TakenNeighbours(3, 3);
    EXPECT_EQ(std::vector<int>(taken.nPlace.begin(), taken.nPlace.begin() + taken.nSize),
              (std::vector<int>{16, 18, 23, 25, 30, 31, 32}));
}

TEST(Arrange, PutsMoreTakenNeighboursFirst)
{
    CBoardModel board = FullBoard();
    TakeAllBut(board, {0, 33, 34});
    board.Arrange();
    EXPECT_EQ(board.Piece(0).m_nCount, 3);
    EXPECT_EQ(board.Piece(33).m_nCount, 4);
    EXPECT_EQ(board.Piece(34).m_nCount, 2);
    EXPECT_EQ(ArrangedPlaces(board), (std::vector<int>{33, 0, 34}));
}

// Gap closing moves 34, 28, 17, 6 into the gaps after 0; the halving-gap sort then leaves the
// equal counts 28 before 34, where a stable sort would not.
TEST(Arrange, KeepsTheOrderOfGapClosingAndExchangeSortForEqualCounts)
{
    CBoardModel board = FullBoard();
    TakeAllBut(board, {0, 6, 17, 28, 34});
    board.Arrange();
    EXPECT_EQ(ArrangedPlaces(board), (std::vector<int>{17, 0, 28, 34, 6}));
    EXPECT_FALSE(board.IsBoardEmpty());
}

TEST(Arrange, FullBoardKeepsBoardOrderAndEmptyBoardIsReported)
{
    CBoardModel board = FullBoard();
    board.Arrange();
    const auto places = ArrangedPlaces(board);
    ASSERT_EQ(places.size(), 35u);
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(places[static_cast<std::size_t>(i)], i);

    TakeAllBut(board, {});
    board.Arrange();
    EXPECT_TRUE(board.IsBoardEmpty());
    EXPECT_TRUE(ArrangedPlaces(board).empty());
}

TEST(RemoveRandomPieces, DrawsRowBeforeColumn)
{
    CRandom::Seed(1);  // 41, 18467, 6334, 26500: places (0, 3) and (0, 5)
    CBoardModel board = FullBoard();
    board.RemoveRandomPieces(2);
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(board.Piece(i).IsTaken(), i == 3 || i == 5) << i;
    EXPECT_EQ(board.Piece(3).m_bTaken, 1);
    EXPECT_EQ(board.Piece(4).m_nCount, 2);
}

TEST(RemoveRandomPieces, QuickGameRemovesTwentyFiveDistinctPiecesAndCountsThem)
{
    CRandom::Seed(12345);
    CBoardModel board = FullBoard();
    board.TakeChangedPlaces();
    board.RemoveRandomPieces(25);
    int nTaken = 0;
    for (int i = 0; i < 35; ++i)
        nTaken += board.Piece(i).IsTaken() ? 1 : 0;
    EXPECT_EQ(nTaken, 25);
    EXPECT_EQ(board.TakeChangedPlaces().count(), 25u);
    EXPECT_EQ(ArrangedPlaces(board).size(), 10u);
    for (int p : ArrangedPlaces(board))
        EXPECT_EQ(board.Piece(p).m_nCount, board.CountTakenNeighbours(p / 7, p % 7)) << p;
}

// Asking for more than the board holds, or drawing empty places, must still end.
TEST(RemoveRandomPieces, StopsWhenNothingIsLeftAndCountsEmptyPlaces)
{
    CRandom::Seed(7);
    CBoardModel board = FullBoard();
    board.RemoveRandomPieces(40);
    EXPECT_TRUE(board.IsBoardEmpty());
    board.LoadBoardText("");
    board.RemoveRandomPieces(3);
    EXPECT_TRUE(board.IsBoardEmpty());
}

TEST(LoadBoard, ForgetsTheArrangedListAndMarksEveryPlaceChanged)
{
    CBoardModel board = FullBoard(7);
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    ASSERT_TRUE(board.FindBestPiece(3, 4, 0, nListPos, nIndex));
    board.LoadBoardText("7 ,0\n");
    EXPECT_EQ(board.TakeChangedPlaces().count(), 35u);
    EXPECT_EQ(board.Catalogue().Value(1), CExpressionCatalogue::nEmpty);
    EXPECT_FALSE(board.FindBestPiece(3, 4, 0, nListPos, nIndex));
    board.Arrange();
    EXPECT_TRUE(board.FindBestPiece(3, 4, 0, nListPos, nIndex));
    EXPECT_EQ(board.TakeChangedPlaces().count(), 0u);
}

TEST(FindBestPiece, PrefersMoreTakenNeighboursOverBoardOrder)
{
    // 9 = 2 + 3 + 4 at place 1 (1 taken neighbour) and place 20 (3 taken neighbours).
    CBoardModel board = BoardNumbered([](int i) { return i == 1 || i == 20 ? 9 : 500; });
    board.TakePiece(0, 1);
    for (int i : {12, 13, 19})
        board.TakePiece(i, 1);
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    ASSERT_TRUE(board.FindBestPiece(2, 3, 4, nListPos, nIndex));
    EXPECT_EQ(board.ArrangedPlace(nListPos), 20);
    EXPECT_EQ(board.Piece(20).m_nCount, 3);
    EXPECT_EQ(nIndex, 1);
}

TEST(FindBestPiece, AmongEqualCountsTakesTheArrangedOrderNotTheBoardOrder)
{
    // Corners 0, 6, 28, 34 remain with 3 taken neighbours each, arranged 0, 34, 28, 6.
    CBoardModel board = BoardNumbered([](int i) { return i == 6 || i == 34 ? 9 : 500; });
    TakeAllBut(board, {0, 6, 28, 34});
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    ASSERT_TRUE(board.FindBestPiece(2, 3, 4, nListPos, nIndex));
    EXPECT_EQ(nListPos, 1);
    EXPECT_EQ(board.ArrangedPlace(nListPos), 34);
}

TEST(FindBestPiece, ReportsTheLowestIndexThatReachesThePiece)
{
    CBoardModel board = FullBoard(0);  // 1 - (3 - 2) and 3 - (2 + 1) both give 0
    board.m_bMultiply = board.m_bDivide = false;
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    ASSERT_TRUE(board.FindBestPiece(1, 3, 2, nListPos, nIndex));
    EXPECT_EQ(nListPos, 0);
    EXPECT_EQ(nIndex, 5);
    EXPECT_EQ(board.Catalogue().Value(40), 0);
}

TEST(FindBestPiece, FindsAPieceOnlyTheLastFormReaches)
{
    CBoardModel board = FullBoard(-8);
    board.m_bAdd = board.m_bMultiply = false;
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    ASSERT_TRUE(board.FindBestPiece(8, 2, 3, nListPos, nIndex));
    EXPECT_EQ(nIndex, 104);
}

TEST(FindBestPiece, LeavesOutputsAloneWhenNothingIsReached)
{
    CBoardModel board = FullBoard(5);
    board.m_bAdd = board.m_bSubtract = board.m_bMultiply = false;
    board.Arrange();
    int nListPos = 77, nIndex = 88;
    EXPECT_FALSE(board.FindBestPiece(7, 0, 3, nListPos, nIndex));  // only 0 is reachable
    EXPECT_EQ(nListPos, 77);
    EXPECT_EQ(nIndex, 88);
    EXPECT_EQ(board.Catalogue().Value(19), 0);

    TakeAllBut(board, {});
    board.Arrange();
    EXPECT_FALSE(board.FindBestPiece(2, 3, 4, nListPos, nIndex));
}

TEST(FindBestPiece, APieceNumberedLikeAnEmptyFormIsNeverReached)
{
    CBoardModel board = FullBoard(CExpressionCatalogue::nEmpty);
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    EXPECT_FALSE(board.FindBestPiece(2, 3, 4, nListPos, nIndex));
}

TEST(FindBestPiece, PositiveOnlyLeavesOutNegativeBracketedDifferences)
{
    CBoardModel board = FullBoard(500);
    board.m_bMultiply = board.m_bDivide = false;
    board.Arrange();
    int nListPos = -1, nIndex = -1;
    board.FindBestPiece(2, 5, 1, nListPos, nIndex);
    EXPECT_EQ(board.Catalogue().Value(35), -2);  // 2 + (1 - 5)

    board.m_bPositiveOnly = true;
    board.FindBestPiece(2, 5, 1, nListPos, nIndex);
    EXPECT_EQ(board.Catalogue().Value(35), CExpressionCatalogue::nEmpty);
}

// The search looks values up in an index; it must answer as walking the arranged list piece by
// piece and form by form would.
TEST(FindBestPiece, AnswersAsTheWalkOverTheArrangedListForEveryRoll)
{
    for (const char* strKey : {"ASMD.A", "A.P", "SD.N", "AM.P"}) {
        for (unsigned nSeed : {1u, 99u}) {
            const auto places =
                CBoardFile::LoadFile(std::string(ZORBLY_SOURCE_DIR) + "/data/" + strKey);
            ASSERT_TRUE(places.has_value()) << strKey;
            const auto key = CBoardKey::Parse(strKey);
            CBoardModel board;
            board.SetPlaces(*places);
            board.m_bAdd = key->ops.bAdd;
            board.m_bSubtract = key->ops.bSubtract;
            board.m_bMultiply = key->ops.bMultiply;
            board.m_bDivide = key->ops.bDivide;
            board.m_bPositiveOnly = key->PositiveOnly();
            CRandom::Seed(nSeed);
            board.RemoveRandomPieces(19);
            for (int a = 0; a <= 10; ++a)
                for (int b = 0; b <= 10; ++b)
                    for (int c = 0; c <= 10; ++c) {
                        int nListPos = -1, nIndex = -1;
                        const bool bFound = board.FindBestPiece(a, b, c, nListPos, nIndex);
                        int nWalkPos = -1, nWalkIndex = -1;
                        for (int p = 0; p < CBoardModel::nPlaces && nWalkIndex < 0; ++p) {
                            const int nPlace = board.ArrangedPlace(p);
                            if (nPlace == CBoardModel::nNoPlace)
                                continue;
                            const int k = board.Catalogue().FirstIndexOf(board.Piece(nPlace).m_nNumber);
                            if (k != 0) {
                                nWalkPos = p;
                                nWalkIndex = k;
                            }
                        }
                        ASSERT_EQ(bFound, nWalkIndex > 0) << strKey << " " << a << b << c;
                        if (bFound) {
                            ASSERT_EQ(nListPos, nWalkPos) << strKey << " " << a << b << c;
                            ASSERT_EQ(nIndex, nWalkIndex) << strKey << " " << a << b << c;
                        }
                    }
        }
    }
}

} // namespace
