#include "ScaledDialog.h"

#include "Resources.h"

#include <QGuiApplication>
#include <QScreen>

CScaledDialog::CScaledDialog(int nTemplateId, QWidget* pParent)
    : CDialog(GetDialogTemplate(nTemplateId), pParent)
{
}

bool CScaledDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (const QScreen* pScreen = QGuiApplication::primaryScreen()) {
        QRect rc(QPoint(0, 0), size());
        rc.moveCenter(pScreen->availableGeometry().center());
        move(rc.topLeft());
    }
    return true;
}
