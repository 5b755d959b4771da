#include "MessageDlg.h"

#include "Resources.h"

CMessageDlg::CMessageDlg(QWidget* pParent) : CDialog(GetDialogTemplate(136), pParent)
{
}

int CMessageDlg::Run(int x, int y, const QString& strText, const QString& strCaption)
{
    m_strText = strText;
    m_strCaption = strCaption;
    m_nX = x;
    m_nY = y;
    return DoModal();
}

bool CMessageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(1041, m_strText);
    setWindowTitle(m_strCaption);
    move(m_nX, m_nY);
    return true;
}
