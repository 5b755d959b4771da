// The board window: its pieces and covers, the counts and arranged list it shows, marks that
// blink, taking a piece with its flashing neighbours; and the operator buttons' faces.
#include "BoardTestSupport.h"
#include "FakeSoundPlayer.h"
#include "Random.h"
#include "Resources.h"
#include "Sound.h"

#include <QImage>

using BoardWnd = BoardWindow;

const QString kFull(35, QLatin1Char('o'));

// Pieces 3000 + p placed 89 x 54 from (1, 1) in rows of 7 over covers of picture 133, on black;
// both timers running, the brackets hidden; the piece colours of enabled and disabled pieces.
TEST_F(BoardWnd, OpeningShowsTheFullBoardInPlaceOfControl1014)
{
    EXPECT_EQ(m_board.geometry(), m_dlg.GetDlgItem(1014)->geometry());
    EXPECT_EQ(Places(), kFull);
    for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
        CPieceButton* pPiece = m_board.Piece(p);
        EXPECT_EQ(pPiece->geometry(), QRect(1 + 89 * (p % 7), 1 + 54 * (p / 7), 89, 54)) << p;
        EXPECT_TRUE(pPiece->m_nID == 3000 + p && pPiece->FaceColor() == m_board.ButtonFaceColor()
                    && m_board.CoverBitmap(p) == 133 && m_board.ArrangedPiece(p)) << p;
    }
    EXPECT_EQ(m_board.Piece(0)->text() + QString::number(m_board.Piece(0)->m_nNumber), QStringLiteral("1313"));
    EXPECT_FALSE(m_board.m_bBoardEmpty);
    EXPECT_EQ(m_board.m_brEnabled.color(), QColor(255, 255, 128));
    EXPECT_EQ(m_board.m_brDisabled.color(), QColor(255, 0, 0));
    EXPECT_TRUE(m_board.m_timer.isActive() && m_dlg.m_timer.isActive());
    EXPECT_EQ(m_board.m_timer.interval(), 500);
    EXPECT_EQ(m_dlg.m_timer.interval(), 300);
    for (int nId : {1011, 1010, 1009, 1005})  // the brackets, hidden
        EXPECT_TRUE(!m_dlg.Bracket(nId)->IsGlyphVisible() && m_dlg.Bracket(nId)->BitmapId() == (nId > 1009 ? 130 : 137));
    const QImage image = m_board.grab().toImage();
    EXPECT_TRUE(image.pixelColor(0, 100) == Qt::black && image.pixelColor(300, 0) == Qt::black);
}

// A missing file keeps the board; loading again builds only the places with a piece and forgets
// marks that would name the old pieces.
TEST_F(BoardWnd, LoadingReplacesThePiecesAndForgetsTheMarks)
{
    EXPECT_FALSE(m_board.LoadBoard(QStringLiteral("XYZ.Q")));
    EXPECT_EQ(m_board.Piece(0)->m_nNumber, 13);
    m_board.HighlightValue(13);
    m_board.TakePiece(1, 1);
    LoadBoardLines({QStringLiteral("12 ,5"), QStringLiteral("-7 ,3"), QStringLiteral("no comma")});
    EXPECT_FALSE(m_board.m_bAnyMarked || !m_board.m_marked.isEmpty());
    EXPECT_EQ(m_board.Piece(0)->text() + QString::number(m_board.Piece(1)->m_nNumber), QStringLiteral("12-7"));
    EXPECT_EQ(Places(), QStringLiteral("oo") + QString(33, QLatin1Char(' ')));
    EXPECT_EQ(m_board.findChildren<CPieceButton*>().size(), 2);
    m_board.OnTimer();  // no stale piece is touched
}

