#include "BoardTestSupport.h"
#include "Resources.h"

#include <QImage>

namespace {

const QColor kFace(35, 211, 131);

QImage GrabOperator(COperatorButton& button)
{
    button.resize(22, 25);
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(OperatorButton, StepsThroughItsListAndWrapsAroundAndSetOperatorLeavesThePosition)
{
    COperatorButton button;
    for (char c : {'+', '*', '/'})
        button.AddOperator(c);
    EXPECT_EQ(button.GetOperator(), '\0');
    button.ShowFirstOperator();
    QString strSteps(QChar::fromLatin1(button.GetOperator()));
    for (int i = 0; i < 4; ++i) {
        button.ShowNextOperator();
        strSteps += QChar::fromLatin1(button.GetOperator());
    }
    EXPECT_EQ(strSteps, QStringLiteral("+*/+*"));
    EXPECT_EQ(button.text(), QStringLiteral("*"));
    EXPECT_TRUE(button.SetOperator('+'));
    EXPECT_EQ(button.GetOperator(), '+');
    button.ShowNextOperator();
    EXPECT_EQ(button.GetOperator(), '/');
}

TEST(OperatorButton, EmptyListShowsNothingNew)
{
    COperatorButton button;
    button.SetOperator('*');
    button.ShowFirstOperator();
    button.ShowNextOperator();
    EXPECT_EQ(button.GetOperator(), '*');
    button.AddOperator('-');
    button.RemoveAllOperators();
    EXPECT_EQ(button.OperatorCount(), 0);
}

// The glyph is ANDed onto the face, centred: black strokes stay black, white leaves the face.
TEST(OperatorButton, GlyphIsCombinedWithTheFaceByAnd)
{
    for (char c : {'+', '-', '*', '/'}) {
        COperatorButton button;
        button.SetFaceColor(kFace);
        button.SetOperator(c);
        const QImage image = GrabOperator(button);
        const QImage glyph = LoadBitmap(COperatorButton::GlyphBitmapId(c)).toImage();
        ASSERT_EQ(glyph.size(), QSize(14, 14));
        const QPoint ptOrigin(22 / 2 - 7, 25 / 2 - 7);
        int nBlack = 0;
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                const QRgb rgbGlyph = glyph.pixel(x, y);
                const QRgb rgbFace = kFace.rgb();
                const QRgb rgbExpected = qRgb(qRed(rgbGlyph) & qRed(rgbFace),
                                              qGreen(rgbGlyph) & qGreen(rgbFace),
                                              qBlue(rgbGlyph) & qBlue(rgbFace));
                ASSERT_EQ(image.pixel(ptOrigin + QPoint(x, y)), rgbExpected) << c << ' ' << x << ',' << y;
                nBlack += image.pixel(ptOrigin + QPoint(x, y)) == qRgb(0, 0, 0);
            }
        }
        EXPECT_GT(nBlack, 0) << c;
    }
}

// No text is drawn: two operators differ only inside the glyph square.
TEST(OperatorButton, FaceOutsideTheGlyphIsTheSameForEveryOperator)
{
    COperatorButton plus, other;
    plus.SetFaceColor(kFace);
    other.SetFaceColor(kFace);
    plus.SetOperator('+');
    other.SetOperator('x');
    const QImage imagePlus = GrabOperator(plus);
    const QImage imageOther = GrabOperator(other);
    const QRect rcGlyph(22 / 2 - 7, 25 / 2 - 7, 14, 14);
    bool bDiffersInside = false;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 22; ++x) {
            if (rcGlyph.contains(x, y))
                bDiffersInside |= imagePlus.pixel(x, y) != imageOther.pixel(x, y);
            else
                ASSERT_EQ(imagePlus.pixel(x, y), imageOther.pixel(x, y)) << x << ',' << y;
        }
    }
    EXPECT_TRUE(bDiffersInside);
    // An unknown character draws the plain face.
    EXPECT_EQ(imageOther.pixelColor(11, 12), kFace);
}

