#pragma once

#include "Dialog.h"

// The game's own small message box, shown with its top-left corner at a given screen point.
class CMessageDlg : public CDialog {
    Q_OBJECT
public:
    explicit CMessageDlg(QWidget* pParent = nullptr);

    int Run(int x, int y, const QString& strText, const QString& strCaption);

    int m_nX = 0;
    int m_nY = 0;
    QString m_strCaption;
    QString m_strText;

protected:
    bool OnInitDialog() override;
};
