#include "BoardKey.h"
#include "FakePrompts.h"
#include "GameOptions.h"
#include "ModalScript.h"
#include "SetupDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int kOps[] = {1020, 1021, 1022, 1023};  // addition, subtraction, multiplication, division
constexpr int kSignIds[] = {1024, 1025, 1026};    // positive, negative, both

const QString kNoOperation = QStringLiteral("You must select an operation.");
const QString kMustBePositive =
    QStringLiteral("Using these operators, you must play\nwith positive numbers only.");
const QString kCannotBePositive =
    QStringLiteral("Using these operators, you can't play\nwith only positive numbers.");

class SetupDialog : public ::testing::Test {
protected:
    // A set-up in the middle of a game, for New Players, all operations, both signs.
    void Open(bool bCanCancel = true, bool bNewPlayers = true)
    {
        m_dlg.SetValues(bCanCancel, false, true, true, true, true, QStringLiteral("Ann"),
                        QStringLiteral("Bob"), 0, 2, 1, bNewPlayers);
        m_dlg.Create();
    }

    void SetOperations(const QString& strLetters)
    {
        const QString strAll = QStringLiteral("ASMD");
        for (int i = 0; i < 4; ++i)
            m_dlg.CheckDlgButton(kOps[i], strLetters.contains(strAll[i]));
    }

    void SelectSign(int nMode) { m_dlg.CheckRadioButton(1024, 1026, kSignIds[nMode]); }
    int CheckedSign() const { return m_dlg.GetCheckedRadioButton(1024, 1026) - 1024; }

    CFakePrompts m_prompts;
    CSetupDlg m_dlg;
};

}  // namespace

// The four rules, in order: the first that applies gives its message and, for the sign rules,
// corrects the sign choice.
TEST_F(SetupDialog, ValidationRefusesOrAcceptsEachCombination)
{
    const QString kOnlyDivision = QStringLiteral("You can't play a game with only division.");
    const struct {
        const char* szOps;
        int nSignBefore;
        QString strMessage;  // empty when accepted
        int nSignAfter;
    } cases[] = {
        {"", 0, kNoOperation, 0},       {"D", 0, kOnlyDivision, 0},        {"AM", 1, kMustBePositive, 0},
        {"A", 2, kMustBePositive, 0},   {"AMD", 2, kMustBePositive, 0},    {"S", 0, kCannotBePositive, 2},
        {"SD", 0, kCannotBePositive, 2}, {"AM", 0, {}, 0}, {"S", 1, {}, 1}, {"SD", 2, {}, 2},
        {"AS", 2, {}, 2},               {"ASMD", 2, {}, 2},
    };
    Open();
    for (const auto& c : cases) {
        m_prompts.ClearRecord();
        SetOperations(QString::fromLatin1(c.szOps));
        SelectSign(c.nSignBefore);
        EXPECT_EQ(m_dlg.Validate(), c.strMessage.isEmpty()) << c.szOps << c.nSignBefore;
        EXPECT_EQ(CheckedSign(), c.nSignAfter) << c.szOps << c.nSignBefore;
        if (c.strMessage.isEmpty()) {
            EXPECT_EQ(m_prompts.Count(), 0) << c.szOps << c.nSignBefore;
            continue;
        }
        ASSERT_EQ(m_prompts.Count(), 1) << c.szOps << c.nSignBefore;
        EXPECT_EQ(m_prompts.Last().m_strText, c.strMessage);
        EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Invalid Game Setup"));
        EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::Ok);
        EXPECT_EQ(m_prompts.Last().m_icon, PromptIcon::None);
    }
}

// Whatever the dialog lets through must have a board file, and every board file must be
// reachable; a sign the rules correct must lead to a board too.
TEST_F(SetupDialog, AcceptsExactlyTheCombinationsThatHaveABoard)
{
    Open();
    m_prompts.SetDefaultAnswer(IDOK);
    const QString strAll = QStringLiteral("ASMD");
    int nAccepted = 0;
    for (int nMask = 0; nMask < 16; ++nMask) {
        QString strLetters;
        for (int i = 0; i < 4; ++i) {
            if (nMask & (1 << i))
                strLetters += strAll[i];
        }
        for (int nSign = 0; nSign < 3; ++nSign) {
            SetOperations(strLetters);
            SelectSign(nSign);
            const QString strKey = strLetters + QLatin1Char('.') + QLatin1Char(SignLetter(nSign));
            const bool bHasBoard = std::any_of(kBoardKeys.begin(), kBoardKeys.end(),
                                               [&](const char* sz) { return strKey == QLatin1String(sz); });
            const bool bValid = m_dlg.Validate();
            EXPECT_EQ(bValid, bHasBoard) << strKey.toStdString();
            nAccepted += bValid;
            if (!bValid && CheckedSign() != nSign) {
                EXPECT_TRUE(m_dlg.Validate()) << strKey.toStdString() << " corrected";
            }
        }
    }
    EXPECT_EQ(nAccepted, static_cast<int>(kBoardKeys.size()));
}

