#include "BracketWnd.h"

#include "Palette.h"
#include "Resources.h"

#include <QPainter>

CBracketWnd::CBracketWnd(QWidget* pParent) : QWidget(pParent)
{
    // Painting covers the whole window; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CBracketWnd::SetBitmap(int nId, const CPalette* pPalette)
{
    m_bitmap = LoadBitmap(nId);
    m_nBitmapId = nId;
    m_pPalette = pPalette;
    if (pPalette)
        m_brush = QBrush(pPalette->Entry(CPalette::kSeaGreen));
    m_bLoaded = !m_bitmap.isNull();
    return m_bLoaded;
}

void CBracketWnd::ShowGlyph(bool bVisible)
{
    m_bVisible = bVisible;
    update();
}

void CBracketWnd::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    if (m_pPalette) {
        if (!m_pPalette->SelectAndRealize())
            SelectApplicationPalette();
        dc.fillRect(rect(), m_brush);
    }
    if (m_bLoaded && m_bVisible) {
        // Black glyph pixels darken the background; white ones leave it as it is.
        dc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        dc.drawPixmap(0, 0, m_bitmap, 0, 0, 11, 75);
    }
}
