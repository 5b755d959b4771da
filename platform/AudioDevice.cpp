#include "AudioDevice.h"

#include "SdlLibrary.h"

CAudioDevice::~CAudioDevice()
{
    if (m_opener.joinable())
        m_opener.join();
    if (const CSdlLibrary* pSdl = Sdl()) {
        pSdl->CloseAudioDevice(m_nDevice);
        pSdl->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void CAudioDevice::StartOpening(std::function<void()> fnSettled)
{
    State expected = State::Closed;
    if (!m_state.compare_exchange_strong(expected, State::Opening))
        return;
    m_opener = std::thread([this, fnSettled = std::move(fnSettled)] {
        m_state.store(Open() ? State::Open : State::Failed, std::memory_order_release);
        if (fnSettled)
            fnSettled();
    });
}

bool CAudioDevice::Open()
{
    const CSdlLibrary* pSdl = CSdlLibrary::Get();
    if (!pSdl)
        return false;
    pSdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    pSdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zorbly");
    if (pSdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec want{};
    want.freq = kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    // No changes allowed: SDL converts to whatever the hardware takes, so each clip is converted
    // once, to our own format.
    m_nDevice = pSdl->OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (m_nDevice == 0) {
        pSdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    pSdl->PauseAudioDevice(m_nDevice, 0);
    m_pSdl = pSdl;
    return true;
}

bool CAudioDevice::Replace(const QByteArray& pcm)
{
    const CSdlLibrary* pSdl = Sdl();
    if (!pSdl)
        return false;
    pSdl->ClearQueuedAudio(m_nDevice);
    return pSdl->QueueAudio(m_nDevice, pcm.constData(), static_cast<Uint32>(pcm.size())) == 0;
}

int CAudioDevice::QueuedBytes() const
{
    const CSdlLibrary* pSdl = Sdl();
    return pSdl ? static_cast<int>(pSdl->GetQueuedAudioSize(m_nDevice)) : 0;
}
