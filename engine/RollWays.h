#pragma once

#include "CatalogueForm.h"
#include "OperationSet.h"

#include <string>
#include <vector>

// One way to a number: an expression written as the expression row shows it.
struct CWay {
    std::string strText;  // "4 + (2 + 3)" in UTF-8, with the row's operator glyphs
    int nIndex = 0;       // the lowest catalogue index written so
};

// The distinct ways to one number, in catalogue order.
struct CWayGroup {
    int nValue = 0;
    std::vector<CWay> ways;
};

// Every catalogue form that holds a value for a roll under the game's operations and sign rule,
// written out, each text once, grouped by the number it reaches, lowest number first.
class CRollWays {
public:
    CRollWays() = default;
    CRollWays(int a, int b, int c, const COperationSet& ops, bool bPositiveOnly);

    const std::vector<CWayGroup>& Groups() const { return m_groups; }

    // a op1 b op2 c as the row shows it: bracket mode 1 around a and b, 2 around b and c.
    static std::string RowText(int a, char cOperator1, int b, char cOperator2, int c,
                               int nBracketMode);
    // A form applied to the roll a, b, c, as the row shows it.
    static std::string FormText(const CCatalogueForm& form, int a, int b, int c);
    // The group of nValue among groups sorted by value; an empty one is made in its place if
    // there is none.
    static std::vector<CWayGroup>::iterator GroupOf(std::vector<CWayGroup>& groups, int nValue);
    // The row's glyph of '+', '-', '*' or '/': "+", "−", "·", "÷"; the character itself otherwise.
    static std::string OperatorGlyph(char cOperator);

private:
    void AddWay(int nValue, std::string strText, int nIndex);

    std::vector<CWayGroup> m_groups;
};
