#include "ProgressChart.h"

#include "GameStats.h"
#include "StartedTime.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <functional>

namespace {

using GameTest = std::function<bool(const CGameStats&)>;
using GameCount = std::function<int(const CGameStats&)>;

struct MarkKind {
    const char* szName;
    QString strLegend;
    QScatterSeries::MarkerShape shape;
    QColor fill;
    GameTest test;
};

const std::vector<MarkKind>& MarkKinds()
{
    static const std::vector<MarkKind> kinds = {
        {"won", QStringLiteral("Won"), QScatterSeries::MarkerShapeStar, QColor(230, 170, 0),
         [](const CGameStats& r) { return r.m_bFinished && !r.m_bNotWon; }},
        {"finished", QStringLiteral("Finished, not won"), QScatterSeries::MarkerShapeCircle,
         QColor(0, 153, 51), [](const CGameStats& r) { return r.m_bFinished && r.m_bNotWon; }},
        {"notFinished", QStringLiteral("Not finished"), QScatterSeries::MarkerShapeRectangle,
         Qt::white, [](const CGameStats& r) { return !r.m_bFinished; }},
    };
    return kinds;
}

struct CountKind {
    const char* szName;
    QString strLegend;
    QColor colour;
    GameCount count;
};

const std::vector<CountKind>& CountKinds()
{
    static const std::vector<CountKind> kinds = {
        {"hints", QStringLiteral("Hints taken"), QColor(102, 204, 255),
         [](const CGameStats& r) { return r.m_nOptimalHints + r.m_nOperatorHints; }},
        {"passes", QStringLiteral("Passes"), QColor(255, 200, 90),
         [](const CGameStats& r) { return r.m_nPasses; }},
        {"missedMoves", QStringLiteral("Missed best moves"), QColor(230, 110, 110),
         [](const CGameStats& r) { return r.m_nMissedMoves; }},
    };
    return kinds;
}

int Largest(const std::vector<CGameStats*>& games, const GameCount& count)
{
    int nMax = 0;
    for (const CGameStats* pGame : games)
        nMax = std::max(nMax, count(*pGame));
    return nMax;
}

int LargestCount(const std::vector<CGameStats*>& games)
{
    int nMax = 0;
    for (const CountKind& kind : CountKinds())
        nMax = std::max(nMax, Largest(games, kind.count));
    return nMax;
}

// A whole-number step that gives at most eight steps up to `nMax`: 1, 2, 5, 10, 20, 50 …
int TickStep(int nMax)
{
    for (int nStep = 1;; nStep *= 10) {
        for (int nFactor : {1, 2, 5}) {
            if (nMax <= 8 * nStep * nFactor)
                return nStep * nFactor;
        }
    }
}

void Attach(QChart& chart, QAbstractSeries* pSeries, QValueAxis* pAxis)
{
    chart.addSeries(pSeries);
    pSeries->attachAxis(chart.axes(Qt::Horizontal).constFirst());
    pSeries->attachAxis(pAxis);
}

} // namespace

CProgressChart::CProgressChart(QWidget* pParent) : QChartView(pParent)
{
    setRenderHint(QPainter::Antialiasing);
}

QString CProgressChart::GameLabel(int nGame, const CGameStats& record)
{
    // Month and day as the records write them, short enough for a dozen games side by side.
    const QDateTime dtStarted = CStartedTime::Parse(record.m_strStarted);
    const QString strDay = dtStarted.isValid() ? dtStarted.toString(QStringLiteral("M/d"))
                                               : QStringLiteral("?");
    return QStringLiteral("%1<br>%2").arg(nGame).arg(strDay);
}

