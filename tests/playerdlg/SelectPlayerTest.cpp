// The player selection dialog: choosing by typing and by the list, adding a new player, the
// statistics mode, the second seat, and what it must never do to a player's file.

#include "PlayerDlgFixture.h"
#include "SelectPlayer.h"
#include "StatsDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

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

class SelectPlayerTest : public PlayerDlgTest {
protected:
    SelectPlayerTest()
    {
        WriteIndex(kIndex, {{"Ann0.ply", {"12/05/98 at 03:41:07 PM"}}});
        m_app.m_pPlayer[0] = std::make_unique<CPlayer>();
    }
    CPlayer& Seat0() { return *m_app.m_pPlayer[0]; }
    static QString SelectedName(CDialog& dlg) { return List(dlg).Entry(List(dlg).SelectedIndex()).m_strName; }

    const QStringList kIndex = {"Annabel", "Annabel0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply"};
};

}  // namespace

// Catches a name box that takes more than 60 characters, a prefix match that is case-sensitive
// or not the first from the top, a lost focus that keeps a prefix match or misses an exact name,
// and an Enter that takes the typed prefix for a new name instead of the selected player.
TEST_F(SelectPlayerTest, TypingSelectsTheFirstNameBeginningWithItAndLeavingTheBoxOnlyAnExactName)
{
    m_modals.Then([&](CDialog& dlg) {
        auto* pEdit = dlg.GetDlgItemAs<QLineEdit>(CSelectPlayer::kNameId);
        pEdit->insert(QString(70, QLatin1Char('x')));
        EXPECT_EQ(pEdit->text().size(), 60);
        Type(dlg, "an");
        EXPECT_EQ(SelectedName(dlg), "Ann");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        Type(dlg, "anx");  // no name begins with it: the selection stays
        EXPECT_EQ(SelectedName(dlg), "Ann");
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

// Catches Enter, which ends the editing of the name box while the box keeps the focus, clearing
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

// Catches a new player registered without asking, after No, or with an empty name, and one
// registered without a file of his own or an entry at the end of the index.
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
        EXPECT_EQ(IndexLines(), kIndex);
        Type(dlg, "Cleo Z");
        LeaveNameBox(dlg);
        dlg.PressEnter();  // Yes
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    EXPECT_EQ(m_prompts.Texts(), QStringList(3, "Add new player?"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Confirmation");
    EXPECT_EQ(Seat0().m_strName, "Cleo Z");
    EXPECT_EQ(Seat0().m_strFileName, "Cleo0.ply");
    EXPECT_EQ(ReadRaw("Cleo0.ply"), CrLf({"Cleo Z", "Cleo0.ply"}));
    EXPECT_EQ(IndexLines(), kIndex + QStringList({"Cleo Z", "Cleo0.ply"}));
}

// Catches names listed by code point or with punctuation counted, equal names listed out of
// index order, and a click in the list that leaves Statistics off or the name box as it was.
TEST_F(SelectPlayerTest, ListSortsNamesAsPeopleDoAndAClickOnEqualNamesSelectsTheFirst)
{
    WriteIndex({"Zoe", "Zoe0.ply", "O'Neil", "O_Ne0.ply", "Sam", "Sam0.ply", "eve", "eve0.ply",
                "Oliver", "Olive0.ply", "Sam", "Sam1.ply", "Émile", "Émil0.ply"});
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(Listed(dlg), QStringList({"Émile", "eve", "Oliver", "O'Neil", "Sam", "Sam", "Zoe"}));
        EXPECT_EQ(List(dlg).Entry(5).m_strFileName, "Sam1.ply");
        List(dlg).setCurrentRow(5);
        EXPECT_EQ(List(dlg).SelectedIndex(), 4);
        EXPECT_EQ(dlg.GetDlgItemText(CSelectPlayer::kNameId), "Sam");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDCANCEL);
    EXPECT_EQ(m_modals.UnusedActions(), 0);
}

// Catches the statistics mode choosing a player, leaving out the seated players, or showing a
// player of the game from his file instead of live (with the game in progress), and another
// player without reading his file.
TEST_F(SelectPlayerTest, StatisticsModeShowsTheClickedPlayerAndAPlayerOfTheGameLive)
{
    CPlayer& annabel = Seat(1, "Annabel", "Annabel0.ply");
    annabel.StartGame(QStringLiteral("A game in progress"));
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), "Done");
        EXPECT_EQ(dlg.windowTitle(), "Select Player");
        List(dlg).setCurrentRow(List(dlg).FindExact("Ann"));
        emit List(dlg).itemDoubleClicked(List(dlg).currentItem());
        List(dlg).setCurrentRow(List(dlg).FindExact("Annabel"));
        dlg.ClickDlgItem(CSelectPlayer::kStatisticsId);
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEnter();
    });
    std::vector<std::pair<const CPlayer*, QStringList>> shown;
    const auto look = [&](CDialog& stats) {
        auto& games = static_cast<CStatsDlg&>(stats);
        shown.emplace_back(games.m_pShownPlayer, QStringList());
        for (int i = 0; games.RecordAt(i); ++i)
            shown.back().second << games.RecordAt(i)->m_strStarted;
        stats.EndDialog(IDOK);
    };
    m_modals.Then(look);
    m_modals.Then(look);
    m_app.OnPlayerStatistics();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>({143, 137, 137}));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].second, QStringList({"12/05/98 at 03:41:07 PM"}));
    EXPECT_EQ(shown[1].first, &annabel);
    EXPECT_EQ(Seat0().m_strFileName, QString()) << "nobody was chosen";
}

