#pragma once

#include <QString>

// Every sound the game makes, each with its wave file and whether the game waits for it.
enum class GameSound {
    Shake,         // every tick of the roll of the numbers
    Shoop,         // a piece is taken
    No,            // a click on a piece is refused
    Warble,        // each taken neighbour flashed after a piece is taken
    Up,            // each step up of a displayed score
    Down,          // each step down of a displayed score
    HumanWins,     // player one wins; player two wins a two-player game
    ComputerWins,  // the computer wins a one-player game
};

struct GameSoundCall {
    QString strPath;
    bool bWait;   // play and wait (the game holds until the sound ends), or play and go on
    bool bPaced;  // unheard (sounds off, no device), the game still waits as long as it lasts
};

GameSoundCall SoundCall(GameSound sound);
// Plays `sound` when `bSoundsOn`. The flashing and the score count keep their pace when their
// sound is not heard, so a child still sees each step.
void PlayGameSound(GameSound sound, bool bSoundsOn);
