#include "ExpressionCatalogue.h"

#include "Arithmetic.h"

#include <algorithm>
#include <cstdint>

CExpressionCatalogue::CExpressionCatalogue()
{
    Reset();
}

void CExpressionCatalogue::Reset()
{
    m_nFormValue.fill(nEmpty);
}

namespace {

constexpr int nGroups = static_cast<int>(FormGroup::SD) + 1;
constexpr int nRules = static_cast<int>(FillRule::Q) + 1;
constexpr int nPairs = 4 * 3 * 3;  // operator, x, y
constexpr char kOperators[4] = {'+', '-', '*', '/'};

unsigned OperationBits(const COperationSet& ops)
{
    return (ops.bAdd ? 1u : 0u) | (ops.bSubtract ? 2u : 0u) | (ops.bMultiply ? 4u : 0u)
        | (ops.bDivide ? 8u : 0u);
}

int OperatorSlot(char cOperator)
{
    switch (cOperator) {
    case '+': return 0;
    case '-': return 1;
    case '*': return 2;
    default: return 3;
    }
}

// A form reduced to what Fill needs.
struct CCompiledForm {
    int nPosition;  // k - 1
    int nPair;      // operator * 9 + x * 3 + y of the bracketed pair
    int nY;
    int nZ;
    int nGroup;
    FillRule rule;
    bool bLeft;
};

// The forms sorted by their outer operator, so that each runs with its operator fixed, and the
// operations each group needs.
struct CCompiledCatalogue {
    std::array<std::array<CCompiledForm, nCatalogueSize>, 4> forms{};
    std::array<int, 4> nForms{};
    std::array<unsigned, nGroups> nGroupNeeds{};
};

CCompiledCatalogue Compile()
{
    CCompiledCatalogue compiled;
    for (int g = 0; g < nGroups; ++g)
        compiled.nGroupNeeds[g] = OperationBits(GroupOperations(static_cast<FormGroup>(g)));
    for (int k = 1; k <= nCatalogueSize; ++k) {
        const CCatalogueForm& form = *FindCatalogueForm(k);
        const int nOuter = OperatorSlot(form.cOuter);
        compiled.forms[nOuter][compiled.nForms[nOuter]++] = {
            k - 1, OperatorSlot(form.cInner) * 9 + form.nX * 3 + form.nY, form.nY, form.nZ,
            static_cast<int>(form.group), form.rule, form.bLeftBracketed};
    }
    return compiled;
}

const CCompiledCatalogue& Compiled()
{
    static const CCompiledCatalogue compiled = Compile();
    return compiled;
}

// What one call of Fill shares between the forms.
struct CFillContext {
    int nDrawn[3];
    unsigned nAllowedGroups;           // bit g: group g is filled
    bool bEmptyAlways[nRules];         // rule R with addition allowed
    bool bEmptyIfNegative[nRules];     // rules N, R, P: a negative bracketed result empties
    CStepResult pairs[nPairs];
};

template <char cOuter>
void FillOuter(const CCompiledCatalogue& compiled, const CFillContext& context, int* pValues)
{
    constexpr int nOuter = cOuter == '+' ? 0 : cOuter == '-' ? 1 : cOuter == '*' ? 2 : 3;
    const int nForms = compiled.nForms[nOuter];
    for (int i = 0; i < nForms; ++i) {
        const CCompiledForm& form = compiled.forms[nOuter][i];
        int& nValue = pValues[form.nPosition];
        nValue = CExpressionCatalogue::nEmpty;
        if ((context.nAllowedGroups >> form.nGroup & 1u) == 0)
            continue;
        const CStepResult& inner = context.pairs[form.nPair];
        if (!inner.Ok())
            continue;
        const int nRule = static_cast<int>(form.rule);
        const int d = inner.nValue;
        if (context.bEmptyAlways[nRule] || (d < 0 && context.bEmptyIfNegative[nRule]))
            continue;
        const int z = context.nDrawn[form.nZ];
        // Rule Q: filled only when z divides y; 64 bits keep INT_MIN % -1 defined.
        if (form.rule == FillRule::Q
            && (z == 0 || static_cast<long long>(context.nDrawn[form.nY]) % z != 0))
            continue;
        const CStepResult outer = form.bLeft ? ApplyOperator(cOuter, d, z) : ApplyOperator(cOuter, z, d);
        if (outer.Ok())
            nValue = outer.nValue;
    }
}

} // namespace

