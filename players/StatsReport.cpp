#include "StatsReport.h"

#include "GameStats.h"
#include "PlayerFile.h"

void CStatsReport::Build(QString& strOut, const QString& strPlayerName, const CGameStats& record,
                         bool bEditBox)
{
    const QString strNL = bEditBox ? QStringLiteral("\r\n") : QStringLiteral("\n");
    strOut += QStringLiteral("COGWHISTLE GAME STATISTICS") + strNL + strNL;
    strOut += QStringLiteral("Game Title: ") + record.m_strTitle + strNL;
    strOut += QStringLiteral("Game Player: ") + strPlayerName + strNL + strNL;
    record.Describe(strOut, bEditBox);
}

QString CStatsReport::PrintFilePath(const QString& strFolder)
{
    return strFolder + QStringLiteral("stats.txt");
}

bool CStatsReport::WritePrintFile(const QString& strFolder, const QString& strReport)
{
    CPlayerFile file;
    if (!file.Open(PrintFilePath(strFolder), CPlayerFile::modeWrite))
        return false;
    const bool bWritten = file.WriteString(strReport);
    return file.Close() && bWritten;
}
