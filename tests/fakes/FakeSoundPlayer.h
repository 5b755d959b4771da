#pragma once

#include "Sound.h"

#include <QStringList>
#include <functional>
#include <vector>

// Records every sound instead of playing it. While it lives it is the player every
// sndPlaySound goes through. A play-and-wait, or a silent pace, holds the game as the real
// player does and runs the test's callback meanwhile, standing in for the timer ticks that
// arrive during a sound. SetHeard(false) stands for a machine without an audio device.
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

    bool Play(const QString& strPath, bool bWait) override;
    void Pace(const QString& strPath) override;

    const std::vector<Call>& Calls() const { return m_calls; }
    QStringList Files() const;
    // The clips paced in silence, in order.
    const QStringList& Paced() const { return m_paced; }
    void Clear() { m_calls.clear(); m_paced.clear(); }
    void SetHeard(bool bHeard) { m_bHeard = bHeard; }
    // Runs inside every play-and-wait, while CSound::IsHolding() is true.
    void SetDuringWait(std::function<void(const Call&)> fnDuringWait) { m_fnDuringWait = std::move(fnDuringWait); }

private:
    void Hold(const Call& call);

    std::vector<Call> m_calls;
    QStringList m_paced;
    bool m_bHeard = true;
    std::function<void(const Call&)> m_fnDuringWait;
};
