// The computer's side of a one-player game: at the end of its roll it shows the best move of
// the roll in the row and makes the piece blink; the human's click on that piece completes it.
#include "GameDlg.h"

#include "BoardWnd.h"

#include <QTimer>

void CGameDlg::ComputerMove()
{
    CBoardWnd* pBoard = Board();
    pBoard->ResetTakenCovers();
    m_nResult = m_nBestValue;
    if (m_nBestIndex == -1) {
        // A timer tick never runs a dialog: the message box and the pass come right after it.
        QTimer::singleShot(0, this, &CGameDlg::ComputerPasses);
    } else {
        ShowCatalogueExpression(m_nBestIndex, true);  // marks the chosen piece
        update();
    }
    m_bRollSaved = false;
}

void CGameDlg::ComputerPasses()
{
    if (!IsComputersTurn() || m_nTurnPhase != 0 || m_nBestIndex != -1)
        return;
    ShowGameMessage(QStringLiteral("I'm afraid I cannot find\na move, so I must pass."),
                    QStringLiteral("Computer's Move"));
    update();
    EndTurn(false);
}
