#pragma once

#include <QLabel>

// A one-line label that shows a text too long for it cut with "…", a kept ending (such as
// "'s turn") left whole, and the whole text in its tooltip. Its text stays the whole text.
class CElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit CElidedLabel(const QString& strText, const QString& strKeptEnding = {}, QWidget* pParent = nullptr);

    // The text as it is drawn at the label's width.
    QString ShownText() const;
    // The whole text as tooltip while it is cut, none otherwise.
    void UpdateToolTip();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    QString m_strKeptEnding;
};
