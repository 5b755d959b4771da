#pragma once

#include "EvalStatus.h"

// One operation x op y on signed 32-bit whole numbers.
struct CStepResult {
    EvalStatus status = EvalStatus::Ok;
    int nValue = 0;

    bool Ok() const { return status == EvalStatus::Ok; }
};

// Applies '+', '-', '*' or '/'. A division by 0 is DivisionByZero, a division with a remainder
// (whatever the signs) is Fraction, and a result beyond 32 bits is Overflow instead of an
// undefined value.
CStepResult ApplyOperator(char cOperator, int x, int y);

// True for '*' and '/', which bind before '+' and '-'.
bool IsHighRankOperator(char cOperator);
