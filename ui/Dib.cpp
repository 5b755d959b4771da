#include "Dib.h"

#include <QIODevice>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <optional>

namespace {

constexpr quint16 kBitmapSignature = 0x4D42;  // "BM" read as a little-endian 16-bit value
constexpr quint32 kCompressionNone = 0;
constexpr quint32 kCompressionRle8 = 1;
constexpr quint32 kCompressionRle4 = 2;
constexpr qint64 kMaxColors = 256;
// Run-length rows can claim any size in a few bytes; no picture of ours comes near this.
constexpr qint64 kMaxPixels = qint64(1) << 26;

quint32 ReadUnsigned(QByteArrayView block, qsizetype nOffset, int nBytes)
{
    if (nOffset < 0 || nOffset + nBytes > block.size())
        return 0;
    quint32 nValue = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        nValue = (nValue << 8) | static_cast<uchar>(block[nOffset + i]);
    return nValue;
}

quint16 ReadWord(QByteArrayView block, qsizetype nOffset)
{
    return static_cast<quint16>(ReadUnsigned(block, nOffset, 2));
}

quint32 ReadDword(QByteArrayView block, qsizetype nOffset)
{
    return ReadUnsigned(block, nOffset, 4);
}

// The fields of either information header, widened so that no arithmetic on them overflows.
struct DibHeader {
    qint64 nHeaderSize = 0;
    bool bCore = false;
    qint64 nWidth = 0;
    qint64 nHeight = 0;  // negative: rows stored top row first
    int nBitCount = 0;
    quint32 nCompression = kCompressionNone;
    qint64 nColors = 0;

