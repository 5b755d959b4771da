#include "HelpWindow.h"

#include "Dialog.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QUrl>

namespace {

IHelpViewer* s_pViewer = nullptr;

QString AnchorOf(int nContext)
{
    return nContext == CHelpWindow::kQuickInstructions ? QStringLiteral("quick") : QString();
}

} // namespace

QPointer<CHelpWindow> CHelpWindow::s_pWindow;

void CHelpWindow::Show(QWidget* pOwner, int nContext)
{
    if (s_pViewer)
        s_pViewer->ShowHelp(pOwner, nContext);
    else
        Open(pOwner, nContext);
}

void CHelpWindow::SetViewer(IHelpViewer* pViewer)
{
    s_pViewer = pViewer;
}

QString CHelpWindow::DocumentPath()
{
    return QStringLiteral("data/help/zorb.html");
}

CHelpWindow* CHelpWindow::Existing()
{
    return s_pWindow.data();
}

CHelpWindow* CHelpWindow::Open(QWidget* pOwner, int nContext)
{
    if (!s_pWindow) {
        // Outside the owner's window family, so that a dialog modal to the game window does not
        // block it; but it closes with its owner.
        s_pWindow = new CHelpWindow(nullptr);
        s_pWindow->FitOnScreen(pOwner ? pOwner->screen() : nullptr);
        if (pOwner)
            QObject::connect(pOwner->window(), &QObject::destroyed, s_pWindow.data(), [] { delete s_pWindow.data(); });
    }
    CHelpWindow* pWindow = s_pWindow.data();
    pWindow->show();
    pWindow->raise();
    pWindow->activateWindow();
    pWindow->ShowContext(nContext);
    return pWindow;
}

CHelpWindow::CHelpWindow(QWidget* pParent)
    : QTextBrowser(pParent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Zorbly Help"));
    setOpenExternalLinks(true);
    resize(640, 560);
}

// The window grows with the game's zoom but stays within the screen it opens on.
void CHelpWindow::FitOnScreen(const QScreen* pScreen)
{
    resize(CDialog::ZoomedWindowSize(QSize(640, 560), CDialog::ViewZoom(), pScreen));
}

void CHelpWindow::ShowContext(int nContext)
{
    const QFileInfo document(DocumentPath());
    if (!document.isFile() || !document.isReadable()) {
        setPlainText(QStringLiteral("The help document %1 cannot be found.").arg(DocumentPath()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(document.absoluteFilePath());
    const QString strAnchor = AnchorOf(nContext);
    if (!strAnchor.isEmpty())
        url.setFragment(strAnchor);
    setSource(url);
    if (strAnchor.isEmpty())
        verticalScrollBar()->setValue(0);
}
