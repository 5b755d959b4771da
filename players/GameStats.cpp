#include "GameStats.h"

#include "PlayerFile.h"

CGameStats::CGameStats()
{
    CGameStats::Reset();
    m_nTimesPlayed = 0;
}

void CGameStats::Reset()
{
    CStatsRecord::Reset();
    m_bNotWon = true;
    m_nMissedMoves = 0;
    m_strOpponent.clear();
    m_nPasses = 0;
    m_nOperatorHints = 0;
    m_nOptimalHints = 0;
}

void CGameStats::Describe(QString& strOut, bool bEditBox) const
{
    CStatsRecord::Describe(strOut, bEditBox);
    const QString strNL = LineBreak(bEditBox);
    if (m_strOpponent.isEmpty())
        strOut += QStringLiteral("The game was played against an unknown player.") + strNL;
    else
        strOut += QStringLiteral("The game was played against %1.").arg(m_strOpponent) + strNL;
    strOut += QStringLiteral("The player...") + strNL;
    strOut += (m_bNotWon ? QStringLiteral("did not win the game")
                         : QStringLiteral("earned the highest score")) + strNL;
    strOut += QStringLiteral("missed the optimal move %1 time(s)").arg(m_nMissedMoves) + strNL;
    strOut += QStringLiteral("passed a turn %1 time(s)").arg(m_nPasses) + strNL;
    strOut += QStringLiteral("took the operator hint %1 time(s)").arg(m_nOperatorHints) + strNL;
    strOut += QStringLiteral("took the optimal hint %1 time(s)").arg(m_nOptimalHints) + strNL;
}

bool CGameStats::Read(CPlayerFile* pFile)
{
    CStatsRecord::Read(pFile);
    m_bNotWon = ReadFlag(pFile);
    m_strOpponent = ReadText(pFile);
    m_nMissedMoves = ReadInt(pFile);
    m_nPasses = ReadInt(pFile);
    m_nOperatorHints = ReadInt(pFile);
    m_nOptimalHints = ReadInt(pFile);
    return true;
}

bool CGameStats::Write(CPlayerFile* pFile)
{
    bool bOk = CStatsRecord::Write(pFile);
    bOk = WriteFlag(pFile, m_bNotWon) && bOk;
    bOk = pFile->WriteLine(m_strOpponent) && bOk;
    bOk = WriteInt(pFile, m_nMissedMoves) && bOk;
    bOk = WriteInt(pFile, m_nPasses) && bOk;
    bOk = WriteInt(pFile, m_nOperatorHints) && bOk;
    bOk = WriteInt(pFile, m_nOptimalHints) && bOk;
    return bOk;
}
