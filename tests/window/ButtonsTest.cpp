// Owner-drawn buttons and frames, the bracket windows, and the game's sounds.
#include "BracketWnd.h"
#include "ColorButton.h"
#include "Dialog.h"
#include "FakeSoundPlayer.h"
#include "Frames.h"
#include "GameSound.h"
#include "Palette.h"
#include "Resources.h"
#include "ScaledBitmap.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage GrabPiece(CColorButton& button)
{
    button.resize(89, 54);
    return button.grab().toImage();
}

// A 20 x 10 white picture with a frame drawn by fnDraw.
QImage Framed(const std::function<void(QPainter&)>& fnDraw)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    fnDraw(dc);
    dc.end();
    return image;
}

struct SoundCase {
    GameSound sound;
    const char* szPath;
    bool bWait;
    bool bPaced;
};

class GameSoundTable : public ::testing::TestWithParam<SoundCase> {};

}  // namespace

// The face fills the inside of a double bevel, light at the upper left and shadow at the lower
// right; a flat button has no bevel; a new face colour shows at the next paint.
TEST(ColorButton, FaceIsFilledInsideTheDoubleBevel)
{
    CColorButton button;
    button.SetFaceColor(QColor(10, 20, 30));
    QImage image = GrabPiece(button);
    for (QPoint pt : {QPoint(4, 4), QPoint(84, 49), QPoint(10, 45)})
        EXPECT_EQ(image.pixelColor(pt), QColor(10, 20, 30));
    for (int nInset : {2, 3}) {
        for (QPoint pt : {QPoint(nInset, 20), QPoint(20, nInset)})
            EXPECT_EQ(image.pixel(pt), button.palette().color(QPalette::Light).rgb()) << nInset;
        for (QPoint pt : {QPoint(88 - nInset, 20), QPoint(20, 53 - nInset)})
            EXPECT_EQ(image.pixel(pt), button.palette().color(QPalette::Dark).rgb()) << nInset;
    }
    button.SetRaised(false);
    button.SetFaceColor(Qt::red);
    image = GrabPiece(button);
    for (QPoint pt : {QPoint(2, 20), QPoint(86, 20), QPoint(10, 45)})
        EXPECT_EQ(image.pixelColor(pt), QColor(Qt::red));
}

// Catches an outline that stays one pixel wide when the pieces grow: at zoom 2 each of its
// pixels is two, the button colour at the edge and black inside it.
TEST(ColorButton, OutlinePixelsGrowWithTheZoom)
{
    CDialog::SetViewZoom(2.0);
    CDialog board(DialogTemplate{901, "Board", 100, 60, 8, 0, {}, {}});
    CDialog::SetViewZoom(1.0);
    auto* pButton = new CColorButton;
    pButton->setParent(&board);
    pButton->resize(178, 108);
    const QImage image = pButton->grab().toImage();
    const QColor face = pButton->palette().color(QPalette::Button);
    for (const QPoint& step : {QPoint(1, 0), QPoint(0, 1)}) {  // in from the left and from the top
        const QPoint start = step.x() ? QPoint(0, 50) : QPoint(80, 0);
        QList<QColor> seen;
        for (int i = 0; i < 4; ++i)
            seen << image.pixelColor(start + i * step);
        EXPECT_EQ(seen, (QList<QColor>{face, face, Qt::black, Qt::black}));
    }
}

// Focused: a two-pixel black outline at the edge without its corners. Unfocused: one pixel, one
// inside, and switching over leaves no trace of the focused one.
TEST(FocusFrame, OutlineFollowsTheFocus)
{
    const QImage focused = Framed([](QPainter& dc) { DrawFocusFrame(dc, 0, 0, 20, 10, true, Qt::gray); });
    const QImage unfocused = Framed([](QPainter& dc) { DrawFocusFrame(dc, 0, 0, 20, 10, false, Qt::gray); });
    const struct {
        const QImage& image;
        QPoint pt;
        Qt::GlobalColor colour;
    } pixels[] = {{focused, {5, 0}, Qt::black},   {focused, {5, 1}, Qt::black},   {focused, {0, 5}, Qt::black},
                  {focused, {18, 5}, Qt::black},  {focused, {0, 0}, Qt::gray},    {focused, {5, 2}, Qt::white},
                  {unfocused, {5, 0}, Qt::gray},  {unfocused, {5, 1}, Qt::black}, {unfocused, {1, 5}, Qt::black},
                  {unfocused, {1, 1}, Qt::gray},  {unfocused, {5, 8}, Qt::black}, {unfocused, {5, 9}, Qt::gray}};
    for (const auto& pixel : pixels)
        EXPECT_EQ(pixel.image.pixelColor(pixel.pt), QColor(pixel.colour)) << pixel.pt.x() << "," << pixel.pt.y();
    EXPECT_EQ(Framed([](QPainter& dc) {
                  DrawFocusFrame(dc, 0, 0, 20, 10, true, Qt::gray);
                  DrawFocusFrame(dc, 0, 0, 20, 10, false, Qt::gray);
              }),
              unfocused);
    // Drawn further right, the same frame moved.
    EXPECT_EQ(Framed([](QPainter& dc) { DrawFocusFrame(dc, 3, 0, 17, 10, false, Qt::gray); }),
              Framed([](QPainter& dc) { dc.translate(3, 0); DrawFocusFrame(dc, 0, 0, 14, 10, false, Qt::gray); }));
}

