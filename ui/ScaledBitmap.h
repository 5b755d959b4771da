#pragma once

#include <QPixmap>

class QPainter;

// A bitmap resampled from its source to `size` logical pixels at the painter's device pixel
// ratio, so that it is drawn without further scaling and stays sharp at any zoom.
QPixmap ScaledBitmap(const QPixmap& bitmap, const QSizeF& size, const QPainter& dc);
