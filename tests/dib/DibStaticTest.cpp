// The picture control: what it holds, reports and paints for good, 24-bit, broken and missing
// files.

#include "DibFixtures.h"
#include "DibStatic.h"
#include "FakePrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage Painted(CDibStatic& control)
{
    QImage canvas(control.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    control.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    return canvas;
}

// Catches a picture painted stretched, offset, or with the wrong colours, and a report where
// nothing went wrong.
TEST(DibStaticTest, PalettePicturePaintsAtNaturalSizeAtTopLeft)
{
    CFakePrompts prompts;
    CDibStatic control;
    control.resize(30, 6);
    ASSERT_TRUE(control.LoadDib(FixturePath(QStringLiteral("bpp8.bmp"))));
    EXPECT_TRUE(prompts.Texts().isEmpty());
    EXPECT_EQ(control.Palette().size(), 256);
    const QImage painted = Painted(control);
    const QImage expected = ImageMagickPixels(QStringLiteral("bpp8.bmp"));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 30; ++x) {
            const QRgb want = expected.rect().contains(x, y) ? expected.pixel(x, y) : qRgb(255, 255, 255);
            EXPECT_EQ(painted.pixel(x, y), want) << x << "," << y;
        }
}

// Catches a file that is no bitmap taken for a picture, a truecolour picture painted without a
// palette, a missing report, and a previous picture kept.
TEST(DibStaticTest, UnpaintableFilesReportTheirErrorsAndLeaveTheControlBlank)
{
    const QString kRead = QStringLiteral("Error reading DIB file.");
    const QString kPalette = QStringLiteral("Error creating palette from DIB.");
    const QByteArray good = FixtureBytes(QStringLiteral("bpp8.bmp"));
    QByteArray crafted = good;
    crafted[14 + 4] = '\x7F';  // a width far past the pixels the file holds
    const std::pair<QByteArray, QStringList> cases[] = {
        {FixtureBytes(QStringLiteral("bpp24.bmp")), {kPalette}},
        {good.left(13), {kRead, kPalette}},
        {QByteArray("GIF89a and more than fourteen"), {kRead, kPalette}},
        {good.left(good.size() - 1), {kRead, kPalette}},
        {crafted, {kRead, kPalette}},
    };
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("picture.bmp"));
    for (const auto& [bytes, texts] : cases) {
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        CFakePrompts prompts;
        CDibStatic control;
        control.resize(10, 5);
        ASSERT_TRUE(control.LoadDib(FixturePath(QStringLiteral("bpp8.bmp"))));
        ASSERT_TRUE(control.LoadDib(strPath));
        EXPECT_EQ(prompts.Texts(), texts) << bytes.size();
        for (const auto& prompt : prompts.Prompts())
            EXPECT_EQ(prompt.m_strCaption, QStringLiteral("Zorbly"));
        EXPECT_FALSE(control.HasPalette());
        QImage blank(control.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        EXPECT_EQ(Painted(control), blank) << bytes.size();
    }
}

// Catches a missing file passed over in silence, and a caller not told to give up.
TEST(DibStaticTest, MissingFileReportsNotFoundWithItsPath)
{
    CFakePrompts prompts;
    CDibStatic control;
    EXPECT_FALSE(control.LoadDib(QStringLiteral("no/such/folder/zorb.bmp")));
    ASSERT_EQ(prompts.Prompts().size(), 1u);
    EXPECT_EQ(prompts.Prompts().front().m_strText, QStringLiteral("no/such/folder/zorb.bmp was not found."));
    EXPECT_EQ(prompts.Prompts().front().m_icon, PromptIcon::Error);
    EXPECT_FALSE(control.HasPicture());
}

// Catches a shipped start-up picture that is not what the about box needs: 8 bits per pixel with
// the 40-byte header and its own palette, the size of its control.
TEST(DibStaticTest, ShippedStartUpPictureIsAnEightBitPalettePicture)
{
    CFakePrompts prompts;
    CDibStatic control;
    ASSERT_TRUE(control.LoadDib(QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.bmp")));
    EXPECT_TRUE(prompts.Texts().isEmpty());
    const DibBlock& block = control.Dib();
    EXPECT_EQ(static_cast<uchar>(block[0]), 40);
    EXPECT_EQ(DibBitCount(block), 8);
    EXPECT_EQ(QSize(DibWidth(block), DibHeight(block)), QSize(299, 323));
    EXPECT_GT(control.Palette().size(), 16);
}

}  // namespace
