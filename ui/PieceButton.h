#pragma once

#include "ColorButton.h"

// One numbered piece on the board. Its margin shows the board's light yellow brush while it is
// enabled and the red one while it is disabled.
class CPieceButton : public CColorButton {
    Q_OBJECT
public:
    CPieceButton(int nID, int nNumber, int nSecond, const QBrush* pbrEnabled,
                 const QBrush* pbrDisabled, QWidget* pParent = nullptr);

    // The brush the control's background is erased with.
    const QBrush* CtlColor() const;

    int m_nSecond;
    int m_nNumber;
    int m_nCount = 0;
    int m_bTaken = 0;  // 0 on the board; otherwise who took it (1 or 2), or 1 for removed
    int m_nID;

protected:
    void EraseBackground(QPainter& dc) override;

private:
    const QBrush* m_pbrEnabled;
    const QBrush* m_pbrDisabled;
};
