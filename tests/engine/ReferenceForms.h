#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The 104 expression forms written out as a player reads them, with their fill rule, and a small
// evaluator of such text. Deliberately shares nothing with the engine's table, so the two can
// check each other. A form uses exactly the operations whose signs its text shows.
struct CReferenceForm {
    int k;
    const char* strForm;  // "c + (a + b)"
    const char* strRule;  // "always", "E", "N a-b", "R b-a", "P b-c", "Q c|b"
};

extern const std::vector<CReferenceForm> kReferenceForms;

// The text's value in whole numbers, nullopt when a division is by zero or leaves a remainder
// or any step leaves 32 bits.
std::optional<long long> ReferenceTextValue(std::string_view strForm, long long a, long long b,
                                            long long c);

// The value of form for a, b, c in a game whose board key is strKey ("AS.P"), nullopt when the
// form stays empty.
std::optional<long long> ReferenceFormValue(const CReferenceForm& form, int a, int b, int c,
                                            std::string_view strKey);
