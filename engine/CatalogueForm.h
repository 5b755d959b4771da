#pragma once

#include "OperationSet.h"

#include <array>

// The group of a form: the operations it uses. A group is filled only when all are allowed.
enum class FormGroup : unsigned char { A, M, S, D, AM, AS, AD, SM, MD, SD };

// When a form of a filled group holds a value (d is the bracketed result).
enum class FillRule : unsigned char {
    Always,
    E,  // every division exact, the bracketed one tested first
    N,  // empty when d < 0 and (positive-only or addition allowed)
    R,  // empty when addition is allowed or d < 0
    P,  // empty when positive-only and d < 0
    Q,  // (x * y) / z, filled only when z != 0 and z divides y
};

// One of the 104 expression forms over the drawn numbers a, b, c (entries 0, 1, 2): the
// bracketed pair x op y is computed first, then combined with z. The same record is the plan
// for showing the form in the expression row.
struct CCatalogueForm {
    char cInner;          // operator of the bracketed pair
    char cOuter;          // operator joining the pair's result and z
    int nX;               // entries of the bracketed pair, in order
    int nY;
    int nZ;               // entry of the number outside the brackets
    bool bLeftBracketed;  // (x op y) op z; otherwise z op (x op y)
    FormGroup group;
    FillRule rule;

    // The arguments p1 to p4 of ShowExpressionSteps: the pair, then 3 (the inner result) and z
    // in the order of the outer operation.
    std::array<int, 4> StepEntries() const;
    // The entries in slots 1 to 3 as the row finally reads.
    std::array<int, 3> ShownEntries() const;
    // The operators of buttons 1006 and 1007 as the row reads (the outer one first when the
    // form is right-bracketed).
    char FirstShownOperator() const;
    char SecondShownOperator() const;
    // Bracket mode that shows the form: 1 around slots 1 and 2, 2 around slots 2 and 3.
    int BracketMode() const;
};

constexpr int nCatalogueSize = 104;

// Form k (1 to 104), or nullptr when k is outside the catalogue.
const CCatalogueForm* FindCatalogueForm(int k);
// All forms, index 1 first.
const std::array<CCatalogueForm, nCatalogueSize>& CatalogueForms();

// The operations a group needs, and whether the game allows them all.
COperationSet GroupOperations(FormGroup group);
bool IsGroupAllowed(FormGroup group, const COperationSet& ops);
