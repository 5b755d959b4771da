// The turn: the roll of the numbers, taking a piece, passing, the end of a turn with its
// better-move check, and the end of the game.
#include "GameDlg.h"

#include "BoardWnd.h"
#include "BracketWnd.h"
#include "GameApp.h"
#include "GameSound.h"
#include "MessageDlg.h"
#include "OperatorButton.h"
#include "PieceButton.h"
#include "Player.h"
#include "Prompts.h"
#include "Random.h"
#include "Resources.h"

#include <QLabel>

namespace {

constexpr int kNumberIds[] = {1000, 1001, 1002};
constexpr int kSlotIds[] = {2001, 2002, 2003, 2004};
constexpr int kBestNumberId = 1036;  // hidden: the best number of the roll, or "NO"
constexpr int kBestIndexId = 1037;   // hidden: its catalogue index
constexpr int kMoveIconId = 1039;    // hidden: whether the roll reached a piece
constexpr int kNoMoveIcon = 135;
constexpr int kMoveIcon = 136;
constexpr int kStatusId = 1031;
constexpr int kScoreIds[] = {1034, 1035};
constexpr int kNoPiece = -1000;

}  // namespace

int CGameDlg::CurrentPlayer() const
{
    const CBoardWnd* pBoard = Board();
    return pBoard ? pBoard->m_nCurrentPlayer : 0;
}

// A game is set up and has pieces left; before the first set-up and after a game ended the
// turn buttons have nothing to act on.
bool CGameDlg::IsGameRunning() const
{
    return !m_bFirstSetUp && !Board()->m_bBoardEmpty;
}

void CGameDlg::ShowStatus(const QString& strText)
{
    SetDlgItemText(kStatusId, strText);
}

void CGameDlg::ShowMoveIcon(int nIconId)
{
    m_hMoveIcon = LoadIcon(nIconId);
    if (auto* pIcon = qobject_cast<QLabel*>(GetDlgItem(kMoveIconId)))
        pIcon->setPixmap(m_hMoveIcon.pixmap(32, 32));
}

// One tick of a running roll: new numbers, the search, and at the 15th draw the end of the roll.
void CGameDlg::RollTick()
{
    PlayGameSound(GameSound::Shake, m_bSounds);
    if (m_nTurnPhase == 1) {
        for (int nId : kNumberIds)
            EnableDlgItem(nId, true);
        m_bRollSaved = false;
    }
    ++m_nTurnPhase;
    DrawNumbers();

    int nListPos = 0;
    int nIndex = -1;
    if (Board()->FindBestPiece(m_nDrawn[0], m_nDrawn[1], m_nDrawn[2], nListPos, nIndex)) {
        const CPieceButton* pPiece = Board()->ArrangedPiece(nListPos);
        if (pPiece) {
            if (!m_bRollSaved)
                HoldDraw(*pPiece, nIndex, false);
            if (IsCatchUpDraw(*pPiece))
                HoldDraw(*pPiece, nIndex, true);
        }
    } else if (!m_bRollSaved) {
        ShowMoveIcon(kNoMoveIcon);
        SetDlgItemText(kBestNumberId, QStringLiteral("NO"));
        m_nBestValue = kNoPiece;
        m_nBestIndex = -1;
    }
    if (m_nTurnPhase > kRollTicks)
        EndRoll();
}

void CGameDlg::DrawNumbers()
{
    for (int i = 0; i < 3; ++i) {
        m_nDrawn[i] = CRandom::Scaled(10);
        SetDlgItemInt(kNumberIds[i], m_nDrawn[i]);
    }
}

// Keeps this draw's numbers and its best move; the catch-up draw is marked with "!".
void CGameDlg::HoldDraw(const CPieceButton& piece, int nIndex, bool bCatchUp)
{
    std::copy(m_nDrawn, m_nDrawn + 3, m_nSavedDrawn);
    ShowMoveIcon(kMoveIcon);
    m_bRollSaved = true;
    m_nBestValue = piece.m_nNumber;
    m_nBestCount = piece.m_nCount;
    m_nBestIndex = nIndex;
    m_nBestPlace = piece.m_nID - CBoardWnd::kFirstPieceId;
    QString strBest = QString::number(m_nBestValue);
    if (bCatchUp)
        strBest += QLatin1Char('!');
    SetDlgItemText(kBestNumberId, strBest);
    SetDlgItemInt(kBestIndexId, nIndex);
}

