// The expression row of the game window: placing the drawn numbers into the slots, stepping the
// operators and the brackets, the blinking caret, and evaluating the row.
#include "GameDlg.h"

#include "BoardWnd.h"
#include "BracketWnd.h"
#include "ExpressionEvaluator.h"
#include "MessageDlg.h"
#include "OperatorButton.h"

#include <QLabel>

namespace {

constexpr int kFirstSlotId = 2001;  // slots 1 to 4 are 2001 to 2004
constexpr int kSlots = 4;
constexpr int kRowSlots = 3;        // slot 4 plays no part in the row's value

// The button showing m_nDrawn entry nEntry: 1000 to 1002, and 1008 for the fourth cell.
int NumberButtonId(int nEntry)
{
    return nEntry == 3 ? 1008 : 1000 + nEntry;
}

}  // namespace

bool CGameDlg::OnRowCommand(int nId)
{
    switch (nId) {
    case 1000: OnNumber1(); return true;
    case 1001: OnNumber2(); return true;
    case 1002: OnNumber3(); return true;
    case 1008: OnNumber4(); return true;
    case 2001: OnSlot1(); return true;
    case 2002: OnSlot2(); return true;
    case 2003: OnSlot3(); return true;
    case 2004: OnSlot4(); return true;
    case 1006: OnOperator1(); return true;
    case 1007: OnOperator2(); return true;
    case 1004: OnBrackets(); return true;
    default: return false;
    }
}

bool CGameDlg::IsComputersTurn() const
{
    const CBoardWnd* pBoard = Board();
    return m_bOnePlayer && pBoard && pBoard->m_nCurrentPlayer == 1;
}

bool CGameDlg::IsRowLocked(bool bNumberButton) const
{
    if (m_nTurnPhase != 0 || !IsGameRunning())
        return true;
    if (!IsComputersTurn())
        return false;
    // The computer's form in the row: its numbers still answer.
    return !(bNumberButton && m_bFormShown);
}

void CGameDlg::OnNumber1() { PlaceNumber(0, 1); }
void CGameDlg::OnNumber2() { PlaceNumber(1, 1); }
void CGameDlg::OnNumber3() { PlaceNumber(2, 1); }
void CGameDlg::OnNumber4() { PlaceNumber(3, 3); }

// Puts entry nEntry of m_nDrawn into the first empty slot from nFirstSlot on.
void CGameDlg::PlaceNumber(int nEntry, int nFirstSlot)
{
    if (IsRowLocked(true))
        return;
    for (int nSlot = nFirstSlot; nSlot <= kSlots; ++nSlot) {
        if (m_nSlotNumber[nSlot - 1] != -1)
            continue;
        m_nSlotNumber[nSlot - 1] = nEntry;
        SetDlgItemInt(kFirstSlotId + nSlot - 1, m_nDrawn[nEntry]);
        EnableDlgItem(kFirstSlotId + nSlot - 1, true);
        break;
    }
    EnableDlgItem(NumberButtonId(nEntry), false);
    EvaluateExpression();
}

void CGameDlg::OnSlot1()
{
    if (!IsRowLocked(false))
        TakeBackSlot(1);
}

void CGameDlg::OnSlot2()
{
    if (!IsRowLocked(false))
        TakeBackSlot(2);
}

void CGameDlg::OnSlot3()
{
    if (!IsRowLocked(false))
        TakeBackSlot(3);
}

void CGameDlg::OnSlot4()
{
    if (!IsRowLocked(false))
        TakeBackSlot(4);
}

// Empties a slot and gives its number back to its button. Refusals call it directly, so a
// refused number always leaves the row, whoever is on turn.
void CGameDlg::TakeBackSlot(int nSlot)
{
    if (nSlot < 1 || nSlot > kSlots)
        return;
    const int nEntry = m_nSlotNumber[nSlot - 1];
    const int nLastEntry = nSlot >= 3 ? 3 : 2;  // only slots 3 and 4 take the fourth number
    if (nEntry >= 0 && nEntry <= nLastEntry)
        EnableDlgItem(NumberButtonId(nEntry), true);
    const int nId = kFirstSlotId + nSlot - 1;
    EnableDlgItem(nId, false);
    m_nSlotNumber[nSlot - 1] = -1;
    if (nSlot == 4) {
        SetDlgItemText(nId, QString());
        EvaluateExpression();
        return;
    }
    EvaluateExpression();
    // Also wipes a caret left on another empty slot.
    for (int nOther = 1; nOther <= kRowSlots; ++nOther) {
        if (nOther == nSlot || m_nSlotNumber[nOther - 1] == -1)
            SetDlgItemText(kFirstSlotId + nOther - 1, QString());
    }
}

