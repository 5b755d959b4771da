#include "Arithmetic.h"

#include <climits>
#include <cstdint>

namespace {

CStepResult Checked(std::int64_t nWide)
{
    if (nWide < INT_MIN || nWide > INT_MAX)
        return {EvalStatus::Overflow, 0};
    return {EvalStatus::Ok, static_cast<int>(nWide)};
}

} // namespace

CStepResult ApplyOperator(char cOperator, int x, int y)
{
    const std::int64_t nX = x;
    const std::int64_t nY = y;
    switch (cOperator) {
    case '+':
        return Checked(nX + nY);
    case '-':
        return Checked(nX - nY);
    case '*':
        return Checked(nX * nY);
    case '/':
        if (nY == 0)
            return {EvalStatus::DivisionByZero, 0};
        // 64 bits keep INT_MIN % -1 and INT_MIN / -1 defined; the quotient is then range-checked.
        if (nX % nY != 0)
            return {EvalStatus::Fraction, 0};
        return Checked(nX / nY);
    default:
        return {EvalStatus::BadOperator, 0};
    }
}

bool IsHighRankOperator(char cOperator)
{
    return cOperator == '*' || cOperator == '/';
}
