// The player selection dialog: choosing by typing and by the list, adding a new player, the
// statistics mode, the second seat, and what it must never do to a player's file.

#include "PlayerDlgFixture.h"
#include "SelectPlayer.h"
#include "StatsDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Keys typed into the name box (its text changes and the box tells the dialog), then, when
// `bLeave`, the box left for another control; the name selected in the list then.
QString Type(CDialog& dlg, const QString& strText, bool bLeave = false)
{
    dlg.SetDlgItemText(CSelectPlayer::kNameId, strText);
    dlg.OnCommand(CSelectPlayer::kNameId, EN_CHANGE);
    if (bLeave)
        dlg.OnCommand(CSelectPlayer::kNameId, EN_KILLFOCUS);
    return List(dlg).SelectedIndex() < 0 ? "(none)" : List(dlg).Entry(List(dlg).SelectedIndex()).m_strName;
}

// Players whose names sort apart by code point, two of one name, and Ann with one game; an empty
// player object for seat one.
class SelectPlayerTest : public PlayerDlgTest {
protected:
    SelectPlayerTest()
    {
        WriteIndex(kIndex, {{"Ann0.ply", {"12/05/98 at 03:41:07 PM"}}});
        m_app.m_pPlayer[0] = std::make_unique<CPlayer>();
    }
    CPlayer& Seat0() { return *m_app.m_pPlayer[0]; }

    const QStringList kIndex = {"Zoe", "Zoe0.ply", "Annabel", "Annabel0.ply", "O'Neil", "O_Ne0.ply", "Ann", "Ann0.ply",
                                "eve", "eve0.ply", "Bob", "Bob0.ply", "Oliver", "Olive0.ply", "Bob", "Bob1.ply",
                                "Émile", "Émil0.ply"};
};

}  // namespace

// Catches names listed by code point or with punctuation counted, equal names listed out of
// index order, and a click in the list that leaves Statistics off or the name box as it was; a
// name box taking more than 60 characters; a prefix match that is case-sensitive or not the
// first from the top; leaving the box keeping a prefix match or missing an exact name;
// OK left on for an empty box; and Enter, which ends the editing while the box keeps the focus,
// clearing the selection made by typing, so that the prefix would be taken for a new name.
TEST_F(SelectPlayerTest, TypingSelectsTheFirstNameBeginningWithItAndLeavingTheBoxOnlyAnExactName)
{
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(Listed(dlg), QStringList({"Ann", "Annabel", "Bob", "Bob", "Émile", "eve", "Oliver", "O'Neil", "Zoe"}));
        EXPECT_EQ(Listed(dlg, true)[3], "Bob1.ply");
        EXPECT_EQ(List(dlg).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);  // as the template's list box
        List(dlg).setCurrentRow(3);
        EXPECT_EQ(List(dlg).SelectedIndex(), 2);
        EXPECT_EQ(dlg.GetDlgItemText(CSelectPlayer::kNameId), "Bob");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK) && dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        auto* pEdit = dlg.GetDlgItemAs<QLineEdit>(CSelectPlayer::kNameId);
        pEdit->insert(QString(70, QLatin1Char('x')));
        EXPECT_EQ(pEdit->text().size(), 60);
        const std::vector<std::tuple<const char*, bool, const char*, bool>> steps = {  // typed, left, selected, OK
            {"an", false, "Ann", true}, {"anx", false, "Ann", true}, {"an", true, "(none)", true},
            {"BOB", true, "Bob", true}, {"", false, "Bob", false}, {"", true, "(none)", false}};
        for (const auto& [szText, bLeave, szSelected, bOk] : steps) {
            EXPECT_EQ(Type(dlg, szText, bLeave), szSelected) << szText;
            EXPECT_EQ(dlg.IsDlgItemEnabled(IDOK), bOk) << szText;
        }
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        pEdit->setFocus();
        QApplication::processEvents();
        if (!pEdit->hasFocus())
            GTEST_SKIP() << "no keyboard focus on this platform";
        Type(dlg, "an");
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CSelectPlayer::kStatisticsId));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(pEdit, &press);
    });
    CSelectPlayer dlg;
    const int nResult = dlg.DoModalFor(0);
    if (IsSkipped())
        return;
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_EQ(Seat0().m_strName + " " + Seat0().m_strFileName, "Ann Ann0.ply");
    EXPECT_EQ(Seat0().m_records.size(), 1u);
}

