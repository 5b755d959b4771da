// A catalogue form written into the expression row by the program: the computer's move, the
// better move and the operator hint.
#include "GameDlg.h"

#include "Arithmetic.h"
#include "BoardWnd.h"
#include "BracketWnd.h"
#include "CatalogueForm.h"
#include "OperatorButton.h"

namespace {

void ExchangeOperators(COperatorButton& first, COperatorButton& second)
{
    const char cFirst = first.GetOperator();
    first.SetOperator(second.GetOperator());
    second.SetOperator(cFirst);
}

}  // namespace

void CGameDlg::ShowCatalogueExpression(int k, bool bWhole)
{
    m_bFormShown = true;
    const CCatalogueForm* pForm = FindCatalogueForm(k);
    if (!pForm)
        return;
    OperatorButton(1006)->SetOperator(pForm->cInner);
    OperatorButton(1007)->SetOperator(pForm->cOuter);
    if (bWhole) {
        const std::array<int, 4> entries = pForm->StepEntries();
        ShowExpressionSteps(entries[0], entries[1], entries[2], entries[3]);
        return;
    }
    // Only the operators, in the order the row reads them.
    if (!pForm->bLeftBracketed)
        ExchangeOperators(*OperatorButton(1006), *OperatorButton(1007));
}

// One step x op y; a refused division is reported with the row's own words.
bool CGameDlg::ApplyStep(int x, char cOperator, int y, int& nResult)
{
    const CStepResult step = ApplyOperator(cOperator, x, y);
    if (step.status == EvalStatus::DivisionByZero || step.status == EvalStatus::Fraction)
        ShowRefusal(step.status);
    if (!step.Ok())
        return false;
    nResult = step.nValue;
    return true;
}

void CGameDlg::ShowExpressionSteps(int p1, int p2, int p3, int p4)
{
    for (int p : {p1, p2, p3, p4}) {
        if (p < 0 || p > 3)
            return;
    }
    const bool bLeftBracketed = p3 == 3;
    const QString t1 = QString::number(m_nDrawn[p1]);
    const QString t2 = QString::number(m_nDrawn[p2]);

    m_nSlotNumber[0] = p1;
    m_nSlotNumber[1] = p2;
    if (bLeftBracketed) {
        SetDlgItemText(2001, t1);
        EnableDlgItem(2001, true);
        SetDlgItemText(2002, t2);
        EnableDlgItem(2002, true);
    }

    int nInner = 0;
    if (!ApplyStep(m_nDrawn[p1], OperatorButton(1006)->GetOperator(), m_nDrawn[p2], nInner)) {
        TakeBackSlot(2);
        return;
    }
    m_nDrawn[3] = nInner;
    SetDlgItemInt(1008, nInner);
    SetDlgItemInt(1016, nInner);

    m_nSlotNumber[2] = p3;
    m_nSlotNumber[3] = p4;
    if (bLeftBracketed)
        SetDlgItemInt(2003, m_nDrawn[p4]);
    EnableDlgItem(2003, true);

    int nValue = 0;
    if (!ApplyStep(m_nDrawn[p3], OperatorButton(1007)->GetOperator(), m_nDrawn[p4], nValue)) {
        TakeBackSlot(4);
        return;
    }
    m_nResult = nValue;
    SetDlgItemInt(1013, nValue);

    if (p4 == 3) {
        // z op (x op y): z first, the pair after it, the outer operator first.
        Bracket(1010)->ShowGlyph(true);
        Bracket(1005)->ShowGlyph(true);
        SetDlgItemInt(2001, m_nDrawn[p3]);
        SetDlgItemText(2002, t1);
        SetDlgItemText(2003, t2);
        for (int nId : {2001, 2002, 2003})
            EnableDlgItem(nId, true);
        ExchangeOperators(*OperatorButton(1006), *OperatorButton(1007));
    } else {
        Bracket(1011)->ShowGlyph(true);
        Bracket(1009)->ShowGlyph(true);
    }
    HandRowValueToBoard(nValue);
    for (int nId : {1000, 1001, 1002, 1008})
        EnableDlgItem(nId, false);
}
