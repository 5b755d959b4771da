// The bitmap functions, the picture control and the about box, on bitmap files another program
// wrote (fixtures/make_fixtures.sh runs ImageMagick) and on broken and crafted ones.

#include "AboutDlg.h"
#include "Dib.h"
#include "DibStatic.h"
#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "ModalScript.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QScreen>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray FixtureBytes(const char* szName)
{
    QFile file(QStringLiteral(ZORBLY_SOURCE_DIR "/tests/dib/fixtures/") + QString::fromLatin1(szName));
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
    const std::pair<const char*, QList<int>> cases[] = {  // width, height, bits per pixel, colours, table bytes
        {"bpp1.bmp", {5, 3, 1, 2, 8}},         {"bpp4.bmp", {7, 3, 4, 16, 64}}, {"bpp8.bmp", {24, 3, 8, 256, 1024}},
        {"core8.bmp", {24, 3, 8, 256, 768}},   {"bpp24.bmp", {6, 3, 24, 0, 0}}, {"rle8.bmp", {24, 3, 8, 256, 1024}},
    };
    for (const auto& [szFile, header] : cases) {
        SCOPED_TRACE(szFile);
        const QByteArray file = FixtureBytes(szFile);
        const DibBlock block = Read(file);
        EXPECT_EQ(QList<int>({DibWidth(block), DibHeight(block), DibBitCount(block), DibColorCount(block),
                              DibColorTableSize(block)}), header);
        EXPECT_EQ(DibBits(block) - reinterpret_cast<const uchar*>(block.data()),
                  qsizetype(qFromLittleEndian<quint32>(file.data() + 10)) - 14);  // the file's own offset
        DibPalette palette{qRgb(1, 2, 3)};
        EXPECT_EQ(MakeDibPalette(block, palette), header[3] != 0);
        EXPECT_EQ(palette.size(), header[3]);
        const QImage expected = Rgb(QImage::fromData(file, "BMP"));
        EXPECT_EQ(Rgb(DibToImage(block)), expected);
        EXPECT_EQ(Rgb(DibToImage(block, header[3] ? &palette : nullptr)), expected);
    }
}

// Catches reading a file that is not a bitmap, or one cut short anywhere before its last pixel.
TEST(DibReadTest, NonBitmapsAndFilesCutShortAreRefused)
{
    EXPECT_TRUE(Read("MB" + FixtureBytes("bpp8.bmp").mid(2)).isEmpty());
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
    const qsizetype nBits = DibBitsOffset(bottomUp), nRow = DibRowSize(bottomUp);
    QByteArray topDown = bottomUp.left(nBits);
    for (int y = DibHeight(bottomUp) - 1; y >= 0; --y)
        topDown += bottomUp.mid(nBits + y * nRow, nRow);
    qToLittleEndian(-DibHeight(bottomUp), topDown.data() + 8);
    EXPECT_EQ(DibHeight(topDown), DibHeight(bottomUp));
    EXPECT_EQ(DibToImage(topDown), DibToImage(bottomUp));
}

// Catches nibble order, literal-run padding, the move escape and writes outside the picture in
// the 4-bit run-length decoder (ImageMagick writes no such files, so the block is built here).
TEST(DibReadTest, RunLength4RowsDecodeRunsLiteralsAndMoves)
{
    const QByteArray block = QByteArray::fromHex("28000000" "04000000" "03000000" "0100" "0400" "02000000")
        + QByteArray(20 + 16 * 4, '\0')                                    // the rest of the header, the colours
        + QByteArray::fromHex("0412" "0000" "00033450" "0177" "0000"  // 1212 / 3457
                              "00020201" "05ff" "0001");                 // move past the top
    const QImage image = DibToImage(block);
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.constBits()), 12),
              QByteArray::fromHex("00000000" "03040507" "01020102"));  // the pixel indices, top row first
}

