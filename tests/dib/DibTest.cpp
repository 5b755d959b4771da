// The bitmap functions on files another program wrote, and on broken and crafted ones.

#include "Dib.h"
#include "DibFixtures.h"

#include <QBuffer>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct FixtureCase {
    const char* szFile;
    int nHeaderSize, nBitCount, nWidth, nHeight;
    int nColors;  // entries of the colour table
};

const FixtureCase kFixtures[] = {
    {"bpp1.bmp", 40, 1, 5, 3, 2},      {"bpp4.bmp", 40, 4, 7, 3, 16},
    {"bpp8.bmp", 40, 8, 24, 3, 256},   {"core8.bmp", 12, 8, 24, 3, 256},
    {"bpp24.bmp", 40, 24, 6, 3, 0},    {"rle8.bmp", 40, 8, 24, 3, 256},
};

class DibFixtureTest : public ::testing::TestWithParam<FixtureCase> {};

// Catches misread header fields of either header kind, bit order, upside-down rows, padding,
// swapped channels, bad run-length decoding, and a palette built from the wrong bytes.
TEST_P(DibFixtureTest, HeaderPixelsAndPaletteMatchWhatImageMagickWrote)
{
    const FixtureCase& c = GetParam();
    QByteArray file = FixtureBytes(c.szFile);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const DibBlock block = ReadDibFile(buffer);
    ASSERT_FALSE(block.isEmpty());
    EXPECT_EQ(DibWidth(block), c.nWidth);
    EXPECT_EQ(DibHeight(block), c.nHeight);
    EXPECT_EQ(DibBitCount(block), c.nBitCount);
    EXPECT_EQ(DibColorCount(block), c.nColors);
    EXPECT_EQ(DibColorTableSize(block), c.nColors * (c.nHeaderSize == 12 ? 3 : 4));
    const int nFileBitsOffset = static_cast<uchar>(file[10]) | static_cast<uchar>(file[11]) << 8;
    EXPECT_EQ(DibBits(block), reinterpret_cast<const uchar*>(block.data()) + nFileBitsOffset - 14);

    const QImage expected = ImageMagickPixels(c.szFile);
    const QImage image = DibToImage(block);
    ASSERT_EQ(image.size(), expected.size());
    DibPalette palette{qRgb(1, 2, 3)};
    const bool bMade = MakeDibPalette(block, palette);
    EXPECT_EQ(bMade, c.nColors != 0);
    EXPECT_EQ(palette.size(), c.nColors);
    const QSet<QRgb> colours(palette.begin(), palette.end());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            EXPECT_EQ(image.pixel(x, y) | 0xFF000000u, expected.pixel(x, y)) << x << "," << y;
            EXPECT_TRUE(!bMade || colours.contains(expected.pixel(x, y))) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(ImageMagickFiles, DibFixtureTest, ::testing::ValuesIn(kFixtures),
                         [](const auto& paramInfo) {
                             return QString::fromLatin1(paramInfo.param.szFile).section('.', 0, 0).toStdString();
                         });

// Catches reading a file that is not a bitmap, or one cut short anywhere before its last pixel.
TEST(DibReadTest, NonBitmapsAndFilesCutShortAreRefused)
{
    const QByteArray good = FixtureBytes(QStringLiteral("bpp8.bmp"));
    QByteArray swapped = good;
    std::swap(swapped[0], swapped[1]);
    for (QByteArray bytes : {QByteArray("BM"), swapped, QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000")}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_TRUE(ReadDibFile(buffer).isEmpty()) << bytes.size();
    }
    for (const char* szFile : {"bpp1.bmp", "bpp4.bmp", "bpp8.bmp", "core8.bmp", "bpp24.bmp"}) {
        const QByteArray bytes = FixtureBytes(szFile);
        ASSERT_FALSE(ReadDibMemory(bytes).isEmpty()) << szFile;
        for (qsizetype nLength = 0; nLength < bytes.size(); ++nLength)
            EXPECT_TRUE(ReadDibMemory(bytes.left(nLength)).isEmpty()) << szFile << " " << nLength;
    }
}

void PutDword(QByteArray& block, int nOffset, quint32 nValue)
{
    for (int i = 0; i < 4; ++i)
        block[nOffset + i] = static_cast<char>((nValue >> (8 * i)) & 0xFF);
}

// Catches sizes and counts taken on trust from a crafted header (field offset, value): each is
// refused everywhere, and the accessors stay inside the block (see it under AddressSanitizer).
TEST(DibReadTest, HeaderClaimingMoreThanTheFileHoldsIsRefused)
{
    using Fields = std::vector<std::pair<int, quint32>>;
    const Fields cases[] = {
        {{4, 0x7FFFFFFF}}, {{8, 0x7FFFFFFF}}, {{8, 0x80000000u}}, {{4, 25}}, {{8, 4}},  // sizes
        {{32, 0xFFFFFFFFu}}, {{32, 257}},                                                 // colours used
        {{0, 0xFFFFFFFFu}}, {{0, 2000}}, {{0, 20}},                                       // header size
        {{4, 0}}, {{4, 0xFFFFFFFFu}}, {{8, 0}}, {{14, 7}}, {{14, 0}}, {{16, 3}}, {{16, 2}},
        {{16, 1}, {4, 40000}, {8, 30000}}, {{16, 1}, {8, static_cast<quint32>(-3)}},     // run-length
    };
    const QByteArray good = FixtureBlock(QStringLiteral("bpp8.bmp"));
    ASSERT_TRUE(IsValidDib(good));
    for (const Fields& fields : cases) {
        QByteArray block = good;
        for (const auto& [nOffset, nValue] : fields) {
            if (nOffset == 14)
                block[14] = static_cast<char>(nValue);  // bits per pixel is a word
            else
                PutDword(block, nOffset, nValue);
        }
        const int nCase = static_cast<int>(&fields - cases);
        EXPECT_FALSE(IsValidDib(block)) << nCase;
        EXPECT_TRUE(ReadDibMemory(QByteArray("BM012345678901") + block).isEmpty()) << nCase;
        DibPalette palette;
        EXPECT_FALSE(MakeDibPalette(block, palette)) << nCase;
        EXPECT_TRUE(DibToImage(block).isNull()) << nCase;
        if (const uchar* pBits = DibBits(block)) {
            EXPECT_LT(pBits, reinterpret_cast<const uchar*>(block.data()) + block.size()) << nCase;
        }
    }
    for (const QByteArray& shortBlock : {QByteArray(), QByteArray("\x28\0\0", 3), QByteArray("\x0c\0\0\0\x05\0", 6)}) {
        EXPECT_EQ(DibWidth(shortBlock) + DibHeight(shortBlock) + DibColorCount(shortBlock), 0);
        EXPECT_EQ(DibBits(shortBlock), nullptr);
    }
}

// Catches a negative height (rows stored top row first) painted upside down.
TEST(DibReadTest, TopDownRowsGiveTheSamePicture)
{
    const QByteArray bottomUp = FixtureBlock(QStringLiteral("bpp24.bmp"));
    QByteArray topDown = bottomUp;
    const qsizetype nBits = DibBitsOffset(bottomUp);
    const qsizetype nRow = DibRowSize(bottomUp);
    const int nRows = DibHeight(bottomUp);
    for (int y = 0; y < nRows; ++y)
        topDown.replace(nBits + y * nRow, nRow, bottomUp.mid(nBits + (nRows - 1 - y) * nRow, nRow));
    PutDword(topDown, 8, static_cast<quint32>(-nRows));
    ASSERT_TRUE(IsValidDib(topDown));
    EXPECT_EQ(DibHeight(topDown), nRows);
    EXPECT_EQ(DibToImage(topDown), DibToImage(bottomUp));
}

// Catches nibble order, literal-run padding, the move escape and writes outside the picture in
// the 4-bit run-length decoder (ImageMagick writes no such files, so the block is built here).
TEST(DibReadTest, RunLength4RowsDecodeRunsLiteralsAndMoves)
{
    QByteArray block = QByteArray::fromHex("28000000" "04000000" "03000000" "0100" "0400" "02000000")
        + QByteArray(20, '\0');
    for (int i = 0; i < 16; ++i)
        block += QByteArray(3, static_cast<char>(i * 17)) + '\0';
    block += QByteArray::fromHex("0412" "0000" "00033450" "0177" "0000"  // 1212 / 3457
                                 "00020201" "05ff" "0001");                 // move past the top
    const QImage image = DibToImage(block);
    ASSERT_EQ(image.size(), QSize(4, 3));
    const int expected[3][4] = {{0, 0, 0, 0}, {3, 4, 5, 7}, {1, 2, 1, 2}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.pixelIndex(x, y), expected[y][x]) << x << "," << y;
}

QImage Canvas(const QSize& size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// Catches a copy placed at the wrong spot or from the wrong rows, smoothing when stretching,
// and drawing from a broken block.
TEST(DrawDibTest, CopiesAndStretchesPixelsExactlyAndRefusesBrokenBlocks)
{
    const QImage expected = ImageMagickPixels(QStringLiteral("bpp4.bmp"));
    QImage canvas = Canvas(QSize(30, 10));
    QByteArray broken = FixtureBlock(QStringLiteral("bpp4.bmp"));
    broken.chop(1);
    {
        QPainter dc(&canvas);
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        const QByteArray block = FixtureBlock(QStringLiteral("bpp4.bmp"));
        ASSERT_TRUE(DrawDib(dc, QRect(1, 1, 5, 2), block, QRect(2, 1, 5, 2), nullptr));
        ASSERT_TRUE(DrawDib(dc, QRect(10, 0, 14, 6), block, QRect(0, 0, 7, 3), nullptr));
        EXPECT_FALSE(DrawDib(dc, QRect(0, 7, 4, 3), broken, QRect(0, 0, 4, 3), nullptr));
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(canvas.pixel(1 + x, 1 + y), expected.pixel(2 + x, 1 + y)) << x << "," << y;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 14; ++x)
            EXPECT_EQ(canvas.pixel(10 + x, y), expected.pixel(x / 2, y / 2)) << x << "," << y;
    for (const QPoint& pt : {QPoint(0, 1), QPoint(6, 1), QPoint(1, 3), QPoint(0, 9), QPoint(3, 7)})
        EXPECT_EQ(canvas.pixel(pt), qRgb(255, 255, 255)) << pt.x() << "," << pt.y();
}

// Catches painting indices with the bitmap's table when a palette is given.
TEST(DrawDibTest, IndexedPixelsTakeTheGivenPalette)
{
    const DibPalette palette{qRgb(10, 20, 30), qRgb(200, 100, 50)};
    QImage canvas = Canvas(QSize(5, 3));
    {
        QPainter dc(&canvas);
        ASSERT_TRUE(DrawDib(dc, QRect(0, 0, 5, 3), FixtureBlock(QStringLiteral("bpp1.bmp")), QRect(0, 0, 5, 3), &palette));
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_TRUE(palette.contains(canvas.pixel(x, y))) << x << "," << y;
    EXPECT_NE(canvas.pixel(0, 0), canvas.pixel(1, 0));
}

}  // namespace
