#include "RecordsExport.h"

#include "Player.h"
#include "PlayerFile.h"
#include "Prompts.h"
#include "SaveDialog.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCaption = QStringLiteral("Export Records");

void Say(QWidget* pOwner, const QString& strText)
{
    MessageBox(pOwner, strText, kCaption);
}

QString ExportedMessage(const CRecordsExport& exporter, const QString& strPath)
{
    QString strText = QStringLiteral("Exported %1 game record(s) to %2.")
                          .arg(exporter.Csv().GameCount())
                          .arg(QDir::toNativeSeparators(strPath));
    if (!exporter.Skipped().isEmpty())
        strText += QStringLiteral("\n\nThese player files could not be read and were left out:\n")
            + exporter.Skipped().join(QLatin1Char('\n'));
    return strText;
}

// The folder a path stands in, with links resolved; empty when it does not exist.
QString CanonicalFolder(const QString& strPath)
{
    return QFileInfo(QFileInfo(strPath).absolutePath()).canonicalFilePath();
}

} // namespace

CRecordsExport::CRecordsExport(const QString& strFolder,
                               const std::vector<const CPlayer*>& livePlayers)
    : m_strFolder(strFolder), m_livePlayers(livePlayers)
{
}

CPlayerIndex::ReadResult CRecordsExport::Gather()
{
    QList<CPlayerEntry> entries;
    const CPlayerIndex::ReadResult result = CPlayerIndex::Read(m_strFolder, entries);
    CPlayerIndex::SortByName(entries);
    for (const CPlayerEntry& entry : entries)
        AddPlayer(entry);
    return result;
}

void CRecordsExport::AddPlayer(const CPlayerEntry& entry)
{
    if (entry.m_strFileName.isEmpty())
        return;  // a player whose games are not kept
    if (const CPlayer* pLive = LivePlayer(entry.m_strFileName)) {
        m_csv.AddPlayer(*pLive);
        return;
    }
    CPlayer player;
    player.m_strName = entry.m_strName;
    player.m_strFileName = entry.m_strFileName;
    if (player.Load(m_strFolder))
        m_csv.AddPlayer(player);
    else
        m_skipped << QStringLiteral("%1 (%2)").arg(entry.m_strName, entry.m_strFileName);
}

const CPlayer* CRecordsExport::LivePlayer(const QString& strFileName) const
{
    for (const CPlayer* pPlayer : m_livePlayers) {
        if (pPlayer && pPlayer->m_strFileName == strFileName)
            return pPlayer;
    }
    return nullptr;
}

bool CRecordsExport::IsInPlayersFolder(const QString& strPath) const
{
    const QString strPlayers = QFileInfo(m_strFolder).canonicalFilePath();
    const QString strFolder = CanonicalFolder(strPath);
    if (strPlayers.isEmpty() || strFolder.isEmpty())
        return false;
    return strFolder == strPlayers || strFolder.startsWith(strPlayers + QLatin1Char('/'));
}

bool CRecordsExport::WriteTo(const QString& strPath) const
{
    return CPlayerFile::WriteWhole(strPath, m_csv.Text().toUtf8());
}

void CRecordsExport::Run(QWidget* pOwner, const QString& strHomeDir,
                         const std::vector<const CPlayer*>& livePlayers)
{
    CRecordsExport exporter(CPlayerIndex::PlayersFolder(strHomeDir), livePlayers);
    switch (exporter.Gather()) {
    case CPlayerIndex::ReadResult::Missing:
        Say(pOwner, QStringLiteral("There are no players to export yet."));
        return;
    case CPlayerIndex::ReadResult::Unreadable:
        Say(pOwner, QStringLiteral("Unable to read the list of players."));
        return;
    case CPlayerIndex::ReadResult::Read:
        break;
    }
    const QString strPath = CSaveDialog::GetSaveFileName(
        pOwner, kCaption, CSaveDialog::InDocuments(QStringLiteral("Zorbly records.csv")),
        QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (strPath.isEmpty())
        return;
    if (exporter.IsInPlayersFolder(strPath))
        Say(pOwner, QStringLiteral("Please save the records outside the players folder."));
    else if (!exporter.WriteTo(strPath))
        Say(pOwner, QStringLiteral("Unable to write %1.").arg(QDir::toNativeSeparators(strPath)));
    else
        Say(pOwner, ExportedMessage(exporter, strPath));
}
