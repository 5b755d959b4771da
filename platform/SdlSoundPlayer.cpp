#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChunkFrames = 1024;  // about 23 ms: the end of a sound is seen that soon
constexpr int kChannels = 16;       // plenty for a rattle every 300 ms over longer sounds
constexpr int kPollMs = 2;
// A play-and-wait gives up this long after the clip should have ended, so a stalled device
// can never hold the game.
constexpr int kEndGraceMs = 1000;

} // namespace

CSdlSoundPlayer::~CSdlSoundPlayer()
{
    CloseAudio();
}

bool CSdlSoundPlayer::OpenAudio()
{
    if (m_audioState != AudioState::Untried)
        return m_audioState == AudioState::Open;
    m_audioState = AudioState::Failed;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zorbly");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int nFrequency = 0;
    Uint16 format = 0;
    int nOutputChannels = 0;
    Mix_QuerySpec(&nFrequency, &format, &nOutputChannels);
    m_nBytesPerSecond = nFrequency * nOutputChannels * static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8;
    Mix_AllocateChannels(kChannels);
    m_audioState = AudioState::Open;
    return true;
}

void CSdlSoundPlayer::CloseAudio()
{
    if (m_audioState != AudioState::Open)
        return;
    Mix_HaltChannel(-1);
    for (auto& [strPath, pChunk] : m_chunks)
        if (pChunk)
            Mix_FreeChunk(pChunk);
    m_chunks.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_audioState = AudioState::Untried;
}

Mix_Chunk* CSdlSoundPlayer::Chunk(const QString& strPath)
{
    auto found = m_chunks.find(strPath);
    if (found != m_chunks.end())
        return found->second;
    Mix_Chunk* pChunk = Mix_LoadWAV(QFile::encodeName(strPath).constData());
    m_chunks.emplace(strPath, pChunk);
    return pChunk;
}

int CSdlSoundPlayer::ClipLengthMs(const QString& strPath)
{
    if (!OpenAudio())
        return -1;
    const Mix_Chunk* pChunk = Chunk(strPath);
    return pChunk ? LengthMs(pChunk) : -1;
}

int CSdlSoundPlayer::PlayingCount() const
{
    return m_audioState == AudioState::Open ? Mix_Playing(-1) : 0;
}

int CSdlSoundPlayer::LengthMs(const Mix_Chunk* pChunk) const
{
    if (m_nBytesPerSecond <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(pChunk->alen) * 1000 / m_nBytesPerSecond);
}

void CSdlSoundPlayer::Play(const QString& strPath, bool bWait)
{
    if (!OpenAudio())
        return;
    Mix_Chunk* pChunk = Chunk(strPath);
    if (!pChunk)
        return;
    const int nChannel = Mix_PlayChannel(-1, pChunk, 0);
    if (nChannel < 0 || !bWait)
        return;
    WaitUntilStopped(nChannel, pChunk);
}

void CSdlSoundPlayer::WaitUntilStopped(int nChannel, const Mix_Chunk* pChunk)
{
    // The game counts on its thread being held; its timer handlers see the hold and do nothing,
    // while the local loop keeps the window painting.
    CSound::CHold hold;
    const QDeadlineTimer deadline(LengthMs(pChunk) + kEndGraceMs, Qt::PreciseTimer);
    auto stillPlaying = [&] { return Mix_Playing(nChannel) && Mix_GetChunk(nChannel) == pChunk; };

    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        poll.setInterval(kPollMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!stillPlaying() || deadline.hasExpired())
                loop.quit();
        });
        poll.start();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        while (stillPlaying() && !deadline.hasExpired())
            SDL_Delay(kPollMs);
    }
    if (stillPlaying())
        Mix_HaltChannel(nChannel);
}
