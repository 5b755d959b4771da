#pragma once

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
    // Writes the index whole; false when it could not be written (the old one then stays).
    static bool Write(const QString& strFolder, const QList<CPlayerEntry>& entries);

    // The entries for a player list. A missing index is created empty; when it can be neither
    // read nor created, "Please re-install Cogwhistle!" / "File Error" is shown (owned by
    // `pOwner`) and the list is empty. Entries whose file name is one of `exceptFileNames`
    // (exactly, letter case counting) are left out.
    static QList<CPlayerEntry> List(const QString& strFolder, QWidget* pOwner,
                                    const QStringList& exceptFileNames = {});
    // Adds an entry at the end of the index. On failure "Unable to open data file" /
    // "File Error!" is shown (owned by `pOwner`) and false returned.
    static bool Add(const QString& strFolder, const CPlayerEntry& entry, QWidget* pOwner);

    // The order of the player lists: by name, letter case ignored; equal names keep their order.
    static void SortByName(QList<CPlayerEntry>& entries);

    // Deletes the players `selected` (indexes into `listed`, the listed entries, current players
    // left out) in ascending order. A file already missing, or an entry without a file, counts
    // as removed; any other failure is reported with the file's name and stops the run. The
    // index is then rewritten: `current` first, then every listed entry not removed, by name.
    // When that fails, "Please re-install Cogwhistle!" / "File Error" is shown.
    static CDeleteOutcome DeletePlayers(const QString& strFolder, const QList<CPlayerEntry>& listed,
                                        QList<int> selected, const QList<CPlayerEntry>& current,
                                        QWidget* pOwner);
};
