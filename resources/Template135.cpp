#include "Templates.h"

// "Types of Hints": one button per hint, each with its cost beside it, and Cancel.
DialogTemplate MakeTemplate135()
{
    using K = CtlKind;
    return DialogTemplate{
        135, QStringLiteral("Types of Hints"), 201, 82, 8, 0, {},
        {
            {1040, K::PushButton, QStringLiteral("Optimal"), 7, 10, 50, 14},
            {3, K::PushButton, QStringLiteral("Operators"), 7, 34, 50, 14},
            {2, K::DefPushButton, QStringLiteral("Cancel"), 7, 58, 50, 14},
            {-1, K::Static,
             QStringLiteral("Indicates the value of the best gamepiece to select.  Cost: 3 points."),
             61, 9, 135, 26},
            {-1, K::Static,
             QStringLiteral("Gives the operators needed to obtain the best gamepiece.  Cost: 1 point."),
             60, 34, 135, 23},
            {-1, K::Static, QStringLiteral("Exit without taking a hint."), 59, 61, 135, 14},
        }};
}
