// The catalogue of 104 forms: every value it computes is checked against an evaluation of the
// form's written text, for every roll of 0 to 10 under every board key and at the limits of
// 32 bits, and shown in the expression row, where the row's evaluator must give the same value;
// then the search's lookups (lowest index, the index of board numbers by rank).
#include "BoardKey.h"
#include "CatalogueForm.h"
#include "ExpressionCatalogue.h"
#include "ExpressionEvaluator.h"
#include "ReferenceForms.h"
#include "TargetIndex.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr int E = CExpressionCatalogue::nEmpty;

CExpressionCatalogue FilledFor(int a, int b, int c, const char* strKey)
{
    const auto key = CBoardKey::Parse(strKey);
    CExpressionCatalogue catalogue;
    catalogue.Fill(a, b, c, key->ops, key->PositiveOnly());
    return catalogue;
}

// The first form whose value disagrees with its written text, or with the row showing it, or "".
std::string FirstDisagreement(int a, int b, int c, const char* strKey)
{
    const CExpressionCatalogue catalogue = FilledFor(a, b, c, strKey);
    const int nDrawn[3] = {a, b, c};
    for (const auto& reference : kReferenceForms) {
        const auto expected = ReferenceFormValue(reference, a, b, c, strKey);
        const int nValue = catalogue.Value(reference.k);
        const CCatalogueForm& form = *FindCatalogueForm(reference.k);
        const auto shown = form.ShownEntries();
        const CRowEvaluation row = CExpressionEvaluator::Evaluate(
            nDrawn[shown[0]], form.FirstShownOperator(), nDrawn[shown[1]],
            form.SecondShownOperator(), nDrawn[shown[2]], form.BracketMode());
        if (nValue != (expected ? static_cast<int>(*expected) : E) || (expected && !row.Ok())
            || (expected && row.nValue != nValue))
            return std::string(strKey) + " " + reference.strForm + " a=" + std::to_string(a)
                + " b=" + std::to_string(b) + " c=" + std::to_string(c) + " gives "
                + std::to_string(nValue) + ", the row " + std::to_string(row.nValue);
    }
    return "";
}

class CatalogueUnderKey : public ::testing::TestWithParam<const char*> {};

// Any wrong operator, operand order, fill rule or operation group; large products and
// INT_MIN / -1 must leave their forms empty instead of wrapping.
TEST_P(CatalogueUnderKey, MatchesTheWrittenFormsForEveryRollAndAtThe32BitLimits)
{
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c)
                ASSERT_EQ(FirstDisagreement(a, b, c, GetParam()), "");
    const int nExtremes[] = {INT_MIN, INT_MIN + 1, -65536, -2, -1, 0, 1, 3, 46341, 65536, INT_MAX};
    for (int a : nExtremes)
        for (int b : nExtremes)
            for (int c : nExtremes)
                ASSERT_EQ(FirstDisagreement(a, b, c, GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(AllBoardKeys, CatalogueUnderKey, ::testing::ValuesIn(kBoardKeys));

// Out-of-range indices, the lowest index winning, and Reset emptying every form.
TEST(Catalogue, FirstIndexOfIsTheLowestFilledFormAndResetEmptiesAll)
{
    EXPECT_EQ(FindCatalogueForm(0), nullptr);
    EXPECT_EQ(FindCatalogueForm(105), nullptr);
    CExpressionCatalogue catalogue = FilledFor(1, 3, 2, "AS.A");
    EXPECT_EQ(catalogue.Value(0), E);
    EXPECT_EQ(catalogue.Value(105), E);
    EXPECT_EQ(catalogue.FirstIndexOf(0), 5);  // 1 - (3 - 2); form 40 gives 0 too
    EXPECT_EQ(catalogue.FirstIndexOf(6), 1);
    EXPECT_EQ(catalogue.FirstIndexOf(E), 0);
    EXPECT_EQ(catalogue.FirstIndexOf(999), 0);
    catalogue.Reset();
    for (int k = 1; k <= nCatalogueSize; ++k)
        ASSERT_EQ(catalogue.Value(k), E) << k;
}

// Numbers sharing a slot, the lower rank kept for a repeated number, and a full index that
// refuses more instead of probing forever.
TEST(TargetIndex, KeepsTheLowestRankOfEachNumberAndRefusesBeyondItsCapacity)
{
    CTargetIndex targets;
    EXPECT_TRUE(targets.IsEmpty());
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(targets.Add(i * 256, 30 - i));
    EXPECT_TRUE(targets.Add(512, 40));
    EXPECT_TRUE(targets.Add(512, 2));
    EXPECT_TRUE(targets.Add(INT_MIN, 0));
    EXPECT_EQ(targets.RankOf(512), 2);
    EXPECT_EQ(targets.RankOf(0), 30);
    EXPECT_EQ(targets.RankOf(19 * 256), 11);
    EXPECT_EQ(targets.RankOf(INT_MIN), 0);
    for (int nAbsent : {20 * 256, 1, -1000})
        EXPECT_EQ(targets.RankOf(nAbsent), -1) << nAbsent;

    targets.Clear();
    EXPECT_TRUE(targets.IsEmpty());
    EXPECT_EQ(targets.RankOf(0), -1);
    int nAdded = 0;
    for (int i = 0; i < 100; ++i)  // numbers near zero, and far ones whose slots collide
        nAdded += targets.Add(i % 2 ? i * 4099 + 2000 : i * 7 - 300, i) ? 1 : 0;
    EXPECT_EQ(nAdded, CTargetIndex::nCapacity - 1);
    EXPECT_EQ(targets.RankOf(-300) + targets.RankOf(4099 + 2000), 1);
    EXPECT_EQ(targets.RankOf(99 * 4099 + 2000), -1);
}

} // namespace
