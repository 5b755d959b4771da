// The player selection dialog: choosing by typing and by the list, adding a new player, the
// statistics mode, and what it must never do to a player's file.

#include "PlayerDlgFixture.h"
#include "PlayerListBox.h"
#include "SelectPlayer.h"
#include "StatsDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

CPlayerListBox& List(CDialog& dlg)
{
    return *dlg.GetDlgItemAs<CPlayerListBox>(CSelectPlayer::kListId);
}

// Keys typed into the name box: its text changes and the box notifies the dialog.
void Type(CDialog& dlg, const QString& strText)
{
    dlg.SetDlgItemText(CSelectPlayer::kNameId, strText);
    dlg.OnCommand(CSelectPlayer::kNameId, EN_CHANGE);
}

void LeaveNameBox(CDialog& dlg)
{
    dlg.OnCommand(CSelectPlayer::kNameId, EN_KILLFOCUS);
}

QString SelectedName(CDialog& dlg)
{
    QString strName;
    List(dlg).GetPlayer(List(dlg).SelectedIndex(), &strName, nullptr);
    return strName;
}

class SelectPlayerTest : public PlayerDlgTest {
protected:
    SelectPlayerTest()
    {
        WriteIndex({"Anna", "Anna0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply"});
        WritePlayerFile("Ann", "Ann0.ply", {"12/05/98 at 03:41:07 PM"});
        WritePlayerFile("Anna", "Anna0.ply", {});
        m_app.m_pPlayer[0] = std::make_unique<CPlayer>();
    }
    CPlayer& Seat0() { return *m_app.m_pPlayer[0]; }
};

}  // namespace

