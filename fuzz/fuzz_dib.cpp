// Feeds arbitrary bytes to the bitmap reader as a whole bitmap file, then measures, builds the
// palette of and paints whatever it accepts.

#include "Dib.h"

#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    const DibBlock block = ReadDibMemory(bytes);

    // The accessors must stay inside any block, accepted or not.
    const QByteArrayView raw = bytes.size() > kDibFileHeaderSize ? bytes.sliced(kDibFileHeaderSize) : bytes;
    for (QByteArrayView view : {raw, QByteArrayView(block)}) {
        (void)DibWidth(view);
        (void)DibHeight(view);
        (void)DibColorCount(view);
        (void)DibColorTableSize(view);
        (void)DibBits(view);
        DibPalette palette;
        (void)MakeDibPalette(view, palette);
    }
    // Painting a picture of many million pixels proves nothing more and slows the search down.
    constexpr qint64 kMaxFuzzPixels = qint64(1) << 20;
    if (block.isEmpty() || qint64(DibWidth(block)) * DibHeight(block) > kMaxFuzzPixels)
        return 0;

    DibPalette palette;
    const bool bPalette = MakeDibPalette(block, palette);
    QImage canvas(16, 16, QImage::Format_RGB32);
    QPainter dc(&canvas);
    const QRect rcPicture(0, 0, DibWidth(block), DibHeight(block));
    (void)DrawDib(dc, QRect(0, 0, 16, 16), block, rcPicture, bPalette ? &palette : nullptr);
    (void)DrawDib(dc, rcPicture, block, rcPicture, nullptr);
    return 0;
}
