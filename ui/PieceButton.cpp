#include "PieceButton.h"

#include <QPainter>

CPieceButton::CPieceButton(int nID, int nNumber, int nSecond, const QBrush* pbrEnabled,
                           const QBrush* pbrDisabled, QWidget* pParent)
    : CColorButton(pParent),
      m_nSecond(nSecond),
      m_nNumber(nNumber),
      m_nID(nID),
      m_pbrEnabled(pbrEnabled),
      m_pbrDisabled(pbrDisabled)
{
}

const QBrush* CPieceButton::CtlColor() const
{
    return isEnabled() ? m_pbrEnabled : m_pbrDisabled;
}

void CPieceButton::EraseBackground(QPainter& dc)
{
    if (const QBrush* pBrush = CtlColor())
        dc.fillRect(rect(), *pBrush);
}
