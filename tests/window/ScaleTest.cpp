// The game window at other sizes: layout by zoom, crisp drawing at ratio 2, the focus ring,
// names for screen readers and names too long for their place.
#include "AppFixture.h"
#include "BoardWnd.h"
#include "BracketWnd.h"
#include "ElidedLabel.h"
#include "FocusRingStyle.h"
#include "Frames.h"
#include "OperatorButton.h"
#include "PieceButton.h"
#include "Resources.h"
#include "SelectPlayer.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QSettings>

namespace {

// With the full board, as the window opens before a game.
class Scale : public AppFixture {
protected:
    Scale() { QFile::copy(QStringLiteral(ZORBLY_SOURCE_DIR "/data/ASMD.A"), QStringLiteral("data/ASMD.A")); }
    ~Scale() override { QSettings("Zorbly", "Zorbly").clear(); }  // the next window opens at zoom 1
};

// Every control is the template's rectangle times the zoom, moved to the letterboxed origin.
void ExpectLaidOutAt(CGameDlg& dlg, double dZoom)
{
    const QPoint ptOrigin = dlg.GetDlgItem(1044)->geometry().topLeft();
    for (const ControlTemplate& ctl : GetDialogTemplate(102).controls) {
        const QRect rc = dlg.GetDlgItem(ctl.nId)->geometry().translated(-ptOrigin);
        EXPECT_NEAR(rc.left(), ctl.x * 2.25 * dZoom, 1) << ctl.nId;
        EXPECT_NEAR(rc.top(), (ctl.y - 106) * 2.5 * dZoom, 1) << ctl.nId;
        // The board grows to hold the pieces.
        EXPECT_NEAR(rc.width(), ctl.nId == 1014 ? rc.width() : ctl.cx * 2.25 * dZoom, 1) << ctl.nId;
        EXPECT_NEAR(rc.height(), ctl.nId == 1014 ? rc.height() : ctl.cy * 2.5 * dZoom, 1) << ctl.nId;
        EXPECT_EQ(dlg.IsDlgItemVisible(ctl.nId), !(ctl.nStyle & kHidden)) << ctl.nId;
    }
    const CBoardWnd& board = *dlg.Board();
    EXPECT_TRUE(dlg.rect().contains(board.geometry()));
    for (int p = 0; p < CBoardWnd::kPlaces; ++p)
        EXPECT_TRUE(board.rect().contains(board.Piece(p)->geometry())) << p;
    EXPECT_NEAR(board.Piece(8)->width(), 89 * dZoom, 1);
}

QImage RenderedAtRatio2(QWidget& widget, const QColor& under)
{
    QImage image(widget.size() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(under);
    widget.render(&image);
    return image;
}

// Shown and active, so that the focus is really there.
CGameDlg& Shown(CGameDlg& dlg)
{
    dlg.m_bFirstPaint = false;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    return dlg;
}

int CountPixels(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

// Catches controls, pieces or fonts that stay at their first size when the window is resized,
// and spare room that is not shared out evenly on both sides.
TEST_F(Scale, EveryControlFollowsTheWindowSize)
{
    CGameDlg& dlg = Shown(Window());
    for (QSize size : {QSize(800, 620), QSize(1400, 700)}) {
        dlg.resize(size);
        const int nMenu = dlg.findChild<QMenuBar*>()->height();
        EXPECT_NEAR(dlg.Zoom(), std::min(size.width() / 630.0, (size.height() - nMenu) / 425.0), 0.01);
        ExpectLaidOutAt(dlg, dlg.Zoom());
        EXPECT_NEAR(dlg.GetDlgItem(1044)->x(), (size.width() - 630 * dlg.Zoom()) / 2, 1);
        EXPECT_EQ(dlg.Board()->Piece(0)->font().pixelSize(), qRound(15 * dlg.Zoom()));
        const QImage panel = dlg.GetDlgItem(1044)->grab().toImage();  // under a caption band that grows too
        const int nBand = qRound(11 * dlg.Zoom()) * panel.devicePixelRatio();
        EXPECT_TRUE(panel.pixelColor(2, nBand + 1) == QColor(0, 153, 51) && panel.pixelColor(2, nBand - 2) != QColor(0, 153, 51));
    }
}

// Catches zoom keys that do nothing, and a zoom that is not kept for the next start.
TEST_F(Scale, ZoomKeysStepTheZoomWhichIsKept)
{
    CGameDlg& dlg = Window();
    // The menu's actions, which are also the window's.
    auto press = [&dlg](const QKeySequence& key) {
        for (QAction* pAction : dlg.actions())
            if (pAction->shortcuts().contains(key))
                pAction->trigger();
    };
    press(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    ExpectLaidOutAt(dlg, 1.25);
    EXPECT_EQ(QSettings("Zorbly", "Zorbly").value("View/Zoom").toDouble(), 1.25);
    press(QKeySequence(Qt::CTRL | Qt::Key_0));
    ExpectLaidOutAt(dlg, 1.0);
}

// Catches frames stroked with 1-pixel pens: at ratio 2 they cover half their pixels and let the
// margin colour (a piece) or the panel (an operator) show through as hairlines.
TEST_F(Scale, NothingShowsThroughAFaceAtRatio2)
{
    CGameDlg& dlg = Shown(Window());
    for (double dZoom : {1.0, 1.25}) {
        dlg.ZoomTo(dZoom);
        // Whatever shows through the piece shows in its margin colour.
        const QColor margin(255, 255, 128);
        dlg.Board()->Piece(3)->setFocus();
        EXPECT_EQ(CountPixels(RenderedAtRatio2(*dlg.Board()->Piece(3), margin), margin), 0) << dZoom;
        EXPECT_EQ(CountPixels(RenderedAtRatio2(*dlg.OperatorButton(1006), Qt::green), Qt::green), 0) << dZoom;
    }
}

// Catches a focus that shows as a thin black line on the black board: a white and a black band.
TEST_F(Scale, FocusedControlsWearTheRing)
{
    CGameDlg& dlg = Shown(Window());
    CFocusRingStyle style;
    dlg.GetDlgItem(1000)->setStyle(&style);
    for (QWidget* pControl : {dlg.GetDlgItem(1000), static_cast<QWidget*>(dlg.Board()->Piece(3))}) {
        pControl->setFocus();
        const QImage image = pControl->grab().toImage();
        const int nRatio = qRound(image.devicePixelRatio());
        EXPECT_EQ(image.pixelColor(image.width() / 2, nRatio), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() / 2, (FocusBand(1.0) + 1) * nRatio), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor((FocusBand(1.0) - 1) * nRatio, image.height() / 2), QColor(Qt::white));  // as wide at the side
    }
}

// Catches controls a screen reader would call by their "?" or not at all, and states it misses.
TEST_F(Scale, ControlsHaveNamesAndStatesForScreenReaders)
{
    CGameDlg& dlg = Window();
    dlg.SetDlgItemText(1032, "Ann");
    dlg.SetDlgItemText(1035, "7");
    dlg.SetDlgItemText(2002, "12");
    dlg.OperatorButton(1007)->ShowNextOperator();
    dlg.Board()->TakePiece(5, 1);
    dlg.Board()->HighlightValue(dlg.Board()->Piece(4)->m_nNumber);
    const struct {
        QWidget* pWidget;
        QString strName, strDescription;
    } expected[] = {
        {dlg.GetDlgItem(1000), "Number 1", "empty"},   {dlg.GetDlgItem(2002), "Slot 2", "12"},
        {dlg.OperatorButton(1006), "Operator 1", "plus"}, {dlg.OperatorButton(1007), "Operator 2", "minus"},
        {dlg.GetDlgItem(1044), "Scores", "Ann 0, Player Two 7"},
        {dlg.Board()->Piece(4), dlg.Board()->Piece(4)->text(), "marked"},
        {dlg.Board()->Piece(5), dlg.Board()->Piece(5)->text(), "taken"},
        {dlg.Board()->Piece(6), dlg.Board()->Piece(6)->text(), "free"},
        {dlg.Bracket(1011), "Opening bracket", "hidden"}, {dlg.Bracket(1005), "Closing bracket", "hidden"},
    };
    for (const auto& e : expected) {
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(e.pWidget);
        ASSERT_TRUE(pAccessible);
        EXPECT_EQ(pAccessible->text(QAccessible::Name), e.strName);
        EXPECT_EQ(pAccessible->text(QAccessible::Description), e.strDescription) << e.strName.toStdString();
    }
}

// Catches a long name running out of its panel or losing "'s turn"; the whole of it stays the
// label's text and its tooltip.
TEST_F(Scale, LongNamesAreCutWithTheirEndingKept)
{
    CGameDlg& dlg = Window();
    const QString strLong = QStringLiteral("Alexandra Konstantinopoulou-Papadimitriou");
    dlg.SetDlgItemText(1031, strLong + "'s turn");
    auto* pStatus = dlg.GetDlgItemAs<CElidedLabel>(1031);
    EXPECT_TRUE(pStatus->ShownText().endsWith(QStringLiteral("…'s turn")));
    EXPECT_EQ(pStatus->toolTip(), strLong + "'s turn");
    dlg.SetDlgItemText(1031, "Ann's turn");
    EXPECT_EQ(pStatus->ShownText(), "Ann's turn");
    EXPECT_EQ(pStatus->toolTip(), "");
}

// Catches a first start where typing a name does nothing.
TEST_F(Scale, PlayerSelectionOpensWithTheFocusInTheNameBox)
{
    CSelectPlayer dlg;
    dlg.Create();
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(CSelectPlayer::kNameId));
}
