#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <utility>

#include <SDL.h>

namespace {

constexpr int kPollMs = 2;
// A play-and-wait gives up this long after the clip should have ended, so a stalled device can
// never hold the game; and it waits no longer than this for the device to open.
constexpr int kEndGraceMs = 1000;
constexpr int kOpenWaitMs = 3000;

int LengthMs(const QByteArray& pcm)
{
    return static_cast<int>(qint64(pcm.size()) * 1000 / CAudioDevice::kBytesPerSecond);
}

// The wave file's samples in the device's format; nullopt for a missing, bad or empty file.
std::optional<QByteArray> LoadClip(const QString& strPath)
{
    SDL_AudioSpec spec{};
    Uint8* pWave = nullptr;
    Uint32 nWaveBytes = 0;
    if (!SDL_LoadWAV(QFile::encodeName(strPath).constData(), &spec, &pWave, &nWaveBytes))
        return std::nullopt;
    std::optional<QByteArray> pcm;
    SDL_AudioCVT cvt{};
    const int nBuilt = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                         CAudioDevice::kChannels, CAudioDevice::kSampleRate);
    if (nBuilt >= 0 && nWaveBytes > 0) {
        QByteArray bytes(qsizetype(nWaveBytes) * std::max(1, cvt.len_mult), Qt::Uninitialized);
        std::memcpy(bytes.data(), pWave, nWaveBytes);
        cvt.buf = reinterpret_cast<Uint8*>(bytes.data());
        cvt.len = static_cast<int>(nWaveBytes);
        if (nBuilt == 0 || SDL_ConvertAudio(&cvt) == 0) {
            bytes.resize(nBuilt == 0 ? qsizetype(nWaveBytes) : cvt.len_cvt);
            pcm = std::move(bytes);
        }
    }
    SDL_FreeWAV(pWave);
    return pcm;
}

} // namespace

void CSdlSoundPlayer::StartAudio()
{
    m_device.StartOpening([this] {
        // On the opening thread: what was asked for meanwhile plays on the GUI thread.
        if (QCoreApplication::instance())
            QMetaObject::invokeMethod(this, [this] { PlayPending(); }, Qt::QueuedConnection);
    });
}

bool CSdlSoundPlayer::OpenAudio()
{
    StartAudio();
    return WaitForDevice();
}

bool CSdlSoundPlayer::WaitForDevice()
{
    HoldUntil([this] { return m_device.GetState() != CAudioDevice::State::Opening; }, kOpenWaitMs);
    return m_device.GetState() == CAudioDevice::State::Open;
}

const QByteArray* CSdlSoundPlayer::Clip(const QString& strPath)
{
    auto found = m_clips.find(strPath);
    if (found == m_clips.end())
        found = m_clips.emplace(strPath, LoadClip(strPath)).first;
    return found->second ? &*found->second : nullptr;
}

int CSdlSoundPlayer::ClipLengthMs(const QString& strPath)
{
    const QByteArray* pClip = Clip(strPath);
    return pClip ? LengthMs(*pClip) : -1;
}

int CSdlSoundPlayer::RemainingMs() const
{
    return static_cast<int>(qint64(m_device.QueuedBytes()) * 1000 / CAudioDevice::kBytesPerSecond);
}

bool CSdlSoundPlayer::Play(const QString& strPath, bool bWait)
{
    StartAudio();
    const QByteArray* pClip = Clip(strPath);
    if (!pClip)
        return false;
    if (!bWait) {
        // Never wait for the device here: this is how the roll's timer ticks play.
        if (m_device.GetState() != CAudioDevice::State::Opening)
            return m_device.Replace(*pClip);
        m_strPending = strPath;
        return true;
    }
    m_strPending.clear();
    if (!WaitForDevice() || !m_device.Replace(*pClip))
        return false;
    HoldUntil([this] { return m_device.QueuedBytes() == 0; }, LengthMs(*pClip) + kEndGraceMs);
    if (m_device.QueuedBytes() > 0)
        m_device.Replace(QByteArray());
    return true;
}

void CSdlSoundPlayer::Pace(const QString& strPath)
{
    const int nMs = ClipLengthMs(strPath);
    if (nMs > 0)
        HoldUntil([] { return false; }, nMs);
}

void CSdlSoundPlayer::PlayPending()
{
    const QString strPath = std::exchange(m_strPending, QString());
    if (const QByteArray* pClip = strPath.isEmpty() ? nullptr : Clip(strPath))
        m_device.Replace(*pClip);
}

void CSdlSoundPlayer::HoldUntil(const std::function<bool()>& fnDone, int nMaxMs)
{
    // The game counts on its thread being held; its timer handlers see the hold and do nothing,
    // while the local loop keeps the window painting.
    CSound::CHold hold;
    const QDeadlineTimer deadline(nMaxMs, Qt::PreciseTimer);
    if (fnDone())
        return;
    if (!QCoreApplication::instance()) {
        while (!fnDone() && !deadline.hasExpired())
            SDL_Delay(kPollMs);
        return;
    }
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (fnDone() || deadline.hasExpired())
            loop.quit();
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
