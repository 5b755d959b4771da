// The game's timer ticks over whole one-player games against the computer, the window shown
// offscreen, with the tests' fakes for sound and message boxes: every tick of the game window
// (rolls, the computer's move, the caret) and of the board (blinking) is timed on its own, the
// window's paints run between them. Prints the slowest tick, the 99th percentile and the median,
// on the wall clock and in the thread's own processor time (on a busy machine the wall clock
// also counts the time the thread was not running); each tick should stay under 1 ms. Fails
// when no game could be played.
//   bench_game_ticks [games]
#include "BoardWnd.h"
#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "GameApp.h"
#include "PieceButton.h"
#include "Random.h"
#include "SetupDlg.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kMaxTicksPerGame = 20000;  // a game that does not end is a failure, not a hang
constexpr int kCaretTicksPerTurn = 2;

// The dialogs of a game: one player ("Ann"), a large board with every operation and both signs,
// sounds on; the set-up after the game ends the run.
void RunScriptedDialog(CDialog& dlg, int& nSetups)
{
    switch (dlg.Template().nId) {
    case 132:
        if (++nSetups > 1)
            return dlg.EndDialog(IDCANCEL);
        dlg.CheckRadioButton(1016, 1017, 1016);
        dlg.CheckRadioButton(1027, 1030, 1030);
        for (int nId = 1020; nId <= 1023; ++nId)
            dlg.CheckDlgButton(nId, true);
        dlg.CheckRadioButton(1024, 1026, 1026);
        dlg.CheckDlgButton(1050, true);
        return dlg.ClickDlgItem(IDOK);
    case 143:
        dlg.SetDlgItemText(1029, QStringLiteral("Ann"));
        dlg.OnCommand(1029, EN_CHANGE);
        return dlg.ClickDlgItem(IDOK);
    default:
        return dlg.EndDialog(IDOK);  // the start-up picture, the game's message boxes
    }
}

double NowUs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The times of one kind of tick, on the wall clock and in the thread's processor time.
struct CTickTimes {
    std::vector<double> wallUs;
    std::vector<double> threadUs;
    void Append(const CTickTimes& other)
    {
        wallUs.insert(wallUs.end(), other.wallUs.begin(), other.wallUs.end());
        threadUs.insert(threadUs.end(), other.threadUs.begin(), other.threadUs.end());
    }
};

class CTickReplay {
public:
    explicit CTickReplay(CGameApp& app) : m_app(app), m_dlg(app.m_gameDlg) {}

    // Plays one game to its end; false when it did not start or did not end.
    bool PlayGame()
    {
        m_dlg.m_bGameInProgress = false;
        m_app.OnNewPlayers();
        m_dlg.m_bGameInProgress = true;
        if (m_dlg.m_bFirstSetUp)
            return false;
        for (int nTick = 0; nTick < kMaxTicksPerGame; ++nTick) {
            if (m_dlg.Board()->m_bBoardEmpty)
                return true;
            if (m_dlg.m_nTurnPhase != 0 || ++m_nIdleTicks <= kCaretTicksPerTurn) {
                Tick();
                continue;
            }
            m_nIdleTicks = 0;
            Move();
        }
        return false;
    }

    CTickTimes m_gameTicks;
    CTickTimes m_boardTicks;

private:
    template <class Handler>
    static void Time(CTickTimes& times, Handler handler)
    {
        const double dWall = NowUs(CLOCK_MONOTONIC);
        const double dThread = NowUs(CLOCK_THREAD_CPUTIME_ID);
        handler();
        times.threadUs.push_back(NowUs(CLOCK_THREAD_CPUTIME_ID) - dThread);
        times.wallUs.push_back(NowUs(CLOCK_MONOTONIC) - dWall);
        QCoreApplication::processEvents();  // the paints asked for, and what was posted, after the tick
    }

