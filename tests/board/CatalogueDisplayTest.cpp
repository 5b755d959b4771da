#include "../engine/ReferenceForms.h"
#include "BoardTestSupport.h"

namespace {

using CatalogueDisplay = BoardWindow;

// The reference text with the numbers in place of a, b and c.
QString FormWithNumbers(const char* szForm, int a, int b, int c)
{
    QString strText = QString::fromLatin1(szForm);
    strText.replace(QLatin1Char('a'), QString::number(a));
    strText.replace(QLatin1Char('b'), QString::number(b));
    strText.replace(QLatin1Char('c'), QString::number(c));
    return strText;
}

// Shows every form that the catalogue fills for every roll of 0 to 10 and checks the row,
// the value after "=" and the marks. Returns how many forms were shown.
int CheckEveryFilledForm(BoardWindow& fixture, CGameDlg& dlg, const char* szKey)
{
    int nShown = 0;
    for (int a = 0; a <= 10; ++a) {
        for (int b = 0; b <= 10; ++b) {
            for (int c = 0; c <= 10; ++c) {
                for (const CReferenceForm& form : kReferenceForms) {
                    const auto value = ReferenceFormValue(form, a, b, c, szKey);
                    if (!value)
                        continue;
                    fixture.StartTurn(a, b, c);
                    dlg.ShowCatalogueExpression(form.k, true);
                    ++nShown;
                    const QString strWhere = QStringLiteral("%1 k=%2 roll %3 %4 %5")
                                                 .arg(QString::fromLatin1(szKey)).arg(form.k)
                                                 .arg(a).arg(b).arg(c);
                    if (fixture.RowText() != FormWithNumbers(form.strForm, a, b, c) ||
                        dlg.GetDlgItemText(1013) != QString::number(*value) ||
                        dlg.m_nResult != *value ||
                        fixture.Marked() != fixture.PlacesCarrying(static_cast<int>(*value))) {
                        ADD_FAILURE() << strWhere.toStdString() << ": row "
                                      << fixture.RowText().toStdString() << " = "
                                      << dlg.GetDlgItemText(1013).toStdString();
                        return nShown;
                    }
                }
            }
        }
    }
    return nShown;
}

}  // namespace

// Every form that all four operations with both signs fill, for every roll.
TEST_F(CatalogueDisplay, EveryFilledFormOfEveryRollReadsAsWrittenWithItsValueAndMarks)
{
    CGameDlg& dlg = Dlg();
    EXPECT_GT(CheckEveryFilledForm(*this, dlg, "ASMD.A"), 1331);
    EXPECT_EQ(m_modals.TemplatesRun().size(), 1u);  // the start-up picture only: no refusal
}

// Forms 9 and 10 are filled only without addition.
TEST_F(CatalogueDisplay, SubtractionOnlyFormsReadAsWritten)
{
    CGameDlg& dlg = Dlg();
    Board().m_bAdd = Board().m_bMultiply = Board().m_bDivide = false;
    EXPECT_GT(CheckEveryFilledForm(*this, dlg, "S.A"), 1331);
}

TEST_F(CatalogueDisplay, RightBracketedFormShowsTheOuterOperatorFirst)
{
    CGameDlg& dlg = Dlg();
    StartTurn(8, 2, 3);
    dlg.ShowCatalogueExpression(104, true);
    EXPECT_EQ(RowText(), QStringLiteral("8 / (2 - 3)"));
    EXPECT_EQ(dlg.m_nDrawn[3], -1);
    EXPECT_EQ(dlg.GetDlgItemText(1016), QStringLiteral("-1"));
    // Slot numbers keep the order of the steps.
    EXPECT_EQ(std::vector<int>(dlg.m_nSlotNumber, dlg.m_nSlotNumber + 4),
              (std::vector<int>{1, 2, 0, 3}));
    for (int nId : {2001, 2002, 2003})
        EXPECT_TRUE(dlg.IsDlgItemEnabled(nId)) << nId;
    for (int nId : {1000, 1001, 1002, 1008})
        EXPECT_FALSE(dlg.IsDlgItemEnabled(nId)) << nId;
    EXPECT_TRUE(dlg.m_bFormShown);
}

// Shown through the board window's call, as the game does.
TEST_F(CatalogueDisplay, LeftBracketedFormKeepsTheInnerResultInTheFourthCell)
{
    CGameDlg& dlg = Dlg();
    StartTurn(2, 3, 4);
    Board().ShowCatalogueExpression(31, true);
    EXPECT_EQ(RowText(), QStringLiteral("(2 + 3) * 4"));
    EXPECT_EQ(dlg.m_nDrawn[3], 5);
    EXPECT_EQ(dlg.GetDlgItemText(1008), QStringLiteral("5"));
    EXPECT_EQ(dlg.m_nResult, 20);
}

