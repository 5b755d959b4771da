// The progress chart of the statistics dialog: every listed game charted as its record says,
// drawn and saved as a picture, and a plain note where there is too little to chart.

#include "FakeSaveDialog.h"
#include "PlayerDlgFixture.h"
#include "ProgressChart.h"
#include "ProgressDlg.h"
#include "StatsDlg.h"

#include <QBarCategoryAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QImage>
#include <QValueAxis>
#include <QXYSeries>

namespace {

// The values of the series named `strName`: a line's or marks' points as "game:score" (games
// counted from 0), bars set by set as "set: values".
QStringList Values(QChart& chart, const QString& strName)
{
    QStringList values;
    for (QAbstractSeries* pSeries : chart.series()) {
        if (auto* pXY = qobject_cast<QXYSeries*>(pSeries); pXY && pSeries->objectName() == strName)
            for (const QPointF& pt : pXY->points())
                values << QString("%1:%2").arg(pt.x()).arg(pt.y());
        if (auto* pBars = qobject_cast<QBarSeries*>(pSeries); pBars && pSeries->objectName() == strName)
            for (QBarSet* pSet : pBars->barSets()) {
                values << pSet->objectName() + ":";
                for (int i = 0; i < pSet->count(); ++i)
                    values.last() += QString(" %1").arg(pSet->at(i));
            }
    }
    return values;
}

}  // namespace

// Catches a game charted out of order, in another game's place or twice, the game in progress
// charted, a score, hint (both kinds together), pass or missed-move count not the record's, a
// game marked as won, finished or not finished against its flags (a game left while leading is
// marked not finished only), games labelled without their number and day, and a picture saved
// empty, without the bars and marks, or not at all, or a failure to save it not reported.
TEST_F(PlayerDlgTest, TheProgressChartShowsEachGameAsItsRecordSaysAndSavesAsAPicture)
{
    WriteIndex({"Ann", "Ann0.ply"});
    WritePlayer("Ann", "Ann0.ply", {{12, true, true, 1, 0, 0, 2}, {7, true, false, 2, 3, 1, 3},
                                    {3, false, true, 0, 0, 2, 0}, {19, true, true, 0, 1, 0, 1}});
    CPlayer& ann = Seat(0, "Ann", "Ann0.ply");
    ann.StartGame("A 10 piece game");
    CFakeSaveDialog saveDialog;
    saveDialog.m_strAnswer = m_home.path() + "/ann.png";
    QSize chartSize;
    m_modals.Then([](CDialog& dlg) { dlg.ClickDlgItem(CStatsDlg::kProgressId); });
    m_modals.Then([&](CDialog& dlg) {
        auto* pView = dlg.GetDlgItemAs<CProgressChart>(CProgressDlg::kChartId);
        ASSERT_TRUE(pView && dlg.IsDlgItemVisible(CProgressDlg::kChartId));
        QChart& chart = *pView->chart();
        EXPECT_EQ(Values(chart, "score"), QStringList({"0:12", "1:7", "2:3", "3:19"}));
        EXPECT_EQ(Values(chart, "won"), QStringList({"0:12", "3:19"}));
        EXPECT_EQ(Values(chart, "finished"), QStringList({"1:7"}));
        EXPECT_EQ(Values(chart, "notFinished"), QStringList({"2:3"}));
        EXPECT_EQ(Values(chart, "counts"), QStringList({"hints: 1 5 0 1", "passes: 0 1 2 0", "missedMoves: 2 3 0 1"}));
        QStringList legend;
        for (QLegendMarker* pMarker : chart.legend()->markers())
            legend << pMarker->label();
        EXPECT_EQ(legend, QStringList({"Hints taken", "Passes", "Missed best moves", "Score", "Won", "Finished, not won",
                                       "Not finished"}));
        for (QAbstractAxis* pVertical : chart.axes(Qt::Vertical))  // the score on the left, the counts on the right
            legend << pVertical->titleText() + (pVertical->alignment() == Qt::AlignRight ? " right " : " left ")
                          + QString::number(static_cast<QValueAxis*>(pVertical)->max());  // a whole step above the most
        EXPECT_EQ(legend.mid(7), QStringList({"Score left 20", "Number of times right 5"}));
        auto* pAxis = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Horizontal).value(0));
        EXPECT_EQ(pAxis->categories(), QStringList({"1<br>1/2", "2<br>1/3", "3<br>1/4", "4<br>1/5"}));
        chartSize = pView->size();
        dlg.ClickDlgItem(CProgressDlg::kSavePictureId);
        saveDialog.m_strAnswer = m_home.path() + "/missing/ann.png";
        dlg.ClickDlgItem(CProgressDlg::kSavePictureId);
        saveDialog.m_strAnswer = m_home.path() + "/ann.png";
    });
    CStatsDlg dlg;
    dlg.m_pShownPlayer = &ann;
    dlg.DoModal();

    EXPECT_EQ(saveDialog.m_asked, QStringList(2, "Save Picture: " + CSaveDialog::InDocuments("Ann progress.png")));
    const QImage image = QImage(saveDialog.m_strAnswer).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), chartSize);
    const auto* pPixels = reinterpret_cast<const QRgb*>(image.constBits());
    for (const QColor& colour : {QColor(102, 204, 255), QColor(255, 200, 90), QColor(230, 110, 110), QColor(230, 170, 0)})
        EXPECT_GT(std::count(pPixels, pPixels + image.width() * image.height(), colour.rgb()), 20) << colour.name().toStdString();
    EXPECT_EQ(Said(m_prompts), QStringList({"Save Picture: Unable to save the picture in " + m_home.path() + "/missing/ann.png."}));
}

// Catches an empty or one-point chart drawn instead of a note, a note that does not say why, and
// a picture offered of nothing.
TEST_F(PlayerDlgTest, WithFewerThanTwoGamesTheProgressDialogSaysSoInsteadOfCharting)
{
    const std::pair<std::vector<PlayedGame>, QString> cases[] = {
        {{}, "Ann has no games to chart yet."},
        {{{5, true, false, 0, 0, 0, 0}}, "Ann has played one game so far. The chart starts with the second."}};
    for (const auto& [games, strNote] : cases) {
        const QString strFile = QString("Ann%1.ply").arg(games.size());
        WritePlayer("Ann", strFile, games);
        m_modals.Then([&](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(CProgressDlg::kNoteId), strNote);
            EXPECT_TRUE(dlg.IsDlgItemVisible(CProgressDlg::kNoteId) && !dlg.IsDlgItemVisible(CProgressDlg::kChartId));
            EXPECT_FALSE(dlg.IsDlgItemEnabled(CProgressDlg::kSavePictureId));
        });
        CProgressDlg dlg;
        dlg.m_pShownPlayer = &Seat(0, "Ann", strFile);
        dlg.DoModal();
    }
}
