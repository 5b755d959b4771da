#include "CatalogueForm.h"

namespace {

// Reads a form written compactly, "(x o y) o z" as "(a-b)-c" or "z o (x o y)" as "c+(a+b)".
consteval CCatalogueForm Form(const char (&s)[8], FormGroup group, FillRule rule)
{
    if (s[0] == '(')
        return {s[2], s[5], s[1] - 'a', s[3] - 'a', s[6] - 'a', true, group, rule};
    return {s[4], s[1], s[3] - 'a', s[5] - 'a', s[0] - 'a', false, group, rule};
}

using enum FormGroup;
using FillRule::Always, FillRule::E, FillRule::N, FillRule::R, FillRule::P, FillRule::Q;

constexpr std::array<CCatalogueForm, nCatalogueSize> kForms = {{
    Form("c+(a+b)", A, Always),  // 1
    Form("c*(a*b)", M, Always),  // 2
    Form("(a-b)-c", S, N),  Form("c-(a-b)", S, N),  // 3, 4
    Form("a-(b-c)", S, N),  Form("(b-c)-a", S, N),  // 5, 6
    Form("(c-a)-b", S, N),  Form("b-(c-a)", S, N),  // 7, 8
    Form("(b-a)-c", S, R),  Form("c-(b-a)", S, R),  // 9, 10
    Form("(c-b)-a", S, N),  Form("a-(c-b)", S, N),  // 11, 12
    Form("(a-c)-b", S, N),  Form("b-(a-c)", S, N),  // 13, 14
    Form("(a/b)/c", D, E),  Form("a/(b/c)", D, E),  // 15, 16
    Form("(a/c)/b", D, E),  Form("a/(c/b)", D, E),  // 17, 18
    Form("(b/a)/c", D, E),  Form("b/(a/c)", D, E),  // 19, 20
    Form("(b/c)/a", D, E),  Form("b/(c/a)", D, E),  // 21, 22
    Form("(c/a)/b", D, E),  Form("c/(a/b)", D, E),  // 23, 24
    Form("(c/b)/a", D, E),  Form("c/(b/a)", D, E),  // 25, 26
    Form("a+(b*c)", AM, Always), Form("b+(c*a)", AM, Always),  // 27, 28
    Form("c+(a*b)", AM, Always), Form("(c+b)*a", AM, Always),  // 29, 30
    Form("(a+b)*c", AM, Always), Form("(c+a)*b", AM, Always),  // 31, 32
    Form("(a+b)-c", AS, Always), Form("a+(b-c)", AS, P),       // 33, 34
    Form("a+(c-b)", AS, P),      Form("a-(b+c)", AS, Always),  // 35, 36
    Form("(b+c)-a", AS, Always), Form("b+(c-a)", AS, P),       // 37, 38
    Form("b+(a-c)", AS, P),      Form("b-(c+a)", AS, Always),  // 39, 40
    Form("(c+a)-b", AS, Always), Form("c+(a-b)", AS, P),       // 41, 42
    Form("c+(b-a)", AS, P),      Form("c-(a+b)", AS, Always),  // 43, 44
    Form("(a+b)/c", AD, E), Form("a+(b/c)", AD, E),  // 45, 46
    Form("b+(a/c)", AD, E), Form("a+(c/b)", AD, E),  // 47, 48
    Form("(c+a)/b", AD, E), Form("c+(a/b)", AD, E),  // 49, 50
    Form("(b+c)/a", AD, E), Form("b+(c/a)", AD, E),  // 51, 52
    Form("c+(b/a)", AD, E), Form("c/(a+b)", AD, E),  // 53, 54
    Form("b/(a+c)", AD, E), Form("a/(c+b)", AD, E),  // 55, 56
    Form("a*(c-b)", SM, Always), Form("a*(b-c)", SM, Always),  // 57, 58
    Form("(a*b)-c", SM, Always), Form("b*(a-c)", SM, Always),  // 59, 60
    Form("b*(c-a)", SM, Always), Form("(b*c)-a", SM, Always),  // 61, 62
    Form("(b-a)*c", SM, Always), Form("c*(a-b)", SM, Always),  // 63, 64
    Form("(c*a)-b", SM, Always), Form("a-(c*b)", SM, Always),  // 65, 66
    Form("b-(c*a)", SM, Always), Form("c-(a*b)", SM, Always),  // 67, 68
    Form("(a*b)/c", MD, Q), Form("a*(b/c)", MD, E),  // 69, 70
    Form("b*(a/c)", MD, E), Form("a*(c/b)", MD, E),  // 71, 72
    Form("(c*a)/b", MD, Q), Form("c*(a/b)", MD, E),  // 73, 74
    Form("(b*c)/a", MD, Q), Form("b*(c/a)", MD, E),  // 75, 76
    Form("c*(b/a)", MD, E), Form("c/(a*b)", MD, E),  // 77, 78
    Form("a/(b*c)", MD, E), Form("b/(a*c)", MD, E),  // 79, 80
    Form("a-(b/c)", SD, E), Form("b-(a/c)", SD, E),  // 81, 82
    Form("(b/c)-a", SD, E), Form("(a/c)-b", SD, E),  // 83, 84
    Form("(a-b)/c", SD, E), Form("(b-a)/c", SD, E),  // 85, 86
    Form("a-(c/b)", SD, E), Form("c-(a/b)", SD, E),  // 87, 88
    Form("(c/b)-a", SD, E), Form("(a/b)-c", SD, E),  // 89, 90
    Form("(a-c)/b", SD, E), Form("(c-a)/b", SD, E),  // 91, 92
    Form("b-(c/a)", SD, E), Form("c-(b/a)", SD, E),  // 93, 94
    Form("(c/a)-b", SD, E), Form("(b/a)-c", SD, E),  // 95, 96
    Form("(c-b)/a", SD, E), Form("(b-c)/a", SD, E),  // 97, 98
    Form("c/(a-b)", SD, E), Form("c/(b-a)", SD, E),  // 99, 100
    Form("b/(c-a)", SD, E), Form("b/(a-c)", SD, E),  // 101, 102
    Form("a/(c-b)", SD, E), Form("a/(b-c)", SD, E),  // 103, 104
}};

} // namespace

