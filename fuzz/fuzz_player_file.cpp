// libFuzzer target: any bytes as a player file must load, report and save without a fault, and
// what was saved must load again to the same records. The round trip stays in memory.
#include "Player.h"
#include "PlayerFile.h"
#include "StatsReport.h"

#include <cstddef>
#include <cstdint>

namespace {

void ReadPlayer(CPlayer& player, QByteArray bytes)
{
    CPlayerFile file;
    file.OpenBuffer(&bytes, CPlayerFile::modeRead);
    player.ReadFrom(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CPlayer player;
    player.m_strName = QStringLiteral("Ann");
    player.m_strFileName = QStringLiteral("Ann0.ply");
    ReadPlayer(player, QByteArray(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize)));
    for (const CGameStats* pRecord : player.ListedRecords()) {
        QString strReport;
        CStatsReport::Build(strReport, player.m_strName, *pRecord, true);
    }
    QByteArray saved;
    {
        CPlayerFile file;
        file.OpenBuffer(&saved, CPlayerFile::modeWrite);
        player.WriteTo(file);
    }
    CPlayer again;
    ReadPlayer(again, saved);
    if (again.m_records.size() != player.m_records.size())
        __builtin_trap();
    return 0;
}