// Catches a prefix match that is case-sensitive or not the first from the top, and an Enter
// that treats the typed prefix as a new name.
TEST_F(SelectPlayerTest, TypingSelectsTheFirstEntryBeginningWithItAndEnterTakesThatPlayer)
{
    m_modals.Then([&](CDialog& dlg) {
        Type(dlg, "an");
        EXPECT_EQ(SelectedName(dlg), "Ann");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        Type(dlg, "anx");  // no entry begins with it: the selection stays
        EXPECT_EQ(SelectedName(dlg), "Ann");
        Type(dlg, "an");
        dlg.PressEnter();
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(Seat0().m_strName, "Ann");
    EXPECT_EQ(Seat0().m_strFileName, "Ann0.ply");
    EXPECT_EQ(Seat0().m_records.size(), 1u);
    EXPECT_EQ(Seat0().m_pCurrentStats, nullptr);
}

// The Enter key ends the editing of the name box while it keeps the focus; that must not clear
// the selection made by typing.
TEST_F(SelectPlayerTest, EnterInTheShownDialogTakesThePlayerSelectedByTyping)
{
    m_modals.Then([&](CDialog& dlg) {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        auto* pEdit = dlg.GetDlgItemAs<QLineEdit>(CSelectPlayer::kNameId);
        pEdit->setFocus();
        QApplication::processEvents();
        if (!pEdit->hasFocus())
            GTEST_SKIP() << "no keyboard focus on this platform";
        Type(dlg, "an");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(pEdit, &press);
        if (!dlg.IsEnded())
            dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    const int nResult = dlg.DoModalFor(0);
    if (IsSkipped())
        return;
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(Seat0().m_strFileName, "Ann0.ply");
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches a lost-focus step that keeps a prefix match, or that fails to find an exact name.
TEST_F(SelectPlayerTest, LeavingTheNameBoxSelectsOnlyAnExactNameIgnoringCase)
{
    m_modals.Then([&](CDialog& dlg) {
        Type(dlg, "an");
        LeaveNameBox(dlg);
        EXPECT_EQ(List(dlg).SelectedIndex(), -1);
        Type(dlg, "BOB");
        LeaveNameBox(dlg);
        EXPECT_EQ(SelectedName(dlg), "Bob");
        Type(dlg, "");
        EXPECT_FALSE(dlg.IsDlgItemEnabled(IDOK));
        LeaveNameBox(dlg);
        EXPECT_EQ(List(dlg).SelectedIndex(), -1);
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDCANCEL);
}

// "Add new player?": No keeps the dialog open and adds nothing; Yes registers the typed name
// with its own new file; an empty name is never registered.
TEST_F(SelectPlayerTest, AddNewPlayerAsksFirstAndRegistersOnlyANonEmptyName)
{
    m_prompts.Answer({IDNO, IDYES, IDYES});
    m_modals.Then([&](CDialog& dlg) {
        Type(dlg, "an");
        LeaveNameBox(dlg);
        dlg.PressEnter();  // No
        EXPECT_FALSE(dlg.IsEnded());
        dlg.SetDlgItemText(CSelectPlayer::kNameId, QString());
        dlg.OnCommand(IDOK);  // Yes, with an empty name
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(IndexLines().size(), 6);
        Type(dlg, "Cleo Z");
        LeaveNameBox(dlg);
        dlg.PressEnter();  // Yes
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    ASSERT_EQ(m_prompts.Count(), 3);
    for (const auto& prompt : m_prompts.Prompts()) {
        EXPECT_EQ(prompt.m_strText, "Add new player?");
        EXPECT_EQ(prompt.m_strCaption, "Confirmation");
        EXPECT_EQ(prompt.m_buttons, PromptButtons::YesNo);
    }
    EXPECT_EQ(Seat0().m_strName, "Cleo Z");
    EXPECT_EQ(Seat0().m_strFileName, "Cleo0.ply");
    EXPECT_EQ(ReadRaw("Cleo0.ply"), CrLf({"Cleo Z", "Cleo0.ply"}));
    EXPECT_EQ(IndexLines(), QStringList({"Anna", "Anna0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply",
                                         "Cleo Z", "Cleo0.ply"}));
}

// A seat object that held another player must not keep that player's file name when no file
// can be made for the new one: saving would overwrite the other player's games.
TEST_F(SelectPlayerTest, NewPlayerWithoutAFileNeverTakesOverTheFileNameHeldBefore)
{
    for (int n = 0; n < 100; ++n)
        WriteRaw(QStringLiteral("Zed%1.ply").arg(n), "taken\r\n");  // every candidate is taken
    Seat0().m_strFileName = QStringLiteral("Ann0.ply");
    const QByteArray annBefore = ReadRaw("Ann0.ply");
    m_prompts.SetDefaultAnswer(IDYES);
    m_modals.Then([&](CDialog& dlg) {
        Type(dlg, "Zed");
        LeaveNameBox(dlg);
        dlg.PressEnter();
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    Seat0().StartGame("A game");
    Seat0().Save(Folder());
    EXPECT_EQ(Seat0().m_strName, "Zed");
    EXPECT_EQ(Seat0().m_strFileName, QString());
    EXPECT_EQ(ReadRaw("Ann0.ply"), annBefore);
    EXPECT_EQ(IndexLines().mid(6), QStringList({"Zed", ""}));
}

// Catches equal names listed in reverse order and a list click that leaves Statistics off.
TEST_F(SelectPlayerTest, ClickingEitherOfTwoEqualNamesSelectsTheFirstAndEnablesStatistics)
{
    WriteIndex({"Sam", "Sam0.ply", "Sam", "Sam1.ply"});
    m_modals.Then([&](CDialog& dlg) {
        ASSERT_EQ(List(dlg).count(), 2);
        EXPECT_EQ(List(dlg).Entry(1).m_strFileName, "Sam1.ply");
        List(dlg).setCurrentRow(1);
        EXPECT_EQ(List(dlg).SelectedIndex(), 0);
        EXPECT_EQ(dlg.GetDlgItemText(CSelectPlayer::kNameId), "Sam");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    dlg.DoModalFor(0);
    EXPECT_EQ(m_modals.UnusedActions(), 0);
}

// In statistics mode OK reads "Done", the title stays, and a double click shows the clicked
// player's games instead of choosing him.
TEST_F(SelectPlayerTest, StatisticsModeShowsTheDoubleClickedPlayerAndEndsWithDone)
{
    QStringList shown;
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), "Done");
        EXPECT_EQ(dlg.windowTitle(), "Select Player");
        List(dlg).setCurrentRow(List(dlg).FindExact("Ann"));
        emit List(dlg).itemDoubleClicked(List(dlg).currentItem());
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEnter();
    });
    m_modals.Then([&](CDialog& stats) {
        auto& games = static_cast<CStatsDlg&>(stats);
        for (int i = 0; games.RecordAt(i); ++i)
            shown << games.RecordAt(i)->m_strStarted;
        stats.EndDialog(IDOK);
    });
    m_app.OnPlayerStatistics();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>({143, 137}));
    EXPECT_EQ(shown, QStringList({"12/05/98 at 03:41:07 PM"}));
    EXPECT_EQ(Seat0().m_strFileName, QString());  // nobody was chosen
}

// A player of the game in progress is shown live: the statistics see the same object.
TEST_F(SelectPlayerTest, StatisticsOfAPlayerInTheGameShowTheLivePlayer)
{
    CPlayer& ann = Seat(1, "Ann", "Ann0.ply");
    ann.StartGame("A game in progress");
    const CPlayer* pShown = nullptr;
    m_modals.Then([&](CDialog& dlg) {
        List(dlg).setCurrentRow(List(dlg).FindExact("Ann"));
        dlg.ClickDlgItem(CSelectPlayer::kStatisticsId);
        dlg.EndDialog(IDOK);
    });
    m_modals.Then([&](CDialog& stats) {
        pShown = static_cast<CStatsDlg&>(stats).m_pShownPlayer;
        stats.EndDialog(IDOK);
    });
    CSelectPlayer dlg;
    dlg.m_bStatsMode = true;
    dlg.DoModalFor(0);
    EXPECT_EQ(pShown, &ann);
}

TEST_F(SelectPlayerTest, TitleNamesTheSeatAndEveryRunStartsEmptyWithAFreshList)
{
    QStringList titles;
    QList<int> counts;
    QStringList names;
    auto look = [&](CDialog& dlg) {
        titles << dlg.windowTitle();
        counts << List(dlg).count();
        names << dlg.GetDlgItemText(CSelectPlayer::kNameId);
        Type(dlg, "Bob");
        dlg.EndDialog(IDCANCEL);
    };
    m_modals.Then(look);
    m_modals.Then(look);
    m_app.m_pPlayer[1] = std::make_unique<CPlayer>();
    CSelectPlayer dlg;
    dlg.DoModalFor(0);
    WriteIndex({"Anna", "Anna0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply", "Dee", "Dee0.ply"});
    dlg.DoModalFor(1);
    EXPECT_EQ(titles, QStringList({"Select or Add Player 1", "Select or Add Player 2"}));
    EXPECT_EQ(counts, QList<int>({3, 4}));
    EXPECT_EQ(names, QStringList({"", ""}));
}

// Two player objects on one file would each save over the other's game: the player seated on
// the other side is not offered.
TEST_F(SelectPlayerTest, ThePlayerOfTheOtherSeatIsNotOffered)
{
    Seat(0, "Ann", "Ann0.ply");
    m_app.m_pPlayer[1] = std::make_unique<CPlayer>();
    QStringList listed;
    m_modals.Then([&](CDialog& dlg) {
        for (int i = 0; i < List(dlg).count(); ++i)
            listed << List(dlg).Entry(i).m_strFileName;
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    dlg.DoModalFor(1);
    EXPECT_EQ(listed, QStringList({"Anna0.ply", "Bob0.ply"}));
}

TEST_F(SelectPlayerTest, NoPlayerObjectForTheSeatIsRefusedWithoutShowingTheDialog)
{
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(1), IDCANCEL);
    EXPECT_TRUE(m_modals.TemplatesRun().empty());
    ASSERT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(m_prompts.Last().m_strText, "Void Player in CSelectPlayer");
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
}

TEST_F(SelectPlayerTest, NamesAreLimitedToSixtyCharacters)
{
    m_modals.Then([&](CDialog& dlg) {
        auto* pEdit = dlg.GetDlgItemAs<QLineEdit>(CSelectPlayer::kNameId);
        pEdit->insert(QString(70, QLatin1Char('x')));
        EXPECT_EQ(pEdit->text().size(), 60);
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    dlg.DoModalFor(0);
}

// Without a players folder: the re-install message, an empty list, and a new name still ends
// the dialog with the index failure reported; nothing crashes.
TEST_F(SelectPlayerTest, MissingPlayersFolderIsReportedAndANewNameStillEndsTheDialog)
{
    QDir(Folder()).removeRecursively();
    m_prompts.SetDefaultAnswer(IDYES);
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(List(dlg).count(), 0);
        Type(dlg, "Ann");
        LeaveNameBox(dlg);
        dlg.PressEnter();
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    ASSERT_EQ(m_prompts.Count(), 3);
    EXPECT_EQ(m_prompts.Prompts()[0].m_strText, "Please re-install Cogwhistle!");
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, "File Error");
    EXPECT_EQ(m_prompts.Prompts()[2].m_strText, "Unable to open data file");
    EXPECT_EQ(m_prompts.Prompts()[2].m_strCaption, "File Error!");
    EXPECT_EQ(Seat0().m_strName, "Ann");
    EXPECT_EQ(Seat0().m_strFileName, QString());
}
