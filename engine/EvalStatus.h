#pragma once

// Outcome of one arithmetic step or of a whole expression.
enum class EvalStatus {
    Ok,
    DivisionByZero,  // "Unable to perform division." / "Division by zero error."
    Fraction,        // "Result must NOT be a fraction." / "Information"
    Overflow,        // beyond 32 bits; cannot happen with drawn numbers 0 to 10
    BadOperator,     // not one of + - * /
};
