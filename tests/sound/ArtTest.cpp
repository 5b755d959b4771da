#include "Resources.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct PictureCase {
    int nId;
    int nWidth;
    int nHeight;
};

class BuiltInBitmap : public ::testing::TestWithParam<PictureCase> {};

TEST_P(BuiltInBitmap, HasItsExactSize)
{
    const QPixmap bitmap = LoadBitmap(GetParam().nId);
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.size(), QSize(GetParam().nWidth, GetParam().nHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, BuiltInBitmap,
    ::testing::Values(PictureCase{130, 11, 56}, PictureCase{137, 9, 56}, PictureCase{141, 14, 14},
                      PictureCase{142, 14, 14}, PictureCase{143, 14, 14}, PictureCase{144, 14, 14},
                      PictureCase{133, 89, 54}, PictureCase{134, 89, 54}, PictureCase{135, 89, 54}),
    [](const ::testing::TestParamInfo<PictureCase>& param) { return std::to_string(param.param.nId); });

// Glyphs are combined with the background by AND: black ink on white that lets the background through.
class Glyph : public ::testing::TestWithParam<int> {};

TEST_P(Glyph, LeavesTheBackgroundOrPaintsBlackWhenAnded)
{
    const QPixmap glyph = LoadBitmap(GetParam());
    ASSERT_FALSE(glyph.isNull());
    const QColor background(35, 211, 131);
    QImage canvas(glyph.size(), QImage::Format_RGB32);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawPixmap(0, 0, glyph);
    }
    int nInk = 0;
    int nBackground = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y) & 0xffffff;
            if (pixel == 0)
                ++nInk;
            else if (pixel == (background.rgb() & 0xffffff))
                ++nBackground;
            else
                ADD_FAILURE() << "pixel " << x << "," << y << " is neither ink nor background";
        }
    EXPECT_GT(nInk, 0);
    EXPECT_GT(nBackground, nInk);
    EXPECT_EQ(canvas.pixel(0, 0), background.rgb()) << "the corner must let the background through";
}

INSTANTIATE_TEST_SUITE_P(Glyphs, Glyph, ::testing::Values(130, 137, 141, 142, 143, 144));

TEST(Covers, AreThreeDifferentPictures)
{
    const QImage taken = LoadBitmap(133).toImage();
    EXPECT_NE(taken, LoadBitmap(134).toImage());
    EXPECT_NE(taken, LoadBitmap(135).toImage());
    EXPECT_NE(LoadBitmap(134).toImage(), LoadBitmap(135).toImage());
}

TEST(OperatorGlyphs, AreFourDifferentPictures)
{
    for (int nFirst = 141; nFirst <= 144; ++nFirst)
        for (int nSecond = nFirst + 1; nSecond <= 144; ++nSecond)
            EXPECT_NE(LoadBitmap(nFirst).toImage(), LoadBitmap(nSecond).toImage()) << nFirst << " " << nSecond;
}

TEST(BuiltInIcons, AreThirtyTwoPixelsSquare)
{
    for (int nId : {128, 135, 136}) {
        const QIcon icon = LoadIcon(nId);
        ASSERT_FALSE(icon.isNull()) << nId;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32))) << nId;
    }
}

TEST(LauncherIcons, ComeInEverySizeTheDesktopAsksFor)
{
    for (int nSize : {16, 32, 48, 64, 128, 256}) {
        const QImage image(QStringLiteral(ZORBLY_SOURCE_DIR "/resources/icons/128-%1.png").arg(nSize));
        EXPECT_EQ(image.size(), QSize(nSize, nSize)) << nSize;
    }
}

} // namespace