// Catches a copy placed at the wrong spot or from the wrong rows, smoothing when stretching,
// drawing from a broken block, and indices painted with the bitmap's table when a palette is given.
TEST(DrawDibTest, CopiesAndStretchesPixelsExactlyInTheGivenPalette)
{
    const QImage expected = Rgb(QImage::fromData(FixtureBytes("bpp4.bmp"), "BMP"));
    const QByteArray block = FixtureBytes("bpp4.bmp").mid(14);
    const DibPalette palette{qRgb(10, 20, 30), qRgb(200, 100, 50)};
    QImage canvas(40, 10, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter dc(&canvas);
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        EXPECT_TRUE(DrawDib(dc, QRect(1, 1, 5, 2), block, QRect(2, 1, 5, 2), nullptr));
        EXPECT_TRUE(DrawDib(dc, QRect(10, 0, 14, 6), block, QRect(0, 0, 7, 3), nullptr));
        EXPECT_FALSE(DrawDib(dc, QRect(0, 7, 4, 3), block.chopped(1), QRect(0, 0, 4, 3), nullptr));
        EXPECT_TRUE(DrawDib(dc, QRect(25, 0, 5, 3), FixtureBytes("bpp1.bmp").mid(14), QRect(0, 0, 5, 3), &palette));
        EXPECT_TRUE(DrawDib(dc, QRect(31, 0, 7, 3), block, QRect(0, 0, 7, 3), &palette));
    }
    const QImage indices = QImage::fromData(FixtureBytes("bpp4.bmp"), "BMP");
    ASSERT_EQ(indices.format(), QImage::Format_Indexed8);
    for (int y = 0; y < 3; ++y)  // indices past the given palette paint black
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(canvas.pixel(31 + x, y), palette.value(indices.pixelIndex(x, y), qRgb(0, 0, 0))) << x << "," << y;
    EXPECT_EQ(canvas.copy(1, 1, 5, 2), expected.copy(2, 1, 5, 2));
    EXPECT_EQ(canvas.copy(10, 0, 14, 6), expected.scaled(14, 6));
    for (const QPoint& pt : {QPoint(0, 1), QPoint(6, 1), QPoint(1, 3), QPoint(0, 9), QPoint(3, 7)})
        EXPECT_EQ(canvas.pixel(pt), qRgb(255, 255, 255)) << pt.x() << "," << pt.y();
    EXPECT_EQ((DibPalette{canvas.pixel(25, 0), canvas.pixel(26, 0)}), palette);  // indices 0 and 1
}

// Runs the about box as the program does; what its platform, year and version texts show.
QStringList RunBox(CAboutDlg& dlg)
{
    CModalScript script;
    dlg.DoModal();
    return {dlg.GetDlgItemText(1000), dlg.GetDlgItemText(1002), dlg.GetDlgItemText(1047)};
}

