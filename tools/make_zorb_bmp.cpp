// Makes the about box's files: data/zorb.bmp, the start-up picture (an 8-bit palette bitmap with
// the 40-byte header), and data/zorb.dat, its three text lines (platform, year, version).
// Usage: make_zorb_bmp [data folder]   (default: data)

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Exactly fills picture control 1036 of the about box: 159 x 155 dialog units in a 10-point
// dialog come to 299 x 323 pixels.
constexpr int kWidth = 299;
constexpr int kHeight = 323;
constexpr int kMaxColors = 256;

const QString kFontFamily = QStringLiteral("DejaVu Sans");

QFont BoldFont(int nPixelSize)
{
    QFont font(kFontFamily);
    font.setPixelSize(nPixelSize);
    font.setBold(true);
    return font;
}

void DrawOutlinedText(QPainter& dc, const QPointF& ptBaseline, const QString& strText,
                      const QFont& font, const QColor& fill, const QColor& outline, qreal rWidth)
{
    QPainterPath path;
    path.addText(ptBaseline, font, strText);
    dc.setPen(QPen(outline, rWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dc.setBrush(fill);
    dc.drawPath(path);
}

void DrawCentredText(QPainter& dc, const QRectF& rc, const QString& strText, const QFont& font,
                     const QColor& color)
{
    dc.setFont(font);
    dc.setPen(color);
    dc.drawText(rc, Qt::AlignCenter, strText);
}

void DrawBackground(QPainter& dc)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(102, 204, 255));
    sky.setColorAt(0.75, QColor(190, 235, 255));
    sky.setColorAt(1.0, QColor(255, 255, 128));
    dc.fillRect(QRect(0, 0, kWidth, kHeight), sky);

    dc.setPen(Qt::NoPen);
    dc.setBrush(QColor(255, 255, 255, 170));
    for (const QRectF& rc : {QRectF(14, 132, 70, 26), QRectF(40, 122, 50, 28),
                             QRectF(208, 140, 76, 24), QRectF(226, 130, 44, 26)})
        dc.drawEllipse(rc);
}

void DrawTitle(QPainter& dc)
{
    const QString strTitle = QStringLiteral("Zorbly");
    const QColor letterColors[] = {QColor(238, 34, 34), QColor(255, 153, 0), QColor(255, 204, 0),
                                   QColor(0, 170, 68), QColor(51, 102, 204), QColor(153, 51, 204)};
    const QFont font = BoldFont(66);
    const QFontMetricsF metrics(font);
    qreal x = (kWidth - metrics.horizontalAdvance(strTitle)) / 2;
    for (int i = 0; i < strTitle.size(); ++i) {
        const qreal rLift = (i % 2 == 0) ? 0 : -6;  // letters hop up and down
        DrawOutlinedText(dc, QPointF(x, 78 + rLift), strTitle.mid(i, 1), font, letterColors[i],
                         QColor(20, 40, 110), 4);
        x += metrics.horizontalAdvance(strTitle[i]);
    }
    DrawCentredText(dc, QRectF(0, 88, kWidth, 24), QStringLiteral("Elementary Algebra"),
                    BoldFont(17), QColor(20, 40, 110));
}

// A numbered piece as the board shows them.
void DrawPiece(QPainter& dc, const QPointF& ptCentre, qreal rAngle, const QString& strNumber,
               const QColor& color)
{
    dc.save();
    dc.translate(ptCentre);
    dc.rotate(rAngle);
    const QRectF rc(-34, -24, 68, 48);
    dc.setPen(Qt::NoPen);
    dc.setBrush(QColor(0, 0, 0, 60));
    dc.drawRoundedRect(rc.translated(3, 4), 10, 10);
    dc.setPen(QPen(QColor(20, 40, 110), 3));
    dc.setBrush(color);
    dc.drawRoundedRect(rc, 10, 10);
    DrawCentredText(dc, rc, strNumber, BoldFont(28), Qt::white);
    dc.restore();
}

void DrawOperator(QPainter& dc, const QPointF& ptCentre, const QString& strSymbol,
                  const QColor& color)
{
    const QRectF rc(ptCentre.x() - 20, ptCentre.y() - 20, 40, 40);
    dc.setPen(QPen(QColor(20, 40, 110), 3));
    dc.setBrush(color);
    dc.drawEllipse(rc);
    DrawCentredText(dc, rc.translated(0, -1), strSymbol, BoldFont(28), QColor(20, 40, 110));
}