// Taken flags set on the buttons count for the rules; Arrange hands each piece its count and
// lists the most surrounded first; set-up removal takes pieces under plain covers.
TEST_F(BoardWnd, ArrangeShowsCountsMostSurroundedFirstAndRemovalShowsCovers)
{
    QStringList lines;
    for (int p = 0; p < 35; ++p)
        lines << (p == 0 || p == 1 || p == 26 || p == 27 || p == 33 || p == 34 ? QStringLiteral("1 ,0") : QString());
    LoadBoardLines(lines);
    m_board.Piece(1)->m_bTaken = 2;
    for (int p : {26, 27, 33})
        m_board.TakePiece(p, 1);
    EXPECT_EQ(m_board.CountTakenNeighbours(0, 0, false, false), 1);
    EXPECT_EQ(m_board.FlashTakenNeighbours(0, false), 1);  // the corner place too
    m_board.Arrange();
    EXPECT_EQ(m_board.ArrangedPiece(0), m_board.Piece(34));
    EXPECT_EQ(m_board.ArrangedPiece(1), m_board.Piece(0));
    EXPECT_EQ(m_board.ArrangedPiece(2), nullptr);
    EXPECT_EQ(m_board.Piece(34)->m_nCount * 10 + m_board.Piece(0)->m_nCount, 31);
    EXPECT_FALSE(m_board.m_bBoardEmpty);
    m_board.TakePiece(0, 1);
    m_board.TakePiece(34, 1);
    m_board.Arrange();
    EXPECT_TRUE(m_board.m_bBoardEmpty);

    ASSERT_TRUE(m_board.LoadBoard(QStringLiteral("ASMD.A")));
    m_board.Piece(3)->m_bTaken = 2;  // player two's: the first place drawn is not removed again
    CRandom::Seed(1);  // row 0 column 3, row 0 column 5, row 2 column 3
    m_board.RemoveRandomPieces(2);
    EXPECT_EQ(Places(), QStringLiteral("ooooo3ooooooooooo3") + QString(17, QLatin1Char('o')));
    EXPECT_EQ(m_board.Piece(4)->m_nCount, 2);
    EXPECT_EQ(m_board.ArrangedPiece(0), m_board.Piece(11));  // beside places 3, 5 and 17
    m_board.Piece(0)->m_bTaken = 2;  // the first place's flag counts too
    EXPECT_EQ(m_board.CountTakenNeighbours(1, 0, false, false), 1);
    EXPECT_EQ(m_board.ArrangedPiece(33), nullptr);
}

// Highlighting marks only pieces still on the board; selecting marks one piece in one list.
TEST_F(BoardWnd, MarksNameThePiecesCarryingAValueOrTheOneSelected)
{
    QStringList lines;
    for (int p = 0; p < 35; ++p)
        lines << QStringLiteral("%1 ,0").arg(p == 4 || p == 20 ? 7 : 50 + p);
    LoadBoardLines(lines);
    m_board.HighlightValue(7);
    EXPECT_EQ(Marked(), (std::set<int>{4, 20}));
    m_board.TakePiece(20, 1);
    m_board.HighlightValue(7);
    EXPECT_EQ(Marked(), std::set<int>{4});
    EXPECT_TRUE(m_board.m_bAnyMarked);
    m_board.HighlightValue(8);
    EXPECT_FALSE(m_board.m_bAnyMarked || !Marked().empty());
    EXPECT_EQ(m_board.SelectPiece(9, false), m_board.Piece(9));
    EXPECT_TRUE(Marked(false) == std::set<int>{9} && m_board.m_bAnyMarked);
    EXPECT_EQ(m_board.SelectPiece(10, true), m_board.Piece(10));
    EXPECT_TRUE(Marked() == std::set<int>{10} && Marked(false).empty());
    EXPECT_EQ(m_board.SelectPiece(35, true), nullptr);
    EXPECT_FALSE(m_board.m_bAnyMarked);
}

// Every tick a marked piece alternates between grey and the button face, the better-move piece
// between red and the face; clearing restores the face but keeps the phase; a holding sound
// stops the blink.
TEST_F(BoardWnd, MarkedPiecesBlinkGreyAndTheBestPieceRed)
{
    const QColor crFace = m_board.ButtonFaceColor();
    auto face = [](CPieceButton* pPiece) { return pPiece->grab().toImage().pixelColor(10, 45); };
    CPieceButton* pGrey = m_board.SelectPiece(3, true);
    std::vector<QColor> seen;
    for (int i = 0; i < 3; ++i) {
        m_board.OnTimer();
        seen.push_back(face(pGrey));
    }
    EXPECT_EQ(seen, (std::vector<QColor>{QColor(128, 128, 128), crFace, QColor(128, 128, 128)}));
    CPieceButton* pRed = m_board.SelectPiece(11, false);
    m_board.OnTimer();
    EXPECT_EQ(face(pGrey), crFace);
    EXPECT_EQ(face(pRed), QColor(255, 0, 0));
    EXPECT_EQ(face(m_board.Piece(12)), crFace);
    {
        CSound::CHold hold;
        m_board.OnTimer();
    }
    m_board.ClearSelection();
    EXPECT_EQ(pRed->FaceColor(), crFace);
    EXPECT_TRUE(pRed->m_bFlash);
    m_board.OnTimer();
    EXPECT_EQ(pRed->FaceColor(), crFace);
}

