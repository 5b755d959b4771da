#include "FakeSoundPlayer.h"

CFakeSoundPlayer::CFakeSoundPlayer()
{
    CSound::SetPlayer(this);
}

CFakeSoundPlayer::~CFakeSoundPlayer()
{
    CSound::SetPlayer(nullptr);
}

bool CFakeSoundPlayer::Play(const QString& strPath, bool bWait)
{
    m_calls.push_back({strPath, bWait});
    if (bWait && m_bHeard)
        Hold(m_calls.back());
    return m_bHeard;
}

void CFakeSoundPlayer::Pace(const QString& strPath)
{
    m_paced << strPath;
    Hold({strPath, true});
}

void CFakeSoundPlayer::Hold(const Call& call)
{
    CSound::CHold hold;
    if (m_fnDuringWait)
        m_fnDuringWait(call);
}

QStringList CFakeSoundPlayer::Files() const
{
    QStringList files;
    for (const Call& call : m_calls)
        files << call.strPath;
    return files;
}
