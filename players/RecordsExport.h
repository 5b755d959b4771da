#pragma once

#include "PlayerIndex.h"
#include "RecordsCsv.h"

#include <QString>
#include <QStringList>
#include <vector>

class CPlayer;
class QWidget;

// Every game of every player in the players folder, gathered into one CSV sheet for a teacher.
// Reads the index and the player files and never writes into the players folder.
class CRecordsExport {
public:
    // `strFolder` is the players folder, ending in "/". The players of the game in progress are
    // taken from memory instead of their files, which are older.
    CRecordsExport(const QString& strFolder, const std::vector<const CPlayer*>& livePlayers);

    // Reads the index and each player's games, the players sorted by name. Entries without a
    // player file are passed over; a file that cannot be read is left out and named in Skipped.
    CPlayerIndex::ReadResult Gather();
    const CRecordsCsv& Csv() const { return m_csv; }
    // "Name (file name)" of every player whose file could not be read.
    const QStringList& Skipped() const { return m_skipped; }

    // True when `strPath` lies in the players folder or below it.
    bool IsInPlayersFolder(const QString& strPath) const;
    // Writes the sheet as UTF-8, whole or not at all; false when it could not be written.
    bool WriteTo(const QString& strPath) const;

    // The menu command: gathers the games, asks where to save them, writes them and says what
    // happened. `strHomeDir` ends in "/".
    static void Run(QWidget* pOwner, const QString& strHomeDir,
                    const std::vector<const CPlayer*>& livePlayers);

private:
    void AddPlayer(const CPlayerEntry& entry);
    const CPlayer* LivePlayer(const QString& strFileName) const;

    QString m_strFolder;
    std::vector<const CPlayer*> m_livePlayers;
    CRecordsCsv m_csv;
    QStringList m_skipped;
};
