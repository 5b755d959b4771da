// Setting up a game: the setup dialog, the players and their records, the board and the first
// turn.
#include "GameDlg.h"

#include "BoardWnd.h"
#include "BracketWnd.h"
#include "GameApp.h"
#include "GameOptions.h"
#include "OperatorButton.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "Prompts.h"
#include "SelectPlayer.h"
#include "SetupDlg.h"

namespace {

constexpr int kOperatorIds[] = {1006, 1007};
constexpr int kSlotIds[] = {2001, 2002, 2003, 2004};
constexpr int kBracketIds[] = {1011, 1010, 1009, 1005};

const QString kComputerName = QStringLiteral("Computer");

QString TurnText(const QString& strName)
{
    return strName + QStringLiteral("'s turn");
}

}  // namespace

QString CGameDlg::PlayersFolder() const
{
    return CPlayerIndex::PlayersFolder(CGameApp::Instance()->m_strHomeDir);
}

CPlayer* CGameDlg::SeatPlayer(int nPlayer) const
{
    if (nPlayer < 0 || nPlayer > 1)
        return nullptr;
    return CGameApp::Instance()->m_pPlayer[nPlayer].get();
}

QString CGameDlg::OpponentName(int nPlayer) const
{
    const CPlayer* pOther = SeatPlayer(1 - nPlayer);
    if (pOther)
        return pOther->m_strName;
    return nPlayer == 0 ? QStringLiteral("the computer") : m_strPlayerName[0];
}

void CGameDlg::CloseOpenRecordsAsAbandoned()
{
    for (int nPlayer = 0; nPlayer < 2; ++nPlayer) {
        if (CPlayer* pPlayer = SeatPlayer(nPlayer))
            pPlayer->EndGame(OpponentName(nPlayer), false, true);
    }
}

void CGameDlg::SavePlayers()
{
    const QString strFolder = PlayersFolder();
    for (int nPlayer = 0; nPlayer < 2; ++nPlayer) {
        if (CPlayer* pPlayer = SeatPlayer(nPlayer))
            pPlayer->Save(strFolder);
    }
}

void CGameDlg::NewGame(bool bNewPlayers)
{
    CBoardWnd* pBoard = Board();
    CSetupDlg dlg(this);
    dlg.SetValues(m_bGameInProgress, m_bSounds, pBoard->m_bSubtract, pBoard->m_bDivide,
                  pBoard->m_bMultiply, pBoard->m_bAdd, m_strPlayerName[0], m_strPlayerName[1],
                  m_bOnePlayer ? 0 : 1, m_nSignMode, SizeChoiceFromPieces(m_nPieceCount),
                  bNewPlayers);
    dlg.m_bShowQuickInstructions = m_bShowQuickInstructions;
    const int nResult = dlg.DoModal();
    if (nResult == CSetupDlg::kQuitGame) {
        CloseRecordsAndSavePlayers();
        QuitGame(1);
        return;
    }
    if (nResult != IDOK)
        return;

    GameOptions options = dlg.ChosenOptions();
    m_bShowQuickInstructions = options.bShowQuickInstructions;
    m_nSignMode = options.nSignMode;
    if (bNewPlayers) {
        CloseRecordsAndSavePlayers();
        ChoosePlayer(0, options.strName[0], options.strName[0]);
        if (!options.bOnePlayer)
            ChoosePlayer(1, options.strName[1], options.strName[1]);
    } else {
        // The game given up for this one is over: its record must not stay open for ever.
        CloseOpenRecordsAsAbandoned();
    }

    const QString strDescription = options.Description();
    for (int nPlayer = 0; nPlayer < 2; ++nPlayer) {
        if (CPlayer* pPlayer = SeatPlayer(nPlayer))
            pPlayer->StartGame(strDescription);
    }
    SetUpGame(options.SignLetter(), options.nPieces, options.bAdd, options.bSubtract,
              options.bMultiply, options.bDivide, options.strName[0], options.strName[1],
              options.bOnePlayer, options.bSounds);
    SavePlayers();
}

// A new player object for the seat carries the name typed in the setup dialog; the selection
// dialog may replace it with a registered player.
void CGameDlg::ChoosePlayer(int nSeat, const QString& strName, QString& strChosen)
{
    auto& pPlayer = CGameApp::Instance()->m_pPlayer[nSeat];
    pPlayer = std::make_unique<CPlayer>();
    pPlayer->m_strName = strName;
    CSelectPlayer select;
    if (select.DoModalFor(nSeat) == IDOK && pPlayer)
        strChosen = pPlayer->m_strName;
}

