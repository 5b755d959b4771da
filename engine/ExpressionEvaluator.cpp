#include "ExpressionEvaluator.h"

#include "Arithmetic.h"

CRowEvaluation CExpressionEvaluator::Evaluate(int a, char cOperator1, int b, char cOperator2, int c,
                                              int nBracketMode)
{
    if (nBracketMode == 2) {
        if (cOperator1 == '/' && cOperator2 == '/')
            return DivideByQuotient(a, b, c);
        return RightFirst(a, cOperator1, b, cOperator2, c);
    }
    if (nBracketMode != 1 && IsHighRankOperator(cOperator2) && !IsHighRankOperator(cOperator1))
        return RightFirst(a, cOperator1, b, cOperator2, c);
    return LeftFirst(a, cOperator1, b, cOperator2, c);
}

// (a op1 b) op2 c: a refused first step gives back slot 2, a refused second step slot 3.
CRowEvaluation CExpressionEvaluator::LeftFirst(int a, char cOperator1, int b, char cOperator2, int c)
{
    const CStepResult first = ApplyOperator(cOperator1, a, b);
    if (!first.Ok())
        return {first.status, 0, 2};
    const CStepResult second = ApplyOperator(cOperator2, first.nValue, c);
    if (!second.Ok())
        return {second.status, 0, 3};
    return {EvalStatus::Ok, second.nValue, 0};
}

// a op1 (b op2 c): a refused first step gives back slot 3, a refused second step slot 2.
CRowEvaluation CExpressionEvaluator::RightFirst(int a, char cOperator1, int b, char cOperator2, int c)
{
    const CStepResult first = ApplyOperator(cOperator2, b, c);
    if (!first.Ok())
        return {first.status, 0, 3};
    const CStepResult second = ApplyOperator(cOperator1, a, first.nValue);
    if (!second.Ok())
        return {second.status, 0, 2};
    return {EvalStatus::Ok, second.nValue, 0};
}

// a / (b / c) has its own checks; every refusal gives back slot 3. A quotient b / c that
// truncates to 0 counts as a division by zero before b / c is checked for a remainder.
CRowEvaluation CExpressionEvaluator::DivideByQuotient(int a, int b, int c)
{
    if (b == 0 || c == 0)
        return {EvalStatus::DivisionByZero, 0, 3};
    const long long q = static_cast<long long>(b) / c;
    if (q == 0)
        return {EvalStatus::DivisionByZero, 0, 3};
    if (static_cast<long long>(b) % c != 0)
        return {EvalStatus::Fraction, 0, 3};
    if (q > 2147483647LL)
        return {EvalStatus::Overflow, 0, 3};
    const CStepResult result = ApplyOperator('/', a, static_cast<int>(q));
    if (!result.Ok())
        return {result.status, 0, 3};
    return {EvalStatus::Ok, result.nValue, 0};
}

const char* CExpressionEvaluator::RefusalText(EvalStatus status)
{
    switch (status) {
    case EvalStatus::DivisionByZero: return "Unable to perform division.";
    case EvalStatus::Fraction: return "Result must NOT be a fraction.";
    default: return "";
    }
}

const char* CExpressionEvaluator::RefusalCaption(EvalStatus status)
{
    switch (status) {
    case EvalStatus::DivisionByZero: return "Division by zero error.";
    case EvalStatus::Fraction: return "Information";
    default: return "";
    }
}
