#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The bitmap files ImageMagick made (fixtures/make_fixtures.sh) and ImageMagick's own reading of
// their pixels.
QString FixturePath(const QString& strName);
QByteArray FixtureBytes(const QString& strName);
// The pixels ImageMagick read from fixture `strName` (its .txt beside the .bmp).
QImage ImageMagickPixels(const QString& strName);
// The bitmap block of a fixture file: everything after its 14-byte file header.
QByteArray FixtureBlock(const QString& strName);
