#include "OperatorButton.h"

#include "Frames.h"
#include "Resources.h"
#include "ScaledBitmap.h"

#include <QPainter>
#include <cmath>

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
    ShowOperator(m_operators.first());
}

void COperatorButton::ShowNextOperator()
{
    if (m_operators.isEmpty())
        return;
    // Before any operator was shown the next one is the first.
    m_posCurrent = (m_posCurrent + 1) % OperatorCount();
    ShowOperator(m_operators.at(m_posCurrent));
}

char COperatorButton::GetOperator() const
{
    const QString strText = text();
    return strText.isEmpty() ? '\0' : strText.at(0).toLatin1();
}

bool COperatorButton::SetOperator(char c)
{
    ShowOperator(QString(QChar::fromLatin1(c)));
    return true;
}

void COperatorButton::ShowOperator(const QString& strOperator)
{
    setText(strOperator);
    setAccessibleDescription(OperatorInWords(GetOperator()));
}

QString COperatorButton::OperatorInWords(char c)
{
    switch (c) {
    case '+': return QStringLiteral("plus");
    case '-': return QStringLiteral("minus");
    case '*': return QStringLiteral("times");
    case '/': return QStringLiteral("divided by");
    default: return QStringLiteral("none");
    }
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
    m_bmpGlyph = LoadBitmap(nGlyph).copy(0, 0, kGlyphSize, kGlyphSize);
    const double dSize = kGlyphSize * Zoom();
    const QPixmap glyph = ScaledBitmap(m_bmpGlyph, QSizeF(dSize, dSize), dc);
    // Black strokes darken the face; the white background leaves it as it is.
    dc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    dc.drawPixmap(QPointF(std::floor((rcItem.width() - dSize) / 2), std::floor((rcItem.height() - dSize) / 2)), glyph);
    dc.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
