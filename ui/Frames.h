#pragma once

#include <QColor>

class QPainter;

// Bevel and focus outlines of the owner-drawn buttons. Coordinates follow the rectangle
// convention of the original drawing code: right and bottom are one past the last pixel, and a
// line leaves out its end point.

// A 1-pixel bevel: `lowerRight` on the right and bottom edges, `upperLeft` on the left and top.
void Draw3DFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, const QColor& lowerRight,
                 const QColor& upperLeft);

// The focus outline: two pixels thick at the edge with the focus, one pixel one inside without.
void DrawFocusFrame(QPainter& dc, int nLeft, int nTop, int nRight, int nBottom, bool bFocus,
                    const QColor& face);
