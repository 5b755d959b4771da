#pragma once

#include "BoardFile.h"
#include "BoardPiece.h"
#include "ExpressionCatalogue.h"
#include "OperationSet.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

// The board without its window: 35 places (row * 7 + column), the piece at each, the
// taken-neighbour counts, the arranged search order, random removal at set-up and the search
// for the best piece. A window reads every piece's state and asks which places changed.
class CBoardModel {
public:
    static constexpr int nRows = 5;
    static constexpr int nColumns = 7;
    static constexpr int nPlaces = nRows * nColumns;
    static constexpr int nNoPlace = -1;

    // Up to eight places, in the order they were visited.
    struct CPlaceList {
        std::array<int, 8> nPlace{};
        int nSize = 0;
    };

    CBoardModel();

    // Loads "data/" + strKey; false when the file cannot be opened (nothing changes then).
    // Empties the catalogue and the arranged list; call Arrange next.
    bool LoadBoard(const std::string& strKey);
    // The same from board text in memory.
    void LoadBoardText(std::string_view strText);
    // The same from places already parsed.
    void SetPlaces(const CBoardFile::CPlaces& places);

    bool HasPiece(int nPlace) const;
    // The piece at a place that HasPiece.
    const CBoardPiece& Piece(int nPlace) const;
    // A piece that is there and not taken.
    bool IsOnBoard(int nPlace) const;
    // Takes the piece at nPlace for nTakenBy (1 or 2; 1 also for removal at set-up).
    void TakePiece(int nPlace, int nTakenBy);

    // Taken places around (nRow, nCol), visited up-left, up, up-right, left, right, down-left,
    // down, down-right; places beyond the edges are left out.
    CPlaceList TakenNeighbours(int nRow, int nCol) const;
    int CountTakenNeighbours(int nRow, int nCol) const;

    // Recomputes every count and rebuilds the arranged list: pieces still on the board with the
    // most taken neighbours first; equal counts keep the order the gap closing leaves.
    void Arrange();
    // The place at position nListPos (0 to 34) of the arranged list, nNoPlace when empty.
    int ArrangedPlace(int nListPos) const;
    // No piece left on the board, as of the last Arrange.
    bool IsBoardEmpty() const { return m_bBoardEmpty; }

    // Takes n pieces off at random (row drawn before column), then arranges. Stops early when
    // nothing is left that could be removed.
    void RemoveRandomPieces(int n);

    // Fills the catalogue for a, b, c and reports the first piece of the arranged list that one
    // of its forms reaches, with the lowest catalogue index that reaches it. False leaves
    // nListPos and nIndex untouched.
    bool FindBestPiece(int a, int b, int c, int& nListPos, int& nIndex);
    const CExpressionCatalogue& Catalogue() const { return m_catalogue; }

    // Places, in place order, of the pieces on the board that carry nValue.
    std::bitset<nPlaces> PlacesWithNumber(int nValue) const;

    // Places whose piece appeared, disappeared or was taken since the last call; clears them.
    std::bitset<nPlaces> TakeChangedPlaces();

    // The operations allowed and the sign rule, read by the search.
    bool m_bAdd = true;
    bool m_bSubtract = true;
    bool m_bMultiply = true;
    bool m_bDivide = true;
    bool m_bPositiveOnly = false;

private:
    COperationSet Operations() const;
    void CloseArrangedGaps();
    void SortArrangedByCount(int n);
    int ArrangedCount(int nListPos) const;
    bool CanRemoveMore() const;
    void IndexArrangedNumbers();

    std::array<std::optional<CBoardPiece>, nPlaces> m_pieces;
    std::array<int, nPlaces> m_nArranged;  // places in search order, then nNoPlace
    bool m_bBoardEmpty = true;
    CExpressionCatalogue m_catalogue;
    CTargetIndex m_targets;  // each number of the arranged list with its first position
    std::bitset<nPlaces> m_changed;
};
