// The Ways window's link to the game: the turn that ends is handed over before the board is
// arranged again, so its counts are those the move was scored with.
#include "GameDlg.h"

#include "BoardWnd.h"
#include "BracketWnd.h"
#include "OperatorButton.h"
#include "TurnWays.h"
#include "WaysWnd.h"

void CGameDlg::OnWays()
{
    if (!m_pWaysWnd)
        m_pWaysWnd = std::make_unique<CWaysWnd>();
    m_pWaysWnd->FollowZoom(Zoom());
    m_pWaysWnd->ShowTurn(m_pEndedTurn.get());
    m_pWaysWnd->Open();
}

void CGameDlg::ZoomWaysWindow()
{
    if (!m_pWaysWnd)
        return;
    m_pWaysWnd->FollowZoom(Zoom());
    m_pWaysWnd->ShowTurn(m_pEndedTurn.get());  // its bold lines take the new size too
}

void CGameDlg::KeepEndedTurn()
{
    auto pTurn = std::make_unique<CTurnWays>();
    pTurn->m_strPlayer = m_strPlayerName[CurrentPlayer()];
    std::copy(m_nDrawn, m_nDrawn + 3, pTurn->m_nDrawn);
    // A taken piece scores at least one point; a pass scores none.
    pTurn->m_bPieceTaken = m_nMovePoints > 0;
    pTurn->m_nPlayedValue = m_nResult;
    pTurn->m_nPlayedPoints = m_nMovePoints;
    if (pTurn->m_bPieceTaken)
        pTurn->m_strPlayedText = RowText();
    pTurn->m_nBestValue = m_nBestValue;
    pTurn->m_nBestPoints = m_nBestCount + 1;
    pTurn->m_nBestIndex = m_nBestIndex;
    pTurn->ReadBoard(Board()->Model());
    m_pEndedTurn = std::move(pTurn);
    if (m_pWaysWnd)
        m_pWaysWnd->ShowTurn(m_pEndedTurn.get());
}

void CGameDlg::ForgetEndedTurn()
{
    m_pEndedTurn.reset();
    if (m_pWaysWnd)
        m_pWaysWnd->ShowTurn(nullptr);
}

// The row as it reads on screen: a form the program showed has its numbers in display order on
// the slot buttons, not in m_nSlotNumber.
std::string CGameDlg::RowText() const
{
    int nBracketMode = 0;
    if (Bracket(1011)->IsGlyphVisible())
        nBracketMode = 1;
    else if (Bracket(1010)->IsGlyphVisible())
        nBracketMode = 2;
    return CRollWays::RowText(GetDlgItemText(2001).toInt(), OperatorButton(1006)->GetOperator(),
                              GetDlgItemText(2002).toInt(), OperatorButton(1007)->GetOperator(),
                              GetDlgItemText(2003).toInt(), nBracketMode);
}
