#pragma once

#include <QProxyStyle>

// The application's style with a focus ring a child sees at once on every control: two thick
// bands, white outside and black inside, drawn whenever the control has the focus.
class CFocusRingStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* pOption, QPainter* pPainter,
                       const QWidget* pWidget) const override;
    // Push buttons show their focus in the bevel, not as a focus frame: ringed here.
    void drawControl(ControlElement element, const QStyleOption* pOption, QPainter* pPainter,
                     const QWidget* pWidget) const override;
};
