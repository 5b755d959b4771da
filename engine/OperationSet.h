#pragma once

// The operations allowed in a game.
struct COperationSet {
    bool bAdd = true;
    bool bSubtract = true;
    bool bMultiply = true;
    bool bDivide = true;

    bool operator==(const COperationSet&) const = default;
};
