// The plan that shows catalogue form k in the expression row: operators, the order of the
// numbers and the bracketing, checked against the written form, and its two steps and the row's
// evaluator checked to reproduce the catalogue's value wherever the catalogue holds one.
#include "Arithmetic.h"
#include "CatalogueForm.h"
#include "ExpressionCatalogue.h"
#include "ExpressionEvaluator.h"
#include "ReferenceForms.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ShownText(const CCatalogueForm& form)
{
    const auto entries = form.ShownEntries();
    auto name = [](int nEntry) { return std::string(1, static_cast<char>('a' + nEntry)); };
    const std::string strFirst(1, form.FirstShownOperator());
    const std::string strSecond(1, form.SecondShownOperator());
    if (form.BracketMode() == 1)
        return "(" + name(entries[0]) + " " + strFirst + " " + name(entries[1]) + ") " + strSecond
            + " " + name(entries[2]);
    return name(entries[0]) + " " + strFirst + " (" + name(entries[1]) + " " + strSecond + " "
        + name(entries[2]) + ")";
}

TEST(CataloguePlan, ShowsEveryFormAsWritten)
{
    for (const auto& reference : kReferenceForms) {
        const CCatalogueForm* pForm = FindCatalogueForm(reference.k);
        ASSERT_NE(pForm, nullptr);
        EXPECT_EQ(ShownText(*pForm), reference.strForm) << reference.k;
    }
}

// What ShowExpressionSteps does with the four entries: inner step, then outer step.
CStepResult RunSteps(const CCatalogueForm& form, const int (&nDrawn)[3])
{
    const auto p = form.StepEntries();
    int nEntries[4] = {nDrawn[0], nDrawn[1], nDrawn[2], 0};
    const CStepResult inner = ApplyOperator(form.cInner, nEntries[p[0]], nEntries[p[1]]);
    if (!inner.Ok())
        return inner;
    nEntries[3] = inner.nValue;
    return ApplyOperator(form.cOuter, nEntries[p[2]], nEntries[p[3]]);
}

TEST(CataloguePlan, StepsAndRowReproduceEveryFilledValue)
{
    const COperationSet all;
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c) {
                CExpressionCatalogue catalogue;
                catalogue.Fill(a, b, c, all, false);
                const int nDrawn[3] = {a, b, c};
                for (int k = 1; k <= nCatalogueSize; ++k) {
                    if (catalogue.Value(k) == CExpressionCatalogue::nEmpty)
                        continue;
                    const CCatalogueForm& form = *FindCatalogueForm(k);
                    const CStepResult steps = RunSteps(form, nDrawn);
                    ASSERT_TRUE(steps.Ok()) << k;
                    ASSERT_EQ(steps.nValue, catalogue.Value(k)) << k;

                    const auto shown = form.ShownEntries();
                    const CRowEvaluation row = CExpressionEvaluator::Evaluate(
                        nDrawn[shown[0]], form.FirstShownOperator(), nDrawn[shown[1]],
                        form.SecondShownOperator(), nDrawn[shown[2]], form.BracketMode());
                    ASSERT_TRUE(row.Ok()) << k << " " << a << b << c;
                    ASSERT_EQ(row.nValue, catalogue.Value(k)) << k;
                }
            }
}

} // namespace