// Catches about text lines read in the wrong order or taken from the defaults when missing; a
// missing or broken file or a missing path passed over in silence; a picture that is no bitmap,
// or has no palette, painted; the box going on (and reading its text) after its picture was not
// found; and a sound with sounds off or without a wave name.
TEST(AboutDlgTest, ShowsWhatItCouldReadAndReportsWhatIsMissingOrBroken)
{
    const QString kRead = QStringLiteral("Error reading DIB file.");
    const QString kPalette = QStringLiteral("Error creating palette from DIB.");
    const QStringList defaults{"Microsoft Windows", "1998", "1.0"};
    const QByteArray picture = FixtureBytes("bpp8.bmp");
    const struct {
        QByteArray picture;  // written to a file; null: there is none
        const char* szText;  // the about text file, the same
        bool bPaths;         // false: neither path is given
        bool bPainted;
        QStringList shown, reported;  // shown empty: the box is not to open; %1: the picture's path
    } cases[] = {
        {picture, "Linux\r\n2026\r\n2.5\r\n", true, true, {"Linux", "2026", "2.5"}, {}},
        {picture, "Linux\n", true, true, {"Linux", "", ""}, {}},
        {picture, nullptr, true, true, defaults, {"Missing about box data!\nPlease reinstall Cogwhistle."}},
        {picture, nullptr, false, false, defaults, {"No image path given!\nThis could only be caused by human error.",
                                                   "No data path given!\nThis could only be caused by human error."}},
        {QByteArray(), "Linux", true, false, {}, {"%1 was not found."}},
        {FixtureBytes("bpp24.bmp"), "", true, false, {"", "", ""}, {kPalette}},
        {picture.left(13), "", true, false, {"", "", ""}, {kRead, kPalette}},
        {QByteArray("GIF89a and more than fourteen"), "", true, false, {"", "", ""}, {kRead, kPalette}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const QString strImage = dir.filePath(QStringLiteral("%1.bmp").arg(&c - cases));
        const QString strData = dir.filePath(QStringLiteral("%1.dat").arg(&c - cases));
        QFile image(strImage), text(strData);
        ASSERT_TRUE(c.picture.isNull() || (image.open(QIODevice::WriteOnly) && image.write(c.picture) == c.picture.size()));
        ASSERT_TRUE(!c.szText || (text.open(QIODevice::WriteOnly) && text.write(c.szText) == qint64(qstrlen(c.szText))));
        image.close();
        text.close();
        CFakePrompts prompts;
        CFakeSoundPlayer sound;
        CAboutDlg dlg;
        dlg.m_strWave = c.szText ? QStringLiteral("data/zorb.wav") : QString();
        ASSERT_EQ(dlg.SetData(c.bPaths ? &strImage : nullptr, c.bPaths ? &strData : nullptr, !c.szText), !c.shown.isEmpty());
        EXPECT_EQ(prompts.Texts().replaceInStrings(strImage, QStringLiteral("%1")), c.reported);
        for (const auto& prompt : prompts.Prompts()) {
            EXPECT_EQ(prompt.m_strCaption, QStringLiteral("Zorbly"));
            EXPECT_EQ(prompt.m_icon, c.shown.isEmpty() ? PromptIcon::Error : PromptIcon::None);
        }
        EXPECT_EQ(c.shown.isEmpty() ? QStringList() : RunBox(dlg), c.shown);
        EXPECT_TRUE(sound.Calls().empty());
        QImage canvas(24, 3, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        dlg.Picture().render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(canvas.pixel(0, 0) != qRgb(255, 255, 255), c.bPainted);
    }
}

// Catches the shipped picture and text not reaching the box, the box opening behind the game, and
// its wave not starting as it opens: the picture fills control 1036 at its natural size, in the
// colours another reader sees in it (a picture without a palette would not be painted).
TEST(AboutDlgTest, ShippedBoxShowsItsPictureAndTextAndPlaysItsWaveAsItOpens)
{
    CFakePrompts prompts;
    CFakeSoundPlayer sound;
    CAboutDlg dlg;
    dlg.m_strWave = QStringLiteral("data/zorb.wav");
    const QString strPicture = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.bmp");
    const QString strText = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.dat");
    ASSERT_TRUE(dlg.SetData(&strPicture, &strText, true));
    dlg.Create();
    EXPECT_EQ(sound.Calls(), (std::vector<CFakeSoundPlayer::Call>{{QStringLiteral("data/zorb.wav"), false}}));
    EXPECT_EQ(RunBox(dlg), (QStringList{"Linux (Qt 6)", "2026", "1.0"}));
    EXPECT_TRUE(prompts.Texts().isEmpty());
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_LE((dlg.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength(), 2);

    QWidget* pControl = dlg.GetDlgItem(1036);
    ASSERT_EQ(pControl, &dlg.Picture());
    EXPECT_EQ(pControl->geometry(), QRect(dlg.DialogUnitsToPixels(QRect(1, 2, 159, 155)).topLeft(), QSize(299, 323)));
    EXPECT_TRUE(pControl->isVisibleTo(&dlg));
    EXPECT_EQ(Rgb(pControl->grab().toImage()), Rgb(QImage(strPicture)));
}

}  // namespace
