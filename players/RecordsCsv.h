#pragma once

#include <QString>
#include <QStringList>

class CRecordList;

// Game records as one sheet of comma-separated values (RFC 4180): a header row, then a row per
// game, every line ended by CR LF, a field quoted when it holds a comma, a quote, a line break
// or spaces at either end.
class CRecordsCsv {
public:
    CRecordsCsv();

    // Adds a row for every record of `player`, oldest first, the game in progress included.
    void AddPlayer(const CRecordList& player);
    const QString& Text() const { return m_strText; }
    int GameCount() const { return m_nGames; }

    static const QStringList& Header();
    // `strText` as one field of a row.
    static QString Field(const QString& strText);

private:
    void AddRow(const QStringList& fields);

    QString m_strText;
    int m_nGames = 0;
};
