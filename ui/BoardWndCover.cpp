#include "BoardWndCover.h"

#include "Dialog.h"
#include "Resources.h"
#include "ScaledBitmap.h"

#include <QPainter>

CBoardWndCover::CBoardWndCover(QWidget* pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CBoardWndCover::SetBitmap(int nId)
{
    m_bitmap = LoadBitmap(nId);
    m_nBitmapId = m_bitmap.isNull() ? 0 : nId;
    update();
    return m_nBitmapId != 0;
}

void CBoardWndCover::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    if (m_bitmap.isNull()) {
        dc.fillRect(rect(), Qt::black);
        return;
    }
    // The picture is drawn the same whether the cover is enabled or not.
    const double dZoom = CDialog::ZoomOf(this);
    dc.drawPixmap(0, 0, ScaledBitmap(m_bitmap, QSizeF(m_bitmap.size()) * dZoom, dc));
}