// Operation clicks run the check at once (the click itself stands); sign clicks do not, OK does
// and stays open until the corrected choice is confirmed.
TEST_F(SetupDialog, OperationClicksAndOkRunTheCheck)
{
    Open();
    SetOperations(QStringLiteral("AS"));
    SelectSign(1);
    m_dlg.ClickDlgItem(1021);
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1021));
    EXPECT_EQ(CheckedSign(), 0);
    m_dlg.ClickDlgItem(1020);
    EXPECT_EQ(m_prompts.Texts(), (QStringList{kMustBePositive, kNoOperation}));

    SetOperations(QStringLiteral("S"));
    m_dlg.ClickDlgItem(1024);
    EXPECT_EQ(m_prompts.Count(), 2);
    m_dlg.PressEnter();
    EXPECT_EQ(m_prompts.Last().m_strText, kCannotBePositive);
    EXPECT_EQ(CheckedSign(), 2);
    EXPECT_FALSE(m_dlg.IsEnded());
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_dlg.m_nSignMode, 2);
}

// Every value shows in its control and every changed control is read back on OK; Cancel reads
// nothing back.
TEST_F(SetupDialog, DataExchangeShowsEveryValueAndReadsItBackOnlyOnOk)
{
    m_dlg.SetValues(true, true, false, true, true, false, QStringLiteral("Ann"), QStringLiteral("Bob"), 1, 0, 3, true);
    m_dlg.m_bShowQuickInstructions = true;
    m_dlg.Create();
    const std::pair<int, int> radios[] = {{1016, 1017}, {1024, 1026}, {1027, 1030}};  // players, sign, size
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1016, 1017), 1017);
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1024, 1026), 1024);
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1027, 1030), 1030);
    const int checks[] = {1020, 1021, 1022, 1023, 1050, 1051};  // operations, sounds, quick instructions
    const bool bShown[] = {false, false, true, true, true, true};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(m_dlg.IsDlgButtonChecked(checks[i]), bShown[i]) << checks[i];
        m_dlg.CheckDlgButton(checks[i], i < 2);
    }
    EXPECT_EQ(m_dlg.GetDlgItemText(1018) + m_dlg.GetDlgItemText(1019), QStringLiteral("AnnBob"));
    for (const auto& [nFirst, nLast] : radios)
        m_dlg.CheckRadioButton(nFirst, nLast, nFirst == 1024 ? 1026 : nFirst);
    m_dlg.SetDlgItemText(1018, QStringLiteral("Cy"));
    m_dlg.SetDlgItemText(1019, QStringLiteral("Di"));
    {
        CSetupDlg cancelled;
        cancelled.SetValues(true, false, true, true, true, true, QStringLiteral("Ann"), {}, 0, 2, 1, true);
        cancelled.Create();
        cancelled.CheckRadioButton(1027, 1030, 1030);
        cancelled.SetDlgItemText(1018, QStringLiteral("Zed"));
        cancelled.ClickDlgItem(IDCANCEL);
        EXPECT_EQ(cancelled.Result(), IDCANCEL);
        EXPECT_EQ(cancelled.m_nSize, 1);
        EXPECT_EQ(cancelled.m_strName1, QStringLiteral("Ann"));
    }
    m_dlg.ClickDlgItem(IDOK);

    ASSERT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(m_dlg.m_nPlayers, 0);
    EXPECT_EQ(m_dlg.m_nSignMode, 2);
    EXPECT_EQ(m_dlg.m_nSize, 0);
    EXPECT_TRUE(m_dlg.m_bAdd && m_dlg.m_bSubtract);
    EXPECT_FALSE(m_dlg.m_bMultiply || m_dlg.m_bDivide || m_dlg.m_bSounds || m_dlg.m_bShowQuickInstructions);
    EXPECT_EQ(m_dlg.m_strName1 + m_dlg.m_strName2, QStringLiteral("CyDi"));
    const GameOptions options = m_dlg.ChosenOptions();
    EXPECT_TRUE(options.bOnePlayer);
    EXPECT_EQ(options.nPieces, 10);
    EXPECT_EQ(options.BoardKey(), QStringLiteral("AS.A"));
    EXPECT_EQ(options.strName[0], QStringLiteral("Cy"));
}

// With no game in progress Quit Game takes Cancel's place; during a game Cancel stays.
TEST_F(SetupDialog, QuitGameReplacesCancelOnlyWithNoGameInProgress)
{
    for (bool bCanCancel : {false, true}) {
        CSetupDlg dlg;
        dlg.SetValues(bCanCancel, false, true, true, true, true, {}, {}, 0, 2, 1, true);
        dlg.Create();
        EXPECT_EQ(dlg.IsDlgItemVisible(IDCANCEL), bCanCancel);
        EXPECT_EQ(dlg.IsDlgItemVisible(CSetupDlg::kQuitGame), !bCanCancel);
        EXPECT_EQ(dlg.GetDlgItem(CSetupDlg::kQuitGame)->geometry(), dlg.GetDlgItem(IDCANCEL)->geometry());
    }
}

