// The catalogue of 104 forms: every value it computes is checked against an evaluation of the
// form's written text, for every roll of 0 to 10 under every board key, and at the limits of
// 32 bits. Then the worked examples of the fill rules.
#include "BoardKey.h"
#include "ExpressionCatalogue.h"
#include "ReferenceForms.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

CExpressionCatalogue FilledFor(int a, int b, int c, const char* strKey)
{
    const auto key = CBoardKey::Parse(strKey);
    CExpressionCatalogue catalogue;
    catalogue.Fill(a, b, c, key->ops, key->PositiveOnly());
    return catalogue;
}

// Compares all 104 forms for one roll; returns the first disagreement, or "".
std::string FirstDisagreement(int a, int b, int c, const char* strKey)
{
    const CExpressionCatalogue catalogue = FilledFor(a, b, c, strKey);
    for (const auto& form : kReferenceForms) {
        const auto expected = ReferenceFormValue(form, a, b, c, strKey);
        const int nExpected = expected ? static_cast<int>(*expected) : CExpressionCatalogue::nEmpty;
        if (catalogue.Value(form.k) != nExpected) {
            return std::string(strKey) + " k=" + std::to_string(form.k) + " " + form.strForm
                + " a=" + std::to_string(a) + " b=" + std::to_string(b) + " c=" + std::to_string(c)
                + ": got " + std::to_string(catalogue.Value(form.k)) + ", expected "
                + std::to_string(nExpected);
        }
    }
    return "";
}

class CatalogueUnderKey : public ::testing::TestWithParam<const char*> {};

TEST_P(CatalogueUnderKey, MatchesWrittenFormsForEveryRoll)
{
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c)
                ASSERT_EQ(FirstDisagreement(a, b, c, GetParam()), "");
}