// Catches a run that keeps the name, the buttons or the list of the run before, a title that
// does not name the seat, and the player of seat one offered to seat two, or taken by his name
// typed in full (which selects another player whose name begins with it), or registered twice.
TEST_F(SelectPlayerTest, EveryRunStartsAfreshAndSeatTwoCannotTakeThePlayerOfSeatOne)
{
    Seat(0, "Ann", "Ann0.ply");
    m_app.m_pPlayer[1] = std::make_unique<CPlayer>();
    QStringList titles;
    QList<QStringList> listed;
    m_modals.Then([&](CDialog& dlg) {
        titles << dlg.windowTitle();
        listed << Listed(dlg);
        Type(dlg, "Bob");
        dlg.EndDialog(IDCANCEL);
    });
    m_modals.Then([&](CDialog& dlg) {
        titles << dlg.windowTitle();
        listed << Listed(dlg);
        EXPECT_EQ(dlg.GetDlgItemText(CSelectPlayer::kNameId), "");
        EXPECT_FALSE(dlg.IsDlgItemEnabled(IDOK));
        for (const char* szName : {"Ann", "ann"}) {
            Type(dlg, szName);
            EXPECT_EQ(SelectedName(dlg), "Annabel");
            dlg.PressEnter();
            EXPECT_FALSE(dlg.IsEnded());
        }
        dlg.EndDialog(IDCANCEL);
    });
    CSelectPlayer dlg;
    dlg.DoModalFor(0);
    WriteIndex(kIndex + QStringList({"Dee", "Dee0.ply"}));
    EXPECT_EQ(dlg.DoModalFor(1), IDCANCEL);
    EXPECT_EQ(titles, QStringList({"Select or Add Player 1", "Select or Add Player 2"}));
    EXPECT_EQ(listed, QList<QStringList>({{"Ann", "Annabel", "Bob"}, {"Annabel", "Bob", "Dee"}}));
    EXPECT_EQ(m_prompts.Texts(), QStringList(2, "Ann is already playing."));
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
    EXPECT_EQ(IndexLines(), kIndex + QStringList({"Dee", "Dee0.ply"}));
    EXPECT_FALSE(Exists("Ann1.ply"));
    EXPECT_TRUE(m_app.m_pPlayer[1]->m_strName.isEmpty());
    EXPECT_TRUE(m_app.m_pPlayer[1]->m_strFileName.isEmpty());
}

// Catches the dialog shown, or something other than the message, without a player object for
// the seat.
TEST_F(SelectPlayerTest, NoPlayerObjectForTheSeatIsRefusedWithoutShowingTheDialog)
{
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(1), IDCANCEL);
    EXPECT_TRUE(m_modals.TemplatesRun().empty());
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Void Player in CSelectPlayer"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
}

// Catches a crash or a lost message without a players folder, and a new player who gets no file
// keeping the file name his seat held before (saving would write over that player's games).
TEST_F(SelectPlayerTest, WithoutAPlayersFolderANewNameIsReportedAndTakesNoOtherPlayersFile)
{
    QDir(Folder()).removeRecursively();
    Seat0().m_strFileName = QStringLiteral("Ann0.ply");
    m_prompts.SetDefaultAnswer(IDYES);
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(List(dlg).count(), 0);
        Type(dlg, "Zed");
        LeaveNameBox(dlg);
        dlg.PressEnter();
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Please re-install Cogwhistle!", "Add new player?",
                                              "Unable to open data file"}));
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, "File Error");
    EXPECT_EQ(m_prompts.Last().m_strCaption, "File Error!");
    EXPECT_EQ(Seat0().m_strName, "Zed");
    EXPECT_EQ(Seat0().m_strFileName, QString());
}
