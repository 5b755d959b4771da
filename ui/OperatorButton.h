#pragma once

#include "ColorButton.h"

#include <QPixmap>
#include <QStringList>

// An operator of the expression row: steps through the operators allowed in this game. Its
// window text is its state as the rest of the game sees it; the face shows the operator's
// glyph (bitmaps 141 to 144) and no text.
class COperatorButton : public CColorButton {
    Q_OBJECT
public:
    explicit COperatorButton(QWidget* pParent = nullptr);

    // Appends the one-character operator c.
    void AddOperator(char c);
    // Empties the list; the text stays until the next ShowFirstOperator.
    void RemoveAllOperators();
    // Shows the first operator of the list; nothing with an empty list.
    void ShowFirstOperator();
    // Shows the next operator, the first after the last; nothing with an empty list.
    void ShowNextOperator();
    // The first character of the text, 0 when it is empty.
    char GetOperator() const;
    // Shows c without moving the list position, so the next step continues from the operator
    // last reached through the list.
    bool SetOperator(char c);

    int OperatorCount() const { return static_cast<int>(m_operators.size()); }
    // The glyph bitmap of an operator character, 0 for any other character.
    static int GlyphBitmapId(char c);
    // The operation as a screen reader says it.
    static QString OperatorInWords(char c);

    static constexpr int kGlyphSize = 14;

protected:
    void DrawItem(QPainter& dc, const QRect& rcItem) override;

private:
    void ShowOperator(const QString& strOperator);

    QStringList m_operators;
    int m_posCurrent = -1;  // operator last shown through the list; -1 before the first
    QPixmap m_bmpGlyph;
};
