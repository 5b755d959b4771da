#include "HintDlg.h"
#include "ModalScript.h"
#include "Resources.h"

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

TEST(HintDialog, ShowsTheTwoHintsWithTheirCosts)
{
    const DialogTemplate& tmpl = GetDialogTemplate(135);
    EXPECT_EQ(tmpl.strCaption, QStringLiteral("Types of Hints"));
    CHintDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.GetDlgItemText(1040), QStringLiteral("Optimal"));
    EXPECT_EQ(dlg.GetDlgItemText(3), QStringLiteral("Operators"));
    EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), QStringLiteral("Cancel"));
    QStringList texts;
    for (const QLabel* pLabel : dlg.findChildren<QLabel*>())
        texts << pLabel->text();
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Indicates the value of the best gamepiece to select.  Cost: 3 points.")));
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Gives the operators needed to obtain the best gamepiece.  Cost: 1 point.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Exit without taking a hint.")));
}

TEST(HintDialog, OpensCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(100, 80, 700, 500);
    CHintDlg dlg(&owner);
    dlg.Create();
    const QPoint ptCentre = dlg.geometry().center();
    EXPECT_NEAR(ptCentre.x(), owner.frameGeometry().center().x(), 1);
    EXPECT_NEAR(ptCentre.y(), owner.frameGeometry().center().y(), 1);
}
