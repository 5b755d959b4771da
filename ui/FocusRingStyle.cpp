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
    // A push button is ringed at its edge rather than around its text.
    const QRect rc = qobject_cast<const QPushButton*>(pWidget) ? pWidget->rect() : pOption->rect;
    DrawFocusRing(*pPainter, rc, FocusBand(CDialog::ZoomOf(pWidget)));
}
