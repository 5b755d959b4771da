// Playing with the keys alone: Tab in reading order, arrows on the board, Space to press.
#include "GameFixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Counts every mouse event the application sees.
class CMouseCounter : public QObject {
public:
    CMouseCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nEvents += pEvent->type() >= QEvent::MouseButtonPress && pEvent->type() <= QEvent::MouseMove;
        return false;
    }
    int m_nEvents = 0;
};

class KeyboardPlay : public GameTest {
protected:
    void Open()
    {
        Dlg().m_timer.stop();  // the test gives the ticks: a slow run must not see the clock's as well
        Dlg().m_bFirstPaint = false;
        Dlg().show();
        QApplication::setActiveWindow(&Dlg());
    }
    void Key(int nKey)
    {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, nKey, Qt::NoModifier, nKey == Qt::Key_Space ? QStringLiteral(" ") : QString());
            QApplication::sendEvent(Dlg().focusWidget(), &event);
        }
    }
    // Tabs to the control and presses Space on it.
    void Press(QWidget* pTarget)
    {
        for (int i = 0; i < 60 && Dlg().focusWidget() != pTarget; ++i)
            Key(Qt::Key_Tab);
        ASSERT_EQ(Dlg().focusWidget(), pTarget);
        Key(Qt::Key_Space);
    }
};

}  // namespace

// Catches Tab wandering the window: the row in reading order, Hint, Pass, then the board.
TEST_F(KeyboardPlay, TabFollowsTheReadingOrder)
{
    StartRolledGame();
    Open();
    Dlg().GetDlgItem(1000)->setFocus();
    QStringList order;
    for (int i = 0; i < 10; ++i, Key(Qt::Key_Tab))
        order << Dlg().focusWidget()->objectName();
    QStringList expected{"1000", "1001", "1002", "1006", "1007", "1004", "1038", "1029"};
    for (int p = 0; order.size() > expected.size(); ++p) {
        if (Board().Piece(p)->isEnabled())
            expected << QString::number(3000 + p);
    }
    EXPECT_EQ(order, expected);
}

// Catches arrows that stop at taken places or leave the board: they skip to the next piece in
// their direction and stay put at the edge.
TEST_F(KeyboardPlay, ArrowsMoveBetweenPiecesOnTheBoard)
{
    StartRolledGame();
    Open();
    Board().TakePiece(9, 1);
    const struct {
        int nFrom, nKey, nTo;
    } moves[] = {{8, Qt::Key_Right, 10}, {8, Qt::Key_Down, 15}, {15, Qt::Key_Up, 8},
                 {2, Qt::Key_Down, 16},  {0, Qt::Key_Left, 0},  {34, Qt::Key_Down, 34}};
    for (const auto& m : moves) {
        for (int p : {m.nFrom, m.nTo})
            Board().Piece(p)->show(), Board().Piece(p)->setEnabled(true);
        Board().Piece(m.nFrom)->setFocus();
        Key(m.nKey);
        EXPECT_EQ(Dlg().focusWidget(), Board().Piece(m.nTo)) << m.nFrom << " " << m.nKey;
    }
}

// Catches any step of a game that needs the mouse: each turn the three numbers go into the row
// and a marked piece is taken, or the player passes, and the computer's move is completed on its
// marked piece, all with Tab and Space, to the game's end.
TEST_F(KeyboardPlay, AWholeGameAgainstTheComputerWithoutTheMouse)
{
    CMouseCounter mouse;
    StartFirstGame({});
    m_prompts.Answer(IDYES);
    m_modals.Queue(132, [](CDialog& dlg) { dlg.ClickDlgItem(1049); });  // quit at the next set-up
    Open();
    int nTaken = 0;
    for (int nTurn = 0; nTurn < 200 && !Dlg().IsEnded(); ++nTurn) {
        FinishRoll();
        if (Dlg().IsEnded() || Dlg().m_nTurnPhase != 0)
            continue;
        for (int nId : {1000, 1001, 1002})
            if (!Dlg().IsComputersTurn())
                Press(Dlg().GetDlgItem(nId));
        // The human completes the computer's move too, on the piece it marked.
        nTaken += !Board().m_marked.isEmpty();
        Press(Board().m_marked.isEmpty() ? Dlg().GetDlgItem(1029) : Board().m_marked.first());
    }
    EXPECT_TRUE(Dlg().IsEnded());
    EXPECT_GT(nTaken, 0);
    EXPECT_EQ(mouse.m_nEvents, 0);
}
