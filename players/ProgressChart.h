#pragma once

#include <QChartView>
#include <QString>
#include <vector>

class CGameStats;
class QBarCategoryAxis;
class QValueAxis;

// A player's games in the order played, each labelled with its number and date: the score as
// a line, every game marked as won, finished or not finished, and the hints taken, passes and
// missed best moves as bars against a scale of their own. The series are named "score", "won",
// "finished", "notFinished" and "counts" (bar sets "hints", "passes", "missedMoves").
class CProgressChart : public QChartView {
    Q_OBJECT
public:
    explicit CProgressChart(QWidget* pParent = nullptr);

    void ShowGames(const QString& strPlayer, const std::vector<CGameStats*>& games);
    // The label of game `nGame` (from 1) under the chart: its number over the day it started.
    static QString GameLabel(int nGame, const CGameStats& record);

private:
    static QBarCategoryAxis* MakeGamesAxis(const std::vector<CGameStats*>& games);
    static QValueAxis* MakeValueAxis(const QString& strTitle, int nMax);
    static void AddCounts(QChart& chart, const std::vector<CGameStats*>& games, QValueAxis* pAxis);
    static void AddScores(QChart& chart, const std::vector<CGameStats*>& games, QValueAxis* pAxis);
    static void Describe(QWidget& view, const QString& strPlayer,
                         const std::vector<CGameStats*>& games);
};
