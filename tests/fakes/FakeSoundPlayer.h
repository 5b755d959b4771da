#pragma once

#include "Sound.h"

#include <QStringList>
#include <functional>
#include <vector>

// Records every sound instead of playing it. While it lives it is the player every
// sndPlaySound goes through. A play-and-wait holds the game as the real player does and runs
// the test's callback meanwhile, standing in for the timer ticks that arrive during a sound.
class CFakeSoundPlayer : public ISoundPlayer {
public:
    struct Call {
        QString strPath;
        bool bWait = false;
        bool operator==(const Call&) const = default;
    };

    CFakeSoundPlayer();
    ~CFakeSoundPlayer() override;
    CFakeSoundPlayer(const CFakeSoundPlayer&) = delete;
    CFakeSoundPlayer& operator=(const CFakeSoundPlayer&) = delete;

    void Play(const QString& strPath, bool bWait) override;

    const std::vector<Call>& Calls() const { return m_calls; }
    QStringList Files() const;
    void Clear() { m_calls.clear(); }
    // Runs inside every play-and-wait, while CSound::IsHolding() is true.
    void SetDuringWait(std::function<void(const Call&)> fnDuringWait) { m_fnDuringWait = std::move(fnDuringWait); }

private:
    std::vector<Call> m_calls;
    std::function<void(const Call&)> m_fnDuringWait;
};