// The piece taken shows cover 135, each taken neighbour cover 134 with a warble played to its
// end while neither timer changes anything; silently with sounds off; 133 again next turn. The
// window's search answers from its own arranged list.
TEST_F(BoardWnd, TakingAPieceFlashesTheTakenNeighboursWithTheWarble)
{
    CFakeSoundPlayer sounds;
    for (int p : {0, 2, 16})
        m_board.TakePiece(p, 1);
    StartTurn(1, 2, 3);
    m_board.SelectPiece(20, true);
    int nWaits = 0;
    sounds.SetDuringWait([&](const CFakeSoundPlayer::Call&) {
        ++nWaits;
        m_board.OnTimer();
        m_dlg.OnTimer();
        EXPECT_FALSE(m_board.Piece(20)->m_bFlash);
        EXPECT_EQ(m_dlg.GetDlgItemText(2001), QString());
    });
    m_board.TakePiece(8, 2);
    EXPECT_EQ(m_board.Piece(8)->m_bTaken, 2);
    EXPECT_EQ(m_board.FlashTakenNeighbours(8, true), 3);
    EXPECT_EQ(nWaits, 3);
    EXPECT_EQ(sounds.Files(), QStringList(3, QStringLiteral("data/warble.wav")));
    EXPECT_EQ(Places().left(17), QStringLiteral("4o4ooooo5ooooooo4"));
    sounds.Clear();
    EXPECT_EQ(m_board.CountTakenNeighbours(1, 1, true, false), 3);
    EXPECT_TRUE(sounds.Calls().empty());
    m_board.ResetTakenCovers();
    EXPECT_EQ(Places().left(17), QStringLiteral("3o3ooooo3ooooooo3"));

    int nListPos = -5, nIndex = -5;
    ASSERT_TRUE(m_board.FindBestPiece(2, 3, 4, nListPos, nIndex));
    EXPECT_EQ(m_board.FormValue(nIndex), m_board.ArrangedPiece(nListPos)->m_nNumber);
    EXPECT_EQ(m_board.FormValue(1), 9);
}

// The glyph is ANDed onto the face, centred: black strokes stay black, white leaves the face;
// no text is drawn, so outside the glyph every operator's face is the plain one.
TEST(OperatorButton, DrawsItsGlyphAndedOntoThePlainFace)
{
    const QColor crFace(35, 211, 131);
    const QRect rcGlyph(22 / 2 - 7, 25 / 2 - 7, 14, 14);
    auto grab = [&](char c) {
        COperatorButton button;
        button.SetFaceColor(crFace);
        button.SetOperator(c);
        button.resize(22, 25);
        return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage imagePlain = grab('x');
    EXPECT_EQ(imagePlain.pixelColor(11, 12), crFace);
    for (char c : {'+', '-', '*', '/'}) {
        const QImage image = grab(c);
        const QImage glyph = LoadBitmap(COperatorButton::GlyphBitmapId(c)).toImage();
        int nBlack = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 22; ++x) {
                const bool bIn = rcGlyph.contains(x, y);
                const QRgb g = bIn ? glyph.pixel(x - rcGlyph.x(), y - rcGlyph.y()) : qRgb(255, 255, 255);
                const QRgb f = bIn ? crFace.rgb() : imagePlain.pixel(x, y);
                ASSERT_EQ(image.pixel(x, y), qRgb(qRed(g) & qRed(f), qGreen(g) & qGreen(f), qBlue(g) & qBlue(f)))
                    << c << ' ' << x << ',' << y;
                nBlack += image.pixel(x, y) == qRgb(0, 0, 0);
            }
        }
        EXPECT_GT(nBlack, 0) << c;
    }
}
