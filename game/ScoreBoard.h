#pragma once

#include <array>
#include <optional>

class CDialog;

// The displayed value of each player's score. It lags behind the real score until ShowScore
// counts it over, one point per step, so a player sees (and hears) every point won or lost.
class CScoreBoard {
public:
    static constexpr int kSlots = 5;

    explicit CScoreBoard(int nPlayers = 2) : m_nPlayers(nPlayers) {}

    // Every displayed value back to 0, at each game's set-up.
    void Reset() { m_nShown.fill(0); }
    int Shown(int nPlayer) const;
    int Players() const { return m_nPlayers; }

    // Moves player nPlayer's displayed value one point towards nScore and returns the new value;
    // nullopt once it is there (or nPlayer is out of range).
    std::optional<int> Step(int nPlayer, int nScore);

    // Counts player nPlayer's displayed value to nScore, writing each value to control nControl of
    // pWnd; with bSound each step up plays the up sound and each step down the down sound, and
    // the count waits for it.
    void ShowScore(int nPlayer, int nScore, bool bSound, CDialog* pWnd, int nControl);

private:
    static bool IsSlot(int nPlayer) { return nPlayer >= 0 && nPlayer < kSlots; }

    int m_nPlayers;
    std::array<int, kSlots> m_nShown{};
};
