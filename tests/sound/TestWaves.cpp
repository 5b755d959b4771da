#include "TestWaves.h"

#include <QFile>
#include <QtEndian>
#include <cmath>

CAudioDriver::CAudioDriver(const char* pszDriver)
    : m_oldValue(qgetenv("SDL_AUDIODRIVER")), m_bHadValue(qEnvironmentVariableIsSet("SDL_AUDIODRIVER"))
{
    qputenv("SDL_AUDIODRIVER", pszDriver);
}

CAudioDriver::~CAudioDriver()
{
    if (m_bHadValue)
        qputenv("SDL_AUDIODRIVER", m_oldValue);
    else
        qunsetenv("SDL_AUDIODRIVER");
}

namespace {

void Append(QByteArray& bytes, quint32 nValue, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        bytes.append(static_cast<char>((nValue >> (8 * i)) & 0xffu));
}

quint32 At(const QByteArray& bytes, qsizetype nOffset, int nCount)
{
    quint32 nValue = 0;
    for (int i = nCount - 1; i >= 0; --i)
        nValue = (nValue << 8) | static_cast<quint8>(bytes[nOffset + i]);
    return nValue;
}

} // namespace

QByteArray ToneWave(int nMs, int nRate)
{
    const int nFrames = nRate * nMs / 1000;
    QByteArray bytes("RIFF");
    Append(bytes, 36 + nFrames * 2, 4);
    bytes += "WAVEfmt ";
    Append(bytes, 16, 4);
    Append(bytes, 1, 2);
    Append(bytes, 1, 2);
    Append(bytes, nRate, 4);
    Append(bytes, nRate * 2, 4);
    Append(bytes, 2, 2);
    Append(bytes, 16, 2);
    bytes += "data";
    Append(bytes, nFrames * 2, 4);
    for (int i = 0; i < nFrames; ++i)
        Append(bytes, static_cast<quint16>(static_cast<qint16>(3000 * std::sin(i * 0.1))), 2);
    return bytes;
}

bool WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int WaveHeader::LengthMs() const
{
    const int nBytesPerSecond = nRate * nChannels * nBits / 8;
    return nBytesPerSecond > 0 ? static_cast<int>(1000LL * nDataBytes / nBytesPerSecond) : 0;
}

WaveHeader ReadWaveHeader(const QByteArray& bytes)
{
    WaveHeader header;
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data")
        return header;
    header.nFormat = static_cast<int>(At(bytes, 20, 2));
    header.nChannels = static_cast<int>(At(bytes, 22, 2));
    header.nRate = static_cast<int>(At(bytes, 24, 4));
    header.nBits = static_cast<int>(At(bytes, 34, 2));
    header.nDataBytes = static_cast<int>(At(bytes, 40, 4));
    header.bValid = At(bytes, 4, 4) == static_cast<quint32>(bytes.size() - 8) && At(bytes, 16, 4) == 16
        && header.nDataBytes == bytes.size() - 44;
    return header;
}