void CExpressionCatalogue::Fill(int a, int b, int c, const COperationSet& ops, bool bPositiveOnly)
{
    const CCompiledCatalogue& compiled = Compiled();
    CFillContext context{{a, b, c}, 0u, {}, {}, {}};

    const unsigned nOps = OperationBits(ops);
    for (int g = 0; g < nGroups; ++g) {
        if ((compiled.nGroupNeeds[g] & ~nOps) == 0)
            context.nAllowedGroups |= 1u << g;
    }
    context.bEmptyAlways[static_cast<int>(FillRule::R)] = ops.bAdd;
    context.bEmptyIfNegative[static_cast<int>(FillRule::R)] = true;
    context.bEmptyIfNegative[static_cast<int>(FillRule::N)] = bPositiveOnly || ops.bAdd;
    context.bEmptyIfNegative[static_cast<int>(FillRule::P)] = bPositiveOnly;

    // Every bracketed pair once: many forms share one, and divisions are the slow part.
    for (int nOperator = 0; nOperator < 4; ++nOperator)
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 3; ++y)
                if (x != y)
                    context.pairs[nOperator * 9 + x * 3 + y] =
                        ApplyOperator(kOperators[nOperator], context.nDrawn[x], context.nDrawn[y]);

    FillOuter<'+'>(compiled, context, m_nFormValue.data());
    FillOuter<'-'>(compiled, context, m_nFormValue.data());
    FillOuter<'*'>(compiled, context, m_nFormValue.data());
    FillOuter<'/'>(compiled, context, m_nFormValue.data());
}

int CExpressionCatalogue::Value(int k) const
{
    if (k < 1 || k > nCatalogueSize)
        return nEmpty;
    return m_nFormValue[k - 1];
}

int CExpressionCatalogue::FirstIndexOf(int nNumber) const
{
    if (nNumber == nEmpty)
        return 0;
    const auto it = std::find(m_nFormValue.begin(), m_nFormValue.end(), nNumber);
    return it == m_nFormValue.end() ? 0 : static_cast<int>(it - m_nFormValue.begin()) + 1;
}

bool CExpressionCatalogue::FindFirstTarget(const CTargetIndex& targets, int& nRank, int& nIndex) const
{
    // One key per form, the rank above the position: the lowest key is the lowest rank and, among
    // equal ranks, the lowest index. No branch on the values, which every roll changes; two
    // minima, even and odd forms, so that the comparisons need not wait for each other.
    static_assert(nCatalogueSize % 2 == 0 && nCatalogueSize <= 256);
    constexpr std::uint32_t nNone = CTargetIndex::nNoRank << 8;
    std::uint32_t nBest[2] = {UINT32_MAX, UINT32_MAX};
    for (int i = 0; i < nCatalogueSize; i += 2) {
        for (int j = 0; j < 2; ++j) {
            const int nValue = m_nFormValue[i + j];
            const std::uint32_t nEmptyMask = 0u - static_cast<std::uint32_t>(nValue == nEmpty);
            const std::uint32_t nKey = targets.UnsignedRankOf(nValue) << 8 | static_cast<std::uint32_t>(i + j);
            nBest[j] = std::min(nBest[j], nKey | nEmptyMask);
        }
    }
    const std::uint32_t nFound = std::min(nBest[0], nBest[1]);
    if (nFound >= nNone)
        return false;
    nRank = static_cast<int>(nFound >> 8);
    nIndex = static_cast<int>(nFound & 255u) + 1;
    return true;
}
