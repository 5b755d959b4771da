// The statistics dialog: games in the order played, the report, Print, Purge and Purge All,
// and the game in progress that is never listed nor purged.

#include "PlayerDlgFixture.h"
#include "StatsDlg.h"
#include "StatsReport.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace {

const QString kOld = QStringLiteral("12/05/98 at 03:41:07 PM");
const QString kNew = QStringLiteral("01/02/99 at 09:00:00 AM");

QListWidget& Games(CDialog& dlg) { return *dlg.GetDlgItemAs<QListWidget>(CStatsDlg::kGamesId); }
// The dialog as shown: the games listed, then those of Purge, Purge All and Print that are on.
QStringList Shown(CDialog& dlg)
{
    QStringList shown;
    for (int i = 0; i < Games(dlg).count(); ++i)
        shown << Games(dlg).item(i)->text();
    for (const auto& [nId, szButton] : {std::pair{CStatsDlg::kPurgeId, "Purge"}, {CStatsDlg::kPurgeAllId, "Purge All"},
                                        {CStatsDlg::kPrintId, "Print"}})
        if (dlg.IsDlgItemEnabled(nId))
            shown << szButton;
    return shown;
}

// Ann, a player of the game, with two games in her file.
class StatsDlgTest : public PlayerDlgTest {
protected:
    StatsDlgTest()
    {
        WriteIndex({"Ann", "Ann0.ply"}, {{"Ann0.ply", {kOld, kNew}}});
        Seat(0, "Ann", "Ann0.ply");
    }
    CPlayer& Ann() { return *m_app.m_pPlayer[0]; }
    int Run(std::function<void(CStatsDlg&)> action)
    {
        m_modals.Then([action](CDialog& dlg) { action(static_cast<CStatsDlg&>(dlg)); });
        CStatsDlg dlg;
        dlg.m_pShownPlayer = &Ann();
        return dlg.DoModal();
    }
};

}  // namespace

// Catches games listed in the text order of their start times (01/02/99 before 12/05/98) or with
// another text, the buttons' states, a report not of the selected game or not with CR LF, the
// print file not holding the report (with CR LF on disk) or not handed to the viewer, no word
// when nothing can show it (the message names where it is), and a print file that could not be
// written reported as printed.
TEST_F(StatsDlgTest, ASelectedGameShowsItsReportAndPrintsItOrSaysWhyNot)
{
    Run([&](CStatsDlg& dlg) {
        EXPECT_EQ(Shown(dlg), QStringList({kOld, kNew, "Purge All"}));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), "No Game Selected");
        Games(dlg).setCurrentRow(1);
        QString strReport;
        CStatsReport::Build(strReport, "Ann", *Ann().m_records[1], true);
        EXPECT_EQ(dlg.ReportText(), strReport);
        EXPECT_EQ(dlg.GetDlgItemAs<QPlainTextEdit>(CStatsDlg::kReportId)->toPlainText() + "\n",
                  QString(strReport).replace("\r\n", "\n"));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), QString());
        EXPECT_EQ(Shown(dlg), QStringList({kOld, kNew, "Purge", "Purge All", "Print"}));
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        EXPECT_EQ(QString::fromUtf8(ReadRaw("stats.txt")), strReport);
        EXPECT_EQ(m_prompts.Count(), 0);
        m_viewer.m_bOpens = false;
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        QDir(Folder()).removeRecursively();
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_viewer.Files(), QStringList(2, m_app.m_strHomeDir + "players/stats.txt"));
    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_TRUE(m_prompts.Prompts()[0].m_strText.contains(m_app.m_strHomeDir + "players/stats.txt"));
    EXPECT_EQ(Said(m_prompts)[1], "Zorbly: Unable to write statistics!");
}

// Catches a purge without asking or after No, the wrong record purged, the file not saved, the
// buttons left on, and the game in progress listed or purged (it reaches the file); with only
// that game, Purge All stays available.
TEST_F(StatsDlgTest, PurgeAndPurgeAllAskThenRemoveTheListedGamesButNotTheOneInProgress)
{
    m_prompts.Answer({IDNO, IDYES, IDNO, IDYES});
    Ann().StartGame(QStringLiteral("A 16 piece game"));
    Run([&](CStatsDlg& dlg) {
        EXPECT_EQ(Shown(dlg), QStringList({kOld, kNew, "Purge All"}));
        Games(dlg).setCurrentRow(0);
        for (int i = 0; i < 2; ++i)
            dlg.ClickDlgItem(CStatsDlg::kPurgeId);
        EXPECT_EQ(Shown(dlg), QStringList({kNew, "Purge All", "Print"}));
        EXPECT_TRUE(Games(dlg).selectedItems().isEmpty() && dlg.ReportText().isEmpty());
        EXPECT_TRUE(ReadRaw("Ann0.ply").count("Start Game Stats") == 2 && !ReadRaw("Ann0.ply").contains("03:41:07"));
        Games(dlg).setCurrentRow(0);  // Purge goes off with the games
        for (int i = 0; i < 2; ++i)
            dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_EQ(Shown(dlg), QStringList({"Print"}));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(Said(m_prompts), QStringList({"Confirmation: Are you sure you want to delete this record?",
                                            "Confirmation: Are you sure you want to delete this record?",
                                            "Confirmation: Are you sure you want ALL records for this player?",
                                            "Confirmation: Are you sure you want ALL records for this player?"}));
    ASSERT_EQ(Ann().m_records.size(), 1u);
    EXPECT_EQ(Ann().m_records[0].get(), Ann().m_pCurrentStats);
    EXPECT_TRUE(ReadRaw("Ann0.ply").count("Start Game Stats") == 1 && ReadRaw("Ann0.ply").contains("10:05:00"));
    Run([](CStatsDlg& dlg) {
        EXPECT_EQ(Shown(dlg), QStringList({"Purge All"}));
        dlg.EndDialog(IDOK);
    });
}

// Catches a dialog that opens, or says something else, without a player to show.
TEST_F(PlayerDlgTest, StatisticsWithoutAPlayerSaySoAndClose)
{
    m_modals.Then([](CDialog& dlg) { EXPECT_TRUE(dlg.IsEnded()); });  // ended while opening
    CStatsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(Said(m_prompts), QStringList({"Error: No Valid Player Selected!"}));
}
