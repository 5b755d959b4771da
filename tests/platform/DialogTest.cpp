// The platform layer: dialogs built from templates (dialog units, controls by id, radio groups,
// keys, owners of modal runs) and the random generator of the original runtime.
#include "Dialog.h"
#include "Random.h"

#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CRecordingDialog : public CDialog {
public:
    CRecordingDialog()
        : CDialog(DialogTemplate{500, QStringLiteral("Sample"), 100, 60, 8, 0, {}, {
              {10, CtlKind::RadioButton, QStringLiteral("A"), 2, 2, 40, 10, kGroup},
              {11, CtlKind::RadioButton, QStringLiteral("B"), 2, 12, 40, 10},
              {20, CtlKind::RadioButton, QStringLiteral("C"), 50, 2, 40, 10, kGroup},
              {21, CtlKind::RadioButton, QStringLiteral("D"), 50, 12, 40, 10},
              {30, CtlKind::Edit, {}, 2, 24, 60, 12},
              {40, CtlKind::Static, QStringLiteral("label"), 2, 38, 40, 8, kHidden},
              {50, CtlKind::PushButton, QStringLiteral("Off"), 50, 38, 20, 12, kDisabled},
              {IDOK, CtlKind::DefPushButton, QStringLiteral("OK"), 2, 46, 30, 12},
              {IDCANCEL, CtlKind::PushButton, QStringLiteral("Cancel"), 40, 46, 30, 12}}})
    {
    }
    void OnCommand(int nId, int nCode) override
    {
        m_commands.push_back(nId);
        CDialog::OnCommand(nId, nCode);
    }
    std::vector<int> m_commands;
};

}  // namespace

// The game window's board of 277 x 108 units must hold 7 x 5 pieces of 89 x 54 pixels; the
// scale follows the template's font, and neighbouring controls share their edge.
TEST(DialogUnits, ScaleFollowsTheTemplateFontAndTheBoardHoldsAllPieces)
{
    const QRect rcBoard = CDialog::DialogUnitsToPixels(QRect(1, 0, 277, 108), 12);
    EXPECT_GE(rcBoard.width(), 7 * 89);
    EXPECT_GE(rcBoard.height(), 5 * 54);
    EXPECT_LT(rcBoard.width(), 7 * 89 + 4);
    EXPECT_EQ(CDialog::DialogUnitsToPixels(QRect(0, 0, 48, 24), 12), QRect(0, 0, 108, 60));
    EXPECT_EQ(CDialog::DialogUnitsToPixels(QRect(0, 0, 48, 24), 8), QRect(0, 0, 72, 40));
    EXPECT_EQ(CDialog::DialogUnitsToPixels(QRect(3, 0, 17, 8), 12).right() + 1,
              CDialog::DialogUnitsToPixels(QRect(20, 0, 5, 8), 12).left());
}

// Controls are built with the template's title, rectangles and styles, and reached by id for
// text, numbers, limits, radio groups (exclusive within their group only) and clicks, which a
// disabled control ignores.
TEST(Dialog, BuildsTheTemplatesControlsAndActsOnThemById)
{
    CRecordingDialog dlg;
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sample"));
    EXPECT_EQ(dlg.GetDlgItem(30)->geometry(), CDialog::DialogUnitsToPixels(QRect(2, 24, 60, 12), 8));
    EXPECT_FALSE(dlg.IsDlgItemVisible(40));
    EXPECT_TRUE(dlg.IsDlgItemVisible(30));
    EXPECT_EQ(dlg.GetDlgItem(999), nullptr);

    dlg.SetDlgItemText(30, QStringLiteral("typed"));
    dlg.SetDlgItemInt(40, -12);
    dlg.SetDlgItemText(IDOK, QStringLiteral("Done"));
    EXPECT_EQ(dlg.GetDlgItemText(30) + dlg.GetDlgItemText(40) + dlg.GetDlgItemText(IDOK), QStringLiteral("typed-12Done"));
    dlg.SetLimitText(30, 3);
    EXPECT_EQ(dlg.GetDlgItemAs<QLineEdit>(30)->maxLength(), 3);

    dlg.CheckRadioButton(10, 11, 11);
    dlg.CheckRadioButton(20, 21, 20);
    dlg.ClickDlgItem(10);
    EXPECT_EQ(dlg.GetCheckedRadioButton(10, 11), 10);
    EXPECT_EQ(dlg.GetCheckedRadioButton(20, 21), 20);

    EXPECT_FALSE(dlg.IsDlgItemEnabled(50));
    dlg.m_commands.clear();
    dlg.ClickDlgItem(50);
    dlg.EnableDlgItem(50, true);
    dlg.ClickDlgItem(50);
    dlg.PressEnter();
    dlg.PressEscape();
    EXPECT_EQ(dlg.m_commands, (std::vector<int>{50, IDOK, IDCANCEL}));
}

// Catches dialogs that block every window of the program: the main window blocks none, a dialog
// runs modal to its owner only, and one opened without an owner is owned by the dialog running
// beneath it, else by the main window; so the help window, a window of its own, stays usable.
TEST(Dialog, RunsModalToItsOwnerWindowOnly)
{
    CRecordingDialog main, outer, inner;
    CDialog::SetMainWindow(&main);
    QStringList seen;
    auto note = [&seen](CDialog& dlg) {
        seen << QStringLiteral("%1 owned by %2").arg(dlg.windowModality()).arg(dlg.parentWidget() ? dlg.parentWidget()->objectName() : "none");
    };
    main.setObjectName("main");
    outer.setObjectName("outer");
    QTimer::singleShot(0, &main, [&] {
        note(main);
        QTimer::singleShot(0, &outer, [&] {
            note(outer);
            QTimer::singleShot(0, &inner, [&] {
                note(inner);
                inner.EndDialog(IDOK);
            });
            inner.DoModal();
            outer.EndDialog(IDOK);
        });
        outer.DoModal();
        main.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    CDialog::SetMainWindow(nullptr);
    EXPECT_EQ(seen, QStringList({"0 owned by none", "1 owned by main", "1 owned by outer"}));
}

// The rolls and the set-up removal repeat the original runtime's rand() exactly, restarting on
// a new seed; scaled as rand() * n / 32767, n itself only for the top value.
TEST(Random, RepeatsTheRuntimeSequenceAndItsScaling)
{
    CRandom::Seed(1);
    for (int nExpected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(CRandom::Rand(), nExpected);
    CRandom::Seed(1);
    EXPECT_EQ(CRandom::Rand(), 41);
    struct { int nRand, n, nScaled; } const kScales[] = {
        {0, 10, 0}, {3276, 10, 0}, {3277, 10, 1}, {32767, 10, 10}, {32766, 10, 9}, {32767, 5, 5},
        {32766, 7, 6}, {6554, 5, 1},
    };
    for (const auto& scale : kScales)
        EXPECT_EQ(CRandom::Scale(scale.nRand, scale.n), scale.nScaled) << scale.nRand << " " << scale.n;
}
