#include "BracketWnd.h"
#include "ColorButton.h"
#include "Frames.h"
#include "Palette.h"
#include "PieceButton.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kFace(10, 20, 30);

QImage GrabPiece(CColorButton& button)
{
    button.resize(89, 54);
    return button.grab().toImage();
}

QImage FocusFrame(bool bFocus)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    DrawFocusFrame(dc, 0, 0, 20, 10, bFocus, Qt::gray);
    return image;
}

}  // namespace

TEST(ColorButton, FaceIsFilledInsideTheDoubleBevel)
{
    CColorButton button;
    button.SetFaceColor(kFace);
    const QImage image = GrabPiece(button);
    const QColor shadow = button.palette().color(QPalette::Dark);
    const QColor highlight = button.palette().color(QPalette::Light);
    EXPECT_EQ(image.pixelColor(4, 4), kFace);
    EXPECT_EQ(image.pixelColor(84, 49), kFace);
    EXPECT_EQ(image.pixelColor(10, 45), kFace);
    // Two rings of bevel: light on the upper-left edges, shadow on the lower-right ones.
    for (int nInset : {2, 3}) {
        EXPECT_EQ(image.pixel(nInset, 20), highlight.rgb()) << nInset;
        EXPECT_EQ(image.pixel(20, nInset), highlight.rgb()) << nInset;
        EXPECT_EQ(image.pixel(88 - nInset, 20), shadow.rgb()) << nInset;
        EXPECT_EQ(image.pixel(20, 53 - nInset), shadow.rgb()) << nInset;
    }
}

TEST(ColorButton, FlatButtonHasNoBevel)
{
    CColorButton button;
    button.SetFaceColor(kFace);
    button.SetRaised(false);
    const QImage image = GrabPiece(button);
    EXPECT_EQ(image.pixelColor(2, 20), kFace);
    EXPECT_EQ(image.pixelColor(86, 20), kFace);
}

TEST(ColorButton, PanelNeverDrawsAButton)
{
    const QBrush brush(QColor(0, 153, 51));
    CColorButton button;
    button.SetFaceColor(kFace);
    button.SetBrush(&brush);
    const QImage image = GrabPiece(button);
    EXPECT_EQ(image.pixelColor(2, 30), brush.color());
    EXPECT_EQ(image.pixelColor(86, 30), brush.color());
    EXPECT_EQ(image.pixelColor(44, 40), brush.color());
    // The caption band at the top stays unpainted.
    EXPECT_NE(image.pixelColor(44, 5), brush.color());
}

TEST(ColorButton, ChangingTheFaceRepaintsWithTheNewColour)
{
    CColorButton button;
    button.SetFaceColor(kFace);
    GrabPiece(button);
    button.SetFaceColor(Qt::red);
    EXPECT_EQ(GrabPiece(button).pixelColor(10, 45), QColor(Qt::red));
}

TEST(FocusFrame, FocusedOutlineIsTwoPixelsAtTheEdge)
{
    const QImage image = FocusFrame(true);
    EXPECT_EQ(image.pixelColor(5, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(18, 5), QColor(Qt::black));
    // Corners are left out.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(5, 2), QColor(Qt::white));
}

TEST(FocusFrame, UnfocusedOutlineIsOnePixelOneInside)
{
    const QImage image = FocusFrame(false);
    EXPECT_EQ(image.pixelColor(5, 0), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(5, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(5, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(5, 9), QColor(Qt::gray));
}

// Switching focus repaints over the old outline: the face-coloured frame erases it.
TEST(FocusFrame, LosingTheFocusLeavesNoTrace)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    DrawFocusFrame(dc, 0, 0, 20, 10, true, Qt::gray);
    DrawFocusFrame(dc, 0, 0, 20, 10, false, Qt::gray);
    dc.end();
    EXPECT_EQ(image, FocusFrame(false).copy());
}

TEST(Draw3DFrame, LeavesOutTheEndPoints)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    Draw3DFrame(dc, 2, 2, 8, 8, Qt::black, Qt::red);
    dc.end();
    EXPECT_EQ(image.pixelColor(7, 2), QColor(Qt::black));  // lower-right starts at the top
    EXPECT_EQ(image.pixelColor(2, 7), QColor(Qt::black));  // and runs along the bottom
    EXPECT_EQ(image.pixelColor(1, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 6), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(6, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
}

TEST(PieceButton, ColourRequestFollowsTheEnabledState)
{
    const QBrush yellow(QColor(255, 255, 128)), red(Qt::red);
    CPieceButton piece(3012, 42, 7, &yellow, &red);
    EXPECT_EQ(piece.CtlColor(), &yellow);
    piece.setEnabled(false);
    EXPECT_EQ(piece.CtlColor(), &red);
    EXPECT_EQ(piece.m_nNumber, 42);
    EXPECT_EQ(piece.m_nSecond, 7);
    EXPECT_EQ(piece.m_nID, 3012);
}

TEST(BracketWnd, HiddenGlyphKeepsTheSeaGreenBackground)
{
    CBracketWnd bracket;
    bracket.resize(16, 60);
    ASSERT_TRUE(bracket.SetBitmap(130, &CPalette::Application()));
    const QColor seaGreen(35, 211, 131);
    const QImage hidden = bracket.grab().toImage();
    for (int y = 0; y < hidden.height(); y += 3)
        for (int x = 0; x < hidden.width(); ++x)
            ASSERT_EQ(hidden.pixelColor(x, y), seaGreen) << x << "," << y;
    bracket.ShowGlyph(true);
    const QImage shown = bracket.grab().toImage();
    int nBlack = 0, nGreen = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            nBlack += shown.pixelColor(x, y) == QColor(Qt::black);
            nGreen += shown.pixelColor(x, y) == seaGreen;
        }
    EXPECT_GT(nBlack, 20);
    EXPECT_GT(nGreen, nBlack);
}

TEST(BracketWnd, MissingBitmapIsReported)
{
    CBracketWnd bracket;
    EXPECT_FALSE(bracket.SetBitmap(9999, &CPalette::Application()));
}
