// Start-up time: from the start of the program (the application's construction) to the game
// window's first paint, offscreen, beside an empty QDialog started the same way in the same run.
// Each start runs in a process of its own. Prints both medians and their ratio.
#include "GameApp.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <cstdio>
#include <vector>

namespace {

// Notes the first paint of the window it watches.
class CPaintSpy : public QObject {
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            m_bPainted = true;
        return false;
    }
    bool m_bPainted = false;
};

void WaitForPaint(const CPaintSpy& spy)
{
    while (!spy.m_bPainted)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// One start in this process: the application, then a window shown until its first paint.
qint64 StartOnce(bool bGame, QElapsedTimer& timer)
{
    CPaintSpy spy;
    if (!bGame) {
        QDialog dlg;
        dlg.installEventFilter(&spy);
        dlg.show();
        WaitForPaint(spy);
        return timer.nsecsElapsed();
    }
    CGameApp app;
    app.CSeriesApp::InitInstance({});
    app.m_gameDlg.installEventFilter(&spy);
    app.m_gameDlg.Create();
    app.m_gameDlg.show();
    WaitForPaint(spy);
    const qint64 nElapsed = timer.nsecsElapsed();
    app.m_gameDlg.QuitGame(1);
    return nElapsed;
}

// Runs this program once per start, so each start pays for the whole application start-up.
qint64 TimeStart(const QString& strProgram, const QString& strMode)
{
    QProcess process;
    process.start(strProgram, {strMode});
    process.waitForFinished(60000);
    return process.readAllStandardOutput().trimmed().toLongLong();
}

qint64 Median(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer timer;
    timer.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2) {
        // A child run: one start, its time printed in nanoseconds.
        const bool bGame = std::strcmp(argv[1], "game") == 0;
        QApplication application(argc, argv);
        QTemporaryDir home;
        QDir::setCurrent(home.path());
        QDir().mkpath(QStringLiteral("data"));
        // Dialogs that the opening shows modally end at once.
        CDialog::SetModalHook([](CDialog& dlg) { dlg.EndDialog(IDOK); });
        std::printf("%lld\n", static_cast<long long>(StartOnce(bGame, timer)));
        return 0;
    }
    QCoreApplication application(argc, argv);
    const QString strProgram = QCoreApplication::applicationFilePath();
    constexpr int kRuns = 15;
    std::vector<qint64> dialogTimes, gameTimes;
    for (int i = 0; i < kRuns; ++i) {
        dialogTimes.push_back(TimeStart(strProgram, QStringLiteral("dialog")));
        gameTimes.push_back(TimeStart(strProgram, QStringLiteral("game")));
    }
    const double dDialogMs = Median(dialogTimes) / 1e6;
    const double dGameMs = Median(gameTimes) / 1e6;
    std::printf("empty QDialog, start to first paint: %.1f ms\n", dDialogMs);
    std::printf("game window, start to first paint:   %.1f ms\n", dGameMs);
    std::printf("ratio: %.2f (budget 2.00)\n", dGameMs / dDialogMs);
    return 0;
}
