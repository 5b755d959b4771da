#include "Dialog.h"
#include "ModalScript.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

DialogTemplate SampleTemplate()
{
    return DialogTemplate{
        500, QStringLiteral("Sample"), 100, 60, 8, 0, {},
        {
            {10, CtlKind::RadioButton, QStringLiteral("A"), 2, 2, 40, 10, kGroup},
            {11, CtlKind::RadioButton, QStringLiteral("B"), 2, 12, 40, 10},
            {20, CtlKind::RadioButton, QStringLiteral("C"), 50, 2, 40, 10, kGroup},
            {21, CtlKind::RadioButton, QStringLiteral("D"), 50, 12, 40, 10},
            {30, CtlKind::Edit, {}, 2, 24, 60, 12},
            {40, CtlKind::Static, QStringLiteral("label"), 2, 38, 40, 8, kHidden},
            {50, CtlKind::PushButton, QStringLiteral("Off"), 50, 38, 20, 12, kDisabled},
            {IDOK, CtlKind::DefPushButton, QStringLiteral("OK"), 2, 46, 30, 12},
            {IDCANCEL, CtlKind::PushButton, QStringLiteral("Cancel"), 40, 46, 30, 12},
        }};
}

class CRecordingDialog : public CDialog {
public:
    CRecordingDialog() : CDialog(SampleTemplate()) {}
    void OnCommand(int nId, int nCode) override
    {
        m_commands.push_back(nId);
        CDialog::OnCommand(nId, nCode);
    }
    std::vector<int> m_commands;
};

}  // namespace

// The game window's board must hold 7 x 5 pieces of 89 x 54 pixels exactly.
TEST(DialogUnits, GameWindowBoardHoldsAllPieces)
{
    const QRect rc = CDialog::DialogUnitsToPixels(QRect(1, 0, 277, 108), 12);
    EXPECT_GE(rc.width(), 7 * 89);
    EXPECT_GE(rc.height(), 5 * 54);
    EXPECT_LT(rc.width(), 7 * 89 + 4);
}

TEST(DialogUnits, ScaleFollowsTheTemplateFont)
{
    EXPECT_EQ(CDialog::DialogUnitsToPixels(QRect(0, 0, 48, 24), 12), QRect(0, 0, 108, 60));
    EXPECT_EQ(CDialog::DialogUnitsToPixels(QRect(0, 0, 48, 24), 8), QRect(0, 0, 72, 40));
    // Neighbouring controls share their edge: no gaps or overlaps from rounding.
    const QRect left = CDialog::DialogUnitsToPixels(QRect(3, 0, 17, 8), 12);
    const QRect right = CDialog::DialogUnitsToPixels(QRect(20, 0, 5, 8), 12);
    EXPECT_EQ(left.right() + 1, right.left());
}

TEST(Dialog, BuildsControlsFromTheTemplate)
{
    CRecordingDialog dlg;
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sample"));
    ASSERT_NE(dlg.GetDlgItem(30), nullptr);
    EXPECT_EQ(dlg.GetDlgItem(30)->geometry(), CDialog::DialogUnitsToPixels(QRect(2, 24, 60, 12), 8));
    EXPECT_FALSE(dlg.IsDlgItemVisible(40));
    EXPECT_TRUE(dlg.IsDlgItemVisible(30));
    EXPECT_FALSE(dlg.IsDlgItemEnabled(50));
    EXPECT_EQ(dlg.GetDlgItem(999), nullptr);
}

TEST(Dialog, RadioGroupsAreExclusiveOnlyWithinTheirGroup)
{
    CRecordingDialog dlg;
    dlg.Create();
    dlg.CheckRadioButton(10, 11, 11);
    dlg.CheckRadioButton(20, 21, 20);
    dlg.ClickDlgItem(10);
    EXPECT_EQ(dlg.GetCheckedRadioButton(10, 11), 10);
    EXPECT_EQ(dlg.GetCheckedRadioButton(20, 21), 20);
}

TEST(Dialog, TextAccessByIdWorksForEveryKind)
{
    CRecordingDialog dlg;
    dlg.Create();
    dlg.SetDlgItemText(30, QStringLiteral("typed"));
    dlg.SetDlgItemInt(40, -12);
    dlg.SetDlgItemText(IDOK, QStringLiteral("Done"));
    EXPECT_EQ(dlg.GetDlgItemText(30), QStringLiteral("typed"));
    EXPECT_EQ(dlg.GetDlgItemText(40), QStringLiteral("-12"));
    EXPECT_EQ(dlg.GetDlgItemText(IDOK), QStringLiteral("Done"));
    dlg.SetLimitText(30, 3);
    EXPECT_EQ(dlg.GetDlgItemAs<QLineEdit>(30)->maxLength(), 3);
}

TEST(Dialog, ClickOnDisabledControlDoesNothing)
{
    CRecordingDialog dlg;
    dlg.Create();
    dlg.ClickDlgItem(50);
    EXPECT_TRUE(dlg.m_commands.empty());
    dlg.EnableDlgItem(50, true);
    dlg.ClickDlgItem(50);
    EXPECT_EQ(dlg.m_commands, std::vector<int>{50});
}

TEST(Dialog, ModalHookRunsWithoutEventLoopAndReturnsEndDialogResult)
{
    CModalScript script;
    script.Then([](CDialog& dlg) {
        EXPECT_TRUE(dlg.IsCreated());
        dlg.ClickDlgItem(IDCANCEL);
    });
    script.Then([](CDialog& dlg) { dlg.PressEnter(); });
    script.Then([](CDialog&) {});
    CRecordingDialog first, second, third;
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_EQ(second.DoModal(), IDOK);
    // A dialog the test never ends comes back cancelled.
    EXPECT_EQ(third.DoModal(), IDCANCEL);
    EXPECT_EQ(script.TemplatesRun(), (std::vector<int>{500, 500, 500}));
}

TEST(Dialog, EnterGoesToTheDefaultButtonAndEscapeCancels)
{
    CRecordingDialog dlg;
    dlg.Create();
    dlg.PressEnter();
    dlg.PressEscape();
    EXPECT_EQ(dlg.m_commands, (std::vector<int>{IDOK, IDCANCEL}));
}
