// Keys and guards of the game window: Enter does nothing on any control, the row's buttons do
// nothing outside a game, the setup dialog opens over the game window.
#include "GameFixture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

class KeysAndGuards : public GameTest {
protected:
    // A key pressed on `pWidget` as the user's keyboard delivers it: ignored keys go to the parents.
    static void PressKey(QWidget* pWidget, int nKey)
    {
        QKeyEvent press(QEvent::KeyPress, nKey, Qt::NoModifier);
        QCoreApplication::sendEvent(pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, nKey, Qt::NoModifier);
        QCoreApplication::sendEvent(pWidget, &release);
    }
    // Everything a key could change: scores and phase, the row, the operators, the brackets,
    // the marks, and every sound, dialog and prompt so far.
    QString State()
    {
        QStringList row;
        for (int nId : {2001, 2002, 2003, 2004, 1013})
            row << Dlg().GetDlgItemText(nId);
        return Shown() + " | " + row.join(',') + " | " + Dlg().OperatorButton(1006)->GetOperator()
            + Dlg().OperatorButton(1007)->GetOperator() + QString::number(Dlg().m_nBracketMode)
            + QStringLiteral(" | marked %1 | ").arg(Board().m_marked.size()) + m_sounds.Files().join(',')
            + " | " + m_modals.m_log.join(',') + QStringLiteral(" | prompts %1").arg(m_prompts.Count());
    }
    void ClickRowButtons()
    {
        for (int nId : {1000, 1001, 1002, 1006, 1007, 1004})
            Dlg().OnCommand(nId, BN_CLICKED);
    }
};

// Catches a focused button that Enter clicks: Hint, the first control, would open at once.
TEST_F(KeysAndGuards, EnterDoesNothingOnAnyControlOfTheGameWindow)
{
    StartRolledGame();
    Dlg().ShowCatalogueExpression(Dlg().m_nBestIndex, true);  // a marked piece Enter could take
    QList<QWidget*> controls;
    for (int nId : {1038, 1029, 1000, 1006, 1007, 1004, 2001})
        controls << Dlg().GetDlgItem(nId);
    controls << Board().m_marked.first() << &Dlg();
    const QString strBefore = State();
    for (QWidget* pControl : controls) {
        for (int nKey : {Qt::Key_Return, Qt::Key_Enter})
            PressKey(pControl, nKey);
        EXPECT_EQ(State(), strBefore) << pControl->objectName().toStdString();
    }
    // Space still presses the focused button.
    PressKey(Dlg().GetDlgItem(1006), Qt::Key_Space);
    EXPECT_NE(State(), strBefore);
}

// Catches the row taking a "?" (-1) into its slots when no game is running.
TEST_F(KeysAndGuards, RowButtonsDoNothingBeforeTheFirstGameAndAfterTheLast)
{
    Dlg().Create();
    NewGameCommand(true, false);  // the first set-up cancelled: no game
    const QString strBefore = State();
    ClickRowButtons();
    EXPECT_EQ(State(), strBefore);

    StartRolledGame();
    for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
        if (p != Dlg().m_nBestPlace && !Board().Piece(p)->m_bTaken)
            Board().TakePiece(p, 1);
    }
    Board().Arrange();
    m_modals.Queue(132, [](CDialog& dlg) { dlg.ClickDlgItem(1049); });  // Quit Game after the end
    TakeMarkedPiece();
    ASSERT_TRUE(Board().m_bBoardEmpty);
    const QString strEnded = State();
    ClickRowButtons();
    EXPECT_EQ(State(), strEnded);
}

// Catches the setup dialog opening in the middle of the screen, away from a moved game window.
TEST_F(KeysAndGuards, SetupOpensCentredOnTheGameWindow)
{
    Dlg().Create();
    Dlg().move(37, 23);
    Dlg().show();
    QPoint centre;
    m_modals.Queue(132, [&centre](CDialog& dlg) {
        centre = dlg.frameGeometry().center();
        dlg.EndDialog(IDCANCEL);
    });
    NewGameCommand(true, false);
    EXPECT_LE((centre - Dlg().frameGeometry().center()).manhattanLength(), 2);
}

}  // namespace
