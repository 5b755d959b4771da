#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The 104 expression forms written out as a player reads them, with their group and fill rule,
// and a small evaluator of such text. Deliberately shares nothing with the engine's table, so
// the two can check each other.
struct CReferenceForm {
    int k;
    const char* strForm;   // "c + (a + b)"
    const char* strGroup;  // the operations it uses, "AS"
    const char* strRule;   // "always", "E", "N a-b", "R b-a", "P b-c", "Q c|b"
};

extern const std::vector<CReferenceForm> kReferenceForms;

// A form's text compiled once into postfix order and evaluated for any numbers.
class CReferenceExpression {
public:
    explicit CReferenceExpression(std::string_view strText);

    // The value in whole numbers, nullopt when a division is by zero or leaves a remainder or
    // any step leaves 32 bits.
    std::optional<long long> Value(long long a, long long b, long long c) const;
    // The operator characters the text uses.
    const std::string& Operators() const { return m_strOperators; }

private:
    void ParseSum();
    void ParseProduct();
    void ParseOperand();
    char Peek();

    std::string m_strText;
    std::size_t m_nPos = 0;
    std::string m_strPostfix;
    std::string m_strOperators;
};

// The value of form for a, b, c in a game whose board key is strKey ("AS.P"), nullopt when the
// form stays empty.
std::optional<long long> ReferenceFormValue(const CReferenceForm& form, int a, int b, int c,
                                            std::string_view strKey);
