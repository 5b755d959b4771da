#pragma once

#include <QByteArray>
#include <QString>

// Support for the sound tests: audio driver choice, and wave files written on the spot.

// Chooses SDL's audio driver while it lives ("dummy" plays in real time into nothing).
class CAudioDriver {
public:
    explicit CAudioDriver(const char* pszDriver);
    ~CAudioDriver();

private:
    QByteArray m_oldValue;
    bool m_bHadValue;
};

// A 16-bit mono PCM wave of a quiet tone `nMs` long.
QByteArray ToneWave(int nMs, int nRate = 22050);
bool WriteFile(const QString& strPath, const QByteArray& bytes);

// A plain wave's fields, read from the 44-byte header every wave of ours has; `bValid` is false
// for any other layout or sizes that disagree with the file.
struct WaveHeader {
    bool bValid = false;
    int nFormat = 0, nChannels = 0, nRate = 0, nBits = 0, nDataBytes = 0;
    int LengthMs() const;
};
WaveHeader ReadWaveHeader(const QByteArray& bytes);
