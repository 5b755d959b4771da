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
    int nHeaderSize;
    int nBitCount;
    int nWidth;
    int nHeight;
    int nColors;  // entries of the colour table
};

const FixtureCase kFixtures[] = {
    {"bpp1.bmp", 40, 1, 5, 3, 2},
    {"bpp4.bmp", 40, 4, 7, 3, 16},
    {"bpp8.bmp", 40, 8, 24, 3, 256},
    {"core8.bmp", 12, 8, 24, 3, 256},
    {"bpp24.bmp", 40, 24, 6, 3, 0},
    {"rle8.bmp", 40, 8, 24, 3, 256},
};

class DibFixtureTest : public ::testing::TestWithParam<FixtureCase> {};

DibBlock ReadFixtureThroughFile(const QString& strName)
{
    QByteArray bytes = FixtureBytes(strName);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadDibFile(buffer);
}

// Catches misread header fields of either header kind and a colour count taken from the wrong
// place.
TEST_P(DibFixtureTest, HeaderFieldsMatchWhatImageMagickWrote)
{
    const FixtureCase& c = GetParam();
    const DibBlock block = ReadFixtureThroughFile(c.szFile);
    ASSERT_FALSE(block.isEmpty());
    EXPECT_EQ(DibWidth(block), c.nWidth);
    EXPECT_EQ(DibHeight(block), c.nHeight);
    EXPECT_EQ(DibBitCount(block), c.nBitCount);
    EXPECT_EQ(DibColorCount(block), c.nColors);
    EXPECT_EQ(DibColorTableSize(block), c.nColors * (c.nHeaderSize == 12 ? 3 : 4));
    // The pixel rows start where the file header says they do.
    const QByteArray file = FixtureBytes(c.szFile);
    const int nFileBitsOffset = static_cast<uchar>(file[10]) | static_cast<uchar>(file[11]) << 8;
    EXPECT_EQ(DibBitsOffset(block) + 14, nFileBitsOffset);
    EXPECT_EQ(DibBits(block), reinterpret_cast<const uchar*>(block.data()) + nFileBitsOffset - 14);
}

