#include "ScaledBitmap.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

QPixmap ScaledBitmap(const QPixmap& bitmap, const QSizeF& size, const QPainter& dc)
{
    const qreal dRatio = dc.device() ? dc.device()->devicePixelRatioF() : 1.0;
    const QSize device(static_cast<int>(std::lround(size.width() * dRatio)),
                       static_cast<int>(std::lround(size.height() * dRatio)));
    if (bitmap.isNull() || device == bitmap.size())
        return bitmap;
    // Whole multiples keep every source pixel a sharp block; other sizes are resampled smoothly.
    const bool bWhole = device.width() % bitmap.width() == 0 && device.height() % bitmap.height() == 0;
    QPixmap scaled = bitmap.scaled(device, Qt::IgnoreAspectRatio,
                                   bWhole ? Qt::FastTransformation : Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dRatio);
    return scaled;
}
