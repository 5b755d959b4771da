#include "GameDlg.h"

#include "BoardWnd.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <cmath>

namespace {

const QString kZoomKey = QStringLiteral("View/Zoom");

QSettings UserSettings()
{
    return QSettings(QStringLiteral("Zorbly"), QStringLiteral("Zorbly"));
}

}  // namespace

void CGameDlg::SetUpZoom()
{
    SetResizable(WindowSizeAt(1.0));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    AddViewMenu();
    const double dSaved = UserSettings().value(kZoomKey, 0.0).toDouble();
    ZoomTo(dSaved > 0 ? dSaved : StartZoom());
}

void CGameDlg::AddViewMenu()
{
    if (!MenuBar())
        return;
    QMenu* pView = new QMenu(QStringLiteral("&View"), MenuBar());
    MenuBar()->insertMenu(MenuBar()->actions().value(MenuBar()->actions().size() - 1), pView);
    QAction* pIn = pView->addAction(QStringLiteral("Zoom &In"), this, &CGameDlg::ZoomIn);
    pIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* pOut = pView->addAction(QStringLiteral("Zoom &Out"), this, &CGameDlg::ZoomOut);
    pOut->setShortcuts(QKeySequence::ZoomOut);
    QAction* pNormal = pView->addAction(QStringLiteral("&Normal Size"), this, [this] { ZoomTo(1.0); });
    pNormal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction* pAction : pView->actions())
        addAction(pAction);  // the keys work while the menu is closed
    pView->setFont(font());
}

QSize CGameDlg::WindowSizeAt(double dZoom)
{
    ApplyZoom(dZoom);
    const QRect rc = DialogUnitsToPixels(QRect(0, 0, Template().cx, Template().cy));
    return {rc.width(), rc.height() + MenuHeight()};
}

double CGameDlg::MaxZoomOnScreen() const
{
    const QScreen* pScreen = ScreenOf(this);
    if (!pScreen)
        return 1.0;
    const QSize available = pScreen->availableGeometry().size();
    const QSizeF size = TemplateSize();
    // The menu takes about a tenth of the template's height.
    return std::clamp(std::min(available.width() / size.width(), available.height() / (size.height() * 1.1)),
                      1.0, kMaxZoom);
}

double CGameDlg::StartZoom() const
{
    const QScreen* pScreen = ScreenOf(this);
    if (!pScreen)
        return 1.0;
    // A whole number of zoom steps, as the zoom keys reach.
    const double dHeight = TemplateSize().height() * 1.05;
    const double dZoom = std::floor(pScreen->availableGeometry().height() * 2.0 / 3.0 / dHeight / kZoomStep) * kZoomStep;
    return std::clamp(dZoom, 1.0, MaxZoomOnScreen());
}

void CGameDlg::ZoomTo(double dZoom)
{
    dZoom = std::clamp(dZoom, 1.0, MaxZoomOnScreen());
    if (isMaximized() || isFullScreen())
        showNormal();
    const QPoint ptCentre = frameGeometry().center();
    resize(WindowSizeAt(dZoom));
    FitToClientArea();
    if (isVisible())
        KeepOnScreen(ptCentre);
    UserSettings().setValue(kZoomKey, Zoom());
}

// The window grows or shrinks about its centre, and stays wholly on its screen.
void CGameDlg::KeepOnScreen(QPoint ptCentre)
{
    const QScreen* pScreen = ScreenOf(this);
    if (!pScreen)
        return;
    const QRect rcAvailable = pScreen->availableGeometry();
    QRect rc = frameGeometry();
    rc.moveCenter(ptCentre);
    rc.moveLeft(std::clamp(rc.left(), rcAvailable.left(), std::max(rcAvailable.left(), rcAvailable.right() - rc.width())));
    rc.moveTop(std::clamp(rc.top(), rcAvailable.top(), std::max(rcAvailable.top(), rcAvailable.bottom() - rc.height())));
    move(rc.topLeft());
}

void CGameDlg::ZoomIn()
{
    ZoomTo(std::floor(Zoom() / kZoomStep + 1e-6) * kZoomStep + kZoomStep);
}

void CGameDlg::ZoomOut()
{
    ZoomTo(std::ceil(Zoom() / kZoomStep - 1e-6) * kZoomStep - kZoomStep);
}

void CGameDlg::resizeEvent(QResizeEvent* pEvent)
{
    CScaledDialog::resizeEvent(pEvent);
    if (!IsCreated())
        return;
    FitToClientArea();
    if (isVisible())
        UserSettings().setValue(kZoomKey, Zoom());
}

// The pieces are laid out by the board at the window's zoom; the board grows to hold them.
void CGameDlg::OnLayout()
{
    SetViewZoom(Zoom());
    CBoardWnd* pBoard = Board();
    if (!pBoard)
        return;
    pBoard->SetScale(Zoom());
    pBoard->resize(pBoard->size().expandedTo(pBoard->ContentSize()));
    UpdateAnchor();
    ZoomWaysWindow();
}

void CGameDlg::SetTabOrder()
{
    QList<QWidget*> chain;
    for (int nId : {1000, 1001, 1002, 1006, 1007, 1004, 1038, 1029})
        chain.append(GetDlgItem(nId));
    chain.append(Board()->PiecesInReadingOrder());
    // The slots take a number back once they hold one; they come last.
    for (int nId : {2001, 2002, 2003, 2004, 1008})
        chain.append(GetDlgItem(nId));
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}
