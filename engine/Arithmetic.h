#pragma once

#include "EvalStatus.h"

#include <climits>
#include <cstdint>

// One operation x op y on signed 32-bit whole numbers.
struct CStepResult {
    EvalStatus status = EvalStatus::Ok;
    int nValue = 0;

    bool Ok() const { return status == EvalStatus::Ok; }
};

// Applies '+', '-', '*' or '/'. A division by 0 is DivisionByZero, a division with a remainder
// (whatever the signs) is Fraction, and a result beyond 32 bits is Overflow instead of an
// undefined value. Inline: the best-piece search runs it about a hundred times per draw.
inline CStepResult ApplyOperator(char cOperator, int x, int y)
{
    std::int64_t nWide = 0;
    switch (cOperator) {
    case '+': nWide = std::int64_t{x} + y; break;
    case '-': nWide = std::int64_t{x} - y; break;
    case '*': nWide = std::int64_t{x} * y; break;
    case '/':
        if (y == 0)
            return {EvalStatus::DivisionByZero, 0};
        if (y == -1) {  // INT_MIN / -1 and INT_MIN % -1 are undefined in 32 bits
            nWide = -std::int64_t{x};
            break;
        }
        if (x % y != 0)
            return {EvalStatus::Fraction, 0};
        return {EvalStatus::Ok, x / y};
    default:
        return {EvalStatus::BadOperator, 0};
    }
    if (nWide < INT_MIN || nWide > INT_MAX)
        return {EvalStatus::Overflow, 0};
    return {EvalStatus::Ok, static_cast<int>(nWide)};
}

// True for '*' and '/', which bind before '+' and '-'.
inline bool IsHighRankOperator(char cOperator)
{
    return cOperator == '*' || cOperator == '/';
}
