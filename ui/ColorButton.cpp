#include "ColorButton.h"

#include "Frames.h"
#include "Palette.h"

#include <QPainter>

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
    dc.fillRect(rect().adjusted(0, kCaptionBand, 0, 0), *m_pBrush);
}

void CColorButton::DrawItem(QPainter& dc, const QRect& rcItem)
{
    int nLeft = rcItem.left() + 2, nTop = rcItem.top() + 2;
    int nRight = rcItem.left() + rcItem.width() - 2, nBottom = rcItem.top() + rcItem.height() - 2;
    if (m_bRaised) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        for (int nRing = 0; nRing < 2; ++nRing) {
            Draw3DFrame(dc, nLeft, nTop, nRight, nBottom, shadow, highlight);
            ++nLeft, ++nTop, --nRight, --nBottom;
        }
    }
    dc.fillRect(QRect(QPoint(nLeft, nTop), QPoint(nRight - 1, nBottom - 1)), m_crFace);
    DrawFocusFrame(dc, rcItem.left(), rcItem.top(), rcItem.left() + rcItem.width(),
                   rcItem.top() + rcItem.height(), hasFocus(), palette().color(QPalette::Button));
    DrawText(dc);
}

void CColorButton::DrawText(QPainter& dc)
{
    const QFontMetrics metrics(font());
    const int nWidth = metrics.horizontalAdvance(text());
    const int nHeight = metrics.height();
    dc.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    dc.setFont(font());
    dc.drawText(QRect(kTextCentreX - nWidth / 2, kTextCentreY - nHeight / 2, nWidth, nHeight),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text());
}
