#include "PlayerIndex.h"

#include "PlayerFile.h"
#include "Prompts.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kFileErrorCaption = QStringLiteral("File Error");

void ShowReinstall(QWidget* pOwner)
{
    MessageBox(pOwner, QStringLiteral("Please re-install Cogwhistle!"), kFileErrorCaption);
}

// Creates the index empty only if there is none: an index that exists but cannot be read is
// never emptied.
bool CreateEmptyIndex(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.close();
    return true;
}

// Removes the player file of `entry`; false only when a file that is there could not be removed.
bool RemovePlayerFile(const QString& strFolder, const CPlayerEntry& entry, QString& strPath)
{
    if (!CPlayerIndex::IsPlayerFileName(entry.m_strFileName))
        return true;  // no file of its own
    strPath = strFolder + entry.m_strFileName;
    const QFileInfo info(strPath);
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(strPath);
}

}  // namespace

QString CPlayerIndex::PlayersFolder(const QString& strHomeDir)
{
    return strHomeDir + QStringLiteral("players/");
}

QString CPlayerIndex::IndexPath(const QString& strFolder)
{
    return strFolder + QStringLiteral("data");
}

bool CPlayerIndex::IsPlayerFileName(const QString& strFileName)
{
    return !strFileName.isEmpty() && strFileName != QStringLiteral(".")
        && strFileName != QStringLiteral("..") && !strFileName.contains(QLatin1Char('/'))
        && !strFileName.contains(QLatin1Char('\\')) && !strFileName.contains(QChar(0));
}

CPlayerIndex::ReadResult CPlayerIndex::Read(const QString& strFolder, QList<CPlayerEntry>& entries)
{
    const QString strPath = IndexPath(strFolder);
    CPlayerFile file;
    if (!file.Open(strPath, CPlayerFile::modeRead))
        return QFileInfo::exists(strPath) ? ReadResult::Unreadable : ReadResult::Missing;
    QString strName;
    while (file.ReadLine(strName)) {
        if (strName.isEmpty())
            continue;
        CPlayerEntry entry;
        entry.m_strName = strName;
        file.ReadLine(entry.m_strFileName);
        entries.append(entry);
    }
    return ReadResult::Read;
}

bool CPlayerIndex::Write(const QString& strFolder, const QList<CPlayerEntry>& entries)
{
    CPlayerFile file;
    if (!file.Open(IndexPath(strFolder), CPlayerFile::modeWrite))
        return false;
    bool bOk = true;
    for (const CPlayerEntry& entry : entries) {
        bOk = file.WriteLine(entry.m_strName) && bOk;
        bOk = file.WriteLine(entry.m_strFileName) && bOk;
    }
    return file.Close() && bOk;
}

QList<CPlayerEntry> CPlayerIndex::List(const QString& strFolder, QWidget* pOwner,
                                       const QStringList& exceptFileNames)
{
    QList<CPlayerEntry> entries;
    const ReadResult result = Read(strFolder, entries);
    if (result == ReadResult::Unreadable
        || (result == ReadResult::Missing && !CreateEmptyIndex(IndexPath(strFolder)))) {
        ShowReinstall(pOwner);
        return {};
    }
    entries.removeIf([&exceptFileNames](const CPlayerEntry& entry) {
        return exceptFileNames.contains(entry.m_strFileName, Qt::CaseSensitive);
    });
    return entries;
}

bool CPlayerIndex::Add(const QString& strFolder, const CPlayerEntry& entry, QWidget* pOwner)
{
    // The whole index is written anew with the entry at its end, so that a dangling name line
    // can never pair the new name with another player's file.
    QList<CPlayerEntry> entries;
    bool bOk = Read(strFolder, entries) != ReadResult::Unreadable;
    if (bOk) {
        entries.append(entry);
        bOk = Write(strFolder, entries);
    }
    if (!bOk)
        MessageBox(pOwner, QStringLiteral("Unable to open data file"), QStringLiteral("File Error!"));
    return bOk;
}

void CPlayerIndex::SortByName(QList<CPlayerEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const CPlayerEntry& a, const CPlayerEntry& b) {
        return a.m_strName.compare(b.m_strName, Qt::CaseInsensitive) < 0;
    });
}

CDeleteOutcome CPlayerIndex::DeletePlayers(const QString& strFolder, const QList<CPlayerEntry>& listed,
                                           QList<int> selected, const QList<CPlayerEntry>& current,
                                           QWidget* pOwner)
{
    CDeleteOutcome outcome;
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    QList<bool> removed(listed.size(), false);
    for (int nIndex : selected) {
        if (nIndex < 0 || nIndex >= listed.size())
            continue;
        QString strPath;
        if (!RemovePlayerFile(strFolder, listed[nIndex], strPath)) {
            outcome.m_strFailedPath = strPath;
            MessageBox(pOwner, QStringLiteral("Unable to delete the player file %1.").arg(strPath),
                       kFileErrorCaption);
            break;
        }
        removed[nIndex] = true;
        outcome.m_removed.append(listed[nIndex]);
    }

    QList<CPlayerEntry> others;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        if (!removed[i])
            others.append(listed[i]);
    }
    SortByName(others);
    outcome.m_bIndexWritten = Write(strFolder, current + others);
    if (!outcome.m_bIndexWritten)
        ShowReinstall(pOwner);
    return outcome;
}
