// The computer's side of a one-player game: at the end of its roll it shows the best move of
// the roll in the row and makes the piece blink; the human's click on that piece completes it.
#include "GameDlg.h"

#include "BoardWnd.h"

void CGameDlg::ComputerMove()
{
    CBoardWnd* pBoard = Board();
    pBoard->ResetTakenCovers();
    m_nResult = m_nBestValue;
    if (m_nBestIndex == -1) {
        ShowGameMessage(QStringLiteral("I'm afraid I cannot find\na move, so I must pass."),
                        QStringLiteral("Computer's Move"));
        update();
        EndTurn(false);
    } else {
        pBoard->SelectPiece(m_nBestPlace, true);
        ShowCatalogueExpression(m_nBestIndex, true);
        update();
    }
    m_bRollSaved = false;
}
