#pragma once

#include "GameStats.h"

#include <QString>
#include <memory>
#include <vector>

// A player's identity and game records: the name, the player file's name inside the players
// folder, the records oldest first, and the record of the game in progress.
class CRecordList {
public:
    CRecordList() = default;
    virtual ~CRecordList() = default;
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;

    // Here they do nothing and return false; CPlayer reads and writes the player file.
    virtual bool Load(const QString& strFolder);
    virtual bool Save(const QString& strFolder);
    // Drops every record; afterwards no game is in progress.
    virtual void Clear();

    // Sets the name, chooses a free file name in `strFolder` (which ends in "/"), creates that
    // file empty and keeps its name. False, with the file name unchanged, when none of the 100
    // candidates could be created.
    bool AssignFileName(const QString& strName, const QString& strFolder);
    // The stem of a player's file names: characters file names cannot hold become "_", and the
    // stem is cut to at most five characters, two at a time, never inside a character.
    static QString FileStem(const QString& strName);

    // Stores the score (at least 1) in the game in progress; "No m_pCurrentStats!" without one.
    void SetScore(int nScore);

    QString m_strFileName;
    QString m_strName;
    std::vector<std::unique_ptr<CGameStats>> m_records;
    CGameStats* m_pCurrentStats = nullptr;  // one of m_records, or null
};
