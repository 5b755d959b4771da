// Plays one wave file several times, each play-and-wait, through the game's real sound player,
// and prints when each play started and returned. tools/measure-sound.sh records what comes out.
// Usage: play_sound <file.wav> [count]     (environment: PLAY_SOUND_SETTLE, see below)

#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: play_sound <file.wav> [count]\n");
        return 2;
    }
    const QString strPath = QString::fromLocal8Bit(argv[1]);
    const int nCount = argc > 2 ? std::atoi(argv[2]) : 3;

    CSdlSoundPlayer player;
    if (!player.OpenAudio()) {
        std::fprintf(stderr, "play_sound: no audio device\n");
        return 1;
    }
    const int nClipMs = player.ClipLengthMs(strPath);
    if (nClipMs < 0) {
        std::fprintf(stderr, "play_sound: cannot load %s\n", argv[1]);
        return 1;
    }
    std::printf("clip %d ms\n", nClipMs);
    // PLAY_SOUND_SETTLE lets a freshly opened output stream settle before the first sound: a
    // PulseAudio stream drops a few milliseconds of what it is given as it starts.
    if (qEnvironmentVariableIsSet("PLAY_SOUND_SETTLE"))
        QThread::msleep(300);
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= nCount; ++i) {
        const double dStart = clock.nsecsElapsed() / 1e6;
        player.Play(strPath, true);
        const double dEnd = clock.nsecsElapsed() / 1e6;
        std::printf("play %d: called at %.1f ms, returned at %.1f ms (%.1f ms)\n", i, dStart, dEnd, dEnd - dStart);
    }
    // The last sound's tail is still in the device's buffer when its channel stops; closing the
    // device at once would cut it off.
    QThread::msleep(300);
    return 0;
}
