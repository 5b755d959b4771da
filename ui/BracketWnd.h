#pragma once

#include <QBrush>
#include <QPixmap>
#include <QWidget>

class CPalette;

// One bracket of the expression row: a glyph combined by bitwise AND over a sea-green
// background. Hiding the glyph keeps the background.
class CBracketWnd : public QWidget {
    Q_OBJECT
public:
    explicit CBracketWnd(QWidget* pParent = nullptr);

    // Loads bitmap `nId` as the glyph and records the palette; true when the bitmap loaded.
    bool SetBitmap(int nId, const CPalette* pPalette);
    void ShowGlyph(bool bVisible);
    bool IsGlyphVisible() const { return m_bVisible; }
    int BitmapId() const { return m_nBitmapId; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_bitmap;
    bool m_bLoaded = false;
    bool m_bVisible = false;
    const CPalette* m_pPalette = nullptr;
    QBrush m_brush;
    int m_nBitmapId = 0;
};