// Catches a new player registered without asking, after No or with an empty name, without a
// file of his own or an entry at the end of the index; a lost message without a players folder;
// and a new player who gets no file keeping the file name his seat held before (saving would
// write over that player's games).
TEST_F(SelectPlayerTest, AddNewPlayerAsksFirstAndRegistersOnlyANonEmptyName)
{
    m_prompts.Answer({IDNO, IDYES});
    m_prompts.SetDefaultAnswer(IDYES);
    m_modals.Then([&](CDialog& dlg) {
        Type(dlg, "an", true);
        dlg.PressEnter();  // No
        Type(dlg, "");
        dlg.OnCommand(IDOK);  // Yes, with an empty name
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(IndexLines(), kIndex);
        Type(dlg, "Cleo Z", true);
        dlg.PressEnter();
    });
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(List(dlg).count(), 0);
        Type(dlg, "Zed", true);
        dlg.PressEnter();
    });
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    EXPECT_EQ(Seat0().m_strName + " " + Seat0().m_strFileName, "Cleo Z Cleo0.ply");
    EXPECT_EQ(ReadRaw("Cleo0.ply"), CrLf({"Cleo Z", "Cleo0.ply"}));
    EXPECT_EQ(IndexLines(), kIndex + QStringList({"Cleo Z", "Cleo0.ply"}));
    QDir(Folder()).removeRecursively();
    EXPECT_EQ(dlg.DoModalFor(0), IDOK);
    EXPECT_EQ(Seat0().m_strName + " " + Seat0().m_strFileName, "Zed ");
    EXPECT_EQ(Said(m_prompts), QStringList({"Confirmation: Add new player?", "Confirmation: Add new player?",
                                            "Confirmation: Add new player?", "File Error: Please re-install Cogwhistle!",
                                            "Confirmation: Add new player?", "File Error!: Unable to open data file"}));
}

// Catches the statistics mode choosing a player or leaving out the seated ones, a player of the
// game shown from his file instead of live (with the game in progress), and another player
// shown without reading his file.
TEST_F(SelectPlayerTest, StatisticsModeShowsTheClickedPlayerAndAPlayerOfTheGameLive)
{
    Seat(1, "Annabel", "Annabel0.ply").StartGame(QStringLiteral("A game in progress"));
    m_modals.Then([&](CDialog& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(IDOK) + " " + dlg.windowTitle(), "Done Select Player");
        List(dlg).setCurrentRow(List(dlg).FindExact("Ann"));
        emit List(dlg).itemDoubleClicked(List(dlg).currentItem());
        List(dlg).setCurrentRow(List(dlg).FindExact("Annabel"));
        dlg.ClickDlgItem(CSelectPlayer::kStatisticsId);
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEnter();
    });
    QStringList shown;
    const auto look = [&](CDialog& stats) {
        const CPlayer* pShown = static_cast<CStatsDlg&>(stats).m_pShownPlayer;
        shown << (pShown == m_app.m_pPlayer[1].get() ? "live " : "") + pShown->m_strName + " "
                     + QString::number(pShown->m_records.size());
        stats.EndDialog(IDOK);
    };
    m_modals.Then(look);
    m_modals.Then(look);
    m_app.OnPlayerStatistics();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>({143, 137, 137}));
    EXPECT_EQ(shown, QStringList({"Ann 1", "live Annabel 1"}));
    EXPECT_EQ(Seat0().m_strFileName, QString()) << "nobody was chosen";
}

// Catches a seat without a player object shown the dialog; a run that keeps the name, the
// buttons or the list of the run before, or a title that does not name the seat; and the player
// of seat one offered to seat two, or taken by his name typed in full (which selects another
// player whose name begins with it), or registered twice.
TEST_F(SelectPlayerTest, EveryRunStartsAfreshAndSeatTwoCannotTakeThePlayerOfSeatOne)
{
    CSelectPlayer dlg;
    EXPECT_EQ(dlg.DoModalFor(1), IDCANCEL);
    EXPECT_TRUE(m_modals.TemplatesRun().empty());
    Seat(0, "Ann", "Ann0.ply");
    m_app.m_pPlayer[1] = std::make_unique<CPlayer>();
    QStringList seen;
    const auto see = [&seen](CDialog& run) {
        seen << run.windowTitle() + ": " + Listed(run).join(", ") + (run.IsDlgItemEnabled(IDOK) ? ", OK " : " ")
                    + run.GetDlgItemText(CSelectPlayer::kNameId);
    };
    m_modals.Then([&](CDialog& run) {
        see(run);
        Type(run, "Bob");
        run.EndDialog(IDCANCEL);
    });
    m_modals.Then([&](CDialog& run) {
        see(run);
        for (const char* szName : {"Ann", "ann"}) {
            EXPECT_EQ(Type(run, szName), "Annabel");
            run.PressEnter();
        }
        EXPECT_FALSE(run.IsEnded());
        run.EndDialog(IDCANCEL);
    });
    dlg.DoModalFor(0);
    WriteIndex(kIndex + QStringList({"Dee", "Dee0.ply"}));
    EXPECT_EQ(dlg.DoModalFor(1), IDCANCEL);
    EXPECT_EQ(seen, QStringList({"Select or Add Player 1: Ann, Annabel, Bob, Bob, Émile, eve, Oliver, O'Neil, Zoe ",
                                 "Select or Add Player 2: Annabel, Bob, Bob, Dee, Émile, eve, Oliver, O'Neil, Zoe "}));
    EXPECT_EQ(Said(m_prompts), QStringList({"Zorbly: Void Player in CSelectPlayer", "Zorbly: Ann is already playing.",
                                            "Zorbly: Ann is already playing."}));
    EXPECT_EQ(IndexLines(), kIndex + QStringList({"Dee", "Dee0.ply"}));
    EXPECT_FALSE(Files().contains("Ann1.ply"));
    EXPECT_TRUE(m_app.m_pPlayer[1]->m_strName.isEmpty() && m_app.m_pPlayer[1]->m_strFileName.isEmpty());
}
