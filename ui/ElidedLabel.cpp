#include "ElidedLabel.h"

#include <QPainter>
#include <algorithm>

CElidedLabel::CElidedLabel(const QString& strText, const QString& strKeptEnding, QWidget* pParent)
    : QLabel(strText, pParent), m_strKeptEnding(strKeptEnding)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString CElidedLabel::ShownText() const
{
    const QFontMetrics metrics(font());
    const QString strText = text();
    if (metrics.horizontalAdvance(strText) <= width())
        return strText;
    const QString strEnding =
        !m_strKeptEnding.isEmpty() && strText.endsWith(m_strKeptEnding) ? m_strKeptEnding : QString();
    const QString strStart = strText.left(strText.size() - strEnding.size());
    const int nRoom = std::max(0, width() - metrics.horizontalAdvance(strEnding));
    return metrics.elidedText(strStart, Qt::ElideRight, nRoom) + strEnding;
}

void CElidedLabel::UpdateToolTip()
{
    setToolTip(ShownText() == text() ? QString() : text());
}

void CElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    dc.setPen(palette().color(foregroundRole()));
    dc.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

void CElidedLabel::resizeEvent(QResizeEvent* pEvent)
{
    QLabel::resizeEvent(pEvent);
    UpdateToolTip();
}
