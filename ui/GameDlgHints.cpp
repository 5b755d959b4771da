// Hints, bought with points from the player's own score: the number of the best piece, or the
// operators that reach it.
#include "GameDlg.h"

#include "HintDlg.h"
#include "OperatorButton.h"
#include "Player.h"
#include "Prompts.h"

namespace {

const QString kHintCaption = QStringLiteral("Hint");

}  // namespace

void CGameDlg::OnHint()
{
    if (m_nTurnPhase != 0 || IsComputersTurn() || !IsGameRunning())
        return;
    CHintDlg dlg;
    switch (dlg.DoModal()) {
    case CHintDlg::kOperators: GiveOperatorHint(); break;
    case CHintDlg::kOptimal: GiveOptimalHint(); break;
    default: break;
    }
}

void CGameDlg::GiveOperatorHint()
{
    if (m_nBestValue == -1000) {
        MessageBox(this, QStringLiteral("There is no obtainable piece."), kHintCaption);
        return;
    }
    OnSlot4();
    OnSlot3();
    OnSlot2();
    OnSlot1();
    if (CPlayer* pPlayer = SeatPlayer(CurrentPlayer()))
        pPlayer->CountOperatorHint();
    ShowCatalogueExpression(m_nBestIndex, false);
    m_nBracketMode = 0;
    HideBrackets();
    ShowGameMessage(QStringLiteral("The operators have been set."), kHintCaption);
    ChargeHint(kOperatorHintCost);
}

void CGameDlg::GiveOptimalHint()
{
    if (m_nBestValue == -1000) {
        MessageBox(this, QStringLiteral("There is no obtainable piece."), kHintCaption);
        return;
    }
    const QString strText =
        QStringLiteral("The value of the best piece is %1.").arg(m_nBestValue);
    if (CPlayer* pPlayer = SeatPlayer(CurrentPlayer()))
        pPlayer->CountOptimalHint();
    ShowGameMessage(strText, kHintCaption);
    ChargeHint(kOptimalHintCost);
}

// The score may fall below zero; the record takes the new total at the end of the turn.
void CGameDlg::ChargeHint(int nCost)
{
    const int nPlayer = CurrentPlayer();
    m_nScore[nPlayer] -= nCost;
    m_pScoreBoard->ShowScore(nPlayer, m_nScore[nPlayer], m_bSounds, this, nPlayer == 0 ? 1034 : 1035);
}
