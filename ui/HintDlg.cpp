#include "HintDlg.h"

#include "Resources.h"

#include <QApplication>
#include <QScreen>

CHintDlg::CHintDlg(QWidget* pParent) : CDialog(GetDialogTemplate(135), pParent)
{
}

bool CHintDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterOnOwner();
    return true;
}

// Without a parent the owner is the window the user is working in, as for any dialog the game
// opens; with none at all, the screen. A dialog's position is in screen pixels, parent or not.
void CHintDlg::CenterOnOwner()
{
    QWidget* pOwner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    QRect rcOwner;
    if (pOwner && pOwner != this)
        rcOwner = pOwner->frameGeometry();
    else if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        rcOwner = pScreen->availableGeometry();
    else
        return;
    QRect rc(QPoint(0, 0), size());
    rc.moveCenter(rcOwner.center());
    move(rc.topLeft());
}

void CHintDlg::OnCommand(int nId, int nCode)
{
    if (nCode == BN_CLICKED && (nId == kOptimal || nId == kOperators)) {
        EndDialog(nId);
        return;
    }
    CDialog::OnCommand(nId, nCode);
}