// Player one, far behind the computer, gets a later draw that is worth more points.
bool CGameDlg::IsCatchUpDraw(const CPieceButton& piece) const
{
    return m_bOnePlayer && CurrentPlayer() == 0 && m_nScore[0] + kCatchUpLead < m_nScore[1] &&
           piece.m_nCount > m_nBestCount;
}

void CGameDlg::EndRoll()
{
    m_nTurnPhase = 0;
    if (m_bRollSaved) {
        for (int i = 0; i < 3; ++i) {
            m_nDrawn[i] = m_nSavedDrawn[i];
            SetDlgItemInt(kNumberIds[i], m_nDrawn[i]);
        }
    }
    if (IsComputersTurn())
        ComputerMove();
}

void CGameDlg::OnPieceClick(int nPlace)
{
    CBoardWnd* pBoard = Board();
    if (!pBoard->m_bAnyMarked) {
        PlayGameSound(GameSound::No, m_bSounds);
        return;
    }
    CPieceButton* pPiece = pBoard->Piece(nPlace);
    const bool bAccepted = pPiece && !pPiece->m_bTaken && m_nResult == pPiece->m_nNumber &&
                           (!IsComputersTurn() || nPlace == m_nBestPlace);
    if (!bAccepted) {
        PlayGameSound(GameSound::No, m_bSounds);
        return;
    }
    // The points count the neighbours taken as the board was last arranged.
    const int nPoints = pPiece->m_nCount + 1;
    const int nPlayer = CurrentPlayer();
    pBoard->TakePiece(nPlace, nPlayer + 1);
    PlayGameSound(GameSound::Shoop, m_bSounds);
    pBoard->FlashTakenNeighbours(nPlace, m_bSounds);
    m_nScore[nPlayer] += nPoints;
    m_nMovePoints = nPoints;
    EndTurn(false);
}

void CGameDlg::OnPass()
{
    if (m_nTurnPhase != 0 || IsComputersTurn() || !IsGameRunning())
        return;
    EndTurn(true);
}

void CGameDlg::EndTurn(bool bPassButton)
{
    const bool bCouldMove = m_nBestValue != kNoPiece;
    if (bPassButton && bCouldMove &&
        MessageBox(this, QStringLiteral("Are you sure you want to pass?"),
                   QStringLiteral("Confirm Pass"), PromptButtons::YesNo,
                   PromptIcon::Question) != IDYES)
        return;
    const int nPlayer = CurrentPlayer();
    if (bPassButton && bCouldMove && (nPlayer == 0 || !m_bOnePlayer)) {
        if (CPlayer* pPlayer = SeatPlayer(nPlayer))
            pPlayer->CountPass();
    }
    KeepEndedTurn();
    Board()->Arrange();
    ShowTurnScore();
    if (m_nMovePoints < m_nBestCount + 1)
        OfferBetterMove();
    HandTurnOver();
    ResetRowForNewTurn();
    if (!IsComputersTurn())
        Board()->ResetTakenCovers();
    if (Board()->m_bBoardEmpty)
        EndOfGame();
}

// Counts the current player's displayed score over to the real one; the humans' records keep it.
void CGameDlg::ShowTurnScore()
{
    const int nPlayer = CurrentPlayer();
    m_pScoreBoard->ShowScore(nPlayer, m_nScore[nPlayer], m_bSounds, this, kScoreIds[nPlayer]);
    if (nPlayer == 1 && m_bOnePlayer)
        return;
    if (CPlayer* pPlayer = SeatPlayer(nPlayer))
        pPlayer->SetScore(m_nScore[nPlayer]);
}