// Catches a picture handed on at its source size (the painter would stretch it, blurred) or
// smoothed at a whole multiple, where every source pixel must stay a sharp block.
TEST(ScaledBitmap, ComesAtTheDeviceSizeSharpAtWholeMultiples)
{
    const QPixmap glyph = LoadBitmap(141);
    QImage canvas(1, 1, QImage::Format_RGB32);
    QPainter dc(&canvas);
    EXPECT_EQ(ScaledBitmap(glyph, QSizeF(28, 28), dc).toImage().convertToFormat(QImage::Format_RGB32),
              glyph.toImage().scaled(28, 28).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ScaledBitmap(glyph, QSizeF(21, 21), dc).size(), QSize(21, 21));
}

TEST(Draw3DFrame, LeavesOutTheEndPoints)
{
    const QImage image = Framed([](QPainter& dc) { Draw3DFrame(dc, 2, 2, 8, 8, Qt::black, Qt::red); });
    EXPECT_EQ(image.pixelColor(7, 2), QColor(Qt::black));  // lower-right starts at the top
    EXPECT_EQ(image.pixelColor(2, 7), QColor(Qt::black));  // and runs along the bottom
    EXPECT_EQ(image.pixelColor(1, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 6), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(6, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
}

// Hidden, the bracket is all sea green; shown, its black glyph darkens the green.
TEST(BracketWnd, GlyphShowsOnTheSeaGreenBackground)
{
    CBracketWnd bracket;
    EXPECT_FALSE(bracket.SetBitmap(9999, &CPalette::Application()));
    bracket.resize(16, 60);
    ASSERT_TRUE(bracket.SetBitmap(130, &CPalette::Application()));
    for (bool bShown : {false, true}) {
        bracket.ShowGlyph(bShown);
        const QImage image = bracket.grab().toImage();
        int nBlack = 0, nGreen = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                nBlack += image.pixelColor(x, y) == QColor(Qt::black);
                nGreen += image.pixelColor(x, y) == QColor(35, 211, 131);
            }
        EXPECT_EQ(nGreen == 16 * 60, !bShown);
        EXPECT_EQ(nBlack > 20, bShown);
    }
}

// The sounds the game waits for pace the score count and the flashing; the others must not hold
// the game. With sounds off nothing plays, and with sounds off or no device the count and the
// flashing still take their clips' time, in silence.
TEST_P(GameSoundTable, PlaysItsFileWithItsFlagAndKeepsItsPaceUnheard)
{
    const SoundCase& c = GetParam();
    CFakeSoundPlayer player;
    PlayGameSound(c.sound, false);
    PlayGameSound(c.sound, true);
    player.SetHeard(false);
    PlayGameSound(c.sound, true);
    EXPECT_EQ(player.Calls(), (std::vector<CFakeSoundPlayer::Call>(2, {c.szPath, c.bWait})));
    EXPECT_EQ(player.Paced(), QStringList(c.bPaced ? 2 : 0, c.szPath));
    EXPECT_TRUE(QFile::exists(QStringLiteral(ZORBLY_SOURCE_DIR "/") + c.szPath));
}

INSTANTIATE_TEST_SUITE_P(Table, GameSoundTable,
                         ::testing::Values(SoundCase{GameSound::Shake, "data/shake2.wav", false, false},
                                           SoundCase{GameSound::Shoop, "data/shoop.wav", true, false},
                                           SoundCase{GameSound::No, "data/no.wav", false, false},
                                           SoundCase{GameSound::Warble, "data/warble.wav", true, true},
                                           SoundCase{GameSound::Up, "data/up.wav", true, true},
                                           SoundCase{GameSound::Down, "data/down.wav", true, true},
                                           SoundCase{GameSound::HumanWins, "data/humanw.wav", false, false},
                                           SoundCase{GameSound::ComputerWins, "data/compw.wav", false, false}));
