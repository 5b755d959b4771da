// The ways of a roll: for every set of operations and every sign rule, exactly the catalogue's
// forms that hold a value, each written once in the row's glyphs and listed under its own value.
#include "ReferenceForms.h"
#include "RollWays.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

namespace {

// The reference form's text with the roll in place of a, b, c and the row's glyphs.
std::string ReferenceText(std::string_view strForm, int a, int b, int c)
{
    std::string strText;
    for (char ch : strForm) {
        if (ch >= 'a' && ch <= 'c')
            strText += std::to_string(ch == 'a' ? a : ch == 'b' ? b : c);
        else
            strText += ch == '-' ? "\u2212" : ch == '*' ? "\u00B7" : ch == '/' ? "\u00F7" : std::string(1, ch);
    }
    return strText;
}

struct Roll {
    int a, b, c;
};

// Equal numbers make equal texts; 0 and 1 make many empty and many equal values.
constexpr Roll kRolls[] = {{2, 3, 4}, {2, 2, 3}, {5, 5, 5}, {0, 3, 2}, {8, 2, 3},
                           {7, 0, 3}, {10, 1, 10}, {1, 9, 6}, {4, 3, 2}, {2, 5, 1}};

}  // namespace

// Catches a form left out or listed though empty, a wrong value, a repeated line, a repeated or
// unsorted number, and a text that is not what the row would show.
TEST(RollWays, ListEveryFormWithAValueOnceUnderItsValue)
{
    for (int nOps = 0; nOps < 16; ++nOps) {
        const COperationSet ops{(nOps & 1) != 0, (nOps & 2) != 0, (nOps & 4) != 0, (nOps & 8) != 0};
        std::string strKey;
        for (int i = 0; i < 4; ++i)
            strKey += (nOps >> i & 1) ? std::string(1, "ASMD"[i]) : "";
        for (char cSign : {'P', 'N', 'A'}) {
            for (const Roll& r : kRolls) {
                std::map<std::string, long long> expected;
                for (const CReferenceForm& form : kReferenceForms) {
                    if (auto value = ReferenceFormValue(form, r.a, r.b, r.c, strKey + "." + cSign))
                        expected[ReferenceText(form.strForm, r.a, r.b, r.c)] = *value;
                }
                std::map<std::string, long long> listed;
                std::size_t nLines = 0;
                int nPrevious = INT_MIN;
                const CRollWays ways(r.a, r.b, r.c, ops, cSign == 'P');
                for (const CWayGroup& group : ways.Groups()) {
                    ASSERT_TRUE(group.nValue > nPrevious && !group.ways.empty()) << strKey << cSign;
                    nPrevious = group.nValue;
                    nLines += group.ways.size();
                    for (const CWay& way : group.ways)
                        listed[way.strText] = group.nValue;
                }
                ASSERT_EQ(listed, expected) << strKey << "." << cSign << " " << r.a << r.b << r.c;
                ASSERT_EQ(nLines, listed.size()) << strKey << "." << cSign << " " << r.a << r.b << r.c;
            }
        }
    }
}

// A player's own row without brackets, which no form shows.
TEST(RollWays, WriteARowWithoutBracketsAsItShows)
{
    EXPECT_EQ(CRollWays::RowText(2, '+', 3, '*', 4, 0), "2 + 3 \u00B7 4");
}
