#pragma once

#include "RecordList.h"

#include <QByteArray>
#include <QList>
#include <vector>

class CPlayerFile;

// The player object the program uses: loads and saves the player file, and keeps the record of
// the game in progress up to date.
class CPlayer : public CRecordList {
public:
    CPlayer() = default;

    // Appends the records of the player file `strFolder` + m_strFileName; the file's name line
    // replaces m_strName. False, with nothing changed, when the file cannot be read.
    bool Load(const QString& strFolder) override;
    // Rewrites the player file, the game in progress included, under the folder's lock. Another
    // game may have saved the same player since this one read it: the records it added are
    // taken in and those it deleted dropped (never the game in progress), so neither game's
    // changes are lost. False when the file could not be written (the old file then stays as
    // it was).
    bool Save(const QString& strFolder) override;
    void Clear() override;
    // The player file's contents from, or to, a file already open (Load and Save open it).
    void ReadFrom(CPlayerFile& file);
    bool WriteTo(CPlayerFile& file) const;

    // Opens a record for a game that begins (a record still in progress stays as it is).
    void StartGame(const QString& strTitle);
    // Closes the record in progress; nothing happens without one.
    void EndGame(const QString& strOpponent, bool bFinished, bool bNotWon);
    void CountOptimalHint();
    void CountOperatorHint();
    void CountMissedMove();
    void CountPass();

    // The records the statistics dialog lists: every one but the game in progress, in the
    // order the games were played, oldest first.
    std::vector<CGameStats*> ListedRecords() const;
    // Deletes one record; false when it is not one of this player's. The game in progress
    // is never purged.
    bool PurgeRecord(const CGameStats* pRecord);
    // Deletes every record but the game in progress.
    void PurgeAll();

private:
    using Records = std::vector<std::unique_ptr<CGameStats>>;

    void CountOnCurrent(int CGameStats::*pCounter);
    static void ReadRecords(CPlayerFile& file, Records& records);
    // Each record as the player file holds it, to tell records apart from their text alone.
    static QList<QByteArray> RecordTexts(const Records& records);
    bool MergeWithDisk(const QString& strPath);

    // The records' text as this game last read or wrote the player file.
    QList<QByteArray> m_synced;

    // Set when the player file exists but could not be read: saving over it would lose the
    // games it holds.
    bool m_bFileUnreadable = false;
    QString m_strUnreadablePath;
};