TEST_F(SetupDialog, QuitGameAnsweredNoStaysOpenYesEndsWith1049)
{
    CModalScript modals;
    m_prompts.Answer({IDNO, IDYES});
    bool bOpenAfterNo = false;
    modals.Then([&](CDialog& dlg) {
        dlg.ClickDlgItem(CSetupDlg::kQuitGame);
        bOpenAfterNo = !dlg.IsEnded();
        dlg.ClickDlgItem(CSetupDlg::kQuitGame);
    });
    m_dlg.SetValues(false, false, true, true, true, true, {}, {}, 0, 2, 1, false);

    EXPECT_EQ(m_dlg.DoModal(), 1049);
    EXPECT_TRUE(bOpenAfterNo);
    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_EQ(m_prompts.Last().m_strText, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Confirmation Dialog"));
    EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::YesNo);
    EXPECT_EQ(m_prompts.Last().m_icon, PromptIcon::Question);
}

// Escape cancels even while Cancel is hidden; the close box does nothing.
TEST_F(SetupDialog, EscapeCancelsAndTheCloseBoxDoesNothing)
{
    CModalScript modals;
    modals.Then([](CDialog& dlg) {
        QCloseEvent closeEvent;
        QCoreApplication::sendEvent(&dlg, &closeEvent);
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEscape();
    });
    m_dlg.SetValues(false, false, true, true, true, true, {}, {}, 0, 2, 1, true);
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_prompts.Count(), 0);
}

// New Game keeps the player count fixed; New Players lets it change. The second name box follows
// the count.
TEST_F(SetupDialog, PlayerCountIsFixedForNewGameAndFreeForNewPlayers)
{
    for (bool bNewPlayers : {false, true}) {
        CSetupDlg dlg;
        dlg.SetValues(true, false, true, true, true, true, {}, {}, 0, 2, 1, bNewPlayers);
        dlg.Create();
        EXPECT_EQ(dlg.IsDlgItemEnabled(1016), bNewPlayers);
        EXPECT_EQ(dlg.IsDlgItemEnabled(1017), bNewPlayers);
        EXPECT_FALSE(dlg.IsDlgItemEnabled(1019));
        dlg.ClickDlgItem(1017);
        EXPECT_EQ(dlg.GetCheckedRadioButton(1016, 1017), bNewPlayers ? 1017 : 1016);
        EXPECT_EQ(dlg.IsDlgItemEnabled(1019), bNewPlayers);
    }
}

// A name chosen in the player selection dialog (up to 60 characters) passes through unchanged;
// a longer one from elsewhere is kept whole, since the boxes are hidden and a refusal could never
// be mended. Typing stops at 60.
TEST_F(SetupDialog, NamesPassThroughWholeAndTypingStopsAtSixty)
{
    const QString strLong = QStringLiteral("Maximiliana Konstantinopolous-Featherstonehaugh-Winterbottom");
    ASSERT_EQ(strLong.size(), 60);
    const QString strAccented = QString(59, QChar(u'\u00e9')) + QStringLiteral("!");
    for (const QString& strSecond : {strAccented, QString(75, QLatin1Char('q'))}) {
        CSetupDlg dlg;
        dlg.SetValues(true, false, true, true, true, true, strLong, strSecond, 1, 2, 1, true);
        dlg.Create();
        dlg.ClickDlgItem(IDOK);
        EXPECT_EQ(dlg.Result(), IDOK);
        EXPECT_EQ(dlg.m_strName1, strLong);
        EXPECT_EQ(dlg.m_strName2, strSecond);
    }
    EXPECT_EQ(m_prompts.Count(), 0);
    Open();
    auto* pEdit = m_dlg.GetDlgItemAs<QLineEdit>(1018);
    ASSERT_NE(pEdit, nullptr);
    pEdit->clear();
    pEdit->insert(QString(70, QLatin1Char('x')));
    EXPECT_EQ(pEdit->text().size(), 60);
}

// Every label reads in full and every control lies inside the dialog.
TEST_F(SetupDialog, LayoutIsTidy)
{
    Open(false);
    const QRect rcDialog = m_dlg.rect();
    for (const ControlTemplate& ctl : m_dlg.Template().controls) {
        if (ctl.nId < 0 || ctl.kind == CtlKind::Edit)
            continue;
        QWidget* pItem = m_dlg.GetDlgItem(ctl.nId);
        ASSERT_NE(pItem, nullptr) << ctl.nId;
        EXPECT_TRUE(rcDialog.contains(pItem->geometry())) << ctl.nId;
        // A push button's hint has a style minimum; its text is what must fit.
        const int nNeeded = qobject_cast<QPushButton*>(pItem)
                                ? pItem->fontMetrics().horizontalAdvance(m_dlg.GetDlgItemText(ctl.nId)) + 12
                                : pItem->sizeHint().width();
        EXPECT_LE(nNeeded, pItem->width()) << ctl.nId;
        EXPECT_LE(pItem->sizeHint().height(), pItem->height() + 2) << ctl.nId;
    }
}
