#pragma once

#include <QWidget>

class CTurnWays;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
struct CWay;
struct CWayGroup;

// The Ways window: for the last turn that ended, every way its numbers reached a number, one
// group per number. A number that a piece still on the board carries shows that piece's
// points; the move played and the best move stand out. It never shows a turn in play, so it
// gives no move away. A window of its own beside the game window, resizable, in the
// application's font.
class CWaysWnd : public QWidget {
    Q_OBJECT
public:
    enum Column { kWayColumn, kPieceColumn, kMoveColumn, kColumns };

    explicit CWaysWnd(QWidget* pParent = nullptr);

    // Shows the window in front, its list ready for the keyboard.
    void Open();
    // Shows an ended turn; nullptr empties the list and says why.
    void ShowTurn(const CTurnWays* pTurn);
    // Text at the game's zoom; before the window first opens, its size too.
    void FollowZoom(double dZoom);

    QLabel* Summary() const { return m_pSummary; }
    QTreeWidget* List() const { return m_pList; }
    // The backgrounds of the played move and of the best move (the played one wins for both).
    static QColor PlayedColor();
    static QColor BestColor();

private:
    static QString SummaryText(const CTurnWays& turn);
    QTreeWidgetItem* AddGroup(const CTurnWays& turn, const CWayGroup& group);
    void MakeCurrent(QTreeWidgetItem* pItem);
    static void AddWay(const CTurnWays& turn, const CWay& way, QTreeWidgetItem* pGroup);
    static void Highlight(QTreeWidgetItem* pItem, const QColor& color);
    static void Embolden(QTreeWidgetItem* pItem);

    QLabel* m_pSummary = nullptr;
    QTreeWidget* m_pList = nullptr;
};
