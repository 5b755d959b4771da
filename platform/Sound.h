#pragma once

#include <QString>

// Wave playback in place of the platform's wave call. A caller that wants a sound first checks its
// own sound setting, then makes one call with one of two flags.

inline constexpr int SND_SYNC = 0;   // play and wait until the sound has ended
inline constexpr int SND_ASYNC = 1;  // play and go on at once

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Plays the wave file at `strPath` (relative to the current folder), in place of any sound
    // still playing. With `bWait` the call returns only when the sound has ended. A missing or
    // bad file, or no audio device, is silence. False when nothing was heard.
    virtual bool Play(const QString& strPath, bool bWait) = 0;
    // Holds the game, as a play-and-wait does, for as long as the clip at `strPath` lasts, in
    // silence: the game keeps its pace when its sound cannot be heard. No wait for a bad file.
    virtual void Pace(const QString& strPath) = 0;
};

class CSound {
public:
    // The player every sound goes through; the real one unless a test installed its own.
    static ISoundPlayer& Player();
    // Installs `pPlayer` (not owned); nullptr brings back the real player.
    static void SetPlayer(ISoundPlayer* pPlayer);
    // True while a play-and-wait is under way: the game's timer handlers then do nothing, as
    // though the thread were held.
    static bool IsHolding();
    // Lets the real player start opening the audio device in the background, so that the first
    // sound need not wait for it; nothing when a test installed its own player.
    static void StartAudio();

    // Marks the span of a play-and-wait; players (and fakes) hold one while they wait.
    class CHold {
    public:
        CHold();
        ~CHold();
        CHold(const CHold&) = delete;
        CHold& operator=(const CHold&) = delete;
    };
};

// The program's one wave call: "data\shoop.wav" is written "data/shoop.wav". False when
// nothing was heard (no device, a bad file).
bool sndPlaySound(const QString& strPath, int nFlags);
