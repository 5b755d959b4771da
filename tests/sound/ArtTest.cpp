#include "Resources.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct PictureCase {
    int nId;
    QSize size;
    bool bGlyph;  // combined with the background by AND: black ink on white lets it through
};

class BuiltInBitmap : public ::testing::TestWithParam<PictureCase> {};

TEST_P(BuiltInBitmap, HasItsExactSizeAndGlyphsAreBlackInkOnWhite)
{
    const QPixmap bitmap = LoadBitmap(GetParam().nId);
    ASSERT_EQ(bitmap.size(), GetParam().size);
    if (!GetParam().bGlyph)
        return;
    const QColor background(35, 211, 131);
    QImage canvas(bitmap.size(), QImage::Format_RGB32);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawPixmap(0, 0, bitmap);
    }
    int nInk = 0;
    int nBackground = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            nInk += pixel == qRgb(0, 0, 0);
            nBackground += pixel == background.rgb();
        }
    EXPECT_EQ(nInk + nBackground, canvas.width() * canvas.height()) << "pixels neither ink nor background";
    EXPECT_GT(nInk, 0);
    EXPECT_GT(nBackground, nInk);
    EXPECT_EQ(canvas.pixel(0, 0), background.rgb()) << "the corner must let the background through";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, BuiltInBitmap,
    ::testing::Values(PictureCase{130, {11, 56}, true}, PictureCase{137, {9, 56}, true},
                      PictureCase{141, {14, 14}, true}, PictureCase{142, {14, 14}, true},
                      PictureCase{143, {14, 14}, true}, PictureCase{144, {14, 14}, true},
                      PictureCase{133, {89, 54}, false}, PictureCase{134, {89, 54}, false},
                      PictureCase{135, {89, 54}, false}),
    [](const ::testing::TestParamInfo<PictureCase>& param) { return std::to_string(param.param.nId); });

// Covers and operator glyphs each tell the player something: none may be another's copy.
TEST(Pictures, InEachSetAreAllDifferent)
{
    for (const std::vector<int>& set : {std::vector<int>{133, 134, 135}, std::vector<int>{141, 142, 143, 144}})
        for (size_t i = 0; i < set.size(); ++i)
            for (size_t j = i + 1; j < set.size(); ++j)
                EXPECT_NE(LoadBitmap(set[i]).toImage(), LoadBitmap(set[j]).toImage()) << set[i] << " " << set[j];
}

TEST(Icons, AreThirtyTwoPixelsSquareAndComeInEverySizeTheDesktopAsksFor)
{
    for (int nId : {128, 135, 136})
        EXPECT_TRUE(LoadIcon(nId).availableSizes().contains(QSize(32, 32))) << nId;
    for (int nSize : {16, 32, 48, 64, 128, 256}) {
        const QImage image(QStringLiteral(ZORBLY_SOURCE_DIR "/resources/icons/128-%1.png").arg(nSize));
        EXPECT_EQ(image.size(), QSize(nSize, nSize)) << nSize;
    }
}

} // namespace
