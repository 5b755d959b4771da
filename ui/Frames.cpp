#include "Frames.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Every outline is filled as whole pixels rather than stroked, so that it covers its pixels
// completely at any device pixel ratio and leaves no hairline of what lies beneath.

// A horizontal or vertical line from `from` towards `to`, leaving out `to` itself.
void Segment(QPainter& dc, QPoint from, QPoint to, const QColor& colour)
{
    if (from == to)
        return;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - step;
    dc.fillRect(QRect(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                      QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y()))),
                colour);
}

}  // namespace

void DrawFrameRect(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& colour)
{
    if (nRight <= nLeft || nBottom <= nTop)
        return;
    dc.fillRect(QRect(nLeft, nTop, nRight - nLeft, 1), colour);
    dc.fillRect(QRect(nLeft, nBottom - 1, nRight - nLeft, 1), colour);
    dc.fillRect(QRect(nLeft, nTop, 1, nBottom - nTop), colour);
    dc.fillRect(QRect(nRight - 1, nTop, 1, nBottom - nTop), colour);
}

void Draw3DFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& lowerRight,
                 const QColor& upperLeft)
{
    Segment(dc, {nRight - 1, nTop}, {nRight - 1, nBottom - 1}, lowerRight);
    Segment(dc, {nRight - 1, nBottom - 1}, {nLeft - 1, nBottom - 1}, lowerRight);
    Segment(dc, {nLeft, nBottom - 2}, {nLeft, nTop}, upperLeft);
    Segment(dc, {nLeft, nTop}, {nRight - 1, nTop}, upperLeft);
}

void DrawFocusFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, bool bFocus,
                    const QColor& face)
{
    const QColor frame(Qt::black);
    DrawFrameRect(dc, nLeft, nTop, nRight, nBottom, face);
    ++nLeft, ++nTop, --nRight, --nBottom;
    if (bFocus) {
        DrawFrameRect(dc, nLeft, nTop, nRight, nBottom, frame);
        --nLeft, --nTop, ++nRight, ++nBottom;
    } else {
        DrawFrameRect(dc, nLeft, nTop, nRight, nBottom, face);
    }
    Segment(dc, {nLeft + 1, nTop}, {nRight - 1, nTop}, frame);
    Segment(dc, {nLeft + 1, nBottom - 1}, {nRight - 1, nBottom - 1}, frame);
    Segment(dc, {nLeft, nTop + 1}, {nLeft, nBottom - 1}, frame);
    Segment(dc, {nRight - 1, nTop + 1}, {nRight - 1, nBottom - 1}, frame);
}

void DrawFocusRing(QPainter& dc, const QRect& rc, int nBand)
{
    // White outside, black inside: one of the two stands out on any background. A small control
    // keeps most of its face.
    nBand = std::clamp(std::min(rc.width(), rc.height()) / 8, 1, nBand);
    for (const auto& [nInset, colour] : {std::pair{0, QColor(Qt::white)}, std::pair{nBand, QColor(Qt::black)}}) {
        const QRect rcBand = rc.adjusted(nInset, nInset, -nInset, -nInset);
        DrawFrameRect(dc, rcBand.left(), rcBand.top(), rcBand.right() + 1, rcBand.bottom() + 1, colour);
        for (int i = 1; i < nBand; ++i)
            DrawFrameRect(dc, rcBand.left() + i, rcBand.top() + i, rcBand.right() + 1 - i, rcBand.bottom() + 1 - i, colour);
    }
}

int FocusBand(double dZoom)
{
    return std::max(3, static_cast<int>(std::lround(3 * dZoom)));
}
