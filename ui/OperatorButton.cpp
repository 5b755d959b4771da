#include "OperatorButton.h"

#include "Frames.h"
#include "Resources.h"

#include <QPainter>

COperatorButton::COperatorButton(QWidget* pParent) : CColorButton(pParent)
{
}

void COperatorButton::AddOperator(char c)
{
    m_operators.append(QString(QChar::fromLatin1(c)));
}

void COperatorButton::RemoveAllOperators()
{
    m_operators.clear();
    m_posCurrent = -1;
}

void COperatorButton::ShowFirstOperator()
{
    if (m_operators.isEmpty())
        return;
    m_posCurrent = 0;
    setText(m_operators.first());
}

void COperatorButton::ShowNextOperator()
{
    if (m_operators.isEmpty())
        return;
    // Before any operator was shown the next one is the first.
    m_posCurrent = (m_posCurrent + 1) % OperatorCount();
    setText(m_operators.at(m_posCurrent));
}

char COperatorButton::GetOperator() const
{
    const QString strText = text();
    return strText.isEmpty() ? '\0' : strText.at(0).toLatin1();
}

bool COperatorButton::SetOperator(char c)
{
    setText(QString(QChar::fromLatin1(c)));
    return true;
}

int COperatorButton::GlyphBitmapId(char c)
{
    switch (c) {
    case '+': return 141;
    case '-': return 142;
    case '*': return 143;
    case '/': return 144;
    default: return 0;
    }
}

void COperatorButton::DrawItem(QPainter& dc, const QRect& rcItem)
{
    DrawFace(dc, rcItem);
    m_bmpGlyph = QPixmap();
    const int nGlyph = GlyphBitmapId(GetOperator());
    if (!nGlyph)
        return;
    m_bmpGlyph = LoadBitmap(nGlyph);
    // Black strokes darken the face; the white background leaves it as it is.
    dc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    dc.drawPixmap(rcItem.width() / 2 - kGlyphSize / 2, rcItem.height() / 2 - kGlyphSize / 2,
                  m_bmpGlyph, 0, 0, kGlyphSize, kGlyphSize);
    dc.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The face of every owner-drawn button, without its text: the operator is the glyph.
void COperatorButton::DrawFace(QPainter& dc, const QRect& rcItem)
{
    int nLeft = rcItem.left() + 2, nTop = rcItem.top() + 2;
    int nRight = rcItem.left() + rcItem.width() - 2, nBottom = rcItem.top() + rcItem.height() - 2;
    if (IsRaised()) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        for (int nRing = 0; nRing < 2; ++nRing) {
            Draw3DFrame(dc, nLeft, nTop, nRight, nBottom, shadow, highlight);
            ++nLeft, ++nTop, --nRight, --nBottom;
        }
    }
    dc.fillRect(QRect(QPoint(nLeft, nTop), QPoint(nRight - 1, nBottom - 1)), FaceColor());
    DrawFocusFrame(dc, rcItem.left(), rcItem.top(), rcItem.left() + rcItem.width(),
                   rcItem.top() + rcItem.height(), hasFocus(), palette().color(QPalette::Button));
}
