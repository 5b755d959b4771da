#pragma once

#include "Dib.h"

#include <QWidget>
#include <memory>

// The picture control: holds one bitmap with its own palette and paints it at its natural size
// at the control's top-left corner. With no picture or no palette it paints nothing.
class CDibStatic : public QWidget {
    Q_OBJECT
public:
    explicit CDibStatic(QWidget* pParent = nullptr);
    ~CDibStatic() override;

    // Replaces the held picture and palette with those of the file at `strPath`. False only when
    // the file cannot be opened (reported as the framework's file error); the caller then gives
    // up showing the picture's window. A file that opens but holds no usable bitmap is reported
    // and leaves the control empty, and the result is true.
    bool LoadDib(const QString& strPath);

    bool OnQueryNewPalette();

    bool HasPicture() const { return !m_hDib.isEmpty(); }
    bool HasPalette() const { return m_pPalette && !m_pPalette->isEmpty(); }
    const DibBlock& Dib() const { return m_hDib; }
    // The picture's palette; empty when none was made.
    DibPalette Palette() const { return m_pPalette ? *m_pPalette : DibPalette(); }

    // Paints the picture onto `dc` as the control would; false when drawing failed.
    bool PaintPicture(QPainter& dc) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void OnPaint();
    static void ReportOpenError(const QString& strPath);

    DibBlock m_hDib;
    std::unique_ptr<DibPalette> m_pPalette;
    bool m_bPaintErrorShown = false;
};
