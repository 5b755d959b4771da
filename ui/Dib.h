#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>

class QIODevice;
class QPainter;

// A device-independent bitmap held in memory exactly as it follows the 14-byte file header of a
// bitmap file: the information header, the colour table, the pixel rows. Empty when none.
//
// Two information headers are known by their first field, the header size: 12 bytes (the core
// header, 16-bit sizes, 3-byte colour entries) and 40 bytes or more (the Windows header and its
// later extensions, 32-bit sizes, 4-byte colour entries).
//
// Every block these functions return has been checked: its header, colour table and pixel rows
// all lie inside it. The accessors still check their own reads, so any byte array is safe to pass.
using DibBlock = QByteArray;

// The picture's palette: one colour per entry of the bitmap's colour table.
using DibPalette = QList<QRgb>;

inline constexpr int kDibFileHeaderSize = 14;
inline constexpr int kDibCoreHeaderSize = 12;
inline constexpr int kDibInfoHeaderSize = 40;

// Reads a whole bitmap file from `file` (open for reading). Empty when the file is shorter than
// its 14-byte header, does not start with "BM", cannot be read to its end, or describes more
// than it holds.
DibBlock ReadDibFile(QIODevice& file);
// The same on the bytes of a whole bitmap file already in memory.
DibBlock ReadDibMemory(QByteArrayView fileBytes);
// Whether `block` holds a complete bitmap this program can paint.
bool IsValidDib(QByteArrayView block);

int DibWidth(QByteArrayView block);
// The number of pixel rows, whichever way up they are stored.
int DibHeight(QByteArrayView block);
// Whether the rows are stored top row first (a Windows header with a negative height).
bool DibIsTopDown(QByteArrayView block);
int DibBitCount(QByteArrayView block);
int DibColorCount(QByteArrayView block);
int DibColorTableSize(QByteArrayView block);
// Offset of the pixel rows from the start of the block: right after the colour table.
qsizetype DibBitsOffset(QByteArrayView block);
// The pixel rows; nullptr when the block is too short to hold any.
const uchar* DibBits(QByteArrayView block);
// Bytes in one stored pixel row (rows are padded to 4 bytes); 0 for a broken header.
qsizetype DibRowSize(QByteArrayView block);

// Builds the picture's palette from its colour table into `palette`. False for an empty or
// broken block and for a bitmap without colours (more than 8 bits per pixel and no colour count);
// `palette` is then empty.
bool MakeDibPalette(QByteArrayView block, DibPalette& palette);

// The picture as an image, top row first. Indexed pixels take their colours from `pPalette` when
// given, otherwise from the bitmap's colour table; an index past the table paints black.
// A null image for a block that is not valid.
QImage DibToImage(QByteArrayView block, const DibPalette* pPalette = nullptr);

// Paints `srcRect` of the picture (top-down picture coordinates) into `destRect`: copied when the
// sizes agree, otherwise stretched without smoothing (rows and columns are dropped or repeated).
// False for an empty or broken block.
bool DrawDib(QPainter& dc, const QRect& destRect, QByteArrayView block, const QRect& srcRect,
             const DibPalette* pPalette);