    void Tick()
    {
        Time(m_gameTicks, [this] { m_dlg.OnTimer(); });
        // The board's timer runs every 500 ms against the game's 300 ms.
        if (++m_nGameTicks % 5 == 0 || m_nGameTicks % 5 == 3)
            Time(m_boardTicks, [this] { m_dlg.Board()->OnTimer(); });
    }

    // The human takes the best piece or passes without one; on the computer's turn the human
    // clicks the piece the computer chose.
    void Move()
    {
        CBoardWnd* pBoard = m_dlg.Board();
        if (m_dlg.m_nBestIndex == -1)
            return m_dlg.OnPass();
        if (m_dlg.CurrentPlayer() == 0)
            m_dlg.ShowCatalogueExpression(m_dlg.m_nBestIndex, true);
        if (CPieceButton* pPiece = pBoard->Piece(m_dlg.m_nBestPlace))
            pPiece->click();
    }

    CGameApp& m_app;
    CGameDlg& m_dlg;
    int m_nIdleTicks = 0;
    int m_nGameTicks = 0;
};

void Report(const char* szWhat, const char* szClock, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto At = [&](double dFraction) { return samples[std::size_t(dFraction * double(samples.size() - 1))]; };
    std::printf("  %-18s %-12s %5zu ticks   max %8.1f us   p99 %7.1f us   median %6.1f us\n", szWhat, szClock,
                samples.size(), samples.back(), At(0.99), At(0.5));
}

void Report(const char* szWhat, const CTickTimes& times)
{
    Report(szWhat, "wall clock", times.wallUs);
    Report(szWhat, "thread time", times.threadUs);
}

bool PrepareFolder(const QTemporaryDir& home)
{
    const QDir source(QStringLiteral(ZORBLY_SOURCE_DIR "/data"));
    if (!home.isValid() || !QDir(home.path()).mkpath(QStringLiteral("data")) ||
        !QDir(home.path()).mkpath(QStringLiteral("players")))
        return false;
    const QStringList files = source.entryList({"*.A", "*.P", "*.N", "zorb.bmp", "zorb.dat"});
    return !files.isEmpty() && std::all_of(files.begin(), files.end(), [&](const QString& strName) {
        return QFile::copy(source.filePath(strName), home.filePath(QStringLiteral("data/") + strName));
    });
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nGames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir home;  // removed on every way out
    if (!PrepareFolder(home) || !QDir::setCurrent(home.path())) {
        std::fprintf(stderr, "bench_game_ticks: could not prepare a game folder\n");
        return 1;
    }
    CFakePrompts prompts;
    CFakeSoundPlayer sounds;
    CTickTimes gameTicks;
    CTickTimes boardTicks;
    for (int nGame = 0; nGame < nGames; ++nGame) {
        int nSetups = 0;
        CDialog::SetModalHook([&nSetups](CDialog& dlg) { RunScriptedDialog(dlg, nSetups); });
        CGameApp app;
        app.CSeriesApp::InitInstance({});
        app.m_gameDlg.Create();
        app.m_gameDlg.show();
        QCoreApplication::processEvents();
        CRandom::Seed(1000 + nGame);
        CTickReplay replay(app);
        if (!replay.PlayGame()) {
            std::fprintf(stderr, "bench_game_ticks: game %d did not %s\n", nGame + 1,
                         app.m_gameDlg.m_bFirstSetUp ? "start" : "end");
            return 1;
        }
        gameTicks.Append(replay.m_gameTicks);
        boardTicks.Append(replay.m_boardTicks);
    }
    CDialog::SetModalHook({});
    if (gameTicks.wallUs.empty() || boardTicks.wallUs.empty()) {
        std::fprintf(stderr, "bench_game_ticks: no tick was timed\n");
        return 1;
    }
    std::printf("platform %s, %d one-player games against the computer:\n", qgetenv("QT_QPA_PLATFORM").constData(), nGames);
    Report("game window timer", gameTicks);
    Report("board timer", boardTicks);
    return 0;
}
