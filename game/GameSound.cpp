#include "GameSound.h"

#include "Sound.h"

GameSoundCall SoundCall(GameSound sound)
{
    switch (sound) {
    case GameSound::Shake: return {QStringLiteral("data/shake2.wav"), false, false};
    case GameSound::Shoop: return {QStringLiteral("data/shoop.wav"), true, false};
    case GameSound::No: return {QStringLiteral("data/no.wav"), false, false};
    case GameSound::Warble: return {QStringLiteral("data/warble.wav"), true, true};
    case GameSound::Up: return {QStringLiteral("data/up.wav"), true, true};
    case GameSound::Down: return {QStringLiteral("data/down.wav"), true, true};
    case GameSound::HumanWins: return {QStringLiteral("data/humanw.wav"), false, false};
    case GameSound::ComputerWins: return {QStringLiteral("data/compw.wav"), false, false};
    }
    return {};
}

void PlayGameSound(GameSound sound, bool bSoundsOn)
{
    const GameSoundCall call = SoundCall(sound);
    const bool bHeard = bSoundsOn && sndPlaySound(call.strPath, call.bWait ? SND_SYNC : SND_ASYNC);
    if (!bHeard && call.bPaced)
        CSound::Player().Pace(call.strPath);
}
