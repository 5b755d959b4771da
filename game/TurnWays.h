#pragma once

#include "RollWays.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

class CBoardModel;

// A turn that has ended, as the Ways window shows it: who rolled what, every way the roll
// reached a number, the move played and the best move, and which numbers a piece still on the
// board carries. The piece just taken is no longer free. Points are what the roll was worth:
// one plus the neighbours taken before the move, as the game scored it.
class CTurnWays {
public:
    static constexpr int nNoValue = -1000;  // the best move when no piece was in reach

    QString m_strPlayer;
    int m_nDrawn[3] = {0, 0, 0};
    bool m_bPieceTaken = false;   // false after a pass
    int m_nPlayedValue = 0;
    int m_nPlayedPoints = 0;
    std::string m_strPlayedText;  // the expression row as the piece was taken
    int m_nBestValue = nNoValue;
    int m_nBestPoints = 0;
    int m_nBestIndex = -1;        // the catalogue form the game shows as the best move

    // Lists the roll's ways under the board's operations and sign rule, and notes for every
    // number the most points a free piece carrying it was worth. Call it before the board is
    // arranged again, while its counts are still those the move was scored with.
    void ReadBoard(const CBoardModel& board);

    const std::vector<CWayGroup>& Groups() const { return m_groups; }
    // The points of the best free piece carrying nValue, 0 when none is left.
    int FreePiecePoints(int nValue) const;
    bool IsPlayed(int nValue) const { return m_bPieceTaken && nValue == m_nPlayedValue; }
    bool IsBest(int nValue) const { return m_nBestValue != nNoValue && nValue == m_nBestValue; }
    bool IsBestWay(const CWay& way) const { return way.nIndex == m_nBestIndex; }
    bool IsPlayedWay(const CWay& way) const { return m_bPieceTaken && way.strText == m_strPlayedText; }

private:
    void NoteFreePieces(const CBoardModel& board);
    void KeepPlayedGroup();

    std::vector<CWayGroup> m_groups;
    std::map<int, int> m_nFreePoints;  // number -> points
};
