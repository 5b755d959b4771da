#include "Frames.h"

#include <QPainter>

namespace {

// A horizontal or vertical line from `from` towards `to`, leaving out `to` itself.
void Segment(QPainter& dc, QPoint from, QPoint to)
{
    if (from == to)
        return;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    dc.drawLine(from, to - step);
}

void FrameRect(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& colour)
{
    if (nRight <= nLeft || nBottom <= nTop)
        return;
    dc.setPen(colour);
    dc.drawRect(nLeft, nTop, nRight - nLeft - 1, nBottom - nTop - 1);
}

}  // namespace

void Draw3DFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& lowerRight,
                 const QColor& upperLeft)
{
    dc.save();
    dc.setPen(lowerRight);
    Segment(dc, {nRight - 1, nTop}, {nRight - 1, nBottom - 1});
    Segment(dc, {nRight - 1, nBottom - 1}, {nLeft - 1, nBottom - 1});
    dc.setPen(upperLeft);
    Segment(dc, {nLeft, nBottom - 2}, {nLeft, nTop});
    Segment(dc, {nLeft, nTop}, {nRight - 1, nTop});
    dc.restore();
}

void DrawFocusFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, bool bFocus,
                    const QColor& face)
{
    dc.save();
    const QColor frame(Qt::black);
    FrameRect(dc, nLeft, nTop, nRight, nBottom, face);
    ++nLeft, ++nTop, --nRight, --nBottom;
    if (bFocus) {
        FrameRect(dc, nLeft, nTop, nRight, nBottom, frame);
        --nLeft, --nTop, ++nRight, ++nBottom;
    } else {
        FrameRect(dc, nLeft, nTop, nRight, nBottom, face);
    }
    dc.setPen(frame);
    Segment(dc, {nLeft + 1, nTop}, {nRight - 1, nTop});
    Segment(dc, {nLeft + 1, nBottom - 1}, {nRight - 1, nBottom - 1});
    Segment(dc, {nLeft, nTop + 1}, {nLeft, nBottom - 1});
    Segment(dc, {nRight - 1, nTop + 1}, {nRight - 1, nBottom - 1});
    dc.restore();
}
