#include "BoardKey.h"
#include "FakePrompts.h"
#include "GameOptions.h"
#include "ModalScript.h"
#include "SetupDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int kOps[] = {1020, 1021, 1022, 1023};  // addition, subtraction, multiplication, division
constexpr int kSignIds[] = {1024, 1025, 1026};    // positive, negative, both

const QString kCaption = QStringLiteral("Invalid Game Setup");
const QString kNoOperation = QStringLiteral("You must select an operation.");
const QString kOnlyDivision = QStringLiteral("You can't play a game with only division.");
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

struct ValidateCase {
    const char* szOps;
    int nSignBefore;
    const char* szMessage;  // nullptr when accepted
    int nSignAfter;
};

class SetupValidation : public SetupDialog, public ::testing::WithParamInterface<ValidateCase> {};

}  // namespace

// The four rules, in order: the first that applies gives its message and, for the sign rules,
// corrects the sign choice.
TEST_P(SetupValidation, RefusesOrAcceptsTheCombination)
{
    const ValidateCase& c = GetParam();
    Open();
    SetOperations(QString::fromLatin1(c.szOps));
    SelectSign(c.nSignBefore);

    const bool bValid = m_dlg.Validate();

    EXPECT_EQ(bValid, c.szMessage == nullptr);
    if (c.szMessage) {
        ASSERT_EQ(m_prompts.Count(), 1);
        EXPECT_EQ(m_prompts.Last().m_strText, QString::fromLatin1(c.szMessage));
        EXPECT_EQ(m_prompts.Last().m_strCaption, kCaption);
        EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::Ok);
        EXPECT_EQ(m_prompts.Last().m_icon, PromptIcon::None);
    } else {
        EXPECT_EQ(m_prompts.Count(), 0);
    }
    EXPECT_EQ(CheckedSign(), c.nSignAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetupValidation,
    ::testing::Values(
        ValidateCase{"", 0, "You must select an operation.", 0},
        ValidateCase{"", 1, "You must select an operation.", 1},
        ValidateCase{"D", 0, "You can't play a game with only division.", 0},
        ValidateCase{"D", 1, "You can't play a game with only division.", 1},
        ValidateCase{"AM", 1, "Using these operators, you must play\nwith positive numbers only.", 0},
        ValidateCase{"A", 2, "Using these operators, you must play\nwith positive numbers only.", 0},
        ValidateCase{"AMD", 2, "Using these operators, you must play\nwith positive numbers only.", 0},
        ValidateCase{"S", 0, "Using these operators, you can't play\nwith only positive numbers.", 2},
        ValidateCase{"SD", 0, "Using these operators, you can't play\nwith only positive numbers.", 2},
        ValidateCase{"AM", 0, nullptr, 0},
        ValidateCase{"MD", 0, nullptr, 0},
        ValidateCase{"S", 1, nullptr, 1},
        ValidateCase{"SD", 2, nullptr, 2},
        ValidateCase{"AS", 0, nullptr, 0},
        ValidateCase{"AS", 1, nullptr, 1},
        ValidateCase{"AS", 2, nullptr, 2},
        ValidateCase{"SM", 0, nullptr, 0},
        ValidateCase{"SMD", 1, nullptr, 1},
        ValidateCase{"ASMD", 2, nullptr, 2}));

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

TEST_F(SetupDialog, UncheckingTheLastOperationComplainsAtOnceAndOkIsRefused)
{
    Open();
    SetOperations(QStringLiteral("A"));
    SelectSign(0);
    m_dlg.ClickDlgItem(1020);
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1020));  // the click stands
    EXPECT_EQ(m_prompts.Texts(), QStringList{kNoOperation});

    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_prompts.Texts(), (QStringList{kNoOperation, kNoOperation}));
    EXPECT_FALSE(m_dlg.IsEnded());
}

TEST_F(SetupDialog, OkWithOnlySubtractionOnPositiveSwitchesToBothThenAccepts)
{
    Open();
    SetOperations(QStringLiteral("S"));
    SelectSign(0);
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_prompts.Texts(), QStringList{kCannotBePositive});
    EXPECT_EQ(CheckedSign(), 2);
    EXPECT_FALSE(m_dlg.IsEnded());

    m_dlg.ClickDlgItem(IDOK);
    EXPECT_TRUE(m_dlg.IsEnded());
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_dlg.m_nSignMode, 2);
    EXPECT_TRUE(m_dlg.m_bSubtract);
    EXPECT_FALSE(m_dlg.m_bAdd);
}

// The sign buttons do not run the check; OK does, and puts "Positive" back.
TEST_F(SetupDialog, NegativeWithoutSubtractionIsCorrectedOnlyByOk)
{
    Open();
    SetOperations(QStringLiteral("AM"));
    SelectSign(0);
    m_dlg.ClickDlgItem(1025);
    EXPECT_EQ(CheckedSign(), 1);
    EXPECT_EQ(m_prompts.Count(), 0);

    m_dlg.PressEnter();
    EXPECT_EQ(m_prompts.Texts(), QStringList{kMustBePositive});
    EXPECT_EQ(CheckedSign(), 0);
    EXPECT_FALSE(m_dlg.IsEnded());
}

