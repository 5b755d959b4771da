#include "BracketWnd.h"

#include "Dialog.h"
#include "Palette.h"
#include "Resources.h"
#include "ScaledBitmap.h"

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
    setAccessibleName(nId == 137 ? QStringLiteral("Closing bracket") : QStringLiteral("Opening bracket"));
    setAccessibleDescription(QStringLiteral("hidden"));
    return m_bLoaded;
}

void CBracketWnd::ShowGlyph(bool bVisible)
{
    m_bVisible = bVisible;
    setAccessibleDescription(bVisible ? QStringLiteral("shown") : QStringLiteral("hidden"));
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
        const double dZoom = CDialog::ZoomOf(this);
        dc.drawPixmap(0, 0, ScaledBitmap(m_bitmap.copy(0, 0, 11, 75), QSizeF(11 * dZoom, 75 * dZoom), dc));
    }
}
