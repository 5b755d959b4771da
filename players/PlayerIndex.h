#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// One entry of the player index: the name as typed and the player file's name (may be empty).
struct CPlayerEntry {
    QString m_strName;
    QString m_strFileName;
    bool operator==(const CPlayerEntry&) const = default;
};

// What a deletion run did.
struct CDeleteOutcome {
    QList<CPlayerEntry> m_removed;     // entries whose files are gone (or never existed)
    QString m_strFailedPath;           // the file that could not be removed; empty when none
    bool m_bIndexWritten = false;      // the index was rewritten
    bool AllRemoved() const { return m_strFailedPath.isEmpty(); }
};

// The players folder and its index "data": two lines per player, name then file name, in the
// order players were added until a deletion rewrites it.
class CPlayerIndex {
public:
    // The home folder ends in "/"; so does the players folder.
    static QString PlayersFolder(const QString& strHomeDir);
    static QString IndexPath(const QString& strFolder);
    // A name that stands for a file inside the players folder: not empty, no folder part.
    static bool IsPlayerFileName(const QString& strFileName);

    enum class ReadResult { Read, Missing, Unreadable };
    // Reads the entries: an empty line where a name is expected is skipped, a name on the last
    // line gets an empty file name.
    static ReadResult Read(const QString& strFolder, QList<CPlayerEntry>& entries);
    // The index file's bytes.
    static ReadResult ReadBytes(const QString& strFolder, QByteArray& bytes);
    // Appends the entries of index text `bytes` to `entries`; false when the text does not end
    // with a whole name/file-name pair and a line end.
    static bool ParseEntries(QByteArray bytes, QList<CPlayerEntry>& entries);
    // Writes the index whole; false when it could not be written (the old one then stays).
    static bool Write(const QString& strFolder, const QList<CPlayerEntry>& entries);

    // The entries for a player list. Temporary files of saves killed part-way are cleared
    // away first. A missing index is created empty; when it can be neither
    // read nor created, "Please re-install Cogwhistle!" / "File Error" is shown (owned by
    // `pOwner`) and the list is empty. Entries whose file name is one of `exceptFileNames`
    // (exactly, letter case counting) are left out.
    static QList<CPlayerEntry> List(const QString& strFolder, QWidget* pOwner,
                                    const QStringList& exceptFileNames = {});
    // Adds an entry at the end of the index, under the folder's lock. The entries already
    // there keep their bytes. On failure "Unable to open data file" /
    // "File Error!" is shown (owned by `pOwner`) and false returned.
    static bool Add(const QString& strFolder, const CPlayerEntry& entry, QWidget* pOwner);

    // The order of the player lists: names as people sort them in the user's language, letter
    // case and punctuation ignored ("Oliver" before "O'Neil", "Émile" among the E's).
    static bool NameLess(const QString& strA, const QString& strB);
    // Sorts by NameLess; equal names keep their order.
    static void SortByName(QList<CPlayerEntry>& entries);

    // Deletes the players `selected` (indexes into `listed`, the listed entries, current players
    // left out) in ascending order. A file already missing, or an entry without a file, counts
    // as removed; any other failure is reported with the file's name and stops the run. The
    // index is then rewritten from what is on disk now: `current` first, then every other entry
    // not removed, by name. All of it under the folder's lock.
    // When that fails, "Please re-install Cogwhistle!" / "File Error" is shown.
    static CDeleteOutcome DeletePlayers(const QString& strFolder, const QList<CPlayerEntry>& listed,
                                        QList<int> selected, const QList<CPlayerEntry>& current,
                                        QWidget* pOwner);

private:
    static bool Append(const QString& strFolder, const CPlayerEntry& entry);
};
