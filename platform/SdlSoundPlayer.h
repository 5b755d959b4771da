#pragma once

#include "Sound.h"

#include <QString>
#include <map>

struct Mix_Chunk;

// The real player on SDL2_mixer, which mixes on its own audio thread and reports the end of each
// sound reliably. The audio device is opened on first use; each wave file is loaded once.
// Without an audio device, or with a missing or bad file, every call is silent and returns.
class CSdlSoundPlayer : public ISoundPlayer {
public:
    CSdlSoundPlayer() = default;
    ~CSdlSoundPlayer() override;
    CSdlSoundPlayer(const CSdlSoundPlayer&) = delete;
    CSdlSoundPlayer& operator=(const CSdlSoundPlayer&) = delete;

    void Play(const QString& strPath, bool bWait) override;

    // Opens the audio device if that has not been tried yet; false when there is none.
    bool OpenAudio();
    // Length in milliseconds of the clip as the mixer holds it; -1 when it cannot be loaded.
    int ClipLengthMs(const QString& strPath);
    // How many sounds are playing now.
    int PlayingCount() const;

private:
    Mix_Chunk* Chunk(const QString& strPath);
    int LengthMs(const Mix_Chunk* pChunk) const;
    void WaitUntilStopped(int nChannel, const Mix_Chunk* pChunk);
    void CloseAudio();

    enum class AudioState { Untried, Open, Failed };
    AudioState m_audioState = AudioState::Untried;
    int m_nBytesPerSecond = 0;
    std::map<QString, Mix_Chunk*> m_chunks;  // nullptr remembers a file that would not load
};
