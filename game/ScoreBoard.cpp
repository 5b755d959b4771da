#include "ScoreBoard.h"

#include "Dialog.h"
#include "GameSound.h"

int CScoreBoard::Shown(int nPlayer) const
{
    return IsSlot(nPlayer) ? m_nShown[nPlayer] : 0;
}

std::optional<int> CScoreBoard::Step(int nPlayer, int nScore)
{
    if (!IsSlot(nPlayer) || m_nShown[nPlayer] == nScore)
        return std::nullopt;
    int& nShown = m_nShown[nPlayer];
    nShown += nShown > nScore ? -1 : 1;
    return nShown;
}

void CScoreBoard::ShowScore(int nPlayer, int nScore, bool bSound, CDialog* pWnd, int nControl)
{
    while (true) {
        const int nBefore = Shown(nPlayer);
        const std::optional<int> nShown = Step(nPlayer, nScore);
        if (!nShown)
            return;
        if (pWnd)
            pWnd->SetDlgItemInt(nControl, *nShown);
        PlayGameSound(*nShown < nBefore ? GameSound::Down : GameSound::Up, bSound);
    }
}
