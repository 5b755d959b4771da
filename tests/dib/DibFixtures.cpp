#include "DibFixtures.h"

#include <QFile>
#include <QRegularExpression>

QString FixturePath(const QString& strName)
{
    return QStringLiteral(ZORBLY_SOURCE_DIR "/tests/dib/fixtures/") + strName;
}

QByteArray FixtureBytes(const QString& strName)
{
    QFile file(FixturePath(strName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray FixtureBlock(const QString& strName)
{
    return FixtureBytes(strName).mid(14);
}

QImage ImageMagickPixels(const QString& strName)
{
    QFile file(FixturePath(QString(strName).replace(QStringLiteral(".bmp"), QStringLiteral(".txt"))));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // "# ImageMagick pixel enumeration: 5,3,255,srgb" then "x,y: (r,g,b)  #RRGGBB  name"
    static const QRegularExpression header(QStringLiteral("enumeration: (\\d+),(\\d+),"));
    static const QRegularExpression pixel(QStringLiteral("^(\\d+),(\\d+):.*#([0-9A-Fa-f]{6})"));
    const auto size = header.match(QString::fromLatin1(file.readLine()));
    if (!size.hasMatch())
        return {};
    QImage image(size.captured(1).toInt(), size.captured(2).toInt(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    while (!file.atEnd()) {
        const auto match = pixel.match(QString::fromLatin1(file.readLine()));
        if (match.hasMatch())
            image.setPixel(match.captured(1).toInt(), match.captured(2).toInt(),
                           0xFF000000u | match.captured(3).toUInt(nullptr, 16));
    }
    return image;
}
