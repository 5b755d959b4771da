// The progress chart of the statistics dialog: every listed game charted as its record says,
// drawn and saved as a picture, and a plain note where there is too little to chart.

#include "FakeSaveDialog.h"
#include "PlayerDlgFixture.h"
#include "ProgressChart.h"
#include "ProgressDlg.h"
#include "StatsDlg.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QImage>
#include <QXYSeries>

namespace {

QAbstractSeries* Series(QChart& chart, const QString& strName)
{
    for (QAbstractSeries* pSeries : chart.series())
        if (pSeries->objectName() == strName)
            return pSeries;
    return nullptr;
}

// The points of a line or of marks as "game:score", games counted from 0.
QStringList Points(QChart& chart, const QString& strName)
{
    QStringList points;
    if (auto* pSeries = qobject_cast<QXYSeries*>(Series(chart, strName)))
        for (const QPointF& pt : pSeries->points())
            points << QString("%1:%2").arg(pt.x()).arg(pt.y());
    return points;
}

// The bars of each set, set by set, as "name: values".
QStringList Bars(QChart& chart)
{
    QStringList bars;
    if (auto* pSeries = qobject_cast<QBarSeries*>(Series(chart, "counts")))
        for (QBarSet* pSet : pSeries->barSets()) {
            QStringList values;
            for (int i = 0; i < pSet->count(); ++i)
                values << QString::number(pSet->at(i));
            bars << pSet->objectName() + ": " + values.join(" ");
        }
    return bars;
}

int PixelsOf(const QImage& image, QColor colour)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nCount += image.pixelColor(x, y) == colour;
    return nCount;
}

}  // namespace

// Catches a game charted out of order, in another game's place or twice, the game in progress
// charted, a score, hint (both kinds together), pass or missed-move count not the record's, a
// game marked as won, finished or not finished against its flags, games labelled without their
// number and day, and a picture saved empty, not of the chart, or not at all.
TEST_F(PlayerDlgTest, TheProgressChartShowsEachGameAsItsRecordSaysAndSavesAsAPicture)
{
    WriteIndex({"Ann", "Ann0.ply"});
    WritePlayer("Ann", "Ann0.ply", {{12, true, true, 1, 0, 0, 2}, {7, true, false, 2, 3, 1, 3},
                                    {3, false, false, 0, 0, 2, 0}, {20, true, true, 0, 1, 0, 1}});
    CPlayer& ann = Seat(0, "Ann", "Ann0.ply");
    ann.StartGame("A 10 piece game");
    CFakeSaveDialog saveDialog;
    saveDialog.m_strAnswer = m_home.path() + "/ann.png";
    QSize chartSize;
    m_modals.Then([](CDialog& dlg) {
        dlg.ClickDlgItem(CStatsDlg::kProgressId);
        dlg.EndDialog(IDOK);
    });
    m_modals.Then([&](CDialog& dlg) {
        auto* pView = dlg.GetDlgItemAs<CProgressChart>(CProgressDlg::kChartId);
        ASSERT_TRUE(pView && dlg.IsDlgItemVisible(CProgressDlg::kChartId));
        QChart& chart = *pView->chart();
        EXPECT_EQ(Points(chart, "score"), QStringList({"0:12", "1:7", "2:3", "3:20"}));
        EXPECT_EQ(Points(chart, "won"), QStringList({"0:12", "3:20"}));
        EXPECT_EQ(Points(chart, "finished"), QStringList({"1:7"}));
        EXPECT_EQ(Points(chart, "notFinished"), QStringList({"2:3"}));
        EXPECT_EQ(Bars(chart), QStringList({"hints: 1 5 0 1", "passes: 0 1 2 0", "missedMoves: 2 3 0 1"}));
        auto* pAxis = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Horizontal).value(0));
        ASSERT_TRUE(pAxis);
        EXPECT_EQ(pAxis->categories(), QStringList({"1<br>1/2", "2<br>1/3", "3<br>1/4", "4<br>1/5"}));
        chartSize = pView->size();
        dlg.ClickDlgItem(CProgressDlg::kSavePictureId);
        dlg.EndDialog(IDOK);
    });
    CStatsDlg dlg;
    dlg.m_pShownPlayer = &ann;
    dlg.DoModal();

    EXPECT_EQ(saveDialog.m_asked, QStringList({"Save Picture: " + CSaveDialog::InDocuments("Ann progress.png")}));
    const QImage image(saveDialog.m_strAnswer);
    EXPECT_EQ(image.size(), chartSize);
    for (const QColor& colour : {QColor(102, 204, 255), QColor(255, 200, 90), QColor(230, 110, 110), QColor(230, 170, 0)})
        EXPECT_GT(PixelsOf(image, colour), 20) << colour.name().toStdString();
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches an empty or one-point chart drawn instead of a note, a note that does not say why,
// a picture offered of nothing, and a picture that could not be saved not reported.
TEST_F(PlayerDlgTest, TheProgressDialogSaysSoWhenThereIsTooLittleToChartOrNoPictureSaved)
{
    const struct {
        std::vector<PlayedGame> games;
        QString strNote;
    } cases[] = {{{}, "Ann has no games to chart yet."},
                 {{{5, true, false, 0, 0, 0, 0}}, "Ann has played one game so far. The chart starts with the second."},
                 {{{5, true, false, 0, 0, 0, 0}, {6, false, false, 0, 0, 0, 0}}, ""}};
    CFakeSaveDialog saveDialog;
    saveDialog.m_strAnswer = m_home.path() + "/missing/ann.png";
    int nFile = 0;
    for (const auto& c : cases) {
        const QString strFile = QString("Ann%1.ply").arg(nFile++);
        WritePlayer("Ann", strFile, c.games);
        m_modals.Then([&](CDialog& dlg) {
            EXPECT_EQ(dlg.IsDlgItemVisible(CProgressDlg::kNoteId), !c.strNote.isEmpty());
            EXPECT_EQ(dlg.IsDlgItemVisible(CProgressDlg::kChartId), c.strNote.isEmpty());
            EXPECT_EQ(dlg.IsDlgItemEnabled(CProgressDlg::kSavePictureId), c.strNote.isEmpty());
            EXPECT_EQ(dlg.GetDlgItemText(CProgressDlg::kNoteId), c.strNote);
            dlg.ClickDlgItem(CProgressDlg::kSavePictureId);
        });
        CProgressDlg dlg;
        dlg.m_pShownPlayer = &Seat(0, "Ann", strFile);
        dlg.DoModal();
    }
    EXPECT_EQ(Said(m_prompts), QStringList({"Save Picture: Unable to save the picture in " + saveDialog.m_strAnswer + "."}));
}
