#include "TurnWays.h"

#include "BoardModel.h"

#include <algorithm>

void CTurnWays::ReadBoard(const CBoardModel& board)
{
    const COperationSet ops{board.m_bAdd, board.m_bSubtract, board.m_bMultiply, board.m_bDivide};
    m_groups = CRollWays(m_nDrawn[0], m_nDrawn[1], m_nDrawn[2], ops, board.m_bPositiveOnly).Groups();
    NoteFreePieces(board);
    KeepPlayedGroup();
}

void CTurnWays::NoteFreePieces(const CBoardModel& board)
{
    m_nFreePoints.clear();
    for (int nPlace = 0; nPlace < CBoardModel::nPlaces; ++nPlace) {
        if (!board.IsOnBoard(nPlace))
            continue;
        const CBoardPiece& piece = board.Piece(nPlace);
        int& nPoints = m_nFreePoints[piece.m_nNumber];
        nPoints = std::max(nPoints, piece.m_nCount + 1);
    }
}

// A row the player built may reach a number no form does (a bracketed difference below zero
// in a positive-only game): the move gets a group of its own.
void CTurnWays::KeepPlayedGroup()
{
    if (!m_bPieceTaken)
        return;
    const auto group = CRollWays::GroupOf(m_groups, m_nPlayedValue);
    if (group->ways.empty())
        group->ways.push_back(CWay{m_strPlayedText, 0});
}

int CTurnWays::FreePiecePoints(int nValue) const
{
    const auto it = m_nFreePoints.find(nValue);
    return it == m_nFreePoints.end() ? 0 : it->second;
}
