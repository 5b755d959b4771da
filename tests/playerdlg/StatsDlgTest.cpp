// The statistics dialog: games in the order played, the report, Print, Purge and Purge All,
// and the game in progress that is never listed nor purged.

#include "PlayerDlgFixture.h"
#include "StatsDlg.h"
#include "StatsReport.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

const QString kOld = QStringLiteral("12/05/98 at 03:41:07 PM");
const QString kNew = QStringLiteral("01/02/99 at 09:00:00 AM");

QListWidget& Games(CDialog& dlg)
{
    return *dlg.GetDlgItemAs<QListWidget>(CStatsDlg::kGamesId);
}

QStringList ListedStarts(CDialog& dlg)
{
    QStringList starts;
    for (int i = 0; i < Games(dlg).count(); ++i)
        starts << Games(dlg).item(i)->text();
    return starts;
}

class StatsDlgTest : public PlayerDlgTest {
protected:
    StatsDlgTest()
    {
        WriteIndex({"Ann", "Ann0.ply"}, {{"Ann0.ply", {kOld, kNew}}});
        m_ann.m_strName = QStringLiteral("Ann");
        m_ann.m_strFileName = QStringLiteral("Ann0.ply");
        m_ann.Load(Folder());
    }
    int Run(std::function<void(CStatsDlg&)> action)
    {
        m_modals.Then([action](CDialog& dlg) { action(static_cast<CStatsDlg&>(dlg)); });
        CStatsDlg dlg;
        dlg.m_pShownPlayer = &m_ann;
        return dlg.DoModal();
    }
    // The start lines of the games in Ann's file, in file order.
    QStringList StartsInFile() const
    {
        const QStringList lines = QString::fromUtf8(ReadRaw("Ann0.ply")).split(QStringLiteral("\r\n"));
        QStringList starts;
        for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
            if (lines[i] == QStringLiteral("Start Game Stats"))
                starts << lines[i + 2];
        }
        return starts;
    }
    CPlayer m_ann;
};

}  // namespace

// Catches games listed in the text order of their start times (01/02/99 before 12/05/98) or with
// another text, the buttons' states, and a report not of the selected game or not with CR LF.
TEST_F(StatsDlgTest, GamesAreListedInTheOrderPlayedAndASelectedOneShowsItsReport)
{
    Run([&](CStatsDlg& dlg) {
        EXPECT_EQ(ListedStarts(dlg), QStringList({kOld, kNew}));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), "No Game Selected");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPrintId));
        Games(dlg).setCurrentRow(1);
        QString strReport;
        CStatsReport::Build(strReport, "Ann", *m_ann.m_records[1], true);
        EXPECT_EQ(dlg.ReportText(), strReport);
        EXPECT_EQ(dlg.GetDlgItemAs<QPlainTextEdit>(CStatsDlg::kReportId)->toPlainText() + "\n",
                  strReport.replace("\r\n", "\n"));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), QString());
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPrintId));
        dlg.EndDialog(IDOK);
    });
}

// Catches the print file not holding the report (with CR LF on disk) or not handed to the
// viewer, no word when nothing can show it (the message names where it is), and a print file
// that could not be written reported as printed.
TEST_F(StatsDlgTest, PrintWritesTheReportAndOpensItOrSaysWhyNot)
{
    const QString strPath = m_app.m_strHomeDir + "players/stats.txt";
    Run([&](CStatsDlg& dlg) {
        Games(dlg).setCurrentRow(1);
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        EXPECT_EQ(QString::fromUtf8(ReadRaw("stats.txt")), dlg.ReportText());
        EXPECT_EQ(m_viewer.Files(), QStringList({Folder() + "stats.txt"}));
        EXPECT_EQ(m_prompts.Count(), 0);
        m_viewer.m_bOpens = false;
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        ASSERT_EQ(m_prompts.Count(), 1);
        EXPECT_TRUE(m_prompts.Last().m_strText.contains(strPath)) << m_prompts.Last().m_strText.toStdString();
        QDir(Folder()).removeRecursively();
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_prompts.Texts().mid(1), QStringList({"Unable to write statistics!"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
    EXPECT_EQ(m_viewer.Files().size(), 2);
}

// Catches a purge without asking or after No, the wrong record purged, the file not saved, the
// buttons left on, and the game in progress listed or purged (it reaches the file); with only
// that game, Purge All stays available.
TEST_F(StatsDlgTest, PurgeAndPurgeAllAskThenRemoveTheListedGamesButNotTheOneInProgress)
{
    m_ann.StartGame(QStringLiteral("A 16 piece game"));
    const CGameStats* pCurrent = m_ann.m_pCurrentStats;
    m_prompts.Answer({IDNO, IDYES, IDNO, IDYES});
    Run([&](CStatsDlg& dlg) {
        EXPECT_EQ(ListedStarts(dlg), QStringList({kOld, kNew}));
        Games(dlg).setCurrentRow(0);
        dlg.ClickDlgItem(CStatsDlg::kPurgeId);
        EXPECT_EQ(ListedStarts(dlg).size(), 2);
        dlg.ClickDlgItem(CStatsDlg::kPurgeId);
        EXPECT_EQ(ListedStarts(dlg), QStringList({kNew}));
        EXPECT_TRUE(Games(dlg).selectedItems().isEmpty());
        EXPECT_TRUE(dlg.ReportText().isEmpty());
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        EXPECT_EQ(StartsInFile(), QStringList({kNew, "01/02/99 at 10:05:00 AM"}));
        dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_EQ(ListedStarts(dlg).size(), 1);
        dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_TRUE(ListedStarts(dlg).isEmpty());
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Are you sure you want to delete this record?",
                                              "Are you sure you want to delete this record?",
                                              "Are you sure you want ALL records for this player?",
                                              "Are you sure you want ALL records for this player?"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Confirmation");
    ASSERT_EQ(m_ann.m_records.size(), 1u);
    EXPECT_EQ(m_ann.m_records[0].get(), pCurrent);
    EXPECT_EQ(m_ann.m_pCurrentStats, pCurrent);
    EXPECT_EQ(StartsInFile(), QStringList({"01/02/99 at 10:05:00 AM"}));
    Run([](CStatsDlg& dlg) {
        EXPECT_EQ(Games(dlg).count(), 0);
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        dlg.EndDialog(IDOK);
    });
}

// Catches a dialog that opens, or says something else, without a player to show.
TEST_F(PlayerDlgTest, StatisticsWithoutAPlayerSaySoAndClose)
{
    m_modals.Then([](CDialog& dlg) { EXPECT_TRUE(dlg.IsEnded()); });  // ended while opening
    CStatsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_prompts.Texts(), QStringList({"No Valid Player Selected!"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Error");
}
