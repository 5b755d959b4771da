// The board model: neighbour counts at corners and edges, the arranged order (gap closing and
// the exchange sort, which decide ties in the search), random removal at set-up and the
// best-piece search with its tie-breaks.
#include "BoardKey.h"
#include "BoardModel.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A full board of pieces numbered nNumber, every place taken but nKept (none taken when nKept is
// empty), playing with the operations of strKey; arranged.
CBoardModel Board(int nNumber = 500, std::vector<int> nKept = {}, const char* strKey = "ASMD.A")
{
    std::string strText;
    for (int i = 0; i < CBoardModel::nPlaces; ++i)
        strText += std::to_string(nNumber) + " ,    0\r\n";
    CBoardModel board;
    board.LoadBoardText(strText);
    for (int i = 0; i < CBoardModel::nPlaces && !nKept.empty(); ++i)
        if (std::find(nKept.begin(), nKept.end(), i) == nKept.end())
            board.TakePiece(i, 1);
    const auto key = CBoardKey::Parse(strKey);
    board.m_bAdd = key->ops.bAdd;
    board.m_bSubtract = key->ops.bSubtract;
    board.m_bMultiply = key->ops.bMultiply;
    board.m_bDivide = key->ops.bDivide;
    board.m_bPositiveOnly = key->PositiveOnly();
    board.Arrange();
    return board;
}

std::vector<int> ArrangedPlaces(const CBoardModel& board)
{
    std::vector<int> places;
    for (int p = 0; p < CBoardModel::nPlaces && board.ArrangedPlace(p) != CBoardModel::nNoPlace; ++p)
        places.push_back(board.ArrangedPlace(p));
    return places;
}

// Counting must neither wrap around a row's end nor reach off the board.
TEST(TakenNeighbours, AreCountedAtCornersEdgesAndInsideInOrderUpLeftToDownRight)
{
    const CBoardModel full = Board(500, {-1});
    struct { int nRow, nCol, nCount; } const kPlaces[] = {
        {0, 0, 3}, {0, 3, 5}, {1, 0, 5}, {4, 6, 3}, {3, 6, 5}, {4, 2, 5}, {3, 3, 8}, {5, 0, 0},
        {0, 7, 0}, {-1, 0, 0}, {0, -1, 0},
    };
    for (const auto& place : kPlaces)
        EXPECT_EQ(full.CountTakenNeighbours(place.nRow, place.nCol), place.nCount)
            << place.nRow << "," << place.nCol;
    const auto taken = Board(500, {17}).TakenNeighbours(3, 3);
    EXPECT_EQ(std::vector<int>(taken.nPlace.begin(), taken.nPlace.begin() + taken.nSize),
              (std::vector<int>{16, 18, 23, 25, 30, 31, 32}));
}

// More taken neighbours first; gap closing moves 34, 28, 17, 6 into the gaps after 0, and the
// halving-gap sort then leaves the equal counts 28 before 34, where a stable sort would not.
TEST(Arrange, PutsMoreTakenNeighboursFirstKeepingTheExchangeSortsOrderForTies)
{
    const CBoardModel board = Board(500, {0, 33, 34});
    EXPECT_EQ(board.Piece(0).m_nCount * 100 + board.Piece(33).m_nCount * 10 + board.Piece(34).m_nCount, 342);
    EXPECT_EQ(ArrangedPlaces(board), (std::vector<int>{33, 0, 34}));
    EXPECT_FALSE(board.IsBoardEmpty());
    EXPECT_EQ(ArrangedPlaces(Board(500, {0, 6, 17, 28, 34})), (std::vector<int>{17, 0, 28, 34, 6}));
    EXPECT_EQ(ArrangedPlaces(Board(500, {0, 6, 28, 34})), (std::vector<int>{0, 34, 28, 6}));
    std::vector<int> all(35);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(ArrangedPlaces(Board()), all);
    EXPECT_TRUE(Board(500, {-1}).IsBoardEmpty());
    EXPECT_TRUE(ArrangedPlaces(Board(500, {-1})).empty());
}

// Removal at set-up recounts what is left; asking for more than the board holds, or drawing
// empty places, must still end.
TEST(RemoveRandomPieces, CountsWhatIsLeftAndStopsWhenNothingIsLeft)
{
    CRandom::Seed(12345);
    CBoardModel board = Board();
    board.RemoveRandomPieces(25);
    EXPECT_EQ(ArrangedPlaces(board).size(), 10u);
    for (int p : ArrangedPlaces(board))
        EXPECT_EQ(board.Piece(p).m_nCount, board.CountTakenNeighbours(p / 7, p % 7)) << p;
    board.RemoveRandomPieces(40);
    EXPECT_TRUE(board.IsBoardEmpty());
    board.LoadBoardText("");
    board.RemoveRandomPieces(3);
    EXPECT_TRUE(board.IsBoardEmpty());
}

// A new board must not be searched through the old arranged list or catalogue.
TEST(LoadBoard, ForgetsTheArrangedListAndMarksEveryPlaceChanged)
{
    CBoardModel board = Board(7);
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

// The search looks values up in an index; it must answer as walking the arranged list piece by
// piece and form by form would.
TEST(FindBestPiece, AnswersAsTheWalkOverTheArrangedListForEveryRoll)
{
    for (const char* strKey : {"ASMD.A", "A.P", "SD.N", "AM.P"}) {
        for (unsigned nSeed : {1u, 99u}) {
            const auto places = CBoardFile::LoadFile(ZORBLY_SOURCE_DIR "/data/" + std::string(strKey));
            ASSERT_TRUE(places.has_value()) << strKey;
            CBoardModel board = Board(0, {}, strKey);
            board.SetPlaces(*places);
            CRandom::Seed(nSeed);
            board.RemoveRandomPieces(19);
            for (int nRoll = 0; nRoll < 1331; ++nRoll) {
                const int a = nRoll / 121, b = nRoll / 11 % 11, c = nRoll % 11;
                int nListPos = -1, nIndex = -1, nWalkPos = -1, nWalkIndex = 0;
                const bool bFound = board.FindBestPiece(a, b, c, nListPos, nIndex);
                for (int p = 0; p < CBoardModel::nPlaces && nWalkIndex == 0; ++p) {
                    const int nPlace = board.ArrangedPlace(p);
                    if (nPlace == CBoardModel::nNoPlace)
                        continue;
                    nWalkIndex = board.Catalogue().FirstIndexOf(board.Piece(nPlace).m_nNumber);
                    nWalkPos = p;
                }
                ASSERT_EQ(bFound, nWalkIndex > 0) << strKey << " " << a << b << c;
                if (bFound) {
                    ASSERT_EQ(std::make_pair(nListPos, nIndex), std::make_pair(nWalkPos, nWalkIndex))
                        << strKey << " " << a << b << c;
                }
            }
        }
    }
}

} // namespace
