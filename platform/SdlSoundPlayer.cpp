#include "SdlSoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <utility>

#include <QtEndian>

#include "SdlLibrary.h"

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

// The length of a wave file's sound from its header, without SDL; -1 when it is not a plain PCM
// or floating-point wave.
int WaveLengthMs(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly) || file.read(12).mid(8) != "WAVE")
        return -1;
    qint64 nBytesPerSecond = 0;
    for (QByteArray header = file.read(8); header.size() == 8; header = file.read(8)) {
        const quint32 nSize = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("data") && nBytesPerSecond > 0)
            return static_cast<int>(std::min<qint64>(nSize, file.size() - file.pos()) * 1000 / nBytesPerSecond);
        if (header.startsWith("fmt ")) {
            const QByteArray format = file.peek(16);
            const quint16 nTag = format.size() == 16 ? qFromLittleEndian<quint16>(format.constData()) : 0;
            nBytesPerSecond = nTag == 1 || nTag == 3 ? qFromLittleEndian<quint32>(format.constData() + 8) : 0;
        }
        if (!file.seek(file.pos() + nSize + (nSize & 1)))
            return -1;
    }
    return -1;
}

// The wave file's samples in the device's format; nullopt for a missing, bad or empty file.
std::optional<QByteArray> LoadClip(const CSdlLibrary& sdl, const QString& strPath)
{
    SDL_AudioSpec waveFormat{};
    Uint8* pWave = nullptr;
    Uint32 nWaveBytes = 0;
    SDL_RWops* pFile = sdl.RWFromFile(QFile::encodeName(strPath).constData(), "rb");
    if (!pFile || !sdl.LoadWAV_RW(pFile, 1, &waveFormat, &pWave, &nWaveBytes))
        return std::nullopt;
    std::optional<QByteArray> pcm;
    SDL_AudioCVT cvt{};
    const int nBuilt = sdl.BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels, waveFormat.freq, AUDIO_S16SYS,
                                         CAudioDevice::kChannels, CAudioDevice::kSampleRate);
    if (nBuilt >= 0 && nWaveBytes > 0) {
        QByteArray bytes(qsizetype(nWaveBytes) * std::max(1, cvt.len_mult), Qt::Uninitialized);
        std::memcpy(bytes.data(), pWave, nWaveBytes);
        cvt.buf = reinterpret_cast<Uint8*>(bytes.data());
        cvt.len = static_cast<int>(nWaveBytes);
        if (nBuilt == 0 || sdl.ConvertAudio(&cvt) == 0) {
            bytes.resize(nBuilt == 0 ? qsizetype(nWaveBytes) : cvt.len_cvt);
            pcm = std::move(bytes);
        }
    }
    sdl.FreeWAV(pWave);
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
    const CSdlLibrary* pSdl = m_device.Sdl();
    if (!pSdl)
        return nullptr;
    auto found = m_clips.find(strPath);
    if (found == m_clips.end()) {
        found = m_clips.emplace(strPath, LoadClip(*pSdl, strPath)).first;
        m_lengths.try_emplace(strPath, found->second ? LengthMs(*found->second) : -1);
    }
    return found->second ? &*found->second : nullptr;
}

int CSdlSoundPlayer::ClipLengthMs(const QString& strPath)
{
    auto found = m_lengths.find(strPath);
    if (found == m_lengths.end())
        found = m_lengths.emplace(strPath, WaveLengthMs(strPath)).first;
    return found->second;
}

int CSdlSoundPlayer::RemainingMs() const
{
    return static_cast<int>(qint64(m_device.QueuedBytes()) * 1000 / CAudioDevice::kBytesPerSecond);
}

bool CSdlSoundPlayer::Play(const QString& strPath, bool bWait)
{
    StartAudio();
    if (!bWait) {
        // Never wait for the device here: this is how the roll's timer ticks play.
        if (m_device.GetState() == CAudioDevice::State::Opening) {
            m_strPending = strPath;
            return true;
        }
        const QByteArray* pClip = Clip(strPath);
        return pClip && m_device.Replace(*pClip);
    }
    m_strPending.clear();
    const QByteArray* pClip = WaitForDevice() ? Clip(strPath) : nullptr;
    if (!pClip || !m_device.Replace(*pClip))
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
            QThread::msleep(kPollMs);
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