// Large products and INT_MIN / -1 would be undefined in 32 bits: such forms stay empty.
TEST_P(CatalogueUnderKey, MatchesWrittenFormsAtThe32BitLimits)
{
    const int nExtremes[] = {INT_MIN, INT_MIN + 1, -65536, -2, -1, 0, 1, 3, 46341, 65536, INT_MAX};
    for (int a : nExtremes)
        for (int b : nExtremes)
            for (int c : nExtremes)
                ASSERT_EQ(FirstDisagreement(a, b, c, GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(AllBoardKeys, CatalogueUnderKey, ::testing::ValuesIn(kBoardKeys),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string strName = param.param;
                             strName.replace(strName.find('.'), 1, "_");
                             return strName;
                         });

TEST(CatalogueForms, IndicesOutsideTheCatalogueHaveNoForm)
{
    EXPECT_EQ(FindCatalogueForm(0), nullptr);
    EXPECT_EQ(FindCatalogueForm(105), nullptr);
    EXPECT_NE(FindCatalogueForm(1), nullptr);
    EXPECT_NE(FindCatalogueForm(104), nullptr);
    EXPECT_EQ(CExpressionCatalogue().Value(0), CExpressionCatalogue::nEmpty);
    EXPECT_EQ(CExpressionCatalogue().Value(105), CExpressionCatalogue::nEmpty);
}

constexpr int E = CExpressionCatalogue::nEmpty;

struct CFormExample {
    const char* strCase;
    const char* strKey;
    int a, b, c;
    int k;
    int nValue;  // E: stays empty
};

class CatalogueExample : public ::testing::TestWithParam<CFormExample> {};

TEST_P(CatalogueExample, GivesTheWorkedValue)
{
    const CFormExample& ex = GetParam();
    EXPECT_EQ(FilledFor(ex.a, ex.b, ex.c, ex.strKey).Value(ex.k), ex.nValue) << ex.strCase;
}

INSTANTIATE_TEST_SUITE_P(FillRules, CatalogueExample, ::testing::Values(
    CFormExample{"sum", "ASMD.A", 2, 3, 4, 1, 9},
    CFormExample{"product", "ASMD.A", 2, 3, 4, 2, 24},
    CFormExample{"(a+b)*c", "ASMD.A", 2, 3, 4, 31, 20},
    CFormExample{"5 is no multiple of 4", "ASMD.A", 2, 3, 4, 45, E},
    CFormExample{"3/4 inexact", "ASMD.A", 2, 3, 4, 16, E},
    CFormExample{"S only: (b-c)-a", "S.A", 5, 2, 1, 6, -4},
    CFormExample{"S only: rule N lets a-b through", "S.A", 5, 2, 1, 3, 2},
    CFormExample{"S only: rule N with negative d, no addition", "S.A", 5, 2, 1, 7, -6},
    CFormExample{"S only: rule R, b-a negative", "S.A", 5, 2, 1, 9, E},
    CFormExample{"AS: rule N, c-a negative", "AS.A", 5, 2, 1, 7, E},
    CFormExample{"AS: rule N, a-c positive", "AS.A", 5, 2, 1, 13, 2},
    CFormExample{"AS: rule R with addition", "AS.A", 1, 5, 2, 9, E},
    CFormExample{"rule N keeps a negative d without addition", "S.A", 2, 5, 1, 3, -4},
    CFormExample{"rule N: negative d, positive-only", "SM.P", 2, 5, 1, 3, E},
    CFormExample{"AS filled in full", "AS.A", 5, 2, 1, 35, 4},
    CFormExample{"rule P: d positive", "AS.P", 2, 5, 1, 34, 6},
    CFormExample{"rule P: d negative", "AS.P", 2, 5, 1, 35, E},
    CFormExample{"negative results allowed", "AS.P", 2, 5, 1, 36, -4},
    CFormExample{"MD: b*(a/c)", "MD.P", 4, 3, 2, 71, 6},
    CFormExample{"rule Q: 2 does not divide 3", "MD.P", 4, 3, 2, 69, E},
    CFormExample{"rule Q: c divides b", "MD.P", 3, 4, 2, 69, 6},
    CFormExample{"0 divided", "ASMD.A", 0, 3, 2, 15, 0},
    CFormExample{"3/2 inexact", "ASMD.A", 0, 3, 2, 16, E},
    CFormExample{"division by a = 0", "ASMD.A", 0, 3, 2, 19, E},
    CFormExample{"8/(2-3)", "SD.A", 8, 2, 3, 104, -8},
    CFormExample{"group not allowed", "AM.P", 5, 2, 1, 3, E},
    CFormExample{"overflowing product", "M.P", 65536, 65536, 1, 2, E},
    CFormExample{"INT_MIN / -1", "ASMD.A", INT_MIN, -1, 1, 15, E},
    CFormExample{"INT_MIN / (-1 / 1)", "ASMD.A", INT_MIN, -1, 1, 16, E},
    CFormExample{"rule Q with INT_MIN and -1", "MD.P", 1, INT_MIN, -1, 69, E}));

// Which forms of a range a roll fills: division only with b = 0; multiply and divide; subtraction
// next to addition keeping only non-negative differences, while the mixed forms all fill.
TEST(CatalogueExample, FillsJustTheFormsItsRulesAllow)
{
    struct { const char* strKey; int a, b, c, kFirst, kLast; std::set<int> filled; } const kCases[] = {
        {"D.A", 7, 0, 3, 1, nCatalogueSize, {19, 21}},
        {"MD.P", 4, 3, 2, 69, 80, {71}},
        {"AS.A", 5, 2, 1, 3, 14, {3, 4, 5, 6, 13, 14}},
        {"AS.A", 5, 2, 1, 33, 44, {33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44}},
    };
    for (const auto& ex : kCases) {
        const CExpressionCatalogue catalogue = FilledFor(ex.a, ex.b, ex.c, ex.strKey);
        for (int k = ex.kFirst; k <= ex.kLast; ++k)
            EXPECT_EQ(catalogue.Value(k) != E, ex.filled.count(k) == 1) << ex.strKey << " " << k;
    }
}

TEST(CatalogueSearch, FirstIndexOfIsTheLowestMatchingIndexAndNeverAnEmptyForm)
{
    const CExpressionCatalogue catalogue = FilledFor(1, 3, 2, "AS.A");
    EXPECT_EQ(catalogue.Value(5), 0);
    EXPECT_EQ(catalogue.Value(40), 0);
    EXPECT_EQ(catalogue.FirstIndexOf(0), 5);
    EXPECT_EQ(catalogue.FirstIndexOf(6), 1);
    EXPECT_EQ(catalogue.FirstIndexOf(CExpressionCatalogue::nEmpty), 0);
    EXPECT_EQ(catalogue.FirstIndexOf(999), 0);
}

TEST(CatalogueSearch, ResetEmptiesEveryForm)
{
    CExpressionCatalogue catalogue = FilledFor(2, 3, 4, "ASMD.A");
    catalogue.Reset();
    for (int k = 1; k <= nCatalogueSize; ++k)
        ASSERT_EQ(catalogue.Value(k), E) << k;
}

} // namespace
