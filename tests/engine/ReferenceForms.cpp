#include "ReferenceForms.h"

#include <climits>
#include <stdexcept>

const std::vector<CReferenceForm> kReferenceForms = {
    {1, "c + (a + b)", "A", "always"},
    {2, "c * (a * b)", "M", "always"},
    {3, "(a - b) - c", "S", "N a-b"},
    {4, "c - (a - b)", "S", "N a-b"},
    {5, "a - (b - c)", "S", "N b-c"},
    {6, "(b - c) - a", "S", "N b-c"},
    {7, "(c - a) - b", "S", "N c-a"},
    {8, "b - (c - a)", "S", "N c-a"},
    {9, "(b - a) - c", "S", "R b-a"},
    {10, "c - (b - a)", "S", "R b-a"},
    {11, "(c - b) - a", "S", "N c-b"},
    {12, "a - (c - b)", "S", "N c-b"},
    {13, "(a - c) - b", "S", "N a-c"},
    {14, "b - (a - c)", "S", "N a-c"},
    {15, "(a / b) / c", "D", "E"},
    {16, "a / (b / c)", "D", "E"},
    {17, "(a / c) / b", "D", "E"},
    {18, "a / (c / b)", "D", "E"},
    {19, "(b / a) / c", "D", "E"},
    {20, "b / (a / c)", "D", "E"},
    {21, "(b / c) / a", "D", "E"},
    {22, "b / (c / a)", "D", "E"},
    {23, "(c / a) / b", "D", "E"},
    {24, "c / (a / b)", "D", "E"},
    {25, "(c / b) / a", "D", "E"},
    {26, "c / (b / a)", "D", "E"},
    {27, "a + (b * c)", "AM", "always"},
    {28, "b + (c * a)", "AM", "always"},
    {29, "c + (a * b)", "AM", "always"},
    {30, "(c + b) * a", "AM", "always"},
    {31, "(a + b) * c", "AM", "always"},
    {32, "(c + a) * b", "AM", "always"},
    {33, "(a + b) - c", "AS", "always"},
    {34, "a + (b - c)", "AS", "P b-c"},
    {35, "a + (c - b)", "AS", "P c-b"},
    {36, "a - (b + c)", "AS", "always"},
    {37, "(b + c) - a", "AS", "always"},
    {38, "b + (c - a)", "AS", "P c-a"},
    {39, "b + (a - c)", "AS", "P a-c"},
    {40, "b - (c + a)", "AS", "always"},
    {41, "(c + a) - b", "AS", "always"},
    {42, "c + (a - b)", "AS", "P a-b"},
    {43, "c + (b - a)", "AS", "P b-a"},
    {44, "c - (a + b)", "AS", "always"},
    {45, "(a + b) / c", "AD", "E"},
    {46, "a + (b / c)", "AD", "E"},
    {47, "b + (a / c)", "AD", "E"},
    {48, "a + (c / b)", "AD", "E"},
    {49, "(c + a) / b", "AD", "E"},
    {50, "c + (a / b)", "AD", "E"},
    {51, "(b + c) / a", "AD", "E"},
    {52, "b + (c / a)", "AD", "E"},
    {53, "c + (b / a)", "AD", "E"},
    {54, "c / (a + b)", "AD", "E"},
    {55, "b / (a + c)", "AD", "E"},
    {56, "a / (c + b)", "AD", "E"},
    {57, "a * (c - b)", "SM", "always"},
    {58, "a * (b - c)", "SM", "always"},
    {59, "(a * b) - c", "SM", "always"},
    {60, "b * (a - c)", "SM", "always"},
    {61, "b * (c - a)", "SM", "always"},
    {62, "(b * c) - a", "SM", "always"},
    {63, "(b - a) * c", "SM", "always"},
    {64, "c * (a - b)", "SM", "always"},
    {65, "(c * a) - b", "SM", "always"},
    {66, "a - (c * b)", "SM", "always"},
    {67, "b - (c * a)", "SM", "always"},
    {68, "c - (a * b)", "SM", "always"},
    {69, "(a * b) / c", "MD", "Q c|b"},
    {70, "a * (b / c)", "MD", "E"},
    {71, "b * (a / c)", "MD", "E"},
    {72, "a * (c / b)", "MD", "E"},
    {73, "(c * a) / b", "MD", "Q b|a"},
    {74, "c * (a / b)", "MD", "E"},
    {75, "(b * c) / a", "MD", "Q a|c"},
    {76, "b * (c / a)", "MD", "E"},
    {77, "c * (b / a)", "MD", "E"},
    {78, "c / (a * b)", "MD", "E"},
    {79, "a / (b * c)", "MD", "E"},
    {80, "b / (a * c)", "MD", "E"},
    {81, "a - (b / c)", "SD", "E"},
    {82, "b - (a / c)", "SD", "E"},
    {83, "(b / c) - a", "SD", "E"},
    {84, "(a / c) - b", "SD", "E"},
    {85, "(a - b) / c", "SD", "E"},
    {86, "(b - a) / c", "SD", "E"},
    {87, "a - (c / b)", "SD", "E"},
    {88, "c - (a / b)", "SD", "E"},
    {89, "(c / b) - a", "SD", "E"},
    {90, "(a / b) - c", "SD", "E"},
    {91, "(a - c) / b", "SD", "E"},
    {92, "(c - a) / b", "SD", "E"},
    {93, "b - (c / a)", "SD", "E"},
    {94, "c - (b / a)", "SD", "E"},
    {95, "(c / a) - b", "SD", "E"},
    {96, "(b / a) - c", "SD", "E"},
    {97, "(c - b) / a", "SD", "E"},
    {98, "(b - c) / a", "SD", "E"},
    {99, "c / (a - b)", "SD", "E"},
    {100, "c / (b - a)", "SD", "E"},
    {101, "b / (c - a)", "SD", "E"},
    {102, "b / (a - c)", "SD", "E"},
    {103, "a / (c - b)", "SD", "E"},
    {104, "a / (b - c)", "SD", "E"},
};