void DrawPieces(QPainter& dc)
{
    DrawPiece(dc, QPointF(58, 178), -8, QStringLiteral("7"), QColor(238, 34, 34));
    DrawPiece(dc, QPointF(150, 168), 4, QStringLiteral("12"), QColor(0, 153, 51));
    DrawPiece(dc, QPointF(242, 182), -5, QStringLiteral("-3"), QColor(51, 102, 204));

    DrawOperator(dc, QPointF(36, 236), QStringLiteral("+"), QColor(255, 204, 0));
    DrawOperator(dc, QPointF(112, 230), QStringLiteral("\u2212"), QColor(255, 153, 0));
    DrawOperator(dc, QPointF(188, 234), QStringLiteral("\u00d7"), QColor(102, 204, 255));
    DrawOperator(dc, QPointF(264, 228), QStringLiteral("\u00f7"), QColor(255, 170, 210));
}

// The expression row: three numbers, two operators and brackets, in the sea green panel.
void DrawExpression(QPainter& dc)
{
    const QRectF rc(14, 266, kWidth - 28, 42);
    dc.setPen(QPen(QColor(20, 40, 110), 3));
    dc.setBrush(QColor(35, 211, 131));
    dc.drawRoundedRect(rc, 12, 12);
    DrawCentredText(dc, rc, QStringLiteral("(3 + 4) \u00d7 2 = 14"), BoldFont(26), Qt::white);
}

QImage DrawPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter dc(&image);
    dc.setRenderHint(QPainter::Antialiasing);
    dc.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(dc);
    DrawTitle(dc);
    DrawPieces(dc);
    DrawExpression(dc);
    return image;
}

// ---- Quantising to at most 256 colours: median cut over the picture's colour histogram.

struct ColorCount {
    QRgb rgb;
    qint64 nCount;
};

struct Box {
    std::vector<ColorCount> colors;

    int Channel(QRgb rgb, int nChannel) const
    {
        return nChannel == 0 ? qRed(rgb) : nChannel == 1 ? qGreen(rgb) : qBlue(rgb);
    }
    int Range(int nChannel) const
    {
        int nLow = 255;
        int nHigh = 0;
        for (const ColorCount& c : colors) {
            nLow = std::min(nLow, Channel(c.rgb, nChannel));
            nHigh = std::max(nHigh, Channel(c.rgb, nChannel));
        }
        return nHigh - nLow;
    }
    int WidestChannel() const
    {
        int nBest = 0;
        for (int n = 1; n < 3; ++n)
            if (Range(n) > Range(nBest))
                nBest = n;
        return nBest;
    }
    qint64 Weight() const
    {
        qint64 nTotal = 0;
        for (const ColorCount& c : colors)
            nTotal += c.nCount;
        return nTotal;
    }
    QRgb Average() const
    {
        double r = 0, g = 0, b = 0;
        const double rTotal = static_cast<double>(Weight());
        for (const ColorCount& c : colors) {
            r += qRed(c.rgb) * static_cast<double>(c.nCount);
            g += qGreen(c.rgb) * static_cast<double>(c.nCount);
            b += qBlue(c.rgb) * static_cast<double>(c.nCount);
        }
        return qRgb(qRound(r / rTotal), qRound(g / rTotal), qRound(b / rTotal));
    }
    // Splits at the weighted median of the widest channel.
    Box Split()
    {
        const int nChannel = WidestChannel();
        std::stable_sort(colors.begin(), colors.end(), [&](const ColorCount& a, const ColorCount& b) {
            return Channel(a.rgb, nChannel) < Channel(b.rgb, nChannel);
        });
        const qint64 nHalf = Weight() / 2;
        qint64 nSeen = 0;
        size_t nCut = 1;
        while (nCut < colors.size() - 1 && nSeen + colors[nCut - 1].nCount < nHalf)
            nSeen += colors[nCut++ - 1].nCount;
        Box other;
        other.colors.assign(colors.begin() + static_cast<std::ptrdiff_t>(nCut), colors.end());
        colors.resize(nCut);
        return other;
    }
};

