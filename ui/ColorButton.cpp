#include "ColorButton.h"

#include "Dialog.h"
#include "Frames.h"
#include "Palette.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The group box's caption band stays unpainted above a panel.
constexpr int kCaptionBand = 11;
// The centre of an 89 x 54 board piece, where every face's text is centred.
constexpr int kTextCentreX = 44;
constexpr int kTextCentreY = 27;

}  // namespace

CColorButton::CColorButton(QWidget* pParent)
    : QPushButton(pParent), m_crFace(palette().color(QPalette::Button))
{
    // Pieces and operators are played with clicks and Space, never with Enter.
    setAutoDefault(false);
}

void CColorButton::SetRaised(bool bRaised)
{
    m_bRaised = bRaised;
    setDown(bRaised);
}

void CColorButton::SetFaceColor(const QColor& crFace)
{
    m_crFace = crFace;
    update();
}

void CColorButton::SetBrush(const QBrush* pBrush)
{
    m_pBrush = pBrush;
    setAttribute(Qt::WA_TransparentForMouseEvents, pBrush != nullptr);
    setFocusPolicy(pBrush ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    EraseBackground(dc);
    if (m_pBrush)
        return;
    DrawItem(dc, rect());
}

void CColorButton::EraseBackground(QPainter& dc)
{
    if (!m_pBrush)
        return;
    SelectApplicationPalette();
    dc.fillRect(rect().adjusted(0, static_cast<int>(std::lround(kCaptionBand * Zoom())), 0, 0), *m_pBrush);
}

double CColorButton::Zoom() const
{
    return CDialog::ZoomOf(this);
}

void CColorButton::DrawItem(QPainter& dc, const QRect& rcItem)
{
    DrawFace(dc, rcItem);
    DrawText(dc);
}

void CColorButton::DrawFace(QPainter& dc, const QRect& rcItem)
{
    // Each pixel of the original drawing becomes nRing pixels, so frames never fall between
    // pixels at any zoom.
    const int nRing = std::max(1, static_cast<int>(std::lround(Zoom())));
    int nLeft = rcItem.left() + 2 * nRing, nTop = rcItem.top() + 2 * nRing;
    int nRight = rcItem.left() + rcItem.width() - 2 * nRing, nBottom = rcItem.top() + rcItem.height() - 2 * nRing;
    if (m_bRaised) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        for (int i = 0; i < 2 * nRing; ++i) {
            Draw3DFrame(dc, nLeft, nTop, nRight, nBottom, shadow, highlight);
            ++nLeft, ++nTop, --nRight, --nBottom;
        }
    }
    dc.fillRect(QRect(QPoint(nLeft, nTop), QPoint(nRight - 1, nBottom - 1)), m_crFace);
    if (nRing == 1)
        DrawFocusFrame(dc, rcItem.left(), rcItem.top(), rcItem.left() + rcItem.width(),
                       rcItem.top() + rcItem.height(), hasFocus(), palette().color(QPalette::Button));
    else
        DrawZoomedOutline(dc, rcItem, nRing);
    if (hasFocus())
        DrawFocusRing(dc, rcItem, FocusBand(Zoom()));
}

// The unfocused outline of the original, its pixels nRing wide: the button colour at the edge,
// black inside it.
void CColorButton::DrawZoomedOutline(QPainter& dc, const QRect& rcItem, int nRing)
{
    const QColor face = palette().color(QPalette::Button);
    for (int i = 0; i < 2 * nRing; ++i) {
        const QRect rc = rcItem.adjusted(i, i, -i, -i);
        DrawFrameRect(dc, rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height(),
                      i < nRing ? face : QColor(Qt::black));
    }
}

void CColorButton::DrawText(QPainter& dc)
{
    const QFontMetricsF metrics(font());
    const QSizeF size(metrics.horizontalAdvance(text()), metrics.height());
    const QPointF ptCentre(kTextCentreX * Zoom(), kTextCentreY * Zoom());
    dc.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    dc.setFont(font());
    dc.drawText(QRectF(ptCentre - QPointF(size.width() / 2, size.height() / 2), size),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text());
}
