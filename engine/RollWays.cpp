#include "RollWays.h"

#include "ExpressionCatalogue.h"

#include <algorithm>

CRollWays::CRollWays(int a, int b, int c, const COperationSet& ops, bool bPositiveOnly)
{
    CExpressionCatalogue catalogue;
    catalogue.Fill(a, b, c, ops, bPositiveOnly);
    for (int k = 1; k <= nCatalogueSize; ++k) {
        const int nValue = catalogue.Value(k);
        if (nValue != CExpressionCatalogue::nEmpty)
            AddWay(nValue, FormText(*FindCatalogueForm(k), a, b, c), k);
    }
}

// The same text always reaches the same number, so a repeat can only be in its own group.
void CRollWays::AddWay(int nValue, std::string strText, int nIndex)
{
    const auto group = GroupOf(m_groups, nValue);
    const bool bKnown = std::any_of(group->ways.begin(), group->ways.end(),
                                    [&strText](const CWay& way) { return way.strText == strText; });
    if (!bKnown)
        group->ways.push_back({std::move(strText), nIndex});
}

std::vector<CWayGroup>::iterator CRollWays::GroupOf(std::vector<CWayGroup>& groups, int nValue)
{
    auto group = std::lower_bound(groups.begin(), groups.end(), nValue,
                                  [](const CWayGroup& g, int n) { return g.nValue < n; });
    if (group == groups.end() || group->nValue != nValue)
        group = groups.insert(group, CWayGroup{nValue, {}});
    return group;
}

std::string CRollWays::RowText(int a, char cOperator1, int b, char cOperator2, int c,
                               int nBracketMode)
{
    const std::string x = std::to_string(a);
    const std::string y = std::to_string(b);
    const std::string z = std::to_string(c);
    const std::string o1 = " " + OperatorGlyph(cOperator1) + " ";
    const std::string o2 = " " + OperatorGlyph(cOperator2) + " ";
    switch (nBracketMode) {
    case 1: return "(" + x + o1 + y + ")" + o2 + z;
    case 2: return x + o1 + "(" + y + o2 + z + ")";
    default: return x + o1 + y + o2 + z;
    }
}

std::string CRollWays::FormText(const CCatalogueForm& form, int a, int b, int c)
{
    const int nDrawn[3] = {a, b, c};
    const std::array<int, 3> shown = form.ShownEntries();
    return RowText(nDrawn[shown[0]], form.FirstShownOperator(), nDrawn[shown[1]],
                   form.SecondShownOperator(), nDrawn[shown[2]], form.BracketMode());
}

std::string CRollWays::OperatorGlyph(char cOperator)
{
    switch (cOperator) {
    case '-': return "\u2212";
    case '*': return "\u00B7";
    case '/': return "\u00F7";
    default: return std::string(1, cOperator);
    }
}
