#include "BoardTestSupport.h"
#include "FakeSoundPlayer.h"
#include "Random.h"
#include "Sound.h"

#include <QApplication>
#include <QImage>

namespace {

using BoardWnd = BoardWindow;

QColor FaceOf(CPieceButton& piece)
{
    return piece.grab().toImage().pixelColor(10, 45);
}

// Takes the pieces at the given places as though removed at set-up.
void TakePlaces(CBoardWnd& board, std::initializer_list<int> places)
{
    for (int p : places)
        board.TakePiece(p, 1);
}

}  // namespace

TEST_F(BoardWnd, OpeningLoadsTheFullBoardInPlaceOfControl1014)
{
    CGameDlg& dlg = Dlg();
    ASSERT_NE(dlg.Board(), nullptr);
    EXPECT_EQ(dlg.Board()->geometry(), dlg.GetDlgItem(1014)->geometry());
    for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
        CPieceButton* pPiece = Board().Piece(p);
        ASSERT_NE(pPiece, nullptr) << p;
        EXPECT_EQ(pPiece->m_nID, 3000 + p);
        EXPECT_EQ(pPiece->geometry(), QRect(1 + 89 * (p % 7), 1 + 54 * (p / 7), 89, 54)) << p;
        EXPECT_FALSE(pPiece->isHidden());
        EXPECT_EQ(pPiece->FaceColor(), Board().ButtonFaceColor());
        EXPECT_EQ(pPiece->m_bTaken, 0);
        EXPECT_FALSE(Board().IsCoverShown(p));
        EXPECT_EQ(Board().CoverBitmap(p), 133);
        EXPECT_NE(Board().ArrangedPiece(p), nullptr) << p;
    }
    EXPECT_FALSE(Board().m_bBoardEmpty);
    EXPECT_EQ(Board().m_brEnabled.color(), QColor(255, 255, 128));
    EXPECT_EQ(Board().m_brDisabled.color(), QColor(255, 0, 0));
    EXPECT_TRUE(Board().m_timer.isActive());
    EXPECT_EQ(Board().m_timer.interval(), 500);
    EXPECT_TRUE(dlg.m_timer.isActive());
    EXPECT_EQ(Board().Piece(0)->text(), QStringLiteral("13"));
    EXPECT_EQ(Board().Piece(0)->m_nNumber, 13);
    // Black around the pieces.
    const QImage image = Board().grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 100), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(300, 0), QColor(Qt::black));
}

