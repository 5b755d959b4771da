#include "GameSound.h"

#include "Sound.h"

GameSoundCall SoundCall(GameSound sound)
{
    switch (sound) {
    case GameSound::Shake: return {QStringLiteral("data/shake2.wav"), false};
    case GameSound::Shoop: return {QStringLiteral("data/shoop.wav"), true};
    case GameSound::No: return {QStringLiteral("data/no.wav"), false};
    case GameSound::Warble: return {QStringLiteral("data/warble.wav"), true};
    case GameSound::Up: return {QStringLiteral("data/up.wav"), true};
    case GameSound::Down: return {QStringLiteral("data/down.wav"), true};
    case GameSound::HumanWins: return {QStringLiteral("data/humanw.wav"), false};
    case GameSound::ComputerWins: return {QStringLiteral("data/compw.wav"), false};
    }
    return {};
}

void PlayGameSound(GameSound sound, bool bSoundsOn)
{
    if (!bSoundsOn)
        return;
    const GameSoundCall call = SoundCall(sound);
    sndPlaySound(call.strPath, call.bWait ? SND_SYNC : SND_ASYNC);
}
