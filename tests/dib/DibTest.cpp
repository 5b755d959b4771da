// The bitmap functions, the picture control and the about box, on bitmap files another program
// wrote (fixtures/make_fixtures.sh runs ImageMagick) and on broken and crafted ones.

#include "AboutDlg.h"
#include "Dib.h"
#include "DibStatic.h"
#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "ModalScript.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kShippedPicture = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.bmp");
const QString kShippedText = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.dat");

QString FixturePath(const char* szName)
{
    return QStringLiteral(ZORBLY_SOURCE_DIR "/tests/dib/fixtures/") + QString::fromLatin1(szName);
}

QByteArray FixtureBytes(const char* szName)
{
    QFile file(FixturePath(szName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Reads a whole bitmap file both ways the program can, from a file and from memory; the two agree.
DibBlock Read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const DibBlock block = ReadDibFile(buffer);
    EXPECT_EQ(block, ReadDibMemory(bytes)) << bytes.size();
    return block;
}

// Catches misread header fields of either header kind, bit order, upside-down rows, padding,
// swapped channels, bad run-length decoding, and a palette built from the wrong bytes: Qt's own
// bitmap reader must see the same pixels.
TEST(DibReadTest, HeaderPixelsAndPaletteMatchAnotherReader)
{
    const struct {
        const char* szFile;
        int nWidth, nHeight, nBitCount, nColors, nTableSize;
    } cases[] = {
        {"bpp1.bmp", 5, 3, 1, 2, 8},       {"bpp4.bmp", 7, 3, 4, 16, 64},  {"bpp8.bmp", 24, 3, 8, 256, 1024},
        {"core8.bmp", 24, 3, 8, 256, 768}, {"bpp24.bmp", 6, 3, 24, 0, 0},  {"rle8.bmp", 24, 3, 8, 256, 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szFile);
        const QByteArray file = FixtureBytes(c.szFile);
        const DibBlock block = Read(file);
        EXPECT_EQ(QList<int>({DibWidth(block), DibHeight(block), DibBitCount(block), DibColorCount(block),
                              DibColorTableSize(block)}),
                  QList<int>({c.nWidth, c.nHeight, c.nBitCount, c.nColors, c.nTableSize}));
        EXPECT_EQ(DibBits(block) - reinterpret_cast<const uchar*>(block.data()),
                  qsizetype(qFromLittleEndian<quint32>(file.data() + 10)) - 14);  // the file's own offset
        DibPalette palette{qRgb(1, 2, 3)};
        EXPECT_EQ(MakeDibPalette(block, palette), c.nColors != 0);
        EXPECT_EQ(palette.size(), c.nColors);
        const QImage expected = Rgb(QImage(FixturePath(c.szFile), "BMP"));
        EXPECT_EQ(Rgb(DibToImage(block)), expected);
        EXPECT_EQ(Rgb(DibToImage(block, c.nColors ? &palette : nullptr)), expected);
    }
}

// Catches reading a file that is not a bitmap, or one cut short anywhere before its last pixel.
TEST(DibReadTest, NonBitmapsAndFilesCutShortAreRefused)
{
    QByteArray swapped = FixtureBytes("bpp8.bmp");
    std::swap(swapped[0], swapped[1]);
    for (const QByteArray& bytes : {QByteArray("BM"), swapped, QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000")})
        EXPECT_TRUE(Read(bytes).isEmpty()) << bytes.size();
    for (const char* szFile : {"bpp1.bmp", "bpp4.bmp", "bpp8.bmp", "core8.bmp", "bpp24.bmp"}) {
        const QByteArray bytes = FixtureBytes(szFile);
        for (qsizetype nLength = 0; nLength < bytes.size(); ++nLength)
            EXPECT_TRUE(Read(bytes.left(nLength)).isEmpty()) << szFile << " " << nLength;
    }
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
    for (const Fields& fields : cases) {
        QByteArray block = FixtureBytes("bpp8.bmp").mid(14);
        for (const auto& [nOffset, nValue] : fields)
            qToLittleEndian(nValue, block.data() + nOffset);  // bits per pixel (14) is a word, then 0
        SCOPED_TRACE(&fields - cases);
        EXPECT_FALSE(IsValidDib(block));
        DibPalette palette;
        EXPECT_FALSE(MakeDibPalette(block, palette));
        EXPECT_TRUE(DibToImage(block).isNull());
        const uchar* pBits = DibBits(block);
        EXPECT_TRUE(!pBits || pBits < reinterpret_cast<const uchar*>(block.data()) + block.size());
    }
    for (const QByteArray& shortBlock : {QByteArray(), QByteArray("\x28\0\0", 3), QByteArray("\x0c\0\0\0\x05\0", 6)}) {
        EXPECT_EQ(DibWidth(shortBlock) + DibHeight(shortBlock) + DibColorCount(shortBlock), 0);
        EXPECT_EQ(DibBits(shortBlock), nullptr);
    }
}

// Catches a negative height (rows stored top row first) painted upside down.
TEST(DibReadTest, TopDownRowsGiveTheSamePicture)
{
    const QByteArray bottomUp = FixtureBytes("bpp24.bmp").mid(14);
    QByteArray topDown = bottomUp;
    const qsizetype nBits = DibBitsOffset(bottomUp), nRow = DibRowSize(bottomUp);
    const int nRows = DibHeight(bottomUp);
    for (int y = 0; y < nRows; ++y)
        topDown.replace(nBits + y * nRow, nRow, bottomUp.mid(nBits + (nRows - 1 - y) * nRow, nRow));
    qToLittleEndian(-nRows, topDown.data() + 8);
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

// Catches a copy placed at the wrong spot or from the wrong rows, smoothing when stretching,
// drawing from a broken block, and indices painted with the bitmap's table when a palette is given.
TEST(DrawDibTest, CopiesAndStretchesPixelsExactlyInTheGivenPalette)
{
    const QImage expected = Rgb(QImage(FixturePath("bpp4.bmp"), "BMP"));
    const QByteArray block = FixtureBytes("bpp4.bmp").mid(14);
    const DibPalette palette{qRgb(10, 20, 30), qRgb(200, 100, 50)};
    QImage canvas(30, 10, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter dc(&canvas);
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        EXPECT_TRUE(DrawDib(dc, QRect(1, 1, 5, 2), block, QRect(2, 1, 5, 2), nullptr));
        EXPECT_TRUE(DrawDib(dc, QRect(10, 0, 14, 6), block, QRect(0, 0, 7, 3), nullptr));
        EXPECT_FALSE(DrawDib(dc, QRect(0, 7, 4, 3), block.chopped(1), QRect(0, 0, 4, 3), nullptr));
        EXPECT_TRUE(DrawDib(dc, QRect(25, 0, 5, 3), FixtureBytes("bpp1.bmp").mid(14), QRect(0, 0, 5, 3), &palette));
    }
    EXPECT_EQ(canvas.copy(1, 1, 5, 2), expected.copy(2, 1, 5, 2));
    EXPECT_EQ(canvas.copy(10, 0, 14, 6), expected.scaled(14, 6));
    for (const QPoint& pt : {QPoint(0, 1), QPoint(6, 1), QPoint(1, 3), QPoint(0, 9), QPoint(3, 7)})
        EXPECT_EQ(canvas.pixel(pt), qRgb(255, 255, 255)) << pt.x() << "," << pt.y();
    EXPECT_EQ((DibPalette{canvas.pixel(25, 0), canvas.pixel(26, 0)}), palette);  // indices 0 and 1
}

// Catches a file that is no bitmap taken for a picture, a truecolour picture painted without a
// palette, a missing report, and a previous picture kept.
TEST(DibStaticTest, UnpaintableFilesReportTheirErrorsAndLeaveTheControlBlank)
{
    const QString kRead = QStringLiteral("Error reading DIB file.");
    const QString kPalette = QStringLiteral("Error creating palette from DIB.");
    const std::pair<QByteArray, QStringList> cases[] = {
        {FixtureBytes("bpp24.bmp"), {kPalette}},
        {FixtureBytes("bpp8.bmp").left(13), {kRead, kPalette}},
        {QByteArray("GIF89a and more than fourteen"), {kRead, kPalette}},
    };
    QTemporaryDir dir;
    for (const auto& [bytes, texts] : cases) {
        SCOPED_TRACE(bytes.size());
        QFile file(dir.filePath(QString::number(bytes.size())));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        CFakePrompts prompts;
        CDibStatic control, blank;
        ASSERT_TRUE(control.LoadDib(FixturePath("bpp8.bmp")) && control.LoadDib(file.fileName()));
        EXPECT_EQ(prompts.Texts(), texts);
        EXPECT_EQ(prompts.Last().m_strCaption, QStringLiteral("Zorbly"));
        EXPECT_FALSE(control.HasPalette());
        EXPECT_EQ(control.grab().toImage(), blank.grab().toImage());
    }
}

// Runs the about box as the program does; what its platform, year and version texts show.
QStringList RunBox(CAboutDlg& dlg)
{
    CModalScript script;
    dlg.DoModal();
    return {dlg.GetDlgItemText(CAboutDlg::kPlatformId), dlg.GetDlgItemText(CAboutDlg::kYearId),
            dlg.GetDlgItemText(CAboutDlg::kVersionId)};
}

// Catches about text lines read in the wrong order or taken from the defaults when missing, a
// missing file or path passed over in silence, the box going on (and reading its text) after its
// picture was not found, and a sound with sounds off or without a wave name.
TEST(AboutDlgTest, AboutTextFillsPlatformYearAndVersionAndWhatIsMissingIsReported)
{
    const QString strNoPicture = QStringLiteral("no/such/zorb.bmp");
    const QStringList defaults{"Microsoft Windows", "1998", "1.0"};
    const struct {
        const QString* pImage;  // nullptr: neither path is given
        const char* szText;     // the about text file; nullptr: there is none
        bool bOpens;
        QStringList shown, reported;
    } cases[] = {
        {&kShippedPicture, "Linux\r\n2026\r\n2.5\r\n", true, {"Linux", "2026", "2.5"}, {}},
        {&kShippedPicture, "Linux\n2026\n2.5", true, {"Linux", "2026", "2.5"}, {}},
        {&kShippedPicture, "Linux\r\n", true, {"Linux", "", ""}, {}},
        {&kShippedPicture, "", true, {"", "", ""}, {}},
        {&kShippedPicture, nullptr, true, defaults, {"Missing about box data!\nPlease reinstall Cogwhistle."}},
        {nullptr, nullptr, true, defaults, {"No image path given!\nThis could only be caused by human error.",
                                            "No data path given!\nThis could only be caused by human error."}},
        {&strNoPicture, "Linux\r\n", false, defaults, {"no/such/zorb.bmp was not found."}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        QFile file(dir.filePath(QString::number(&c - cases)));
        ASSERT_TRUE(!c.szText || (file.open(QIODevice::WriteOnly) && file.write(c.szText) == qint64(qstrlen(c.szText))));
        file.close();
        CFakePrompts prompts;
        CFakeSoundPlayer sound;
        CAboutDlg dlg;
        dlg.m_strWave = c.szText ? QStringLiteral("data/zorb.wav") : QString();
        const QString strData = file.fileName();
        ASSERT_EQ(dlg.SetData(c.pImage, c.pImage ? &strData : nullptr, !c.szText), c.bOpens);
        EXPECT_EQ(prompts.Texts(), c.reported);
        for (const auto& prompt : prompts.Prompts()) {
            EXPECT_EQ(prompt.m_strCaption, QStringLiteral("Zorbly"));
            EXPECT_EQ(prompt.m_icon, c.bOpens ? PromptIcon::None : PromptIcon::Error);
        }
        const QStringList kept{dlg.m_strPlatform, dlg.m_strYearText, dlg.m_strVersion};
        EXPECT_EQ(c.bOpens ? RunBox(dlg) : kept, c.shown);
        EXPECT_TRUE(sound.Calls().empty());
    }
}

// Catches the shipped picture and text not reaching the box, the box opening behind the game, and
// its wave not starting as it opens: an 8-bit picture with its own palette fills control 1036 at
// its natural size, in the colours another reader sees in it.
TEST(AboutDlgTest, ShippedBoxShowsItsPictureAndTextAndPlaysItsWaveAsItOpens)
{
    CFakePrompts prompts;
    CFakeSoundPlayer sound;
    CAboutDlg dlg;
    dlg.m_strWave = QStringLiteral("data/zorb.wav");
    ASSERT_TRUE(dlg.SetData(&kShippedPicture, &kShippedText, true));
    dlg.Create();
    const std::vector<CFakeSoundPlayer::Call> played{{QStringLiteral("data/zorb.wav"), false}};
    EXPECT_EQ(sound.Calls(), played);
    EXPECT_EQ(RunBox(dlg), (QStringList{"Linux (Qt 6)", "2026", "1.0"}));
    EXPECT_EQ(sound.Calls(), played);
    EXPECT_TRUE(prompts.Texts().isEmpty());
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);

    QWidget* pControl = dlg.GetDlgItem(CAboutDlg::kPictureId);
    ASSERT_EQ(pControl, &dlg.Picture());
    EXPECT_EQ(static_cast<uchar>(dlg.Picture().Dib()[0]), 40);
    EXPECT_EQ(DibBitCount(dlg.Picture().Dib()), 8);
    EXPECT_GT(dlg.Picture().Palette().size(), 16);
    EXPECT_EQ(pControl->geometry(), QRect(dlg.DialogUnitsToPixels(QRect(1, 2, 159, 155)).topLeft(), QSize(299, 323)));
    EXPECT_EQ(Rgb(pControl->grab().toImage()), Rgb(QImage(kShippedPicture)));
}

}  // namespace