TEST_F(BoardWnd, LinesAreParsedByTheirFirstCommaAndAMissingFileKeepsTheBoard)
{
    EXPECT_FALSE(Board().LoadBoard(QStringLiteral("XYZ.Q")));
    EXPECT_EQ(Board().Piece(0)->m_nNumber, 13);
    WriteBoardFile(QStringLiteral("T.A"), {QStringLiteral("12 ,5"), QStringLiteral("-7 ,3"),
                                           QStringLiteral("12,5"), QStringLiteral("no comma"),
                                           QStringLiteral("   40 ,  9   "), QString()});
    CBoardWnd& board = Board();
    ASSERT_TRUE(board.LoadBoard(QStringLiteral("T.A")));
    ASSERT_NE(board.Piece(0), nullptr);
    EXPECT_EQ(board.Piece(0)->text(), QStringLiteral("12"));
    EXPECT_EQ(board.Piece(0)->m_nNumber, 12);
    EXPECT_EQ(board.Piece(1)->m_nNumber, -7);
    EXPECT_EQ(board.Piece(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(board.Piece(3), nullptr);
    EXPECT_EQ(board.Piece(4)->m_nNumber, 40);
    for (int p = 5; p < CBoardWnd::kPlaces; ++p)
        EXPECT_EQ(board.Piece(p), nullptr) << p;
}

TEST_F(BoardWnd, LoadingAgainReplacesPiecesAndForgetsMarks)
{
    WriteNumberedBoard(QStringLiteral("T.A"));
    CBoardWnd& board = Board();
    board.HighlightValue(13);
    ASSERT_TRUE(board.m_bAnyMarked);
    TakePlaces(board, {5});
    ASSERT_TRUE(board.LoadBoard(QStringLiteral("T.A")));
    EXPECT_FALSE(board.m_bAnyMarked);
    EXPECT_TRUE(board.m_marked.isEmpty());
    EXPECT_EQ(board.Piece(5)->m_nNumber, 105);
    EXPECT_FALSE(board.IsCoverShown(5));
    EXPECT_EQ(board.findChildren<CPieceButton*>().size(), 35);
    board.OnTimer();  // no stale piece is touched
}

struct NeighbourCase {
    int nPlace;
    std::vector<int> taken;
    int nExpected;
};

class NeighbourCounts : public BoardWindow, public ::testing::WithParamInterface<NeighbourCase> {};

TEST_P(NeighbourCounts, CountsTakenPlacesAroundWithoutWrapping)
{
    CBoardWnd& board = Board();
    for (int p : GetParam().taken)
        board.TakePiece(p, 1);
    const int nPlace = GetParam().nPlace;
    EXPECT_EQ(board.CountTakenNeighbours(nPlace / 7, nPlace % 7, false, false), GetParam().nExpected);
    board.Arrange();
    EXPECT_EQ(board.Piece(nPlace)->m_nCount, GetParam().nExpected);
}

namespace {
std::vector<int> AllBut(int nPlace)
{
    std::vector<int> places;
    for (int p = 0; p < 35; ++p)
        if (p != nPlace)
            places.push_back(p);
    return places;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Table, NeighbourCounts,
    ::testing::Values(NeighbourCase{0, {1, 7, 8}, 3}, NeighbourCase{0, AllBut(0), 3},
                      NeighbourCase{3, AllBut(3), 5}, NeighbourCase{24, AllBut(24), 8},
                      NeighbourCase{34, AllBut(34), 3}, NeighbourCase{6, {0, 7, 5, 12, 13}, 3},
                      NeighbourCase{7, {6, 13, 14, 0}, 2}, NeighbourCase{16, {}, 0}));

// Pieces left at places 0 and 34 only: the one with more taken neighbours comes first.
TEST_F(BoardWnd, ArrangePutsTheMostSurroundedPieceFirst)
{
    QStringList lines;
    for (int p = 0; p < 35; ++p)
        lines << (p == 0 || p == 1 || p == 26 || p == 27 || p == 33 || p == 34
                      ? QStringLiteral("%1 ,0").arg(p + 1)
                      : QString());
    WriteBoardFile(QStringLiteral("T.A"), lines);
    CBoardWnd& board = Board();
    ASSERT_TRUE(board.LoadBoard(QStringLiteral("T.A")));
    TakePlaces(board, {1, 26, 27, 33});
    board.Arrange();
    ASSERT_NE(board.ArrangedPiece(0), nullptr);
    EXPECT_EQ(board.ArrangedPiece(0)->m_nID, 3034);
    EXPECT_EQ(board.ArrangedPiece(0)->m_nCount, 3);
    EXPECT_EQ(board.ArrangedPiece(1)->m_nID, 3000);
    EXPECT_EQ(board.ArrangedPiece(1)->m_nCount, 1);
    EXPECT_EQ(board.ArrangedPiece(2), nullptr);
    EXPECT_FALSE(board.m_bBoardEmpty);
    TakePlaces(board, {0, 34});
    board.Arrange();
    EXPECT_TRUE(board.m_bBoardEmpty);
    EXPECT_EQ(board.ArrangedPiece(0), nullptr);
}

// A piece taken by setting m_bTaken on the button counts as taken too.
TEST_F(BoardWnd, TakenFlagOnTheButtonCounts)
{
    CBoardWnd& board = Board();
    board.Piece(8)->m_bTaken = 2;
    EXPECT_EQ(board.CountTakenNeighbours(0, 0, false, false), 1);
    board.Arrange();
    EXPECT_EQ(board.Piece(0)->m_nCount, 1);
}

TEST_F(BoardWnd, QuickGameRemovesTwentyFiveDistinctPiecesShowingTheirCovers)
{
    for (unsigned nSeed : {1u, 7u, 12345u}) {
        CBoardWnd& board = Board();
        ASSERT_TRUE(board.LoadBoard(QStringLiteral("ASMD.A")));
        board.Arrange();
        CRandom::Seed(nSeed);
        board.RemoveRandomPieces(25);
        int nTaken = 0;
        for (int p = 0; p < 35; ++p) {
            CPieceButton& piece = *board.Piece(p);
            if (!piece.m_bTaken) {
                EXPECT_FALSE(piece.isHidden());
                EXPECT_FALSE(board.IsCoverShown(p));
                continue;
            }
            ++nTaken;
            EXPECT_EQ(piece.m_bTaken, 1);
            EXPECT_TRUE(piece.isHidden()) << p;
            EXPECT_FALSE(piece.isEnabled()) << p;
            EXPECT_TRUE(board.IsCoverShown(p)) << p;
            EXPECT_EQ(board.CoverBitmap(p), 133) << p;
        }
        EXPECT_EQ(nTaken, 25) << nSeed;
        // The ten left are arranged, most taken neighbours first.
        for (int nPos = 0; nPos < 10; ++nPos) {
            CPieceButton* pPiece = board.ArrangedPiece(nPos);
            ASSERT_NE(pPiece, nullptr) << nPos;
            const int p = pPiece->m_nID - 3000;
            EXPECT_EQ(pPiece->m_nCount, board.CountTakenNeighbours(p / 7, p % 7, false, false));
            if (nPos) {
                EXPECT_LE(pPiece->m_nCount, board.ArrangedPiece(nPos - 1)->m_nCount);
            }
        }
        EXPECT_EQ(board.ArrangedPiece(10), nullptr);
    }
}

TEST_F(BoardWnd, HighlightMarksOnlyPiecesStillOnTheBoard)
{
    WriteBoardFile(QStringLiteral("T.A"), [] {
        QStringList lines;
        for (int p = 0; p < 35; ++p)
            lines << QStringLiteral("%1 ,0").arg(p == 4 || p == 20 ? 7 : 50 + p);
        return lines;
    }());
    CBoardWnd& board = Board();
    ASSERT_TRUE(board.LoadBoard(QStringLiteral("T.A")));
    board.HighlightValue(7);
    EXPECT_EQ(Marked(), (std::set<int>{4, 20}));
    TakePlaces(board, {20});
    board.HighlightValue(7);
    EXPECT_EQ(Marked(), std::set<int>{4});
    EXPECT_TRUE(board.m_bAnyMarked);
    board.HighlightValue(8);
    EXPECT_TRUE(Marked().empty());
    EXPECT_FALSE(board.m_bAnyMarked);
}

TEST_F(BoardWnd, SelectPieceMarksOnePieceInTheChosenList)
{
    CBoardWnd& board = Board();
    board.HighlightValue(13);
    EXPECT_EQ(board.SelectPiece(9, false), board.Piece(9));
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(Marked(false), std::set<int>{9});
    EXPECT_TRUE(board.m_bAnyMarked);
    EXPECT_EQ(board.SelectPiece(10, true), board.Piece(10));
    EXPECT_EQ(Marked(), std::set<int>{10});
    EXPECT_TRUE(Marked(false).empty());
    EXPECT_EQ(board.SelectPiece(35, true), nullptr);
    EXPECT_FALSE(board.m_bAnyMarked);
}

// Every 500 ms a marked piece alternates between grey and the button face; the better-move piece
// between red and the button face.
TEST_F(BoardWnd, MarkedPiecesBlinkGreyAndTheBestPieceRed)
{
    CBoardWnd& board = Board();
    const QColor crFace = board.ButtonFaceColor();
    CPieceButton& grey = *board.SelectPiece(3, true);
    std::vector<QColor> seen;
    for (int i = 0; i < 3; ++i) {
        board.OnTimer();
        seen.push_back(FaceOf(grey));
    }
    EXPECT_EQ(seen, (std::vector<QColor>{QColor(128, 128, 128), crFace, QColor(128, 128, 128)}));

    CPieceButton& red = *board.SelectPiece(11, false);
    EXPECT_EQ(FaceOf(grey), crFace);  // the old mark is cleared
    seen.clear();
    for (int i = 0; i < 2; ++i) {
        board.OnTimer();
        seen.push_back(FaceOf(red));
    }
    EXPECT_EQ(seen, (std::vector<QColor>{QColor(255, 0, 0), crFace}));
    // Unmarked pieces never change.
    EXPECT_EQ(FaceOf(*board.Piece(12)), crFace);
    // Clearing the marks restores the face but keeps the phase.
    board.OnTimer();
    ASSERT_TRUE(red.m_bFlash);
    board.ClearSelection();
    EXPECT_EQ(red.FaceColor(), crFace);
    EXPECT_TRUE(red.m_bFlash);
    board.OnTimer();
    EXPECT_EQ(red.FaceColor(), crFace);
}

TEST_F(BoardWnd, BlinkStandsStillWhileASoundHolds)
{
    CBoardWnd& board = Board();
    CPieceButton& piece = *board.SelectPiece(3, true);
    {
        CSound::CHold hold;
        board.OnTimer();
    }
    EXPECT_FALSE(piece.m_bFlash);
    EXPECT_EQ(piece.FaceColor(), board.ButtonFaceColor());
    board.OnTimer();
    EXPECT_TRUE(piece.m_bFlash);
}

TEST_F(BoardWnd, ClickOnAPieceIsRoutedByItsPlace)
{
    CBoardWnd& board = Board();
    std::vector<int> clicked;
    QObject::connect(&board, &CBoardWnd::PieceClicked, [&](int nPlace) { clicked.push_back(nPlace); });
    board.Piece(5)->click();
    board.Piece(34)->click();
    EXPECT_EQ(clicked, (std::vector<int>{5, 34}));
    EXPECT_TRUE(board.OnCmdMsg(3000));
    EXPECT_FALSE(board.OnCmdMsg(2999));
    EXPECT_FALSE(board.OnCmdMsg(3035));
    EXPECT_EQ(clicked, (std::vector<int>{5, 34, 0}));
    // A taken piece is disabled and takes no click.
    board.TakePiece(5, 1);
    board.Piece(5)->click();
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(BoardWnd, TakingAPieceShowsItsCoverAndFlashesTheTakenNeighboursWithTheWarble)
{
    CFakeSoundPlayer sounds;
    CGameDlg& dlg = Dlg();
    CBoardWnd& board = Board();
    TakePlaces(board, {0, 2, 16});
    StartTurn(1, 2, 3);
    board.SelectPiece(20, true);
    // While each warble plays, neither timer may change anything.
    int nWaits = 0;
    sounds.SetDuringWait([&](const CFakeSoundPlayer::Call&) {
        ++nWaits;
        EXPECT_TRUE(CSound::IsHolding());
        board.OnTimer();
        dlg.OnTimer();
        EXPECT_FALSE(board.Piece(20)->m_bFlash);
        EXPECT_EQ(dlg.GetDlgItemText(2001), QString());
    });
    board.TakePiece(8, 1);
    EXPECT_EQ(board.CoverBitmap(8), 135);
    EXPECT_TRUE(board.IsCoverShown(8));
    EXPECT_TRUE(board.Piece(8)->isHidden());
    EXPECT_FALSE(board.Piece(8)->isEnabled());
    EXPECT_EQ(board.Piece(8)->m_bTaken, 1);

    EXPECT_EQ(board.FlashTakenNeighbours(8, true), 3);
    EXPECT_EQ(nWaits, 3);
    EXPECT_EQ(sounds.Calls(), (std::vector<CFakeSoundPlayer::Call>(
                                  3, CFakeSoundPlayer::Call{QStringLiteral("data/warble.wav"), true})));
    for (int p : {0, 2, 16})
        EXPECT_EQ(board.CoverBitmap(p), 134) << p;
    // Sounds off: the same flashing, silently.
    sounds.Clear();
    EXPECT_EQ(board.CountTakenNeighbours(1, 1, true, false), 3);
    EXPECT_TRUE(sounds.Calls().empty());
    // The next turn puts the plain cover back everywhere.
    board.ResetTakenCovers();
    for (int p : {0, 2, 8, 16})
        EXPECT_EQ(board.CoverBitmap(p), 133) << p;
}

TEST_F(BoardWnd, BestPieceSearchReadsTheArrangedList)
{
    CBoardWnd& board = Board();
    int nListPos = -5, nIndex = -5;
    ASSERT_TRUE(board.FindBestPiece(2, 3, 4, nListPos, nIndex));
    CPieceButton* pPiece = board.ArrangedPiece(nListPos);
    ASSERT_NE(pPiece, nullptr);
    EXPECT_EQ(board.FormValue(nIndex), pPiece->m_nNumber);
    EXPECT_EQ(board.FormValue(1), 9);
    // Only division with 7, 0, 3 reaches nothing but 0, which this board lacks.
    board.m_bAdd = board.m_bSubtract = board.m_bMultiply = false;
    for (int p = 0; p < 35; ++p)
        if (board.Piece(p)->m_nNumber == 0)
            board.TakePiece(p, 1);
    board.Arrange();
    EXPECT_FALSE(board.FindBestPiece(7, 0, 3, nListPos, nIndex));
}
