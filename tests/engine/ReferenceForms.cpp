#include "ReferenceForms.h"

#include <climits>

// "always" and "E" fill whenever the text evaluates in whole numbers.
const std::vector<CReferenceForm> kReferenceForms = {
    {1, "c + (a + b)", "always"}, {2, "c * (a * b)", "always"}, {3, "(a - b) - c", "N a-b"}, {4, "c - (a - b)", "N a-b"},
    {5, "a - (b - c)", "N b-c"}, {6, "(b - c) - a", "N b-c"}, {7, "(c - a) - b", "N c-a"}, {8, "b - (c - a)", "N c-a"},
    {9, "(b - a) - c", "R b-a"}, {10, "c - (b - a)", "R b-a"}, {11, "(c - b) - a", "N c-b"}, {12, "a - (c - b)", "N c-b"},
    {13, "(a - c) - b", "N a-c"}, {14, "b - (a - c)", "N a-c"}, {15, "(a / b) / c", "E"}, {16, "a / (b / c)", "E"},
    {17, "(a / c) / b", "E"}, {18, "a / (c / b)", "E"}, {19, "(b / a) / c", "E"}, {20, "b / (a / c)", "E"},
    {21, "(b / c) / a", "E"}, {22, "b / (c / a)", "E"}, {23, "(c / a) / b", "E"}, {24, "c / (a / b)", "E"},
    {25, "(c / b) / a", "E"}, {26, "c / (b / a)", "E"}, {27, "a + (b * c)", "always"}, {28, "b + (c * a)", "always"},
    {29, "c + (a * b)", "always"}, {30, "(c + b) * a", "always"}, {31, "(a + b) * c", "always"}, {32, "(c + a) * b", "always"},
    {33, "(a + b) - c", "always"}, {34, "a + (b - c)", "P b-c"}, {35, "a + (c - b)", "P c-b"}, {36, "a - (b + c)", "always"},
    {37, "(b + c) - a", "always"}, {38, "b + (c - a)", "P c-a"}, {39, "b + (a - c)", "P a-c"}, {40, "b - (c + a)", "always"},
    {41, "(c + a) - b", "always"}, {42, "c + (a - b)", "P a-b"}, {43, "c + (b - a)", "P b-a"}, {44, "c - (a + b)", "always"},
    {45, "(a + b) / c", "E"}, {46, "a + (b / c)", "E"}, {47, "b + (a / c)", "E"}, {48, "a + (c / b)", "E"},
    {49, "(c + a) / b", "E"}, {50, "c + (a / b)", "E"}, {51, "(b + c) / a", "E"}, {52, "b + (c / a)", "E"},
    {53, "c + (b / a)", "E"}, {54, "c / (a + b)", "E"}, {55, "b / (a + c)", "E"}, {56, "a / (c + b)", "E"},
    {57, "a * (c - b)", "always"}, {58, "a * (b - c)", "always"}, {59, "(a * b) - c", "always"}, {60, "b * (a - c)", "always"},
    {61, "b * (c - a)", "always"}, {62, "(b * c) - a", "always"}, {63, "(b - a) * c", "always"}, {64, "c * (a - b)", "always"},
    {65, "(c * a) - b", "always"}, {66, "a - (c * b)", "always"}, {67, "b - (c * a)", "always"}, {68, "c - (a * b)", "always"},
    {69, "(a * b) / c", "Q c|b"}, {70, "a * (b / c)", "E"}, {71, "b * (a / c)", "E"}, {72, "a * (c / b)", "E"},
    {73, "(c * a) / b", "Q b|a"}, {74, "c * (a / b)", "E"}, {75, "(b * c) / a", "Q a|c"}, {76, "b * (c / a)", "E"},
    {77, "c * (b / a)", "E"}, {78, "c / (a * b)", "E"}, {79, "a / (b * c)", "E"}, {80, "b / (a * c)", "E"},
    {81, "a - (b / c)", "E"}, {82, "b - (a / c)", "E"}, {83, "(b / c) - a", "E"}, {84, "(a / c) - b", "E"},
    {85, "(a - b) / c", "E"}, {86, "(b - a) / c", "E"}, {87, "a - (c / b)", "E"}, {88, "c - (a / b)", "E"},
    {89, "(c / b) - a", "E"}, {90, "(a / b) - c", "E"}, {91, "(a - c) / b", "E"}, {92, "(c - a) / b", "E"},
    {93, "b - (c / a)", "E"}, {94, "c - (b / a)", "E"}, {95, "(c / a) - b", "E"}, {96, "(b / a) - c", "E"},
    {97, "(c - b) / a", "E"}, {98, "(b - c) / a", "E"}, {99, "c / (a - b)", "E"}, {100, "c / (b - a)", "E"},
    {101, "b / (c - a)", "E"}, {102, "b / (a - c)", "E"}, {103, "a / (c - b)", "E"}, {104, "a / (b - c)", "E"},
};

namespace {

long long Pick(char cName, long long a, long long b, long long c)
{
    return cName == 'a' ? a : cName == 'b' ? b : c;
}

// x o y in whole numbers within 32 bits.
std::optional<long long> Apply(char o, std::optional<long long> x, std::optional<long long> y)
{
    if (!x || !y || (o == '/' && (*y == 0 || *x % *y != 0)))
        return std::nullopt;
    const long long r = o == '+' ? *x + *y : o == '-' ? *x - *y : o == '*' ? *x * *y : *x / *y;
    return r < INT_MIN || r > INT_MAX ? std::nullopt : std::optional<long long>(r);
}

} // namespace

std::optional<long long> ReferenceTextValue(std::string_view s, long long a, long long b, long long c)
{
    // Every form reads "(x o y) o z" or "x o (y o z)".
    if (s[0] == '(')
        return Apply(s[8], Apply(s[3], Pick(s[1], a, b, c), Pick(s[5], a, b, c)), Pick(s[10], a, b, c));
    return Apply(s[2], Pick(s[0], a, b, c), Apply(s[7], Pick(s[5], a, b, c), Pick(s[9], a, b, c)));
}

std::optional<long long> ReferenceFormValue(const CReferenceForm& form, int a, int b, int c,
                                            std::string_view strKey)
{
    const std::string_view strLetters = strKey.substr(0, strKey.find('.'));
    for (char o : std::string_view(form.strForm)) {
        const auto n = std::string_view("+-*/").find(o);
        if (n != std::string_view::npos && strLetters.find("ASMD"[n]) == std::string_view::npos)
            return std::nullopt;
    }
    const bool bPositiveOnly = strKey.back() == 'P';
    const bool bAdd = strLetters.find('A') != std::string_view::npos;
    const std::string_view strRule = form.strRule;  // "N x-y", "R x-y", "P x-y", "Q x|y"
    const char cRule = strRule.size() == 5 ? strRule[0] : ' ';
    const long long x = Pick(strRule[strRule.size() / 2], a, b, c), y = Pick(strRule.back(), a, b, c);
    if ((cRule == 'N' && x < y && (bPositiveOnly || bAdd)) || (cRule == 'R' && (bAdd || x < y))
        || (cRule == 'P' && bPositiveOnly && x < y) || (cRule == 'Q' && (x == 0 || y % x != 0)))
        return std::nullopt;
    return ReferenceTextValue(form.strForm, a, b, c);
}
