// The expression row's evaluator: the three bracket modes, every refusal in the order the
// divisions are carried out, and the slot whose number goes back.
#include "ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr auto OK = EvalStatus::Ok, Z = EvalStatus::DivisionByZero, F = EvalStatus::Fraction;

struct CRowCase {
    const char* strRow;  // "a o b o c" in single digits, written without brackets
    int nMode;           // 0 none, 1 (a o b) o c, 2 a o (b o c)
    EvalStatus status;
    int nValueOrSlot;    // the value when OK, else the slot whose number goes back
};

// Precedence without brackets (left to right among * and /), each bracket mode, and for every
// place a division can stand: zero before fraction, and the slot that is given back.
TEST(ExpressionRow, GivesTheValueOrTheRefusalWithTheSlotToGiveBack)
{
    const CRowCase kRows[] = {
        {"3+4*5", 0, OK, 23}, {"3+4*5", 1, OK, 35}, {"3+4*5", 2, OK, 23}, {"3+4*5", 7, OK, 23},
        {"7-2-1", 0, OK, 4}, {"7-2-1", 1, OK, 4}, {"7-2-1", 2, OK, 6}, {"9-2*3", 0, OK, 3},
        {"3*4/6", 0, OK, 2}, {"8/2*3", 0, OK, 12}, {"8/2/2", 0, OK, 2}, {"8/2/2", 2, OK, 8},
        {"6/6/2", 2, OK, 2}, {"1-9/2", 1, OK, -4},
        // a + (b / c), a - (b / c) in modes 0 and 2
        {"4+5/0", 0, Z, 3}, {"7+1/2", 0, F, 3}, {"4+5/0", 2, Z, 3}, {"7+1/2", 2, F, 3},
        {"4-5/0", 0, Z, 3}, {"7-1/2", 2, F, 3},
        // (a * b) / c in modes 0 and 1, a * (b / c) in mode 2
        {"3*5/0", 0, Z, 3}, {"3*5/2", 0, F, 3}, {"3*5/2", 1, F, 3}, {"3*4/0", 2, Z, 3},
        {"3*4/6", 2, F, 3},
        // (a + b) / c and (a - b) / c in mode 1
        {"1+2/0", 1, Z, 3}, {"1+2/2", 1, F, 3}, {"5-5/0", 1, Z, 3}, {"1-8/2", 1, F, 3},
        // (a / b) o c in modes 0 and 1; (a / b) / c checks b first, then c
        {"7/2+1", 0, F, 2}, {"7/0-1", 0, Z, 2}, {"7/2*4", 1, F, 2}, {"7/0*4", 1, Z, 2},
        {"8/0/0", 0, Z, 2}, {"7/2/0", 0, F, 2}, {"8/2/0", 1, Z, 3}, {"8/2/3", 0, F, 3},
        // a / (b o c) in mode 2
        {"5/0+0", 2, Z, 2}, {"5/1+1", 2, F, 2}, {"5/2-2", 2, Z, 2}, {"5/3-1", 2, F, 2},
        {"5/0*3", 2, Z, 2}, {"5/1*2", 2, F, 2},
        // a / (b / c): b = 0 before c = 0, a quotient of 0 before its remainder
        {"5/0/0", 2, Z, 3}, {"5/3/0", 2, Z, 3}, {"1/2/3", 2, Z, 3}, {"0/2/3", 2, Z, 3},
        {"1/7/2", 2, F, 3}, {"7/4/2", 2, F, 3},
        {"1?2+3", 0, EvalStatus::BadOperator, 2},
    };
    for (const CRowCase& row : kRows) {
        const char* s = row.strRow;
        const CRowEvaluation result =
            CExpressionEvaluator::Evaluate(s[0] - '0', s[1], s[2] - '0', s[3], s[4] - '0', row.nMode);
        EXPECT_EQ(result.status, row.status) << s << " mode " << row.nMode;
        EXPECT_EQ(row.status == OK ? result.nValue : result.nSlotBack, row.nValueOrSlot)
            << s << " mode " << row.nMode;
        EXPECT_EQ(row.status == OK ? result.nSlotBack : 0, 0) << s;
    }
}

// Beyond the game's numbers a step that leaves 32 bits is refused, not wrapped.
TEST(ExpressionRow, RefusesStepsBeyond32Bits)
{
    const auto V = EvalStatus::Overflow;
    EXPECT_EQ(CExpressionEvaluator::Evaluate(65536, '*', 65536, '+', 0, 1).status, V);
    EXPECT_EQ(CExpressionEvaluator::Evaluate(INT_MIN, '/', -1, '+', 0, 1).nSlotBack, 2);
    const CRowEvaluation quotient = CExpressionEvaluator::Evaluate(INT_MIN, '/', -1, '/', 1, 2);
    EXPECT_EQ(quotient.status, V);
    EXPECT_EQ(quotient.nSlotBack, 3);
    EXPECT_EQ(CExpressionEvaluator::Evaluate(1, '/', INT_MIN, '/', -1, 2).status, V);
}

} // namespace
