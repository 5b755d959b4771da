#pragma once

#include "StatsRecord.h"

// The record of one game a player took part in: the common part plus the opponent, the result
// and the counts of missed moves, passes and hints.
class CGameStats : public CStatsRecord {
public:
    CGameStats();

    void Describe(QString& strOut, bool bEditBox) const override;
    void Reset() override;
    bool Read(CPlayerFile* pFile) override;
    bool Write(CPlayerFile* pFile) override;

    bool m_bNotWon = true;
    int m_nMissedMoves = 0;
    QString m_strOpponent;
    int m_nPasses = 0;
    int m_nOperatorHints = 0;
    int m_nOptimalHints = 0;
};