std::array<int, 4> CCatalogueForm::StepEntries() const
{
    if (bLeftBracketed)
        return {nX, nY, 3, nZ};
    return {nX, nY, nZ, 3};
}

std::array<int, 3> CCatalogueForm::ShownEntries() const
{
    if (bLeftBracketed)
        return {nX, nY, nZ};
    return {nZ, nX, nY};
}

char CCatalogueForm::FirstShownOperator() const
{
    return bLeftBracketed ? cInner : cOuter;
}

char CCatalogueForm::SecondShownOperator() const
{
    return bLeftBracketed ? cOuter : cInner;
}

int CCatalogueForm::BracketMode() const
{
    return bLeftBracketed ? 1 : 2;
}

const CCatalogueForm* FindCatalogueForm(int k)
{
    if (k < 1 || k > nCatalogueSize)
        return nullptr;
    return &kForms[static_cast<std::size_t>(k - 1)];
}

const std::array<CCatalogueForm, nCatalogueSize>& CatalogueForms()
{
    return kForms;
}

COperationSet GroupOperations(FormGroup group)
{
    COperationSet ops{false, false, false, false};
    switch (group) {
    case FormGroup::A:  ops.bAdd = true; break;
    case FormGroup::M:  ops.bMultiply = true; break;
    case FormGroup::S:  ops.bSubtract = true; break;
    case FormGroup::D:  ops.bDivide = true; break;
    case FormGroup::AM: ops.bAdd = ops.bMultiply = true; break;
    case FormGroup::AS: ops.bAdd = ops.bSubtract = true; break;
    case FormGroup::AD: ops.bAdd = ops.bDivide = true; break;
    case FormGroup::SM: ops.bSubtract = ops.bMultiply = true; break;
    case FormGroup::MD: ops.bMultiply = ops.bDivide = true; break;
    case FormGroup::SD: ops.bSubtract = ops.bDivide = true; break;
    }
    return ops;
}

bool IsGroupAllowed(FormGroup group, const COperationSet& ops)
{
    const COperationSet need = GroupOperations(group);
    return (!need.bAdd || ops.bAdd) && (!need.bSubtract || ops.bSubtract)
        && (!need.bMultiply || ops.bMultiply) && (!need.bDivide || ops.bDivide);
}
