#pragma once

#include "EvalStatus.h"

// What the expression row computes: the value, or the refusal and the slot whose number goes back.
struct CRowEvaluation {
    EvalStatus status = EvalStatus::Ok;
    int nValue = 0;     // valid when status is Ok
    int nSlotBack = 0;  // 1 to 3: the slot to empty after a refused division; 0 when accepted

    bool Ok() const { return status == EvalStatus::Ok; }
};

// Evaluates the complete row a op1 b op2 c.
class CExpressionEvaluator {
public:
    // nBracketMode 0: * and / before + and -, equal ranks left to right; 1: (a op1 b) op2 c;
    // 2: a op1 (b op2 c). Divisions are checked in the order they are carried out.
    // Overflow and BadOperator cannot come from drawn numbers and the game's operators; the row
    // treats them as incomplete ("?", no marks, no message).
    static CRowEvaluation Evaluate(int a, char cOperator1, int b, char cOperator2, int c,
                                   int nBracketMode);

    // The words of the game's message box for a refused division; empty for other outcomes.
    static const char* RefusalText(EvalStatus status);
    static const char* RefusalCaption(EvalStatus status);

private:
    static CRowEvaluation LeftFirst(int a, char cOperator1, int b, char cOperator2, int c);
    static CRowEvaluation RightFirst(int a, char cOperator1, int b, char cOperator2, int c);
    static CRowEvaluation DivideByQuotient(int a, int b, int c);
};
