#include "FakeSoundPlayer.h"

CFakeSoundPlayer::CFakeSoundPlayer()
{
    CSound::SetPlayer(this);
}

CFakeSoundPlayer::~CFakeSoundPlayer()
{
    CSound::SetPlayer(nullptr);
}

void CFakeSoundPlayer::Play(const QString& strPath, bool bWait)
{
    m_calls.push_back({strPath, bWait});
    if (!bWait)
        return;
    CSound::CHold hold;
    if (m_fnDuringWait)
        m_fnDuringWait(m_calls.back());
}

QStringList CFakeSoundPlayer::Files() const
{
    QStringList files;
    for (const Call& call : m_calls)
        files << call.strPath;
    return files;
}