void CGameDlg::OnOperator1()
{
    if (IsRowLocked(false))
        return;
    OperatorButton(1006)->ShowNextOperator();
    EvaluateExpression();
}

void CGameDlg::OnOperator2()
{
    if (IsRowLocked(false))
        return;
    OperatorButton(1007)->ShowNextOperator();
    EvaluateExpression();
}

void CGameDlg::OnBrackets()
{
    if (IsRowLocked(false))
        return;
    if (++m_nBracketMode > 2)
        m_nBracketMode = 0;
    switch (m_nBracketMode) {
    case 0:
        Bracket(1010)->ShowGlyph(false);
        Bracket(1005)->ShowGlyph(false);
        break;
    case 1:
        Bracket(1011)->ShowGlyph(true);
        Bracket(1009)->ShowGlyph(true);
        break;
    default:
        Bracket(1011)->ShowGlyph(false);
        Bracket(1009)->ShowGlyph(false);
        Bracket(1010)->ShowGlyph(true);
        Bracket(1005)->ShowGlyph(true);
        break;
    }
    EvaluateExpression();
}

void CGameDlg::BlinkCaret()
{
    for (int nSlot = 1; nSlot <= kRowSlots; ++nSlot) {
        if (m_nSlotNumber[nSlot - 1] != -1)
            continue;
        SetDlgItemText(kFirstSlotId + nSlot - 1, m_bBlink ? QStringLiteral("^") : QString());
        m_bBlink = !m_bBlink;
        return;
    }
}

void CGameDlg::EvaluateExpression()
{
    if (auto* pIcon = qobject_cast<QLabel*>(GetDlgItem(1039)))
        pIcon->setPixmap(m_hMoveIcon.pixmap(32, 32));

    CBoardWnd* pBoard = Board();
    for (int nSlot = 0; nSlot < kRowSlots; ++nSlot) {
        if (m_nSlotNumber[nSlot] < 0 || m_nSlotNumber[nSlot] > 3) {
            SetDlgItemText(1013, QStringLiteral("?"));
            pBoard->ClearSelection();
            return;
        }
    }
    const CRowEvaluation row = CExpressionEvaluator::Evaluate(
        m_nDrawn[m_nSlotNumber[0]], OperatorButton(1006)->GetOperator(), m_nDrawn[m_nSlotNumber[1]],
        OperatorButton(1007)->GetOperator(), m_nDrawn[m_nSlotNumber[2]], m_nBracketMode);

    switch (row.status) {
    case EvalStatus::Ok:
        m_nResult = row.nValue;
        SetDlgItemInt(1013, row.nValue);
        HandRowValueToBoard(row.nValue);
        return;
    case EvalStatus::DivisionByZero:
    case EvalStatus::Fraction:
        ShowRefusal(row.status);
        TakeBackSlot(row.nSlotBack);
        return;
    case EvalStatus::Overflow:
    case EvalStatus::BadOperator:
        // Not reachable with drawn numbers and the game's operators: shown as incomplete.
        SetDlgItemText(1013, QStringLiteral("?"));
        pBoard->ClearSelection();
        return;
    }
}

// On the computer's turn only its own piece is marked; otherwise every piece with the value.
void CGameDlg::HandRowValueToBoard(int nValue)
{
    if (IsComputersTurn())
        Board()->SelectPiece(m_nBestPlace, true);
    else
        Board()->HighlightValue(nValue);
}

void CGameDlg::ShowRefusal(EvalStatus status)
{
    CMessageDlg box;
    box.Run(m_ptAnchor.x(), m_ptAnchor.y(),
            QString::fromLatin1(CExpressionEvaluator::RefusalText(status)),
            QString::fromLatin1(CExpressionEvaluator::RefusalCaption(status)));
}
