#include "FocusRingStyle.h"

#include "Dialog.h"
#include "Frames.h"

#include <QPushButton>
#include <QStyleOption>

void CFocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* pOption, QPainter* pPainter,
                                    const QWidget* pWidget) const
{
    if (element != PE_FrameFocusRect || !pPainter) {
        QProxyStyle::drawPrimitive(element, pOption, pPainter, pWidget);
        return;
    }
    if (!qobject_cast<const QPushButton*>(pWidget))
        DrawFocusRing(*pPainter, pOption->rect, FocusBand(CDialog::ZoomOf(pWidget)));
}

void CFocusRingStyle::drawControl(ControlElement element, const QStyleOption* pOption, QPainter* pPainter,
                                  const QWidget* pWidget) const
{
    QProxyStyle::drawControl(element, pOption, pPainter, pWidget);
    if (element == CE_PushButton && pPainter && (pOption->state & State_HasFocus))
        DrawFocusRing(*pPainter, pOption->rect, FocusBand(CDialog::ZoomOf(pWidget)));
}
