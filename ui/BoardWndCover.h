#pragma once

#include <QPixmap>
#include <QWidget>

// The picture under a board piece, shown once the piece is taken: a taken place, a taken
// neighbour flashing, or the place of the piece just taken. It never takes clicks.
class CBoardWndCover : public QWidget {
    Q_OBJECT
public:
    explicit CBoardWndCover(QWidget* pParent = nullptr);

    // Loads bitmap nId as the picture; false when there is no such bitmap.
    bool SetBitmap(int nId);
    int BitmapId() const { return m_nBitmapId; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_bitmap;
    int m_nBitmapId = 0;
};
