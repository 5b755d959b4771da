// The expression row's evaluator: the three bracket modes, every refusal in the order the
// divisions are carried out, and the slot whose number goes back.
#include "ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr auto Z = EvalStatus::DivisionByZero;
constexpr auto F = EvalStatus::Fraction;
constexpr auto OK = EvalStatus::Ok;

struct CRowCase {
    const char* strCase;
    int a; char op1; int b; char op2; int c;
    int nMode;
    EvalStatus status;
    int nValue;     // when OK
    int nSlotBack;  // when refused
};

class ExpressionRow : public ::testing::TestWithParam<CRowCase> {};

TEST_P(ExpressionRow, GivesValueOrRefusalWithSlot)
{
    const CRowCase& row = GetParam();
    const CRowEvaluation result =
        CExpressionEvaluator::Evaluate(row.a, row.op1, row.b, row.op2, row.c, row.nMode);
    EXPECT_EQ(result.status, row.status) << row.strCase;
    if (row.status == OK) {
        EXPECT_EQ(result.nValue, row.nValue) << row.strCase;
        EXPECT_EQ(result.nSlotBack, 0) << row.strCase;
    } else {
        EXPECT_EQ(result.nSlotBack, row.nSlotBack) << row.strCase;
    }
}

INSTANTIATE_TEST_SUITE_P(BracketModes, ExpressionRow, ::testing::Values(
    CRowCase{"3 + 4 * 5, mode 0", 3, '+', 4, '*', 5, 0, OK, 23, 0},
    CRowCase{"(3 + 4) * 5", 3, '+', 4, '*', 5, 1, OK, 35, 0},
    CRowCase{"3 + (4 * 5)", 3, '+', 4, '*', 5, 2, OK, 23, 0},
    CRowCase{"7 - 2 - 1, mode 0", 7, '-', 2, '-', 1, 0, OK, 4, 0},
    CRowCase{"(7 - 2) - 1", 7, '-', 2, '-', 1, 1, OK, 4, 0},
    CRowCase{"7 - (2 - 1)", 7, '-', 2, '-', 1, 2, OK, 6, 0},
    CRowCase{"3 * 4 / 6, left to right", 3, '*', 4, '/', 6, 0, OK, 2, 0},
    CRowCase{"8 / 2 * 3, left to right", 8, '/', 2, '*', 3, 0, OK, 12, 0},
    CRowCase{"8 / 2 / 2, mode 0", 8, '/', 2, '/', 2, 0, OK, 2, 0},
    CRowCase{"8 / (2 / 2)", 8, '/', 2, '/', 2, 2, OK, 8, 0},
    CRowCase{"6 / (6 / 2)", 6, '/', 6, '/', 2, 2, OK, 2, 0},
    CRowCase{"(1 - 9) / 2", 1, '-', 9, '/', 2, 1, OK, -4, 0},
    CRowCase{"9 - 2 * 3, mode 0", 9, '-', 2, '*', 3, 0, OK, 3, 0},
    CRowCase{"mode beyond 2 reads as 0", 3, '+', 4, '*', 5, 7, OK, 23, 0}));

