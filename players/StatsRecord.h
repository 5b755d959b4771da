#pragma once

#include <QString>

class CPlayerFile;

// Time patterns of the records.
inline const QString kStartedFormat = QStringLiteral("%m/%d/%y at %I:%M:%S %p");
inline const QString kFinishedFormat = QStringLiteral("Game was finished on %A, %m/%d/%y at %I:%M %p");
inline const QString kPlayedFormat = QStringLiteral("Game was played on %A, %m/%d/%y at %I:%M %p");
inline const QString kLastPlayedFormat =
    QStringLiteral("Last played this game on %A, %m/%d/%y at %I:%M %p");

// The common part of a game record: when and what was played, and the score.
class CStatsRecord {
public:
    CStatsRecord();
    virtual ~CStatsRecord() = default;

    // Appends the report lines; line ends are "\r\n" for an edit box, "\n" for the print file.
    virtual void Describe(QString& strOut, bool bEditBox) const;
    // Back to the initial values; the play count is left alone.
    virtual void Reset();
    // Reads the record's lines; a line missing at the end of the file reads as empty. Always true.
    virtual bool Read(CPlayerFile* pFile);
    // Writes the record's lines, filling in an empty date line first. False when a write failed.
    virtual bool Write(CPlayerFile* pFile);

    // An integer line: leading white space, an optional sign, digits up to the first other
    // character; 0 without digits; held within the range of int.
    static int ParseInt(const QString& strLine);

    QString m_strStarted;
    QString m_strTitle;
    QString m_strNote;
    QString m_strDateLine;
    bool m_bFinished = false;
    int m_nScore = 1;
    int m_nTimesPlayed = 0;

protected:
    static QString LineBreak(bool bEditBox);
    static QString ReadText(CPlayerFile* pFile);
    static int ReadInt(CPlayerFile* pFile);
    // Only the exact line "FALSE" is false.
    static bool ReadFlag(CPlayerFile* pFile);
    static bool WriteFlag(CPlayerFile* pFile, bool bFlag);
    static bool WriteInt(CPlayerFile* pFile, int nValue);
};