// The move (or the pass) scored less than the best piece: counted, and shown when asked for.
void CGameDlg::OfferBetterMove()
{
    if (CPlayer* pPlayer = SeatPlayer(CurrentPlayer()))
        pPlayer->CountMissedMove();
    if (MessageBox(this, QStringLiteral("There was a better move.\nWould you like to see it?"),
                   QStringLiteral("Better Move"), PromptButtons::YesNo,
                   PromptIcon::Question) != IDYES)
        return;
    HideBrackets();
    ShowCatalogueExpression(m_nBestIndex, true);
    CBoardWnd* pBoard = Board();
    pBoard->ClearSelection();
    pBoard->SelectPiece(m_nBestPlace, false);
    ShowStatus(QStringLiteral("Better Move"));
    ShowGameMessage(QStringLiteral("Continue the game."), QStringLiteral("Better Move"));
    pBoard->ClearSelection();
}

void CGameDlg::HandTurnOver()
{
    m_nMovePoints = 0;
    CBoardWnd* pBoard = Board();
    pBoard->m_nCurrentPlayer = pBoard->m_nCurrentPlayer == 0 ? 1 : 0;
    if (pBoard->m_nCurrentPlayer == 0)
        m_bFormShown = false;
    if (!pBoard->m_bBoardEmpty) {
        ShowStatus(m_strPlayerName[pBoard->m_nCurrentPlayer] + QStringLiteral("'s turn"));
        update();
    }
}

void CGameDlg::ResetRowForNewTurn()
{
    std::fill(std::begin(m_nDrawn), std::end(m_nDrawn), -1);
    std::fill(std::begin(m_nSlotNumber), std::end(m_nSlotNumber), -1);
    Board()->ClearSelection();
    m_nBestValue = kNoPiece;
    m_nBestCount = -1;
    m_bBlink = false;
    for (int nId : {1006, 1007})
        OperatorButton(nId)->ShowFirstOperator();
    for (int nId : kSlotIds)
        EnableDlgItem(nId, false);
    HideBrackets();
    for (int nId : kSlotIds)
        SetDlgItemText(nId, QString());
    for (int nId : {1013, 1008, 1016})
        SetDlgItemText(nId, QStringLiteral("?"));
    m_nBracketMode = 0;
    if (!Board()->m_bBoardEmpty)
        m_nTurnPhase = 1;
    m_bRollSaved = false;
}

// No piece is left: the records are closed, the result announced and the next game offered.
void CGameDlg::EndOfGame()
{
    if (CPlayer* pOne = SeatPlayer(0))
        pOne->EndGame(OpponentName(0), true, m_nScore[0] <= m_nScore[1]);
    if (CPlayer* pTwo = SeatPlayer(1))
        pTwo->EndGame(OpponentName(1), true, m_nScore[0] >= m_nScore[1]);
    // The files hold the finished game even if the next set-up is cancelled.
    SavePlayers();
    update();
    repaint();
    AnnounceResult();
    m_bGameInProgress = false;
    CGameApp::Instance()->OnNewGame();
    m_bGameInProgress = true;
}

void CGameDlg::AnnounceResult()
{
    QString strText;
    if (m_nScore[0] > m_nScore[1]) {
        PlayGameSound(GameSound::HumanWins, m_bSounds);
        strText = m_strPlayerName[0] + QStringLiteral(" is the winner!");
    } else if (m_nScore[0] < m_nScore[1]) {
        PlayGameSound(m_bOnePlayer ? GameSound::ComputerWins : GameSound::HumanWins, m_bSounds);
        strText = m_strPlayerName[1] + QStringLiteral(" is the winner!");
    } else {
        strText = QStringLiteral("It is a tie!");
    }
    MessageBox(this, strText, QStringLiteral("Game Over"));
}

void CGameDlg::ShowGameMessage(const QString& strText, const QString& strCaption)
{
    CMessageDlg dlg;
    dlg.Run(m_ptAnchor.x(), m_ptAnchor.y(), strText, strCaption);
}
