#pragma once

#include <QByteArray>
#include <QString>
#include <string>

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

// "up.wav" -> "up": a test name made from a file name.
std::string StemOf(const char* pszFileName);

// A 16-bit mono PCM wave of a quiet tone `nMs` long.
QByteArray ToneWave(int nMs, int nRate = 22050);
bool WriteFile(const QString& strPath, const QByteArray& bytes);

// The fields of a RIFF WAVE file as read from its header; `bValid` is false when the layout is
// not a plain PCM wave (missing chunks, sizes that disagree with the file).
struct WaveHeader {
    bool bValid = false;
    int nFormat = 0;
    int nChannels = 0;
    int nRate = 0;
    int nBits = 0;
    int nDataBytes = 0;
    int LengthMs() const;
};
WaveHeader ReadWaveHeader(const QByteArray& bytes);
