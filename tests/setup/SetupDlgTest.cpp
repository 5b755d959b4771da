// The setup dialog: its checks on the chosen operations and signs, what it shows and reads back,
// and its Quit Game, Cancel and close buttons.
#include "FakePrompts.h"
#include "GameOptions.h"
#include "ModalScript.h"
#include "SetupDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString kNoOperation = QStringLiteral("You must select an operation.");
const QString kMustBePositive = QStringLiteral("Using these operators, you must play\nwith positive numbers only.");
const QString kCannotBePositive = QStringLiteral("Using these operators, you can't play\nwith only positive numbers.");

class SetupDialog : public ::testing::Test {
protected:
    // A set-up of a game for new players (or not), with or without a game in progress.
    CSetupDlg& Open(bool bCanCancel = true, bool bNewPlayers = true, int nPlayers = 0)
    {
        m_dlg.SetValues(bCanCancel, false, true, true, true, true, QStringLiteral("Ann"), QStringLiteral("Bob"),
                        nPlayers, 2, 1, bNewPlayers);
        m_dlg.Create();
        return m_dlg;
    }
    void Choose(const QString& strLetters, int nSign)
    {
        for (int i = 0; i < 4; ++i)
            m_dlg.CheckDlgButton(1020 + i, strLetters.contains(QStringLiteral("ASMD")[i]));
        m_dlg.CheckRadioButton(1024, 1026, 1024 + nSign);
    }
    int CheckedSign() const { return m_dlg.GetCheckedRadioButton(1024, 1026) - 1024; }

    CFakePrompts m_prompts;
    CSetupDlg m_dlg;
};

}  // namespace

// The first rule that applies gives its message and, for the sign rules, corrects the sign.
TEST_F(SetupDialog, ValidationRefusesOrAcceptsEachCombination)
{
    const struct {
        const char* szOps;
        int nSignBefore;
        QString strMessage;  // empty when accepted
        int nSignAfter;
    } cases[] = {
        {"", 0, kNoOperation, 0},       {"D", 0, "You can't play a game with only division.", 0},
        {"AM", 1, kMustBePositive, 0},  {"A", 2, kMustBePositive, 0}, {"AMD", 2, kMustBePositive, 0},
        {"S", 0, kCannotBePositive, 2}, {"SD", 0, kCannotBePositive, 2}, {"AM", 0, {}, 0},
        {"S", 1, {}, 1},                {"SD", 2, {}, 2},  {"AS", 2, {}, 2}, {"ASMD", 2, {}, 2},
    };
    Open();
    for (const auto& c : cases) {
        m_prompts.ClearRecord();
        Choose(c.szOps, c.nSignBefore);
        EXPECT_EQ(m_dlg.Validate(), c.strMessage.isEmpty()) << c.szOps << c.nSignBefore;
        EXPECT_EQ(CheckedSign(), c.nSignAfter) << c.szOps << c.nSignBefore;
        EXPECT_EQ(m_prompts.Texts(), c.strMessage.isEmpty() ? QStringList() : QStringList{c.strMessage});
        for (const CFakePrompts::Prompt& prompt : m_prompts.Prompts())
            EXPECT_TRUE(prompt.m_strCaption == "Invalid Game Setup" && prompt.m_icon == PromptIcon::None);
    }
}

// Operation clicks run the check at once (the click itself stands); sign clicks do not; OK does
// and stays open until the corrected choice is confirmed.
TEST_F(SetupDialog, OperationClicksAndOkRunTheCheck)
{
    Open();
    Choose(QStringLiteral("AS"), 1);
    m_dlg.ClickDlgItem(1021);
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1021));
    EXPECT_EQ(CheckedSign(), 0);
    m_dlg.ClickDlgItem(1020);
    EXPECT_EQ(m_prompts.Texts(), (QStringList{kMustBePositive, kNoOperation}));

    Choose(QStringLiteral("S"), 1);
    m_dlg.ClickDlgItem(1024);
    EXPECT_EQ(m_prompts.Count(), 2);
    m_dlg.PressEnter();
    EXPECT_EQ(m_prompts.Last().m_strText, kCannotBePositive);
    EXPECT_FALSE(m_dlg.IsEnded());
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_dlg.ChosenOptions().BoardKey(), QStringLiteral("S.A"));
}

