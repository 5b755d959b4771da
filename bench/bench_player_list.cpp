// Opening the player selection dialog on a players folder of 10,000 players: reading the index,
// filling the sorted list and painting the dialog once. Prints the median of a few openings and
// fails (exit status 1) when the dialog did not list every player.
#include "GameApp.h"
#include "Player.h"
#include "PlayerListBox.h"
#include "SelectPlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPlayers = 10000;
constexpr int kRuns = 5;

bool WriteIndex(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Names in no order, so that every insertion searches the list.
    for (int i = 0; i < kPlayers; ++i) {
        const int nKey = (i * 7919) % kPlayers;
        file.write(QStringLiteral("Player %1\r\nP%1.ply\r\n").arg(nKey).toUtf8());
    }
    return file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir home;
    if (!home.isValid() || !QDir(home.path()).mkdir(QStringLiteral("players"))
        || !WriteIndex(home.filePath(QStringLiteral("players/data")))) {
        std::fprintf(stderr, "bench_player_list: could not write the players folder\n");
        return 1;
    }
    CGameApp app;
    app.m_strHomeDir = home.path() + QLatin1Char('/');
    app.m_pPlayer[0] = std::make_unique<CPlayer>();

    int nListed = -1;
    CDialog::SetModalHook([&nListed](CDialog& dlg) {
        dlg.show();
        dlg.grab();  // lays out and paints the list once
        nListed = dlg.GetDlgItemAs<CPlayerListBox>(CSelectPlayer::kListId)->count();
        dlg.EndDialog(IDCANCEL);
    });
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        nListed = -1;
        QElapsedTimer timer;
        timer.start();
        CSelectPlayer dlg;
        dlg.DoModalFor(0);
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (nListed != kPlayers) {
            std::fprintf(stderr, "bench_player_list: the dialog listed %d of %d players\n", nListed, kPlayers);
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("player selection dialog, %d players: median %.1f ms (budget 300 ms)\n", kPlayers,
                times[times.size() / 2]);
    return 0;
}