std::vector<QRgb> MedianCutPalette(const QImage& image)
{
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++histogram[image.pixel(x, y) | 0xFF000000u];
    Box all;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        all.colors.push_back({it.key(), it.value()});
    // The hash's order changes from run to run; sorting keeps the palette reproducible.
    std::sort(all.colors.begin(), all.colors.end(),
              [](const ColorCount& a, const ColorCount& b) { return a.rgb < b.rgb; });

    std::vector<Box> boxes{all};
    while (static_cast<int>(boxes.size()) < kMaxColors) {
        // Split the box whose colours spread widest, weighted by how much of the picture it covers.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            auto score = [](const Box& box) {
                return box.colors.size() < 2 ? -1.0
                    : box.Range(box.WidestChannel()) * std::sqrt(double(box.Weight()));
            };
            return score(a) < score(b);
        });
        if (widest->colors.size() < 2)
            break;
        Box other = widest->Split();
        boxes.push_back(std::move(other));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes)
        palette.push_back(box.Average());
    return palette;
}

int NearestIndex(const std::vector<QRgb>& palette, QRgb rgb)
{
    int nBest = 0;
    int nBestDistance = INT_MAX;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int dr = qRed(rgb) - qRed(palette[i]);
        const int dg = qGreen(rgb) - qGreen(palette[i]);
        const int db = qBlue(rgb) - qBlue(palette[i]);
        const int nDistance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (nDistance < nBestDistance) {
            nBestDistance = nDistance;
            nBest = i;
        }
    }
    return nBest;
}

// ---- Writing the bitmap file.

void PutWord(QByteArray& bytes, quint16 nValue)
{
    bytes.append(static_cast<char>(nValue & 0xFF));
    bytes.append(static_cast<char>(nValue >> 8));
}

void PutDword(QByteArray& bytes, quint32 nValue)
{
    PutWord(bytes, static_cast<quint16>(nValue & 0xFFFF));
    PutWord(bytes, static_cast<quint16>(nValue >> 16));
}

QByteArray EightBitBitmapFile(const QImage& image, const std::vector<QRgb>& palette)
{
    const int nRowSize = (image.width() + 3) / 4 * 4;
    const quint32 nTableSize = static_cast<quint32>(palette.size()) * 4;
    const quint32 nBitsOffset = 14 + 40 + nTableSize;
    const quint32 nImageSize = static_cast<quint32>(nRowSize * image.height());

    QByteArray bytes;
    bytes.append("BM");
    PutDword(bytes, nBitsOffset + nImageSize);
    PutDword(bytes, 0);
    PutDword(bytes, nBitsOffset);

    PutDword(bytes, 40);
    PutDword(bytes, static_cast<quint32>(image.width()));
    PutDword(bytes, static_cast<quint32>(image.height()));  // positive: bottom row first
    PutWord(bytes, 1);                                      // planes
    PutWord(bytes, 8);                                      // bits per pixel
    PutDword(bytes, 0);                                     // no compression
    PutDword(bytes, nImageSize);
    PutDword(bytes, 3780);  // 96 dots per inch
    PutDword(bytes, 3780);
    PutDword(bytes, static_cast<quint32>(palette.size()));  // colours used
    PutDword(bytes, 0);                                     // all important

    for (QRgb rgb : palette) {
        bytes.append(static_cast<char>(qBlue(rgb)));
        bytes.append(static_cast<char>(qGreen(rgb)));
        bytes.append(static_cast<char>(qRed(rgb)));
        bytes.append('\0');
    }

    QHash<QRgb, int> nearest;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(nRowSize, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            auto it = nearest.find(rgb);
            if (it == nearest.end())
                it = nearest.insert(rgb, NearestIndex(palette, rgb));
            row[x] = static_cast<char>(*it);
        }
        bytes.append(row);
    }
    return bytes;
}

bool WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(strPath));
        return false;
    }
    std::printf("wrote %s (%lld bytes)\n", qPrintable(strPath), static_cast<long long>(bytes.size()));
    return true;
}

// The about box's three lines, in the order it reads them: platform, year, version.
QByteArray AboutText()
{
    return QByteArrayLiteral("Linux (Qt 6)\r\n2026\r\n1.0\r\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // draws into an image; needs no screen
    QGuiApplication app(argc, argv);
    const QString strDataDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    QDir().mkpath(strDataDir);

    const QImage picture = DrawPicture();
    const std::vector<QRgb> palette = MedianCutPalette(picture);
    const bool bOk = WriteFile(strDataDir + QStringLiteral("/zorb.bmp"),
                               EightBitBitmapFile(picture, palette))
        && WriteFile(strDataDir + QStringLiteral("/zorb.dat"), AboutText());
    return bOk ? 0 : 1;
}
