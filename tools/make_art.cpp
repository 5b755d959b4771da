// Writes the game's pictures: bracket and operator glyphs, the covers of taken places and the
// icons, as PNG files named after their resource ids.
// Usage: make_art [resources folder]   (default "resources")

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kOversample = 8;

using Drawing = std::function<void(QPainter&)>;

// Glyphs are combined with the background by a bitwise AND, so every pixel must be pure black
// (ink) or pure white (background shows through). They are drawn large and smooth, then reduced
// and cut at half grey.
QImage BlackOnWhite(int nWidth, int nHeight, const Drawing& draw)
{
    QImage big(nWidth * kOversample, nHeight * kOversample, QImage::Format_RGB32);
    big.fill(Qt::white);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kOversample, kOversample);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        draw(painter);
    }
    QImage small = big.scaled(nWidth, nHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            out.setPixel(x, y, qGray(small.pixel(x, y)) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return out;
}

QImage Colour(int nWidth, int nHeight, const Drawing& draw, bool bTransparent = false)
{
    QImage image(nWidth, nHeight, QImage::Format_ARGB32);
    image.fill(bTransparent ? Qt::transparent : Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

// ---- glyphs ----

// A round bracket as a crescent between two elliptic arcs through the same two tips, thickest at
// the middle like a printed parenthesis. Drawn as the opening bracket, mirrored for the closing.
void DrawBracket(QPainter& painter, double dWidth, double dHeight, bool bOpening)
{
    if (!bOpening) {
        painter.translate(dWidth, 0);
        painter.scale(-1, 1);
    }
    const double dMid = dHeight / 2.0;
    const double dHalfSpan = dMid - 2.0;     // from the middle to either tip
    const double dTipX = dWidth - 1.5;
    auto arcRect = [&](double dBulgeX, double& dAngle) {
        const double rx = 12.0;
        const double cx = dBulgeX + rx;
        dAngle = std::acos((cx - dTipX) / rx) * 180.0 / M_PI;
        const double ry = dHalfSpan / std::sin(dAngle * M_PI / 180.0);
        return QRectF(cx - rx, dMid - ry, 2 * rx, 2 * ry);
    };
    double dOuter = 0.0, dInner = 0.0;
    const QRectF outer = arcRect(1.0, dOuter);
    const QRectF inner = arcRect(4.3, dInner);
    QPainterPath path;
    path.arcMoveTo(outer, 180.0 - dOuter);
    path.arcTo(outer, 180.0 - dOuter, 2 * dOuter);
    path.arcTo(inner, 180.0 + dInner, -2 * dInner);
    path.closeSubpath();
    painter.drawPath(path);
}

void DrawPlus(QPainter& painter)
{
    painter.drawRect(QRectF(2, 6, 10, 2));
    painter.drawRect(QRectF(6, 2, 2, 10));
}

void DrawMinus(QPainter& painter)
{
    painter.drawRect(QRectF(2, 6, 10, 2));
}

// Multiplication as the centred dot of school arithmetic.
void DrawTimes(QPainter& painter)
{
    painter.drawEllipse(QRectF(5, 5, 4, 4));
}

void DrawDivide(QPainter& painter)
{
    painter.drawRect(QRectF(2, 6, 10, 2));
    painter.drawEllipse(QRectF(5.5, 1.5, 3, 3));
    painter.drawEllipse(QRectF(5.5, 9.5, 3, 3));
}

// ---- covers of taken places, 89 x 54 ----

void DrawTile(QPainter& painter, const QColor& light, const QColor& dark)
{
    QLinearGradient face(0, 0, 0, 54);
    face.setColorAt(0.0, light);
    face.setColorAt(1.0, dark);
    painter.setPen(QPen(dark.darker(160), 2));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(2, 2, 85, 50), 9, 9);
}

// A soft round hollow: the piece has gone and left its place empty.
void DrawHollow(QPainter& painter, const QColor& colour)
{
    QRadialGradient hollow(QPointF(44.5, 24), 22);
    hollow.setColorAt(0.0, colour.darker(170));
    hollow.setColorAt(0.8, colour.darker(130));
    hollow.setColorAt(1.0, colour);
    painter.setPen(QPen(colour.lighter(130), 1.5));
    painter.setBrush(hollow);
    painter.drawEllipse(QRectF(24.5, 10, 40, 34));
}

QPainterPath Star(QPointF centre, double dOuter, double dInner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double dAngle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? dOuter : dInner;
        const QPointF point(centre.x() + r * std::cos(dAngle), centre.y() + r * std::sin(dAngle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void DrawTaken(QPainter& painter)
{
    DrawTile(painter, QColor(96, 128, 176), QColor(52, 72, 120));
    DrawHollow(painter, QColor(70, 96, 148));
}

void DrawFlashingNeighbour(QPainter& painter)
{
    DrawTile(painter, QColor(255, 236, 120), QColor(255, 150, 40));
    DrawHollow(painter, QColor(240, 170, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF& spark : {QPointF(14, 12), QPointF(75, 13), QPointF(13, 42), QPointF(76, 41)})
        painter.drawPath(Star(spark, 6.5, 2.2));
}

void DrawJustTaken(QPainter& painter)
{
    DrawTile(painter, QColor(120, 220, 130), QColor(20, 140, 60));
    painter.setPen(QPen(QColor(10, 90, 40), 1.5));
    painter.setBrush(QColor(255, 230, 60));
    painter.drawPath(Star(QPointF(44.5, 28), 22, 9));
}

// ---- icons ----

QPainterPath LetterZ(const QRectF& box)
{
    const double w = box.width(), h = box.height(), t = h * 0.2;
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.top());
    path.lineTo(box.right(), box.top() + t);
    path.lineTo(box.left() + w * 0.36, box.bottom() - t);
    path.lineTo(box.right(), box.bottom() - t);
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left(), box.bottom());
    path.lineTo(box.left(), box.bottom() - t);
    path.lineTo(box.right() - w * 0.36, box.top() + t);
    path.lineTo(box.left(), box.top() + t);
    path.closeSubpath();
    return path;
}

// The application: a yellow piece on the green board with a big blue Z and a small plus.
void DrawApplicationIcon(QPainter& painter, int nSize)
{
    painter.scale(nSize / 32.0, nSize / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 153, 51));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    QLinearGradient face(0, 4, 0, 28);
    face.setColorAt(0, QColor(255, 255, 170));
    face.setColorAt(1, QColor(255, 225, 90));
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 70, 190));
    painter.drawPath(LetterZ(QRectF(8, 8, 14, 16)));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawRect(QRectF(22, 9, 5, 1.6));
    painter.drawRect(QRectF(23.7, 7.3, 1.6, 5));
}

// The computer's face: a friendly screen with eyes, smiling when it has a move.
void DrawComputer(QPainter& painter, bool bHasMove)
{
    painter.setPen(QPen(QColor(60, 60, 70), 1.2));
    painter.setBrush(QColor(190, 195, 205));
    painter.drawRoundedRect(QRectF(3, 3, 26, 22), 4, 4);
    painter.drawRect(QRectF(11, 25, 10, 3));
    painter.drawRoundedRect(QRectF(7, 27.5, 18, 3), 1, 1);
    painter.setBrush(bHasMove ? QColor(102, 204, 255) : QColor(120, 130, 150));
    painter.drawRoundedRect(QRectF(6, 6, 20, 16), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 60));
    painter.drawEllipse(QRectF(10.5, 10, 3.5, 3.5));
    painter.drawEllipse(QRectF(18, 10, 3.5, 3.5));
    QPainterPath mouth;
    if (bHasMove) {
        mouth.moveTo(11, 16.5);
        mouth.quadTo(16, 21, 21, 16.5);
    } else {
        mouth.moveTo(11, 19);
        mouth.lineTo(21, 19);
    }
    painter.setPen(QPen(QColor(20, 30, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
}

bool Save(const QImage& image, const QString& strPath)
{
    if (image.save(strPath, "PNG"))
        return true;
    std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(strPath));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const QString strRoot = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    const QString strBitmaps = strRoot + QStringLiteral("/bitmaps/");
    const QString strIcons = strRoot + QStringLiteral("/icons/");
    QDir().mkpath(strBitmaps);
    QDir().mkpath(strIcons);

    bool bOk = true;
    auto bitmap = [&](int nId, const QImage& image) { bOk &= Save(image, strBitmaps + QString::number(nId) + ".png"); };
    auto icon = [&](const QString& strName, const QImage& image) { bOk &= Save(image, strIcons + strName + ".png"); };

    bitmap(130, BlackOnWhite(11, 56, [](QPainter& p) { DrawBracket(p, 11, 56, true); }));
    bitmap(137, BlackOnWhite(9, 56, [](QPainter& p) { DrawBracket(p, 9, 56, false); }));
    bitmap(141, BlackOnWhite(14, 14, DrawPlus));
    bitmap(142, BlackOnWhite(14, 14, DrawMinus));
    bitmap(143, BlackOnWhite(14, 14, DrawTimes));
    bitmap(144, BlackOnWhite(14, 14, DrawDivide));
    bitmap(133, Colour(89, 54, DrawTaken));
    bitmap(134, Colour(89, 54, DrawFlashingNeighbour));
    bitmap(135, Colour(89, 54, DrawJustTaken));

    icon("128", Colour(32, 32, [](QPainter& p) { DrawApplicationIcon(p, 32); }, true));
    for (int nSize : {16, 32, 48, 64, 128, 256})
        icon(QStringLiteral("128-%1").arg(nSize),
             Colour(nSize, nSize, [nSize](QPainter& p) { DrawApplicationIcon(p, nSize); }, true));
    icon("135", Colour(32, 32, [](QPainter& p) { DrawComputer(p, false); }, true));
    icon("136", Colour(32, 32, [](QPainter& p) { DrawComputer(p, true); }, true));
    return bOk ? 0 : 1;
}
