#pragma once

#include <QColor>
#include <QPushButton>

class QBrush;

// A push button that draws itself: a raised double bevel, a face in a chosen colour, a black
// outline that thickens with the focus, and its text centred on the middle of a board piece.
// With a brush attached it is a coloured panel instead and draws nothing as a button.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* pParent = nullptr);

    virtual void SetRaised(bool bRaised);
    void SetFaceColor(const QColor& crFace);
    void SetBrush(const QBrush* pBrush);
    QColor FaceColor() const { return m_crFace; }
    bool IsRaised() const { return m_bRaised; }
    bool IsPanel() const { return m_pBrush != nullptr; }

    bool m_bFlash = false;  // blink phase of a marked piece

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    // The background behind the face; the panel's brush, or nothing.
    virtual void EraseBackground(QPainter& dc);
    virtual void DrawItem(QPainter& dc, const QRect& rcItem);
    // The bevel, the face and the outline, thicker as the window zooms; the focus ring on top.
    void DrawFace(QPainter& dc, const QRect& rcItem);
    void DrawText(QPainter& dc);
    double Zoom() const;

private:
    void DrawZoomedOutline(QPainter& dc, const QRect& rcItem, int nRing);

    const QBrush* m_pBrush = nullptr;
    QColor m_crFace;
    bool m_bRaised = true;
};
