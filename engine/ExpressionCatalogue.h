#pragma once

#include "CatalogueForm.h"
#include "OperationSet.h"
#include "TargetIndex.h"

#include <array>

// The values of the 104 catalogue forms for one set of drawn numbers.
class CExpressionCatalogue {
public:
    // Marks an empty form: no value for these numbers under these settings. No piece may carry it.
    static constexpr int nEmpty = -1000;

    CExpressionCatalogue();

    // Empties every form.
    void Reset();
    // Computes every form of the allowed groups for a, b, c by its fill rule; the rest stay empty.
    // A form whose arithmetic would leave 32 bits stays empty.
    void Fill(int a, int b, int c, const COperationSet& ops, bool bPositiveOnly);
    // The value of form k (1 to 104), nEmpty when empty or k is outside the catalogue.
    int Value(int k) const;
    // The lowest index whose form gives nNumber, 0 when none does. An empty form never matches.
    int FirstIndexOf(int nNumber) const;
    // The target of lowest rank that a form reaches, and the lowest index reaching it: the same
    // answer as FirstIndexOf for each target in rank order. False leaves the outputs untouched.
    bool FindFirstTarget(const CTargetIndex& targets, int& nRank, int& nIndex) const;

private:
    std::array<int, nCatalogueSize> m_nFormValue;
};
