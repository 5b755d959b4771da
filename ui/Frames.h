#pragma once

#include <QColor>

class QPainter;
class QRect;

// Bevel and focus outlines of the owner-drawn buttons. Coordinates follow the rectangle
// convention of the original drawing code: right and bottom are one past the last pixel, and a
// line leaves out its end point.

// A 1-pixel outline of the rectangle in one colour.
void DrawFrameRect(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& colour);

// A 1-pixel bevel: `lowerRight` on the right and bottom edges, `upperLeft` on the left and top.
void Draw3DFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& lowerRight,
                 const QColor& upperLeft);

// The focus outline: two pixels thick at the edge with the focus, one pixel one inside without.
void DrawFocusFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, bool bFocus,
                    const QColor& face);

// The keyboard focus as a child sees it at once: two bands of nBand pixels inside rc, white
// outside and black inside.
void DrawFocusRing(QPainter& dc, const QRect& rc, int nBand);
// The width of one band of the focus ring at a zoom.
int FocusBand(double dZoom);
