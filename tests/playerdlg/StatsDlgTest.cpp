// The statistics dialog: games in the order played, the report, Print, Purge and Purge All,
// and the game in progress that is never listed nor purged.

#include "PlayerDlgFixture.h"
#include "StatsDlg.h"

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

// The start lines of the games a player file holds, in file order.
QStringList StartsInFile(const QByteArray& bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    QStringList starts;
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i] == QStringLiteral("Start Game Stats"))
            starts << lines[i + 2];
    }
    return starts;
}

class StatsDlgTest : public PlayerDlgTest {
protected:
    StatsDlgTest()
    {
        WritePlayerFile("Ann", "Ann0.ply", {kOld, kNew});
        m_ann.m_strName = QStringLiteral("Ann");
        m_ann.m_strFileName = QStringLiteral("Ann0.ply");
        m_ann.Load(Folder());
    }
    int Run(std::function<void(CDialog&)> action)
    {
        m_modals.Then(std::move(action));
        CStatsDlg dlg;
        dlg.m_pShownPlayer = &m_ann;
        return dlg.DoModal();
    }
    CPlayer m_ann;
};

}  // namespace

// Catches the text order of the start times (01/02/99 before 12/05/98) and a changed start text.
TEST_F(StatsDlgTest, GamesAreListedInTheOrderPlayedWithTheirStoredStartText)
{
    Run([](CDialog& dlg) {
        EXPECT_EQ(ListedStarts(dlg), QStringList({kOld, kNew}));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), "No Game Selected");
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPrintId));
        dlg.EndDialog(IDOK);
    });
}

TEST_F(StatsDlgTest, SelectingAGameShowsItsReportWithCrLfLineBreaks)
{
    const QString strExpected = QStringLiteral(
        "COGWHISTLE GAME STATISTICS\r\n\r\n"
        "Game Title: A 10 piece game with +* operators and only positive numbers allowed.\r\n"
        "Game Player: Ann\r\n\r\n");
    Run([&](CDialog& dlg) {
        auto& stats = static_cast<CStatsDlg&>(dlg);
        Games(dlg).setCurrentRow(0);
        EXPECT_TRUE(stats.ReportText().startsWith(strExpected)) << stats.ReportText().toStdString();
        EXPECT_TRUE(stats.ReportText().endsWith("took the optimal hint 1 time(s)\r\n"));
        EXPECT_FALSE(stats.ReportText().remove("\r\n").contains('\n'));
        const QString strShown = dlg.GetDlgItemAs<QPlainTextEdit>(CStatsDlg::kReportId)->toPlainText();
        EXPECT_EQ(strShown + "\n", QString(stats.ReportText()).replace("\r\n", "\n"));
        EXPECT_EQ(dlg.GetDlgItemText(CStatsDlg::kSelectedLabelId), QString());
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPrintId));
        dlg.EndDialog(IDOK);
    });
}

// The print file holds the report with CR LF on disk and is handed to the text viewer.
TEST_F(StatsDlgTest, PrintWritesTheReportWithCrLfAndOpensIt)
{
    QString strShown;
    Run([&](CDialog& dlg) {
        Games(dlg).setCurrentRow(1);
        strShown = static_cast<CStatsDlg&>(dlg).ReportText();
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(QString::fromUtf8(ReadRaw("stats.txt")), strShown);
    EXPECT_EQ(m_viewer.Files(), QStringList({Folder() + "stats.txt"}));
    EXPECT_EQ(m_prompts.Count(), 0);
}

TEST_F(StatsDlgTest, PrintThatCannotWriteSaysSoAndOpensNothing)
{
    QDir(Folder()).removeRecursively();
    Run([](CDialog& dlg) {
        Games(dlg).setCurrentRow(0);
        dlg.ClickDlgItem(CStatsDlg::kPrintId);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Unable to write statistics!"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
    EXPECT_TRUE(m_viewer.Files().isEmpty());
}

// No keeps the record; Yes removes the selected one from memory, list and file, and leaves
// nothing selected.
TEST_F(StatsDlgTest, PurgeAsksThenRemovesOnlyTheSelectedGameAndSaves)
{
    m_prompts.Answer({IDNO, IDYES});
    Run([&](CDialog& dlg) {
        Games(dlg).setCurrentRow(0);
        dlg.ClickDlgItem(CStatsDlg::kPurgeId);
        EXPECT_EQ(ListedStarts(dlg).size(), 2);
        dlg.ClickDlgItem(CStatsDlg::kPurgeId);
        EXPECT_EQ(ListedStarts(dlg), QStringList({kNew}));
        EXPECT_TRUE(Games(dlg).selectedItems().isEmpty());
        EXPECT_TRUE(static_cast<CStatsDlg&>(dlg).ReportText().isEmpty());
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Are you sure you want to delete this record?",
                                              "Are you sure you want to delete this record?"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Confirmation");
    ASSERT_EQ(m_ann.m_records.size(), 1u);
    EXPECT_EQ(m_ann.m_records[0]->m_strStarted, kNew);
    EXPECT_EQ(StartsInFile(ReadRaw("Ann0.ply")), QStringList({kNew}));
}

// A live player's game in progress is neither listed nor purged, and reaches the file.
TEST_F(StatsDlgTest, PurgeAllKeepsTheGameInProgress)
{
    m_ann.StartGame(QStringLiteral("A 16 piece game"));
    const CGameStats* pCurrent = m_ann.m_pCurrentStats;
    m_prompts.Answer({IDNO, IDYES});
    Run([&](CDialog& dlg) {
        EXPECT_EQ(ListedStarts(dlg), QStringList({kOld, kNew}));
        dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_EQ(ListedStarts(dlg).size(), 2);
        dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_TRUE(ListedStarts(dlg).isEmpty());
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeId));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Are you sure you want ALL records for this player?",
                                              "Are you sure you want ALL records for this player?"}));
    ASSERT_EQ(m_ann.m_records.size(), 1u);
    EXPECT_EQ(m_ann.m_records[0].get(), pCurrent);
    EXPECT_EQ(m_ann.m_pCurrentStats, pCurrent);
    EXPECT_EQ(StartsInFile(ReadRaw("Ann0.ply")), QStringList({"01/02/99 at 10:05:00 AM"}));
}

TEST_F(StatsDlgTest, OnlyTheGameInProgressListsNothingYetAllowsPurgeAll)
{
    WritePlayerFile("Ann", "Ann0.ply", {});
    m_ann.Clear();
    m_ann.Load(Folder());
    m_ann.StartGame(QStringLiteral("A 16 piece game"));
    m_prompts.SetDefaultAnswer(IDYES);
    Run([](CDialog& dlg) {
        EXPECT_EQ(Games(dlg).count(), 0);
        EXPECT_TRUE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        dlg.ClickDlgItem(CStatsDlg::kPurgeAllId);
        EXPECT_FALSE(dlg.IsDlgItemEnabled(CStatsDlg::kPurgeAllId));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(m_ann.m_records.size(), 1u);
}

TEST_F(PlayerDlgTest, StatisticsWithoutAPlayerSaySoAndClose)
{
    m_modals.Then([](CDialog& dlg) { EXPECT_TRUE(dlg.IsEnded()); });  // ended while opening
    CStatsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(m_prompts.Texts(), QStringList({"No Valid Player Selected!"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Error");
}