// Every value shows in its control and every control is read back on OK; Cancel reads nothing.
TEST_F(SetupDialog, DataExchangeShowsEveryValueAndReadsItBackOnlyOnOk)
{
    for (bool bOk : {true, false}) {
        CSetupDlg dlg;
        dlg.SetValues(true, true, false, true, true, false, QStringLiteral("Ann"), QStringLiteral("Bob"), 1, 0, 3, true);
        dlg.m_bShowQuickInstructions = true;
        dlg.Create();
        const int checks[] = {1020, 1021, 1022, 1023, 1050, 1051};  // operations, sounds, quick instructions
        QString strShown = dlg.GetDlgItemText(1018) + dlg.GetDlgItemText(1019);
        for (int i = 0; i < 6; ++i) {
            strShown += QString::number(dlg.IsDlgButtonChecked(checks[i]));
            dlg.CheckDlgButton(checks[i], i < 2);
        }
        for (auto [nFirst, nLast] : {std::pair{1016, 1017}, {1024, 1026}, {1027, 1030}}) {
            strShown += QString::number(dlg.GetCheckedRadioButton(nFirst, nLast) - nFirst);
            dlg.CheckRadioButton(nFirst, nLast, nFirst + (nFirst == 1024 ? 2 : 0));
        }
        EXPECT_EQ(strShown, QStringLiteral("AnnBob001111103"));
        dlg.SetDlgItemText(1018, QStringLiteral("Cy"));
        dlg.ClickDlgItem(bOk ? IDOK : IDCANCEL);
        const GameOptions options = dlg.ChosenOptions();
        EXPECT_EQ(options.strName[0] + QString::number(options.bOnePlayer) + options.Description() +
                      QString::number(options.bSounds) + QString::number(options.bShowQuickInstructions),
                  bOk ? "Cy1A 10 piece game with +- operators and both positive and negative numbers allowed.00"
                      : "Ann0A 32 piece game with */ operators and only positive numbers allowed.11");
    }
}

// With no game in progress Quit Game takes Cancel's place and asks first; Escape still cancels
// and the close box does nothing.
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
    CModalScript modals;
    m_prompts.Answer({IDNO, IDYES});
    bool bOpenAfterNo = false;
    modals.Then([&](CDialog& dlg) {
        dlg.ClickDlgItem(CSetupDlg::kQuitGame);
        bOpenAfterNo = !dlg.IsEnded();
        dlg.ClickDlgItem(CSetupDlg::kQuitGame);
    });
    modals.Then([](CDialog& dlg) {
        QCloseEvent closeEvent;
        QCoreApplication::sendEvent(&dlg, &closeEvent);
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEscape();
    });
    m_dlg.SetValues(false, false, true, true, true, true, {}, {}, 0, 2, 1, false);
    EXPECT_EQ(m_dlg.DoModal(), 1049);
    EXPECT_TRUE(bOpenAfterNo);
    EXPECT_EQ(m_prompts.Texts(), QStringList(2, "Are you sure you want to quit?"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Confirmation Dialog"));
    EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::YesNo);
    CSetupDlg second;
    second.SetValues(false, false, true, true, true, true, {}, {}, 0, 2, 1, true);
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(m_prompts.Count(), 2);
}

// New Game keeps the player count fixed; New Players lets it change. The second name box follows
// the count.
TEST_F(SetupDialog, PlayerCountIsFixedForNewGameAndFreeForNewPlayers)
{
    for (bool bNewPlayers : {false, true}) {
        CSetupDlg dlg;
        dlg.SetValues(true, false, true, true, true, true, {}, {}, 0, 2, 1, bNewPlayers);
        dlg.Create();
        EXPECT_EQ(dlg.IsDlgItemEnabled(1016) + dlg.IsDlgItemEnabled(1017), 2 * bNewPlayers);
        EXPECT_FALSE(dlg.IsDlgItemEnabled(1019));
        dlg.ClickDlgItem(1017);
        EXPECT_EQ(dlg.IsDlgItemEnabled(1019), bNewPlayers);
        dlg.ClickDlgItem(1016);
        EXPECT_FALSE(dlg.IsDlgItemEnabled(1019));
    }
    EXPECT_TRUE(Open(true, true, 1).IsDlgItemEnabled(1019));
}

// A longer name from elsewhere is kept whole (the boxes are hidden, so a refusal could never be
// mended); typing stops at the player selection's limit of 60.
TEST_F(SetupDialog, NamesPassThroughWholeAndTypingStopsAtSixty)
{
    const QString strLong = QString(59, QChar(u'\u00e9')) + QStringLiteral("!") + QString(15, 'q');
    m_dlg.SetValues(true, false, true, true, true, true, strLong, {}, 1, 2, 1, true);
    m_dlg.Create();
    auto* pEdit = m_dlg.GetDlgItemAs<QLineEdit>(1019);
    pEdit->insert(QString(70, QLatin1Char('x')));
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_dlg.m_strName1, strLong);
    EXPECT_EQ(m_dlg.m_strName2, QString(60, QLatin1Char('x')));
}
