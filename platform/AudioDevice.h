#pragma once

#include <QByteArray>
#include <atomic>
#include <functional>
#include <thread>

class CSdlLibrary;

// One audio output in a fixed format (16-bit stereo at 44.1 kHz; SDL converts for the hardware),
// fed through SDL's queue. It opens on a thread of its own, loading SDL there: finding the
// system's audio can take a tenth of a second or more, and nobody waits for it. Closed again when
// it goes.
class CAudioDevice {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerSecond = kSampleRate * kChannels * 2;
    // About 23 ms: the last piece of a sound still plays from the device's buffer this long
    // after the queue ran empty.
    static constexpr int kBufferFrames = 1024;

    enum class State { Closed, Opening, Open, Failed };

    CAudioDevice() = default;
    ~CAudioDevice();
    CAudioDevice(const CAudioDevice&) = delete;
    CAudioDevice& operator=(const CAudioDevice&) = delete;

    // Starts opening the device in the background, once; `fnSettled` runs on that thread when it
    // is open or has failed.
    void StartOpening(std::function<void()> fnSettled = {});
    State GetState() const { return m_state.load(std::memory_order_acquire); }

    // Stops what plays and plays `pcm` (in the fixed format); false unless the device is open.
    bool Replace(const QByteArray& pcm);
    // Bytes waiting to be played; 0 when the device is not open.
    int QueuedBytes() const;
    // SDL, once the device is open; nullptr before.
    const CSdlLibrary* Sdl() const { return GetState() == State::Open ? m_pSdl : nullptr; }

private:
    bool Open();

    std::thread m_opener;
    std::atomic<State> m_state{State::Closed};
    // Set by the opening thread; read only once m_state says Open.
    const CSdlLibrary* m_pSdl = nullptr;
    unsigned m_nDevice = 0;
};