// Catches wrong bit order within bytes, rows upside down, row padding ignored, colour channels
// swapped, and run-length rows decoded wrongly: every pixel must be what ImageMagick read.
TEST_P(DibFixtureTest, PixelsAreTheOnesImageMagickReads)
{
    const FixtureCase& c = GetParam();
    const QImage expected = ImageMagickPixels(c.szFile);
    ASSERT_FALSE(expected.isNull());
    const QImage image = DibToImage(ReadFixtureThroughFile(c.szFile));
    ASSERT_EQ(image.size(), expected.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(image.pixel(x, y) | 0xFF000000u, expected.pixel(x, y)) << x << "," << y;
}

// Catches a palette built from the wrong bytes (entry size, red/blue order) or of the wrong size.
TEST_P(DibFixtureTest, PaletteHoldsEveryColourOfThePicture)
{
    const FixtureCase& c = GetParam();
    const DibBlock block = ReadFixtureThroughFile(c.szFile);
    DibPalette palette{qRgb(1, 2, 3)};
    const bool bMade = MakeDibPalette(block, palette);
    if (c.nColors == 0) {
        EXPECT_FALSE(bMade);
        EXPECT_TRUE(palette.isEmpty());
        return;
    }
    ASSERT_TRUE(bMade);
    EXPECT_EQ(palette.size(), c.nColors);
    const QSet<QRgb> colours(palette.begin(), palette.end());
    const QImage expected = ImageMagickPixels(c.szFile);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            EXPECT_TRUE(colours.contains(expected.pixel(x, y))) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(ImageMagickFiles, DibFixtureTest, ::testing::ValuesIn(kFixtures),
                         [](const auto& paramInfo) {
                             return QString::fromLatin1(paramInfo.param.szFile).section('.', 0, 0).toStdString();
                         });

// Catches reading a file that is not a bitmap, or too short for its file header.
TEST(DibReadTest, FileWithoutBitmapSignatureOrFileHeaderReadsAsNothing)
{
    const QByteArray good = FixtureBytes(QStringLiteral("bpp8.bmp"));
    QByteArray swapped = good;
    swapped[0] = 'M';
    swapped[1] = 'B';
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("BM"),
        good.left(13),
        good.left(14),
        swapped,
        QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000000000"),
    };
    for (const QByteArray& bytes : cases) {
        EXPECT_TRUE(ReadDibMemory(bytes).isEmpty()) << bytes.size();
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_TRUE(ReadDibFile(buffer).isEmpty()) << bytes.size();
    }
}

// Catches trusting the header: a file cut short anywhere before its last pixel row must be
// refused rather than read past its end.
TEST(DibReadTest, FileCutShortAnywhereIsRefused)
{
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

void PutWord(QByteArray& block, int nOffset, quint16 nValue)
{
    block[nOffset] = static_cast<char>(nValue & 0xFF);
    block[nOffset + 1] = static_cast<char>(nValue >> 8);
}

struct CraftedCase {
    const char* szWhat;
    std::function<void(QByteArray&)> craft;
};

// Catches sizes and counts taken on trust from a crafted header: each claims more than the block
// holds, or a layout that cannot be painted. Every one is refused, and the accessors stay inside
// the block (run this under AddressSanitizer to see it).
TEST(DibReadTest, HeaderClaimingMoreThanTheFileHoldsIsRefused)
{
    const CraftedCase cases[] = {
        {"huge width", [](QByteArray& b) { PutDword(b, 4, 0x7FFFFFFF); }},
        {"huge height", [](QByteArray& b) { PutDword(b, 8, 0x7FFFFFFF); }},
        {"lowest height", [](QByteArray& b) { PutDword(b, 8, 0x80000000u); }},
        {"wider rows", [](QByteArray& b) { PutDword(b, 4, 25); }},
        {"one more row", [](QByteArray& b) { PutDword(b, 8, 4); }},
        {"huge colours used", [](QByteArray& b) { PutDword(b, 32, 0xFFFFFFFFu); }},
        {"257 colours used", [](QByteArray& b) { PutDword(b, 32, 257); }},
        {"huge header size", [](QByteArray& b) { PutDword(b, 0, 0xFFFFFFFFu); }},
        {"header size past the block", [](QByteArray& b) { PutDword(b, 0, 2000); }},
        {"header of no known kind", [](QByteArray& b) { PutDword(b, 0, 20); }},
        {"zero width", [](QByteArray& b) { PutDword(b, 4, 0); }},
        {"negative width", [](QByteArray& b) { PutDword(b, 4, 0xFFFFFFFFu); }},
        {"zero height", [](QByteArray& b) { PutDword(b, 8, 0); }},
        {"7 bits per pixel", [](QByteArray& b) { PutWord(b, 14, 7); }},
        {"0 bits per pixel", [](QByteArray& b) { PutWord(b, 14, 0); }},
        {"bit fields", [](QByteArray& b) { PutDword(b, 16, 3); }},
        {"run-length 4 bits on 8", [](QByteArray& b) { PutDword(b, 16, 2); }},
        {"run-length picture of a billion pixels", [](QByteArray& b) {
             PutDword(b, 16, 1);
             PutDword(b, 4, 40000);
             PutDword(b, 8, 30000);
         }},
        {"run-length top row first", [](QByteArray& b) {
             PutDword(b, 16, 1);
             PutDword(b, 8, static_cast<quint32>(-3));
         }},
    };
    const QByteArray good = FixtureBlock(QStringLiteral("bpp8.bmp"));
    ASSERT_TRUE(IsValidDib(good));
    for (const CraftedCase& c : cases) {
        QByteArray block = good;
        c.craft(block);
        EXPECT_FALSE(IsValidDib(block)) << c.szWhat;
        EXPECT_TRUE(ReadDibMemory(QByteArray("BM012345678901") + block).isEmpty()) << c.szWhat;
        DibPalette palette;
        EXPECT_FALSE(MakeDibPalette(block, palette)) << c.szWhat;
        EXPECT_TRUE(DibToImage(block).isNull()) << c.szWhat;
        const uchar* pBits = DibBits(block);
        if (pBits) {
            EXPECT_LT(pBits, reinterpret_cast<const uchar*>(block.data()) + block.size()) << c.szWhat;
        }
    }
}

// Catches the core header read with the Windows header's field widths.
TEST(DibReadTest, CoreHeaderCutInsideItsColourTableIsRefused)
{
    QByteArray block = FixtureBlock(QStringLiteral("core8.bmp"));
    block.truncate(12 + 3 * 255);
    EXPECT_FALSE(IsValidDib(block));
    DibPalette palette;
    EXPECT_FALSE(MakeDibPalette(block, palette));
    EXPECT_TRUE(palette.isEmpty());
}

// Catches the accessors reading past a block that holds less than a header.
TEST(DibReadTest, AccessorsOnBlocksTooShortForAHeaderGiveNothing)
{
    for (const QByteArray& block : {QByteArray(), QByteArray("\x28\0\0", 3), QByteArray("\x28\0\0\0", 4),
                                    QByteArray("\x0c\0\0\0\x05\0", 6)}) {
        EXPECT_EQ(DibWidth(block), 0);
        EXPECT_EQ(DibHeight(block), 0);
        EXPECT_EQ(DibColorCount(block), 0);
        EXPECT_EQ(DibColorTableSize(block), 0);
        EXPECT_EQ(DibBits(block), nullptr);
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
    EXPECT_TRUE(DibIsTopDown(topDown));
    EXPECT_EQ(DibHeight(topDown), nRows);
    EXPECT_EQ(DibToImage(topDown), DibToImage(bottomUp));
}

// A 4-bit run-length block, 4 x 3, with 16 grey levels, holding `data` as its rows.
QByteArray RunLength4Block(const QByteArray& data)
{
    QByteArray block(40, '\0');
    PutDword(block, 0, 40);
    PutDword(block, 4, 4);
    PutDword(block, 8, 3);
    PutWord(block, 12, 1);
    PutWord(block, 14, 4);
    PutDword(block, 16, 2);
    for (int i = 0; i < 16; ++i) {
        const char entry[4] = {static_cast<char>(i * 17), static_cast<char>(i * 17),
                               static_cast<char>(i * 17), 0};
        block.append(entry, 4);
    }
    return block + data;
}

QList<int> RowIndices(const QImage& image, int y)
{
    QList<int> indices;
    for (int x = 0; x < image.width(); ++x)
        indices << image.pixelIndex(x, y);
    return indices;
}

// Catches nibble order, literal-run padding, the move escape and writes outside the picture in
// the 4-bit run-length decoder (ImageMagick writes no such files, so the block is built here).
TEST(DibReadTest, RunLength4RowsDecodeRunsLiteralsAndMoves)
{
    const QByteArray data = QByteArray::fromHex(
        "0412"          // bottom row: run of 4 alternating 1, 2
        "0000"          // end of row
        "00033450"      // literal 3, 4, 5, padded to a whole word
        "0177"          // run of one 7
        "0000"
        "00020201"      // move 2 right, 1 up: past the top row
        "05ff"          // so this run lands nowhere
        "0001");
    const QImage image = DibToImage(RunLength4Block(data));
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(RowIndices(image, 2), (QList<int>{1, 2, 1, 2}));
    EXPECT_EQ(RowIndices(image, 1), (QList<int>{3, 4, 5, 7}));
    EXPECT_EQ(RowIndices(image, 0), (QList<int>{0, 0, 0, 0}));
}

// Catches the decoder running past the end of data that stops in the middle of a literal run.
TEST(DibReadTest, RunLengthDataEndingInsideALiteralStopsThere)
{
    const QImage image = DibToImage(RunLength4Block(QByteArray::fromHex("0008ff")));
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(RowIndices(image, 2), (QList<int>{15, 15, 0, 0}));
}

QImage Canvas(const QSize& size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// Catches a copy placed at the wrong spot or taken from the wrong rows of the picture.
TEST(DrawDibTest, EqualRectanglesCopyTheSourceToTheDestination)
{
    const QByteArray block = FixtureBlock(QStringLiteral("bpp8.bmp"));
    const QImage expected = ImageMagickPixels(QStringLiteral("bpp8.bmp"));
    QImage canvas = Canvas(QSize(40, 10));
    {
        QPainter dc(&canvas);
        ASSERT_TRUE(DrawDib(dc, QRect(5, 3, 10, 2), block, QRect(2, 1, 10, 2), nullptr));
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(canvas.pixel(5 + x, 3 + y), expected.pixel(2 + x, 1 + y)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(4, 3), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(15, 3), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(5, 5), qRgb(255, 255, 255));
}

// Catches smoothing when stretching: every pixel doubled keeps the picture's own colours.
TEST(DrawDibTest, StretchingRepeatsPixelsWithoutBlending)
{
    const QByteArray block = FixtureBlock(QStringLiteral("bpp4.bmp"));
    const QImage expected = ImageMagickPixels(QStringLiteral("bpp4.bmp"));
    QImage canvas = Canvas(QSize(14, 6));
    {
        QPainter dc(&canvas);
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        ASSERT_TRUE(DrawDib(dc, QRect(0, 0, 14, 6), block, QRect(0, 0, 7, 3), nullptr));
    }
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 14; ++x)
            EXPECT_EQ(canvas.pixel(x, y), expected.pixel(x / 2, y / 2)) << x << "," << y;
}

// Catches painting indices with the bitmap's table when a palette is given.
TEST(DrawDibTest, IndexedPixelsTakeTheGivenPalette)
{
    const QByteArray block = FixtureBlock(QStringLiteral("bpp1.bmp"));
    const DibPalette palette{qRgb(10, 20, 30), qRgb(200, 100, 50)};
    QImage canvas = Canvas(QSize(5, 3));
    {
        QPainter dc(&canvas);
        ASSERT_TRUE(DrawDib(dc, QRect(0, 0, 5, 3), block, QRect(0, 0, 5, 3), &palette));
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_TRUE(canvas.pixel(x, y) == palette[0] || canvas.pixel(x, y) == palette[1]);
    EXPECT_NE(canvas.pixel(0, 0), canvas.pixel(1, 0));
}

// Catches drawing from an empty or broken block.
TEST(DrawDibTest, NothingToDrawFails)
{
    QImage canvas = Canvas(QSize(4, 4));
    QPainter dc(&canvas);
    EXPECT_FALSE(DrawDib(dc, QRect(0, 0, 4, 4), DibBlock(), QRect(0, 0, 4, 4), nullptr));
    QByteArray broken = FixtureBlock(QStringLiteral("bpp8.bmp"));
    broken.chop(1);
    EXPECT_FALSE(DrawDib(dc, QRect(0, 0, 4, 4), broken, QRect(0, 0, 4, 4), nullptr));
    dc.end();
    EXPECT_EQ(canvas, Canvas(QSize(4, 4)));
}

}  // namespace
