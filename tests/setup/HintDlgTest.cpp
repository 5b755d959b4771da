#include "HintDlg.h"
#include "ModalScript.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct HintCase {
    const char* szName;
    std::function<void(CDialog&)> act;
    int nResult;
};

class HintChoice : public ::testing::TestWithParam<HintCase> {};

}  // namespace

// The game charges and counts by the result: the button's id, or cancel for no hint.
TEST_P(HintChoice, EndsWithTheIdOfItsButton)
{
    CModalScript modals;
    modals.Then(GetParam().act);
    CHintDlg dlg;
    EXPECT_EQ(dlg.DoModal(), GetParam().nResult);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HintChoice,
    ::testing::Values(
        HintCase{"Optimal", [](CDialog& d) { d.ClickDlgItem(1040); }, 1040},
        HintCase{"Operators", [](CDialog& d) { d.ClickDlgItem(3); }, 3},
        HintCase{"Cancel", [](CDialog& d) { d.ClickDlgItem(IDCANCEL); }, IDCANCEL},
        HintCase{"Escape", [](CDialog& d) { d.PressEscape(); }, IDCANCEL},
        HintCase{"EnterPressesCancel", [](CDialog& d) { d.PressEnter(); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<HintCase>& tpi) { return std::string(tpi.param.szName); });

// The player must see each hint's cost before paying it, and the box opens over the game.
TEST(HintDialog, ShowsTheHintsWithTheirCostsCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(100, 80, 700, 500);
    CHintDlg dlg(&owner);
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Types of Hints"));
    QStringList texts;
    for (const QLabel* pLabel : dlg.findChildren<QLabel*>())
        texts << pLabel->text();
    for (const char* sz : {"Indicates the value of the best gamepiece to select.  Cost: 3 points.",
                           "Gives the operators needed to obtain the best gamepiece.  Cost: 1 point.",
                           "Exit without taking a hint."})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(sz))) << sz;
    EXPECT_NEAR(dlg.geometry().center().x(), owner.frameGeometry().center().x(), 1);
    EXPECT_NEAR(dlg.geometry().center().y(), owner.frameGeometry().center().y(), 1);
}