// Player two: a human sees every piece that carries the value, the computer only its choice.
TEST_F(CatalogueDisplay, OnTheComputersTurnOnlyTheBestPieceIsMarked)
{
    CGameDlg& dlg = Dlg();
    Board().m_nCurrentPlayer = 1;
    dlg.m_bOnePlayer = false;
    StartTurn(2, 3, 4);
    dlg.m_nBestPlace = 0;
    dlg.ShowCatalogueExpression(2, true);
    EXPECT_EQ(Marked(), PlacesCarrying(24));

    dlg.m_bOnePlayer = true;
    StartTurn(2, 3, 4);
    const std::set<int> carrying = PlacesCarrying(9);
    ASSERT_FALSE(carrying.empty());
    dlg.m_nBestPlace = *carrying.begin();
    dlg.ShowCatalogueExpression(1, true);
    EXPECT_EQ(Marked(), std::set<int>{dlg.m_nBestPlace});
    EXPECT_TRUE(Marked(false).empty());
    EXPECT_TRUE(Board().m_bAnyMarked);
}

struct OperatorsOnlyCase {
    int k;
    char cFirst;
    char cSecond;
};

class CatalogueOperatorsOnly : public BoardWindow,
                               public ::testing::WithParamInterface<OperatorsOnlyCase> {};

// The operator hint: the operators in the order the row reads them; nothing else changes.
TEST_P(CatalogueOperatorsOnly, SetsOnlyTheOperators)
{
    CGameDlg& dlg = Dlg();
    StartTurn(8, 2, 3);
    dlg.ShowCatalogueExpression(GetParam().k, false);
    EXPECT_EQ(dlg.OperatorButton(1006)->GetOperator(), GetParam().cFirst);
    EXPECT_EQ(dlg.OperatorButton(1007)->GetOperator(), GetParam().cSecond);
    for (int nId : {2001, 2002, 2003})
        EXPECT_EQ(dlg.GetDlgItemText(nId), QString()) << nId;
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    for (int nId : {1011, 1010, 1009, 1005})
        EXPECT_FALSE(dlg.Bracket(nId)->IsGlyphVisible()) << nId;
    EXPECT_TRUE(dlg.m_bFormShown);
}

INSTANTIATE_TEST_SUITE_P(Table, CatalogueOperatorsOnly,
                         ::testing::Values(OperatorsOnlyCase{104, '/', '-'},
                                           OperatorsOnlyCase{30, '+', '*'},
                                           OperatorsOnlyCase{90, '/', '-'},
                                           OperatorsOnlyCase{0, '+', '+'}));

TEST_F(CatalogueDisplay, OutsideTheCatalogueNothingButTheFlagChanges)
{
    CGameDlg& dlg = Dlg();
    for (int k : {0, 105, -1}) {
        StartTurn(2, 3, 4);
        dlg.ShowCatalogueExpression(k, true);
        EXPECT_EQ(RowText(), QStringLiteral(" +  + ")) << k;
        EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?")) << k;
        EXPECT_TRUE(dlg.m_bFormShown) << k;
    }
}

// The hint's operators do not move the list position: the next click steps on from '+'.
TEST_F(CatalogueDisplay, OperatorClickAfterTheHintStepsFromTheListPosition)
{
    CGameDlg& dlg = Dlg();
    StartTurn(8, 2, 3);
    dlg.ShowCatalogueExpression(90, false);
    ASSERT_EQ(dlg.OperatorButton(1006)->GetOperator(), '/');
    dlg.OnCommand(1006);
    EXPECT_EQ(dlg.OperatorButton(1006)->GetOperator(), '-');
}

TEST_F(CatalogueDisplay, RefusedStepsAreReportedAndTakenBack)
{
    CGameDlg& dlg = Dlg();
    QStringList texts;
    auto record = [&](CDialog& box) {
        texts << box.GetDlgItemText(1041) + QStringLiteral(" | ") + box.windowTitle();
        box.EndDialog(IDOK);
    };
    // Inner step 3 / 0: slot 2 goes back.
    StartTurn(3, 0, 4);
    m_modals.Then(record);
    dlg.OperatorButton(1006)->SetOperator('/');
    dlg.ShowExpressionSteps(0, 1, 3, 2);
    EXPECT_EQ(dlg.m_nSlotNumber[1], -1);
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    // Outer step (4 + 3) / 2: slot 4 goes back.
    StartTurn(4, 3, 2);
    m_modals.Then(record);
    dlg.OperatorButton(1006)->SetOperator('+');
    dlg.OperatorButton(1007)->SetOperator('/');
    dlg.m_nResult = 77;
    dlg.ShowExpressionSteps(0, 1, 3, 2);
    EXPECT_EQ(dlg.m_nSlotNumber[3], -1);
    EXPECT_TRUE(dlg.IsDlgItemEnabled(1002));
    // Nothing was stored or marked; the row left behind is incomplete.
    EXPECT_EQ(dlg.m_nResult, 77);
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("Unable to perform division. | Division by zero error."),
                         QStringLiteral("Result must NOT be a fraction. | Information")}));
}
