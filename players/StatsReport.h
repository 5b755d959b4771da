#pragma once

#include <QString>

class CGameStats;

// The statistics report of one game record, for the statistics dialog and for printing.
class CStatsReport {
public:
    // Appends the heading, the game title, the player's name and the record's own lines;
    // line ends are "\r\n" for the edit box, "\n" for the print file.
    static void Build(QString& strOut, const QString& strPlayerName, const CGameStats& record,
                      bool bEditBox);
    // The print file "stats.txt" in the players folder.
    static QString PrintFilePath(const QString& strFolder);
    // Writes `strReport` (lines ending in "\n") to the print file with CR LF line ends.
    // False when it could not be written whole; an older print file then stays as it was.
    static bool WritePrintFile(const QString& strFolder, const QString& strReport);
};