INSTANTIATE_TEST_SUITE_P(Refusals, ExpressionRow, ::testing::Values(
    // a + (b / c) in modes 0 and 2, a - (b / c) likewise: slot 3
    CRowCase{"4 + 5 / 0", 4, '+', 5, '/', 0, 0, Z, 0, 3},
    CRowCase{"7 + 1 / 2", 7, '+', 1, '/', 2, 0, F, 0, 3},
    CRowCase{"4 + (5 / 0)", 4, '+', 5, '/', 0, 2, Z, 0, 3},
    CRowCase{"7 + (1 / 2)", 7, '+', 1, '/', 2, 2, F, 0, 3},
    CRowCase{"4 - 5 / 0", 4, '-', 5, '/', 0, 0, Z, 0, 3},
    CRowCase{"7 - (1 / 2)", 7, '-', 1, '/', 2, 2, F, 0, 3},
    // (a * b) / c in modes 0 and 1: slot 3
    CRowCase{"3 * 5 / 0", 3, '*', 5, '/', 0, 0, Z, 0, 3},
    CRowCase{"3 * 5 / 2", 3, '*', 5, '/', 2, 0, F, 0, 3},
    CRowCase{"(3 * 5) / 2", 3, '*', 5, '/', 2, 1, F, 0, 3},
    // a * (b / c) in mode 2: slot 3
    CRowCase{"3 * (4 / 0)", 3, '*', 4, '/', 0, 2, Z, 0, 3},
    CRowCase{"3 * (4 / 6)", 3, '*', 4, '/', 6, 2, F, 0, 3},
    // (a + b) / c and (a - b) / c in mode 1: slot 3
    CRowCase{"(1 + 2) / 0", 1, '+', 2, '/', 0, 1, Z, 0, 3},
    CRowCase{"(1 + 2) / 2", 1, '+', 2, '/', 2, 1, F, 0, 3},
    CRowCase{"(5 - 5) / 0", 5, '-', 5, '/', 0, 1, Z, 0, 3},
    CRowCase{"(1 - 8) / 2", 1, '-', 8, '/', 2, 1, F, 0, 3},
    // (a / b) op c in modes 0 and 1: slot 2
    CRowCase{"7 / 2 + 1", 7, '/', 2, '+', 1, 0, F, 0, 2},
    CRowCase{"7 / 0 - 1", 7, '/', 0, '-', 1, 0, Z, 0, 2},
    CRowCase{"(7 / 2) * 4", 7, '/', 2, '*', 4, 1, F, 0, 2},
    CRowCase{"(7 / 0) * 4", 7, '/', 0, '*', 4, 1, Z, 0, 2},
    // (a / b) / c in modes 0 and 1: b first (slot 2), then c (slot 3)
    CRowCase{"8 / 0 / 0", 8, '/', 0, '/', 0, 0, Z, 0, 2},
    CRowCase{"7 / 2 / 0", 7, '/', 2, '/', 0, 0, F, 0, 2},
    CRowCase{"8 / 2 / 0", 8, '/', 2, '/', 0, 1, Z, 0, 3},
    CRowCase{"8 / 2 / 3", 8, '/', 2, '/', 3, 0, F, 0, 3},
    // a / (b op c) in mode 2: slot 2
    CRowCase{"5 / (0 + 0)", 5, '/', 0, '+', 0, 2, Z, 0, 2},
    CRowCase{"5 / (1 + 1)", 5, '/', 1, '+', 1, 2, F, 0, 2},
    CRowCase{"5 / (2 - 2)", 5, '/', 2, '-', 2, 2, Z, 0, 2},
    CRowCase{"5 / (3 - 1)", 5, '/', 3, '-', 1, 2, F, 0, 2},
    CRowCase{"5 / (0 * 3)", 5, '/', 0, '*', 3, 2, Z, 0, 2},
    CRowCase{"5 / (1 * 2)", 5, '/', 1, '*', 2, 2, F, 0, 2},
    // a / (b / c) in mode 2: its five checks in order, always slot 3
    CRowCase{"b = 0 before c = 0", 5, '/', 0, '/', 0, 2, Z, 0, 3},
    CRowCase{"c = 0", 5, '/', 3, '/', 0, 2, Z, 0, 3},
    CRowCase{"quotient 0 before the remainder", 1, '/', 2, '/', 3, 2, Z, 0, 3},
    CRowCase{"b no multiple of c", 1, '/', 7, '/', 2, 2, F, 0, 3},
    CRowCase{"a no multiple of the quotient", 7, '/', 4, '/', 2, 2, F, 0, 3},
    CRowCase{"0 / (2 / 3) is still a division by zero", 0, '/', 2, '/', 3, 2, Z, 0, 3}));

INSTANTIATE_TEST_SUITE_P(BeyondTheGame, ExpressionRow, ::testing::Values(
    CRowCase{"product beyond 32 bits", 65536, '*', 65536, '+', 0, 1, EvalStatus::Overflow, 0, 2},
    CRowCase{"INT_MIN / -1", INT_MIN, '/', -1, '+', 0, 1, EvalStatus::Overflow, 0, 2},
    CRowCase{"INT_MIN / (-1 / 1)", INT_MIN, '/', -1, '/', 1, 2, EvalStatus::Overflow, 0, 3},
    CRowCase{"no operator", 1, 0, 2, '+', 3, 0, EvalStatus::BadOperator, 0, 2}));

TEST(RefusalWords, AreTheGamesMessageAndCaption)
{
    EXPECT_STREQ(CExpressionEvaluator::RefusalText(Z), "Unable to perform division.");
    EXPECT_STREQ(CExpressionEvaluator::RefusalCaption(Z), "Division by zero error.");
    EXPECT_STREQ(CExpressionEvaluator::RefusalText(F), "Result must NOT be a fraction.");
    EXPECT_STREQ(CExpressionEvaluator::RefusalCaption(F), "Information");
    EXPECT_STREQ(CExpressionEvaluator::RefusalText(OK), "");
}

} // namespace