void CProgressChart::ShowGames(const QString& strPlayer, const std::vector<CGameStats*>& games)
{
    auto* pChart = new QChart;
    pChart->setTitle(strPlayer.toHtmlEscaped());  // a title is shown as rich text
    pChart->legend()->setAlignment(Qt::AlignBottom);
    pChart->addAxis(MakeGamesAxis(games), Qt::AlignBottom);
    QValueAxis* pScoreAxis = MakeValueAxis(
        QStringLiteral("Score"), Largest(games, [](const CGameStats& r) { return r.m_nScore; }));
    QValueAxis* pCountAxis = MakeValueAxis(QStringLiteral("Number of times"), LargestCount(games));
    pChart->addAxis(pScoreAxis, Qt::AlignLeft);
    pChart->addAxis(pCountAxis, Qt::AlignRight);
    // The bars first, so that the score line and its marks lie over them.
    AddCounts(*pChart, games, pCountAxis);
    AddScores(*pChart, games, pScoreAxis);
    QChart* pOld = chart();
    setChart(pChart);
    delete pOld;
    Describe(*this, strPlayer, games);
}

QBarCategoryAxis* CProgressChart::MakeGamesAxis(const std::vector<CGameStats*>& games)
{
    auto* pAxis = new QBarCategoryAxis;
    pAxis->setObjectName(QStringLiteral("games"));
    pAxis->setTitleText(QStringLiteral("Games in the order played"));
    for (std::size_t i = 0; i < games.size(); ++i)
        pAxis->append(GameLabel(static_cast<int>(i) + 1, *games[i]));
    return pAxis;
}

QValueAxis* CProgressChart::MakeValueAxis(const QString& strTitle, int nMax)
{
    auto* pAxis = new QValueAxis;
    pAxis->setTitleText(strTitle);
    pAxis->setLabelFormat(QStringLiteral("%d"));
    const int nStep = TickStep(std::max(nMax, 1));
    const int nTop = (std::max(nMax, 1) + nStep - 1) / nStep * nStep;
    pAxis->setRange(0, nTop);
    pAxis->setTickCount(nTop / nStep + 1);
    pAxis->setMinorTickCount(0);
    return pAxis;
}

void CProgressChart::AddCounts(QChart& chart, const std::vector<CGameStats*>& games,
                               QValueAxis* pAxis)
{
    auto* pSeries = new QBarSeries;
    pSeries->setObjectName(QStringLiteral("counts"));
    for (const CountKind& kind : CountKinds()) {
        auto* pSet = new QBarSet(kind.strLegend);
        pSet->setObjectName(QLatin1String(kind.szName));
        pSet->setColor(kind.colour);
        pSet->setBorderColor(kind.colour.darker(130));
        for (const CGameStats* pGame : games)
            pSet->append(kind.count(*pGame));
        pSeries->append(pSet);
    }
    Attach(chart, pSeries, pAxis);
}

void CProgressChart::AddScores(QChart& chart, const std::vector<CGameStats*>& games,
                               QValueAxis* pAxis)
{
    auto* pLine = new QLineSeries;
    pLine->setObjectName(QStringLiteral("score"));
    pLine->setName(QStringLiteral("Score"));
    pLine->setPen(QPen(QColor(0, 70, 160), 2.5));
    for (std::size_t i = 0; i < games.size(); ++i)
        pLine->append(static_cast<double>(i), games[i]->m_nScore);
    Attach(chart, pLine, pAxis);
    for (const MarkKind& kind : MarkKinds()) {
        auto* pMarks = new QScatterSeries;
        pMarks->setObjectName(QLatin1String(kind.szName));
        pMarks->setName(kind.strLegend);
        pMarks->setMarkerShape(kind.shape);
        pMarks->setMarkerSize(kind.shape == QScatterSeries::MarkerShapeStar ? 18 : 11);
        pMarks->setBrush(kind.fill);
        pMarks->setPen(QPen(QColor(60, 60, 60), 1.5));
        for (std::size_t i = 0; i < games.size(); ++i) {
            if (kind.test(*games[i]))
                pMarks->append(static_cast<double>(i), games[i]->m_nScore);
        }
        Attach(chart, pMarks, pAxis);
    }
}

// What a screen reader says of the chart.
void CProgressChart::Describe(QWidget& view, const QString& strPlayer,
                              const std::vector<CGameStats*>& games)
{
    view.setAccessibleName(QStringLiteral("Progress chart of %1").arg(strPlayer));
    if (games.empty())
        return;
    view.setAccessibleDescription(QStringLiteral("%1 games. The first scored %2, the last %3.")
                                      .arg(games.size())
                                      .arg(games.front()->m_nScore)
                                      .arg(games.back()->m_nScore));
}
