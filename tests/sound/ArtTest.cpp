// The built-in bitmaps and icons: sizes, and glyphs the operator and bracket buttons can use.

#include "Resources.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Catches a bitmap redrawn at another size, a glyph that is not black ink on white (the buttons
// combine glyphs with their face by AND, so only black may show), and a copy where each picture
// of a set must tell the player something else.
TEST(BuiltInBitmaps, HaveTheirExactSizesAndGlyphsAreBlackInkOnWhite)
{
    const std::tuple<int, QSize, bool> cases[] = {  // id, size, glyph
        {130, {11, 56}, true}, {137, {9, 56}, true},   {141, {14, 14}, true}, {142, {14, 14}, true},
        {143, {14, 14}, true}, {144, {14, 14}, true}, {133, {89, 54}, false}, {134, {89, 54}, false},
        {135, {89, 54}, false},
    };
    QList<QImage> seen;
    for (const auto& [nId, size, bGlyph] : cases) {
        SCOPED_TRACE(nId);
        const QImage image = LoadBitmap(nId).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), size);
        EXPECT_FALSE(seen.contains(image));
        seen << image;
        if (!bGlyph)
            continue;
        int nInk = 0, nPaper = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                nInk += image.pixel(x, y) == qRgb(0, 0, 0);
                nPaper += image.pixel(x, y) == qRgb(255, 255, 255);
            }
        EXPECT_EQ(nInk + nPaper, image.width() * image.height()) << "pixels neither ink nor paper";
        EXPECT_GT(nInk, 0);
        EXPECT_GT(nPaper, nInk);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << "the corner must let the face through";
    }
}

// Catches an icon missing the size the window asks for, or the desktop's sizes not shipped.
TEST(Icons, AreThirtyTwoPixelsSquareAndComeInEverySizeTheDesktopAsksFor)
{
    for (int nId : {128, 135, 136})
        EXPECT_TRUE(LoadIcon(nId).availableSizes().contains(QSize(32, 32))) << nId;
    for (int nSize : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(QStringLiteral(ZORBLY_SOURCE_DIR "/resources/icons/128-%1.png").arg(nSize)).size(),
                  QSize(nSize, nSize));
}

} // namespace
