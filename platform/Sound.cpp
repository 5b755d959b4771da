#include "Sound.h"

#include "SdlSoundPlayer.h"

namespace {

ISoundPlayer* s_pInstalled = nullptr;
int s_nHolds = 0;

CSdlSoundPlayer& RealPlayer()
{
    // Made on first use only: a program that never plays a sound never touches the audio device.
    static CSdlSoundPlayer player;
    return player;
}

} // namespace

ISoundPlayer& CSound::Player()
{
    return s_pInstalled ? *s_pInstalled : RealPlayer();
}

void CSound::SetPlayer(ISoundPlayer* pPlayer)
{
    s_pInstalled = pPlayer;
}

void CSound::StartAudio()
{
    if (!s_pInstalled)
        RealPlayer().StartAudio();
}

bool CSound::IsHolding()
{
    return s_nHolds > 0;
}

CSound::CHold::CHold()
{
    ++s_nHolds;
}

CSound::CHold::~CHold()
{
    --s_nHolds;
}

bool sndPlaySound(const QString& strPath, int nFlags)
{
    return CSound::Player().Play(strPath, nFlags == SND_SYNC);
}