void CGameDlg::SetUpGame(char cSignLetter, int nPieces, bool bAdd, bool bSubtract,
                         bool bMultiply, bool bDivide, const QString& strName1,
                         const QString& strName2, bool bOnePlayer, bool bSounds)
{
    m_nTurnPhase = 0;
    m_bSounds = bSounds;
    CGameApp::Instance()->m_bSound = bSounds;
    FillOperatorButtons(bAdd, bSubtract, bMultiply, bDivide);
    ClearRow();
    m_nBracketMode = 0;
    ResetTurnFields();
    ForgetEndedTurn();

    CBoardWnd* pBoard = Board();
    pBoard->m_bPositiveOnly = cSignLetter == 'P';
    LoadGameBoard(BoardKey(bAdd, bSubtract, bMultiply, bDivide, cSignLetter), nPieces);
    pBoard->m_nCurrentPlayer = 0;

    m_strPlayerName[0] = IsPlaceholderName(strName1) ? QStringLiteral("Player One") : strName1;
    m_bOnePlayer = bOnePlayer;
    if (bOnePlayer)
        m_strPlayerName[1] = kComputerName;
    else
        m_strPlayerName[1] = IsPlaceholderName(strName2) ? QStringLiteral("Player Two") : strName2;
    m_nScore[0] = m_nScore[1] = 0;
    SetDlgItemText(1034, QStringLiteral("0"));
    SetDlgItemText(1035, QStringLiteral("0"));
    m_pScoreBoard->Reset();
    SetDlgItemText(1032, m_strPlayerName[0]);
    SetDlgItemText(1033, m_strPlayerName[1]);
    std::fill(std::begin(m_nSlotNumber), std::end(m_nSlotNumber), -1);
    std::fill(std::begin(m_nDrawn), std::end(m_nDrawn), -1);

    if (m_bShowQuickInstructions)
        CGameApp::Instance()->OnQuickInstructions();
    if (m_bFirstSetUp) {
        m_bFirstSetUp = false;
        repaint();
    } else {
        MessageBox(this, QStringLiteral("It's ") + TurnText(m_strPlayerName[0]), QString());
    }
    SetDlgItemText(1031, TurnText(m_strPlayerName[0]));
    m_nTurnPhase = 1;
}

void CGameDlg::FillOperatorButtons(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide)
{
    const std::pair<bool, char> operations[] = {
        {bAdd, '+'}, {bSubtract, '-'}, {bMultiply, '*'}, {bDivide, '/'}};
    CBoardWnd* pBoard = Board();
    pBoard->m_bAdd = bAdd;
    pBoard->m_bSubtract = bSubtract;
    pBoard->m_bMultiply = bMultiply;
    pBoard->m_bDivide = bDivide;
    for (int nId : kOperatorIds) {
        COperatorButton* pButton = OperatorButton(nId);
        pButton->RemoveAllOperators();
        for (const auto& [bAllowed, cOperator] : operations) {
            if (bAllowed)
                pButton->AddOperator(cOperator);
        }
        pButton->ShowFirstOperator();
    }
}

// The slots empty and disabled, "?" for the value and the hidden fourth cell; no brackets.
void CGameDlg::ClearRow()
{
    for (int nId : kSlotIds) {
        EnableDlgItem(nId, false);
        SetDlgItemText(nId, QString());
    }
    for (int nId : {1013, 1008, 1016})
        SetDlgItemText(nId, QStringLiteral("?"));
    HideBrackets();
}

void CGameDlg::HideBrackets()
{
    for (int nId : kBracketIds)
        Bracket(nId)->ShowGlyph(false);
}

void CGameDlg::LoadGameBoard(const QString& strKey, int nPieces)
{
    CBoardWnd* pBoard = Board();
    pBoard->ClearSelection();
    if (!pBoard->LoadBoard(strKey)) {
        MessageBox(this, QStringLiteral("Unable to load board") + strKey,
                   QStringLiteral("File Error"));
    }
    pBoard->Arrange();
    m_nPieceCount = nPieces;
    pBoard->RemoveRandomPieces(CBoardWnd::kPlaces - nPieces);
    SetTabOrder();
}

// A game set up in the middle of a turn starts with none of that turn's move left over.
void CGameDlg::ResetTurnFields()
{
    m_nBestValue = -1000;
    m_nBestCount = -1;
    m_nBestIndex = -1;
    m_nBestPlace = -1;
    m_nMovePoints = 0;
    m_bRollSaved = false;
    m_bFormShown = false;
    m_bBlink = false;
}
