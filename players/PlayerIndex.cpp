#include "PlayerIndex.h"

#include "FolderLock.h"
#include "PlayerFile.h"
#include "Prompts.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

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
    QByteArray bytes;
    const ReadResult result = ReadBytes(strFolder, bytes);
    if (result == ReadResult::Read)
        ParseEntries(bytes, entries);
    return result;
}

CPlayerIndex::ReadResult CPlayerIndex::ReadBytes(const QString& strFolder, QByteArray& bytes)
{
    const QString strPath = IndexPath(strFolder);
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(strPath) ? ReadResult::Unreadable : ReadResult::Missing;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? ReadResult::Read : ReadResult::Unreadable;
}

bool CPlayerIndex::ParseEntries(QByteArray bytes, QList<CPlayerEntry>& entries)
{
    CPlayerFile file;
    file.OpenBuffer(&bytes, CPlayerFile::modeRead);
    bool bComplete = true;
    QString strName;
    while (file.ReadLine(strName)) {
        if (strName.isEmpty())
            continue;
        CPlayerEntry entry;
        entry.m_strName = strName;
        bComplete = file.ReadLine(entry.m_strFileName);
        entries.append(entry);
    }
    return bComplete && (bytes.isEmpty() || bytes.endsWith('\n'));
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
    CPlayerFile::RemoveLeftovers(strFolder);
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
    const CFolderLock lock(strFolder);
    const bool bOk = lock.IsLocked() && Append(strFolder, entry);
    if (!bOk)
        MessageBox(pOwner, QStringLiteral("Unable to open data file"), QStringLiteral("File Error!"));
    return bOk;
}

bool CPlayerIndex::Append(const QString& strFolder, const CPlayerEntry& entry)
{
    QByteArray bytes;
    if (ReadBytes(strFolder, bytes) == ReadResult::Unreadable)
        return false;
    QList<CPlayerEntry> entries;
    if (!ParseEntries(bytes, entries)) {
        // A dangling name line would pair the new name with another player's file: the index
        // is written anew, whole.
        entries.append(entry);
        return Write(strFolder, entries);
    }
    // The entries already there keep their bytes, whatever encoding an older game wrote.
    CPlayerFile file;
    if (!file.Open(IndexPath(strFolder), CPlayerFile::modeWrite))
        return false;
    bool bOk = file.WriteBytes(bytes);
    bOk = file.WriteLine(entry.m_strName) && bOk;
    bOk = file.WriteLine(entry.m_strFileName) && bOk;
    return file.Close() && bOk;
}

namespace {

const QCollator& NameCollator()
{
    static const QCollator collator = [] {
        // The C locale collates by code point (capitals first); names sort as in English there.
        const QLocale locale = QLocale::system();
        QCollator names(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
        names.setCaseSensitivity(Qt::CaseInsensitive);
        names.setIgnorePunctuation(true);
        return names;
    }();
    return collator;
}

}  // namespace

bool CPlayerIndex::NameLess(const QString& strA, const QString& strB)
{
    return NameCollator().compare(strA, strB) < 0;
}

void CPlayerIndex::SortByName(QList<CPlayerEntry>& entries)
{
    // Sort keys compare far faster than the names themselves: thousands of players sort at once.
    std::vector<std::pair<QCollatorSortKey, CPlayerEntry>> keyed;
    keyed.reserve(static_cast<std::size_t>(entries.size()));
    for (const CPlayerEntry& entry : entries)
        keyed.emplace_back(NameCollator().sortKey(entry.m_strName), entry);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        entries[static_cast<qsizetype>(i)] = keyed[i].second;
}

CDeleteOutcome CPlayerIndex::DeletePlayers(const QString& strFolder, const QList<CPlayerEntry>& listed,
                                           QList<int> selected, const QList<CPlayerEntry>& current,
                                           QWidget* pOwner)
{
    CDeleteOutcome outcome;
    const CFolderLock lock(strFolder);
    if (!lock.IsLocked()) {
        ShowReinstall(pOwner);
        return outcome;
    }
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
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
        outcome.m_removed.append(listed[nIndex]);
    }

    // The index is rewritten from what is on disk now: a player another game added since the
    // list was read stays.
    QList<CPlayerEntry> others;
    switch (Read(strFolder, others)) {
    case ReadResult::Unreadable:
        ShowReinstall(pOwner);
        return outcome;
    case ReadResult::Missing:
        others = listed;  // an index removed meanwhile is written again from the list
        break;
    case ReadResult::Read:
        break;
    }
    others.removeIf([&](const CPlayerEntry& entry) {
        return current.contains(entry) || outcome.m_removed.contains(entry);
    });
    SortByName(others);
    outcome.m_bIndexWritten = Write(strFolder, current + others);
    if (!outcome.m_bIndexWritten)
        ShowReinstall(pOwner);
    return outcome;
}
