// Start-up time: from just before a process is started to its window's first paint, for the game
// and for two anchors (anchor_startup.cpp: a small QMainWindow with menus, buttons, labels and an
// icon, and a QDialog with a label and a button). Each start runs in a process of its own, in a folder
// holding the game's data; the starts of the three alternate. Prints the medians and the game's
// ratio to the QMainWindow anchor (target: 1.25 offscreen, 1.1 under Xvfb). Any start that
// fails, times out or prints no time makes the benchmark fail with exit status 1.
//   bench_startup [runs]      (QT_QPA_PLATFORM=xcb under xvfb-run for the X figures)
#include "FirstPaint.h"
#include "GameApp.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 20000;
const QStringList kModes = {"game", "mainwindow", "dialog"};

// One start of the game in this process, as the child of the benchmark.
int RunGame(int argc, char* argv[], qint64 nStartNs)
{
    QApplication application(argc, argv);
    CFirstPaint spy(nStartNs);
    // The game's dialogs of the opening (the start-up picture) end at once.
    CDialog::SetModalHook([](CDialog& dlg) { dlg.EndDialog(IDOK); });
    CGameApp app;
    if (!app.CSeriesApp::InitInstance({}))
        return 1;
    app.m_gameDlg.installEventFilter(&spy);
    app.m_gameDlg.Create();
    app.m_gameDlg.show();
    return application.exec();
}

bool CopyGameData(const QString& strFrom, const QString& strTo)
{
    QDirIterator it(strFrom, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString strFile = it.next();
        const QString strTarget = strTo + QDir(strFrom).relativeFilePath(strFile);
        if (!QDir().mkpath(QFileInfo(strTarget).path()) || !QFile::copy(strFile, strTarget))
            return false;
    }
    return true;
}

// One start of `strMode` in a process of its own; the time to first paint in nanoseconds, or -1
// with the reason on standard error. The anchors are a program of their own, which links Qt alone.
qint64 TimeStart(const QString& strMode, const QString& strFolder)
{
    const QString strBench = QCoreApplication::applicationFilePath();
    const QString strProgram = strMode == QLatin1String("game")
        ? strBench : QFileInfo(strBench).dir().filePath(QStringLiteral("anchor_startup"));
    QProcess process;
    process.setWorkingDirectory(strFolder);
    const qint64 nStartNs = MonotonicNs();
    process.start(strProgram, {strMode, QString::number(nStartNs)});
    const bool bFinished = process.waitForFinished(kStartTimeoutMs);
    if (!bFinished) {
        process.kill();
        process.waitForFinished();
    }
    bool bNumber = false;
    const qint64 nNs = process.readAllStandardOutput().trimmed().toLongLong(&bNumber);
    if (bFinished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && bNumber
        && nNs > 0)
        return nNs;
    const char* szWhy = bFinished ? "failed"
        : process.error() == QProcess::FailedToStart ? "could not start" : "timed out";
    std::fprintf(stderr, "bench_startup: a %s start %s; it said: %s\n", qPrintable(strMode), szWhy,
                 process.readAllStandardError().constData());
    return -1;
}

double MedianMs(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3)
        return RunGame(argc, argv, QByteArray(argv[2]).toLongLong());

    QCoreApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir home;  // removed on every way out
    const QString strFolder = home.path() + QLatin1Char('/');
    if (!home.isValid() || !CopyGameData(QStringLiteral(ZORBLY_SOURCE_DIR "/data"), strFolder + "data/")
        || !QDir().mkpath(strFolder + "players")) {
        std::fprintf(stderr, "bench_startup: could not prepare a game folder\n");
        return 1;
    }
    std::map<QString, std::vector<qint64>> times;
    for (int i = 0; i < nRuns; ++i) {
        for (const QString& strMode : kModes) {
            const qint64 nNs = TimeStart(strMode, strFolder);
            if (nNs < 0)
                return 1;
            times[strMode].push_back(nNs);
        }
    }
    const double dGame = MedianMs(times["game"]);
    const double dMainWindow = MedianMs(times["mainwindow"]);
    std::printf("platform %s, %d starts each, start of the process to first paint (medians):\n",
                qgetenv("QT_QPA_PLATFORM").constData(), nRuns);
    std::printf("  game window           %6.1f ms\n", dGame);
    std::printf("  QMainWindow anchor    %6.1f ms\n", dMainWindow);
    std::printf("  QDialog anchor        %6.1f ms\n", MedianMs(times["dialog"]));
    std::printf("  game / QMainWindow    %6.2f\n", dGame / dMainWindow);
    return 0;
}
