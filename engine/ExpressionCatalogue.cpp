#include "ExpressionCatalogue.h"

#include "Arithmetic.h"

#include <algorithm>

CExpressionCatalogue::CExpressionCatalogue()
{
    Reset();
}

void CExpressionCatalogue::Reset()
{
    m_nFormValue.fill(nEmpty);
}

void CExpressionCatalogue::Fill(int a, int b, int c, const COperationSet& ops, bool bPositiveOnly)
{
    const int nDrawn[3] = {a, b, c};
    for (int k = 1; k <= nCatalogueSize; ++k) {
        const CCatalogueForm& form = *FindCatalogueForm(k);
        m_nFormValue[k - 1] = IsGroupAllowed(form.group, ops)
            ? FormValue(form, nDrawn, ops, bPositiveOnly)
            : nEmpty;
    }
}

int CExpressionCatalogue::FormValue(const CCatalogueForm& form, const int (&nDrawn)[3],
                                    const COperationSet& ops, bool bPositiveOnly)
{
    const int x = nDrawn[form.nX];
    const int y = nDrawn[form.nY];
    const int z = nDrawn[form.nZ];

    // 64 bits keep INT_MIN % -1 defined.
    if (form.rule == FillRule::Q && (z == 0 || static_cast<long long>(y) % z != 0))
        return nEmpty;

    const CStepResult inner = ApplyOperator(form.cInner, x, y);
    if (!inner.Ok())
        return nEmpty;

    const int d = inner.nValue;
    switch (form.rule) {
    case FillRule::N:
        if (d < 0 && (bPositiveOnly || ops.bAdd))
            return nEmpty;
        break;
    case FillRule::R:
        if (ops.bAdd || d < 0)
            return nEmpty;
        break;
    case FillRule::P:
        if (bPositiveOnly && d < 0)
            return nEmpty;
        break;
    default:
        break;
    }

    const CStepResult outer = form.bLeftBracketed ? ApplyOperator(form.cOuter, d, z)
                                                  : ApplyOperator(form.cOuter, z, d);
    return outer.Ok() ? outer.nValue : nEmpty;
}

int CExpressionCatalogue::Value(int k) const
{
    if (k < 1 || k > nCatalogueSize)
        return nEmpty;
    return m_nFormValue[k - 1];
}

int CExpressionCatalogue::FirstIndexOf(int nNumber) const
{
    if (nNumber == nEmpty)
        return 0;
    const auto it = std::find(m_nFormValue.begin(), m_nFormValue.end(), nNumber);
    return it == m_nFormValue.end() ? 0 : static_cast<int>(it - m_nFormValue.begin()) + 1;
}