// Each operation click runs the check: unchecking subtraction under "Negative" corrects the
// sign at once, while the click itself is kept.
TEST_F(SetupDialog, OperationClickCorrectsTheSignAtOnce)
{
    Open();
    SetOperations(QStringLiteral("AS"));
    SelectSign(1);
    m_dlg.ClickDlgItem(1021);
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1021));
    EXPECT_EQ(m_prompts.Texts(), QStringList{kMustBePositive});
    EXPECT_EQ(CheckedSign(), 0);
}

TEST_F(SetupDialog, DataExchangeShowsEveryValueAndReadsItBack)
{
    m_dlg.SetValues(true, true, false, true, true, false, QStringLiteral("Ann"),
                    QStringLiteral("Bob"), 1, 0, 3, true);
    m_dlg.m_bShowQuickInstructions = true;
    m_dlg.Create();

    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1016, 1017), 1017);
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1024, 1026), 1024);
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1027, 1030), 1030);
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1020));
    EXPECT_FALSE(m_dlg.IsDlgButtonChecked(1021));
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1022));
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1023));
    EXPECT_EQ(m_dlg.GetDlgItemText(1018), QStringLiteral("Ann"));
    EXPECT_EQ(m_dlg.GetDlgItemText(1019), QStringLiteral("Bob"));
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1050));
    EXPECT_TRUE(m_dlg.IsDlgButtonChecked(1051));

    // Change every control, then confirm.
    m_dlg.ClickDlgItem(1016);
    m_dlg.CheckRadioButton(1024, 1026, 1026);
    m_dlg.CheckRadioButton(1027, 1030, 1027);
    m_dlg.CheckDlgButton(1020, true);
    m_dlg.CheckDlgButton(1021, true);
    m_dlg.CheckDlgButton(1022, false);
    m_dlg.CheckDlgButton(1023, false);
    m_dlg.SetDlgItemText(1018, QStringLiteral("Cy"));
    m_dlg.SetDlgItemText(1019, QStringLiteral("Di"));
    m_dlg.CheckDlgButton(1050, false);
    m_dlg.CheckDlgButton(1051, false);
    m_dlg.ClickDlgItem(IDOK);

    ASSERT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(m_dlg.m_nPlayers, 0);
    EXPECT_EQ(m_dlg.m_nSignMode, 2);
    EXPECT_EQ(m_dlg.m_nSize, 0);
    EXPECT_TRUE(m_dlg.m_bAdd);
    EXPECT_TRUE(m_dlg.m_bSubtract);
    EXPECT_FALSE(m_dlg.m_bMultiply);
    EXPECT_FALSE(m_dlg.m_bDivide);
    EXPECT_EQ(m_dlg.m_strName1, QStringLiteral("Cy"));
    EXPECT_EQ(m_dlg.m_strName2, QStringLiteral("Di"));
    EXPECT_FALSE(m_dlg.m_bSounds);
    EXPECT_FALSE(m_dlg.m_bShowQuickInstructions);

    const GameOptions options = m_dlg.ChosenOptions();
    EXPECT_TRUE(options.bOnePlayer);
    EXPECT_EQ(options.nPieces, 10);
    EXPECT_EQ(options.BoardKey(), QStringLiteral("AS.A"));
    EXPECT_EQ(options.strName[0], QStringLiteral("Cy"));
}

// Cancel leaves the caller's values alone: what was changed on screen is not read back.
TEST_F(SetupDialog, CancelReadsNothingBack)
{
    Open();
    m_dlg.CheckRadioButton(1027, 1030, 1030);
    m_dlg.SetDlgItemText(1018, QStringLiteral("Zed"));
    m_dlg.ClickDlgItem(IDCANCEL);
    EXPECT_EQ(m_dlg.Result(), IDCANCEL);
    EXPECT_EQ(m_dlg.m_nSize, 1);
    EXPECT_EQ(m_dlg.m_strName1, QStringLiteral("Ann"));
}

TEST_F(SetupDialog, WithNoGameInProgressQuitGameTakesCancelsPlace)
{
    Open(false);
    EXPECT_FALSE(m_dlg.IsDlgItemVisible(IDCANCEL));
    EXPECT_TRUE(m_dlg.IsDlgItemVisible(CSetupDlg::kQuitGame));
    EXPECT_EQ(m_dlg.GetDlgItemText(CSetupDlg::kQuitGame), QStringLiteral("Quit Game"));
    EXPECT_EQ(m_dlg.GetDlgItem(CSetupDlg::kQuitGame)->geometry(), m_dlg.GetDlgItem(IDCANCEL)->geometry());
}

