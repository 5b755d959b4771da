// Start-up time: from just before a process is started to its window's first paint, for the game
// (with the sound setting off, and on: the audio device then opens while the window is built)
// and for two anchors (anchor_startup.cpp: a small QMainWindow with menus, buttons, labels and
// an icon, and a QDialog with a label and a button). Each start runs in a process of its own, in
// a folder holding the game's data; the starts alternate. Prints the medians and the game's
// ratios to the anchors (target against the QMainWindow: 1.25 offscreen, 1.1 under Xvfb). Any
// start that fails, times out or prints no time makes the benchmark fail with exit status 1.
// Offscreen by default, and then once more under xvfb-run when that is installed.
//   bench_startup [runs]      (QT_QPA_PLATFORM chooses the platform and skips the second round)
#include "FirstPaint.h"
#include "GameApp.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 20000;
const QStringList kModes = {"game", "game+sound", "mainwindow", "dialog"};

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
    const QString strProgram = strMode.startsWith(QLatin1String("game"))
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

// A folder with the game's data and an empty players folder; with bSound the sound setting on.
bool PrepareFolder(const QString& strFolder, bool bSound)
{
    if (!CopyGameData(QStringLiteral(ZORBLY_SOURCE_DIR "/data"), strFolder + "data/")
        || !QDir().mkpath(strFolder + "players"))
        return false;
    QFile setting(strFolder + "data/Sound.dat");
    return !bSound || (setting.open(QIODevice::WriteOnly) && setting.write("TRUE\r\n") == 6);
}

// The same benchmark on a virtual X server, when one can be had: its exit status, or 0 without.
int RunUnderXvfb(int nRuns)
{
    const QString strXvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (strXvfbRun.isEmpty()) {
        std::printf("xvfb-run is not installed: no figures under X\n");
        return 0;
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(strXvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x900x24"),
                               QCoreApplication::applicationFilePath(), QString::number(nRuns)});
    const bool bFinished = process.waitForFinished(-1);
    if (bFinished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return 0;
    std::fprintf(stderr, "bench_startup: the round under xvfb-run failed\n");
    return 1;
}

void PrintRatio(const char* szWhat, double dRatio, double dTarget)
{
    std::printf("  %-24s %6.2f", szWhat, dRatio);
    if (dTarget > 0)
        std::printf("   (target at most %.2f: %s)", dTarget, dRatio <= dTarget ? "met" : "NOT met");
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool bPlatformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!bPlatformChosen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3)
        return RunGame(argc, argv, QByteArray(argv[2]).toLongLong());

    QCoreApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir home;  // removed on every way out
    const QString strQuiet = home.path() + QStringLiteral("/quiet/");
    const QString strSound = home.path() + QStringLiteral("/sound/");
    if (!home.isValid() || !PrepareFolder(strQuiet, false) || !PrepareFolder(strSound, true)) {
        std::fprintf(stderr, "bench_startup: could not prepare a game folder\n");
        return 1;
    }
    std::map<QString, std::vector<qint64>> times;
    for (int i = 0; i < nRuns; ++i) {
        for (const QString& strMode : kModes) {
            const qint64 nNs = TimeStart(strMode, strMode == QLatin1String("game+sound") ? strSound : strQuiet);
            if (nNs < 0)
                return 1;
            times[strMode].push_back(nNs);
        }
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const double dGame = MedianMs(times["game"]);
    const double dMainWindow = MedianMs(times["mainwindow"]);
    const double dDialog = MedianMs(times["dialog"]);
    std::printf("platform %s, %d starts each, start of the process to first paint (medians):\n",
                platform.constData(), nRuns);
    std::printf("  game window              %6.1f ms\n", dGame);
    std::printf("  game window, sounds on   %6.1f ms\n", MedianMs(times["game+sound"]));
    std::printf("  QMainWindow anchor       %6.1f ms\n", dMainWindow);
    std::printf("  QDialog anchor           %6.1f ms\n", dDialog);
    const double dTarget = platform == "offscreen" ? 1.25 : platform == "xcb" ? 1.1 : 0;
    PrintRatio("game / QMainWindow", dGame / dMainWindow, dTarget);
    PrintRatio("game / QDialog", dGame / dDialog, 0);
    std::fflush(stdout);
    return bPlatformChosen ? 0 : RunUnderXvfb(nRuns);
}
