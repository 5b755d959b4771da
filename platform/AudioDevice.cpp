#include "AudioDevice.h"

#include <SDL.h>

CAudioDevice::~CAudioDevice()
{
    if (m_opener.joinable())
        m_opener.join();
    if (GetState() == State::Open) {
        SDL_CloseAudioDevice(m_nDevice);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void CAudioDevice::StartOpening(std::function<void()> fnSettled)
{
    State expected = State::Closed;
    if (!m_state.compare_exchange_strong(expected, State::Opening))
        return;
    m_opener = std::thread([this, fnSettled = std::move(fnSettled)] {
        Open();
        if (fnSettled)
            fnSettled();
    });
}

void CAudioDevice::Open()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zorbly");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_state.store(State::Failed, std::memory_order_release);
        return;
    }
    SDL_AudioSpec want{};
    want.freq = kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    // No allowed changes: SDL converts to whatever the hardware takes, so clips are made once in
    // our own format.
    m_nDevice = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (m_nDevice == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_state.store(State::Failed, std::memory_order_release);
        return;
    }
    SDL_PauseAudioDevice(m_nDevice, 0);
    m_state.store(State::Open, std::memory_order_release);
}

bool CAudioDevice::Replace(const QByteArray& pcm)
{
    if (GetState() != State::Open)
        return false;
    SDL_ClearQueuedAudio(m_nDevice);
    return SDL_QueueAudio(m_nDevice, pcm.constData(), static_cast<Uint32>(pcm.size())) == 0;
}

int CAudioDevice::QueuedBytes() const
{
    return GetState() == State::Open ? static_cast<int>(SDL_GetQueuedAudioSize(m_nDevice)) : 0;
}