TEST_F(SetupDialog, WithAGameInProgressCancelStaysAndQuitGameIsHidden)
{
    Open(true);
    EXPECT_TRUE(m_dlg.IsDlgItemVisible(IDCANCEL));
    EXPECT_FALSE(m_dlg.IsDlgItemVisible(CSetupDlg::kQuitGame));
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

TEST_F(SetupDialog, EscapeCancelsEvenWhileCancelIsHidden)
{
    CModalScript modals;
    modals.Then([](CDialog& dlg) { dlg.PressEscape(); });
    m_dlg.SetValues(false, false, true, true, true, true, {}, {}, 0, 2, 1, true);
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_prompts.Count(), 0);
}

TEST_F(SetupDialog, CloseBoxDoesNothing)
{
    Open(false);
    QCloseEvent closeEvent;
    QCoreApplication::sendEvent(&m_dlg, &closeEvent);
    EXPECT_FALSE(m_dlg.IsEnded());
    EXPECT_EQ(m_prompts.Count(), 0);
}

TEST_F(SetupDialog, NewGameKeepsThePlayerCountFixed)
{
    Open(true, false);
    EXPECT_FALSE(m_dlg.IsDlgItemEnabled(1016));
    EXPECT_FALSE(m_dlg.IsDlgItemEnabled(1017));
    m_dlg.ClickDlgItem(1017);
    EXPECT_EQ(m_dlg.GetCheckedRadioButton(1016, 1017), 1016);
    EXPECT_FALSE(m_dlg.IsDlgItemEnabled(1019));
}

TEST_F(SetupDialog, NewPlayersLetsThePlayerCountChange)
{
    Open(true, true);
    EXPECT_TRUE(m_dlg.IsDlgItemEnabled(1016));
    EXPECT_FALSE(m_dlg.IsDlgItemEnabled(1019));
    m_dlg.ClickDlgItem(1017);
    EXPECT_TRUE(m_dlg.IsDlgItemEnabled(1019));
    m_dlg.ClickDlgItem(1016);
    EXPECT_FALSE(m_dlg.IsDlgItemEnabled(1019));
}

TEST_F(SetupDialog, SecondNameBoxIsEnabledForTwoPlayers)
{
    m_dlg.SetValues(true, false, true, true, true, true, {}, {}, 1, 2, 1, false);
    m_dlg.Create();
    EXPECT_TRUE(m_dlg.IsDlgItemEnabled(1019));
    EXPECT_FALSE(m_dlg.IsDlgItemVisible(1018));
    EXPECT_FALSE(m_dlg.IsDlgItemVisible(1019));
}

// A name chosen in the player selection dialog (up to 60 characters) passes through unchanged.
TEST_F(SetupDialog, NamesOfSixtyCharactersPassThroughUnchanged)
{
    const QString strLong = QStringLiteral("Maximiliana Konstantinopolous-Featherstonehaugh-Winterbottom");
    ASSERT_EQ(strLong.size(), 60);
    const QString strAccented = QString(59, QChar(u'é')) + QStringLiteral("!");
    m_dlg.SetValues(true, false, true, true, true, true, strLong, strAccented, 1, 2, 1, true);
    m_dlg.Create();
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(m_dlg.m_strName1, strLong);
    EXPECT_EQ(m_dlg.m_strName2, strAccented);
}

TEST_F(SetupDialog, TypingStopsAtSixtyCharacters)
{
    Open();
    auto* pEdit = m_dlg.GetDlgItemAs<QLineEdit>(1018);
    ASSERT_NE(pEdit, nullptr);
    pEdit->clear();
    pEdit->insert(QString(70, QLatin1Char('x')));
    EXPECT_EQ(pEdit->text().size(), 60);
}

// A longer name from elsewhere is neither cut nor refused: the boxes are hidden, so a refusal
// could never be mended and OK would never pass.
TEST_F(SetupDialog, LongerNameIsKeptWhole)
{
    const QString strName(75, QLatin1Char('q'));
    m_dlg.SetValues(true, false, true, true, true, true, strName, {}, 0, 2, 1, true);
    m_dlg.Create();
    m_dlg.ClickDlgItem(IDOK);
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_dlg.m_strName1, strName);
}

// Every label reads in full and every control lies inside the dialog; each button sits in its
// group box.
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
    const auto groups = m_dlg.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 4);
    const std::pair<QString, std::vector<int>> members[] = {
        {QStringLiteral("Players"), {1016, 1017}},
        {QStringLiteral("Game Size"), {1027, 1028, 1029, 1030}},
        {QStringLiteral("Operations"), {1020, 1021, 1022, 1023}},
        {QStringLiteral("Number Signs"), {1024, 1025, 1026}},
    };
    for (const auto& [strTitle, ids] : members) {
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](QGroupBox* p) { return p->title() == strTitle; });
        ASSERT_NE(it, groups.end()) << strTitle.toStdString();
        for (int nId : ids)
            EXPECT_TRUE((*it)->geometry().contains(m_dlg.GetDlgItem(nId)->geometry())) << nId;
    }
}