CReferenceExpression::CReferenceExpression(std::string_view strText) : m_strText(strText)
{
    ParseSum();
    if (Peek() != 0)
        throw std::invalid_argument("trailing text in form");
}

char CReferenceExpression::Peek()
{
    while (m_nPos < m_strText.size() && m_strText[m_nPos] == ' ')
        ++m_nPos;
    return m_nPos < m_strText.size() ? m_strText[m_nPos] : 0;
}

void CReferenceExpression::ParseSum()
{
    ParseProduct();
    for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
        ++m_nPos;
        ParseProduct();
        m_strPostfix += c;
        m_strOperators += c;
    }
}

void CReferenceExpression::ParseProduct()
{
    ParseOperand();
    for (char c = Peek(); c == '*' || c == '/'; c = Peek()) {
        ++m_nPos;
        ParseOperand();
        m_strPostfix += c;
        m_strOperators += c;
    }
}

void CReferenceExpression::ParseOperand()
{
    const char c = Peek();
    ++m_nPos;
    if (c == '(') {
        ParseSum();
        if (Peek() != ')')
            throw std::invalid_argument("unbalanced bracket");
        ++m_nPos;
    } else if (c >= 'a' && c <= 'c') {
        m_strPostfix += c;
    } else {
        throw std::invalid_argument("bad operand");
    }
}

std::optional<long long> CReferenceExpression::Value(long long a, long long b, long long c) const
{
    std::vector<long long> stack;
    for (char token : m_strPostfix) {
        if (token >= 'a' && token <= 'c') {
            stack.push_back(token == 'a' ? a : token == 'b' ? b : c);
            continue;
        }
        const long long y = stack.back();
        stack.pop_back();
        const long long x = stack.back();
        long long r = 0;
        switch (token) {
        case '+': r = x + y; break;
        case '-': r = x - y; break;
        case '*': r = x * y; break;
        default:
            if (y == 0 || x % y != 0)
                return std::nullopt;
            r = x / y;
        }
        if (r < INT_MIN || r > INT_MAX)
            return std::nullopt;
        stack.back() = r;
    }
    return stack.back();
}

namespace {

long long Pick(char cName, long long a, long long b, long long c)
{
    return cName == 'a' ? a : cName == 'b' ? b : c;
}

} // namespace

std::optional<long long> ReferenceFormValue(const CReferenceForm& form, int a, int b, int c,
                                            std::string_view strKey)
{
    const std::string_view strLetters = strKey.substr(0, strKey.find('.'));
    const bool bPositiveOnly = strKey.back() == 'P';
    const bool bAdd = strLetters.find('A') != std::string_view::npos;
    for (char cGroupLetter : std::string_view(form.strGroup)) {
        if (strLetters.find(cGroupLetter) == std::string_view::npos)
            return std::nullopt;
    }

    const std::string_view strRule = form.strRule;
    const char cRule = strRule[0];
    if (cRule == 'N' || cRule == 'R' || cRule == 'P') {
        const long long d = Pick(strRule[2], a, b, c) - Pick(strRule[4], a, b, c);
        const bool bEmpty = cRule == 'N'   ? d < 0 && (bPositiveOnly || bAdd)
                            : cRule == 'R' ? bAdd || d < 0
                                           : bPositiveOnly && d < 0;
        if (bEmpty)
            return std::nullopt;
    } else if (cRule == 'Q') {
        const long long nDivisor = Pick(strRule[2], a, b, c);
        const long long nFactor = Pick(strRule[4], a, b, c);
        if (nDivisor == 0 || nFactor % nDivisor != 0)
            return std::nullopt;
    }
    static const std::vector<CReferenceExpression> compiled = [] {
        std::vector<CReferenceExpression> expressions;
        for (const auto& entry : kReferenceForms)
            expressions.emplace_back(entry.strForm);
        return expressions;
    }();
    return compiled[static_cast<std::size_t>(form.k - 1)].Value(a, b, c);
}
