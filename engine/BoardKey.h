#pragma once

#include "OperationSet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The name of a board file: the letters A, S, M, D of the allowed operations in this order, a
// full stop and the sign letter P (positive only), N (negative only) or A (both).
struct CBoardKey {
    COperationSet ops;
    char cSignLetter = 'A';

    std::string Text() const;
    // Only positive numbers: the catalogue then leaves out negative bracketed differences.
    bool PositiveOnly() const { return cSignLetter == 'P'; }

    // Reads a key such as "AM.P"; nullopt when it is not one.
    static std::optional<CBoardKey> Parse(std::string_view strKey);
};

// The 28 keys the setup dialog lets through, one board file each.
extern const std::array<const char*, 28> kBoardKeys;
