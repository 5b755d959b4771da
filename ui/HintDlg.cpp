#include "HintDlg.h"

#include "Resources.h"


CHintDlg::CHintDlg(QWidget* pParent) : CDialog(GetDialogTemplate(135), pParent)
{
}

bool CHintDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterOnOwner();
    return true;
}

void CHintDlg::OnCommand(int nId, int nCode)
{
    if (nCode == BN_CLICKED && (nId == kOptimal || nId == kOperators)) {
        EndDialog(nId);
        return;
    }
    CDialog::OnCommand(nId, nCode);
}
