#pragma once

#include "AudioDevice.h"
#include "Sound.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>

// The real player, on SDL2's own audio: each wave file is loaded once and converted to the
// device's format, and one sound plays at a time, a new one replacing it. The device opens in
// the background (StartAudio, or the first sound); a play-and-go-on asked for meanwhile plays as
// soon as it is open, a play-and-wait waits for it. Without an audio device, or with a missing or
// bad file, every call is silent and returns.
class CSdlSoundPlayer : public QObject, public ISoundPlayer {
public:
    CSdlSoundPlayer() = default;

    bool Play(const QString& strPath, bool bWait) override;
    void Pace(const QString& strPath) override;

    // Starts opening the audio device in the background, unless that has begun already.
    void StartAudio();
    // Opens the audio device and waits until it is open or has failed; false when there is none.
    bool OpenAudio();
    // Length in milliseconds of a clip, known without a device; -1 when it cannot be loaded.
    int ClipLengthMs(const QString& strPath);
    // Milliseconds of sound still waiting to play; 0 when nothing plays.
    int RemainingMs() const;

private:
    const QByteArray* Clip(const QString& strPath);
    void PlayPending();
    bool WaitForDevice();
    // Holds the game until `fnDone` or `nMaxMs` have passed; the window keeps painting meanwhile.
    static void HoldUntil(const std::function<bool()>& fnDone, int nMaxMs);

    CAudioDevice m_device;
    std::map<QString, std::optional<QByteArray>> m_clips;  // nullopt: a file that would not load
    std::map<QString, int> m_lengths;                      // -1: not a wave file
    QString m_strPending;  // a play-and-go-on asked for while the device was opening
};