    int ColorEntrySize() const { return bCore ? 3 : 4; }
    qint64 ColorTableSize() const { return nColors * ColorEntrySize(); }
    qint64 BitsOffset() const { return nHeaderSize + ColorTableSize(); }
    qint64 RowSize() const { return (nWidth * nBitCount + 31) / 32 * 4; }
    qint64 Rows() const { return nHeight < 0 ? -nHeight : nHeight; }
    bool IsRunLength() const { return nCompression == kCompressionRle8 || nCompression == kCompressionRle4; }
};

qint64 DefaultColorCount(int nBitCount)
{
    switch (nBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

// The header's fields, or nothing when the block is too short for the header it announces or
// announces a header of neither known kind.
std::optional<DibHeader> ParseHeader(QByteArrayView block)
{
    if (block.size() < 4)
        return std::nullopt;
    DibHeader header;
    header.nHeaderSize = ReadDword(block, 0);
    if (header.nHeaderSize > block.size())
        return std::nullopt;
    if (header.nHeaderSize == kDibCoreHeaderSize) {
        header.bCore = true;
        header.nWidth = ReadWord(block, 4);
        header.nHeight = ReadWord(block, 6);
        header.nBitCount = ReadWord(block, 10);
        header.nColors = DefaultColorCount(header.nBitCount);
        return header;
    }
    if (header.nHeaderSize >= kDibInfoHeaderSize) {
        header.nWidth = static_cast<qint32>(ReadDword(block, 4));
        header.nHeight = static_cast<qint32>(ReadDword(block, 8));
        header.nBitCount = ReadWord(block, 14);
        header.nCompression = ReadDword(block, 16);
        const quint32 nColorsUsed = ReadDword(block, 32);
        header.nColors = nColorsUsed != 0 ? nColorsUsed : DefaultColorCount(header.nBitCount);
        return header;
    }
    return std::nullopt;
}

bool IsKnownCompression(const DibHeader& header)
{
    switch (header.nCompression) {
    case kCompressionNone: return true;
    // Run-length rows are stored bottom row first only.
    case kCompressionRle8: return header.nBitCount == 8 && header.nHeight > 0;
    case kCompressionRle4: return header.nBitCount == 4 && header.nHeight > 0;
    default: return false;
    }
}

bool IsPaintableFormat(const DibHeader& header)
{
    switch (header.nBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return false;
    }
    return IsKnownCompression(header) && header.nWidth > 0 && header.nHeight != 0
        && header.nColors <= kMaxColors && header.nWidth <= kMaxPixels
        && header.Rows() <= kMaxPixels / header.nWidth;
}

// Whether the colour table and every pixel row lie inside the block. Run-length rows have no
// fixed size; their decoder stops at the end of the block.
bool FitsInBlock(const DibHeader& header, qsizetype nBlockSize)
{
    const qint64 nBitsOffset = header.BitsOffset();
    if (nBitsOffset > nBlockSize)
        return false;
    if (header.IsRunLength())
        return true;
    const qint64 nRowSize = header.RowSize();
    const qint64 nRoom = nBlockSize - nBitsOffset;
    return nRowSize <= nRoom && header.Rows() <= nRoom / nRowSize;
}

std::optional<DibHeader> ValidHeader(QByteArrayView block)
{
    auto header = ParseHeader(block);
    if (!header || !IsPaintableFormat(*header) || !FitsInBlock(*header, block.size()))
        return std::nullopt;
    return header;
}

int ClampToInt(qint64 nValue)
{
    return static_cast<int>(std::clamp<qint64>(nValue, INT_MIN, INT_MAX));
}

DibPalette ColorTable(QByteArrayView block, const DibHeader& header)
{
    DibPalette palette;
    palette.reserve(header.nColors);
    const int nEntrySize = header.ColorEntrySize();
    for (qint64 i = 0; i < header.nColors; ++i) {
        const qsizetype nEntry = header.nHeaderSize + i * nEntrySize;
        const auto* pEntry = reinterpret_cast<const uchar*>(block.data() + nEntry);
        palette.append(qRgb(pEntry[2], pEntry[1], pEntry[0]));  // stored blue, green, red
    }
    return palette;
}

int PixelIndex(const uchar* pRow, int x, int nBitCount)
{
    switch (nBitCount) {
    case 1: return (pRow[x / 8] >> (7 - x % 8)) & 0x01;
    case 4: return (pRow[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default: return pRow[x];
    }
}

QRgb TrueColorPixel(const uchar* pRow, int x, int nBitCount)
{
    if (nBitCount == 16) {
        const int nValue = pRow[2 * x] | (pRow[2 * x + 1] << 8);  // 5 bits each, red highest
        auto scale = [](int n5) { return (n5 << 3) | (n5 >> 2); };
        return qRgb(scale((nValue >> 10) & 31), scale((nValue >> 5) & 31), scale(nValue & 31));
    }
    const int nBytes = nBitCount / 8;
    const uchar* pPixel = pRow + x * nBytes;
    return qRgb(pPixel[2], pPixel[1], pPixel[0]);
}

const uchar* StoredRow(QByteArrayView block, const DibHeader& header, int y)
{
    const qint64 nStoredRow = header.nHeight < 0 ? y : header.Rows() - 1 - y;
    return reinterpret_cast<const uchar*>(block.data()) + header.BitsOffset()
        + nStoredRow * header.RowSize();
}

// Decodes run-length rows (bottom row first) into `image`, which starts all index 0. Pixels
// past the right edge are dropped; decoding stops at the end of the data or of the picture.
class CRunLengthDecoder {
public:
    CRunLengthDecoder(QByteArrayView data, bool bFourBit, QImage& image)
        : m_data(data), m_bFourBit(bFourBit), m_image(image) {}

    void Decode()
    {
        while (m_nPos + 1 < m_data.size() && m_nRow < m_image.height()) {
            const int nCount = Byte(m_nPos);
            const int nValue = Byte(m_nPos + 1);
            m_nPos += 2;
            if (nCount > 0)
                PutRun(nCount, nValue);
            else if (!Escape(nValue))
                return;
        }
    }

private:
    int Byte(qsizetype nPos) const { return static_cast<uchar>(m_data[nPos]); }

    // Returns false at the end of the picture.
    bool Escape(int nCode)
    {
        switch (nCode) {
        case 0:  // end of row
            m_nX = 0;
            ++m_nRow;
            return true;
        case 1:  // end of picture
            return false;
        case 2:  // move right and up
            if (m_nPos + 1 >= m_data.size())
                return false;
            m_nX += Byte(m_nPos);
            m_nRow += Byte(m_nPos + 1);
            m_nPos += 2;
            return true;
        default:
            PutAbsolute(nCode);
            return true;
        }
    }

    void PutRun(int nCount, int nValue)
    {
        for (int i = 0; i < nCount; ++i)
            Put(m_bFourBit ? (i % 2 == 0 ? nValue >> 4 : nValue & 0x0F) : nValue);
    }

    void PutAbsolute(int nCount)
    {
        const qsizetype nBytes = m_bFourBit ? (nCount + 1) / 2 : nCount;
        for (int i = 0; i < nCount; ++i) {
            const qsizetype nAt = m_nPos + (m_bFourBit ? i / 2 : i);
            if (nAt >= m_data.size())
                break;
            const int nByte = Byte(nAt);
            Put(m_bFourBit ? (i % 2 == 0 ? nByte >> 4 : nByte & 0x0F) : nByte);
        }
        m_nPos += nBytes + (nBytes % 2);  // runs of literals are padded to 16 bits
    }

    void Put(int nIndex)
    {
        if (m_nX < m_image.width() && m_nRow < m_image.height())
            m_image.scanLine(m_image.height() - 1 - m_nRow)[m_nX] = static_cast<uchar>(nIndex);
        ++m_nX;
    }

    QByteArrayView m_data;
    bool m_bFourBit;
    QImage& m_image;
    qsizetype m_nPos = 0;
    qint64 m_nX = 0;
    qint64 m_nRow = 0;
};

QImage IndexedImage(QByteArrayView block, const DibHeader& header, const DibPalette* pPalette)
{
    QImage image(ClampToInt(header.nWidth), ClampToInt(header.Rows()), QImage::Format_Indexed8);
    if (image.isNull())
        return image;
    DibPalette colors = pPalette ? *pPalette : ColorTable(block, header);
    colors.resize(256, qRgb(0, 0, 0));  // indices past the table paint black
    image.setColorTable(colors);
    if (header.IsRunLength()) {
        image.fill(0);
        CRunLengthDecoder(block.sliced(header.BitsOffset()), header.nCompression == kCompressionRle4,
                          image).Decode();
        return image;
    }
    for (int y = 0; y < image.height(); ++y) {
        const uchar* pRow = StoredRow(block, header, y);
        uchar* pOut = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            pOut[x] = static_cast<uchar>(PixelIndex(pRow, x, header.nBitCount));
    }
    return image;
}

QImage TrueColorImage(QByteArrayView block, const DibHeader& header)
{
    QImage image(ClampToInt(header.nWidth), ClampToInt(header.Rows()), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* pRow = StoredRow(block, header, y);
        auto* pOut = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            pOut[x] = TrueColorPixel(pRow, x, header.nBitCount);
    }
    return image;
}

}  // namespace

DibBlock ReadDibFile(QIODevice& file)
{
    const QByteArray fileHeader = file.read(kDibFileHeaderSize);
    if (fileHeader.size() < kDibFileHeaderSize || ReadWord(fileHeader, 0) != kBitmapSignature)
        return {};
    const qint64 nRemaining = file.size() - file.pos();
    if (nRemaining <= 0)
        return {};
    DibBlock block = file.read(nRemaining);
    if (block.size() != nRemaining || !IsValidDib(block))
        return {};
    return block;
}

DibBlock ReadDibMemory(QByteArrayView fileBytes)
{
    if (fileBytes.size() < kDibFileHeaderSize || ReadWord(fileBytes, 0) != kBitmapSignature)
        return {};
    const QByteArrayView block = fileBytes.sliced(kDibFileHeaderSize);
    if (!IsValidDib(block))
        return {};
    return block.toByteArray();
}

bool IsValidDib(QByteArrayView block)
{
    return ValidHeader(block).has_value();
}

int DibWidth(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? ClampToInt(header->nWidth) : 0;
}

int DibHeight(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? ClampToInt(header->Rows()) : 0;
}

bool DibIsTopDown(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header && header->nHeight < 0;
}

int DibBitCount(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? header->nBitCount : 0;
}

int DibColorCount(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? ClampToInt(header->nColors) : 0;
}

int DibColorTableSize(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? ClampToInt(header->ColorTableSize()) : 0;
}

qsizetype DibBitsOffset(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header ? header->BitsOffset() : 0;
}

const uchar* DibBits(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    if (!header || header->BitsOffset() >= block.size())
        return nullptr;
    return reinterpret_cast<const uchar*>(block.data()) + header->BitsOffset();
}

qsizetype DibRowSize(QByteArrayView block)
{
    const auto header = ParseHeader(block);
    return header && header->nWidth > 0 ? header->RowSize() : 0;
}

bool MakeDibPalette(QByteArrayView block, DibPalette& palette)
{
    palette.clear();
    const auto header = ValidHeader(block);
    if (!header || header->nColors == 0)
        return false;
    palette = ColorTable(block, *header);
    return true;
}

QImage DibToImage(QByteArrayView block, const DibPalette* pPalette)
{
    const auto header = ValidHeader(block);
    if (!header)
        return {};
    if (header->nBitCount <= 8)
        return IndexedImage(block, *header, pPalette);
    return TrueColorImage(block, *header);
}

bool DrawDib(QPainter& dc, const QRect& destRect, QByteArrayView block, const QRect& srcRect,
             const DibPalette* pPalette)
{
    const QImage image = DibToImage(block, pPalette);
    if (image.isNull() || srcRect.intersected(image.rect()).isEmpty())
        return false;
    if (destRect.size() == srcRect.size()) {
        dc.drawImage(destRect.topLeft(), image, srcRect);
        return true;
    }
    dc.save();
    dc.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dc.drawImage(destRect, image, srcRect);
    dc.restore();
    return true;
}
