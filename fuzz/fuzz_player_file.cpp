// libFuzzer target: any bytes as a player file must load, report and save without a fault.
#include "Player.h"
#include "StatsReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QString strFolder = Folder().path() + QLatin1Char('/');
    {
        QFile file(strFolder + QStringLiteral("Ann0.ply"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(pData), static_cast<qint64>(nSize));
    }
    CPlayer player;
    player.m_strName = QStringLiteral("Ann");
    player.m_strFileName = QStringLiteral("Ann0.ply");
    player.Load(strFolder);
    for (const CGameStats* pRecord : player.ListedRecords()) {
        QString strReport;
        CStatsReport::Build(strReport, player.m_strName, *pRecord, true);
    }
    player.Save(strFolder);

    // What was saved must load again to the same records.
    CPlayer again;
    again.m_strFileName = player.m_strFileName;
    again.Load(strFolder);
    if (again.m_records.size() != player.m_records.size())
        __builtin_trap();
    return 0;
}
