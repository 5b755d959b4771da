#include "BoardModel.h"

#include "Random.h"

#include <utility>

CBoardModel::CBoardModel()
{
    m_nArranged.fill(nNoPlace);
}

bool CBoardModel::LoadBoard(const std::string& strKey)
{
    const auto places = CBoardFile::Load(strKey);
    if (!places)
        return false;
    SetPlaces(*places);
    return true;
}

void CBoardModel::LoadBoardText(std::string_view strText)
{
    SetPlaces(CBoardFile::Parse(strText));
}

void CBoardModel::SetPlaces(const CBoardFile::CPlaces& places)
{
    m_pieces = places;
    m_catalogue.Reset();
    // The old list named pieces that are gone.
    m_nArranged.fill(nNoPlace);
    m_targets.Clear();
    m_changed.set();
}

bool CBoardModel::HasPiece(int nPlace) const
{
    return nPlace >= 0 && nPlace < nPlaces && m_pieces[nPlace].has_value();
}

const CBoardPiece& CBoardModel::Piece(int nPlace) const
{
    return *m_pieces.at(static_cast<std::size_t>(nPlace));
}

bool CBoardModel::IsOnBoard(int nPlace) const
{
    return HasPiece(nPlace) && !m_pieces[nPlace]->IsTaken();
}

void CBoardModel::TakePiece(int nPlace, int nTakenBy)
{
    if (!HasPiece(nPlace))
        return;
    m_pieces[nPlace]->m_bTaken = nTakenBy;
    m_changed.set(static_cast<std::size_t>(nPlace));
}

CBoardModel::CPlaceList CBoardModel::TakenNeighbours(int nRow, int nCol) const
{
    static constexpr int kOffsets[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1},
                                           {0, 1},   {1, -1}, {1, 0},  {1, 1}};
    CPlaceList taken;
    if (nRow < 0 || nRow >= nRows || nCol < 0 || nCol >= nColumns)
        return taken;
    for (const auto& offset : kOffsets) {
        const int nR = nRow + offset[0];
        const int nC = nCol + offset[1];
        if (nR < 0 || nR >= nRows || nC < 0 || nC >= nColumns)
            continue;
        const int nPlace = nR * nColumns + nC;
        if (HasPiece(nPlace) && m_pieces[nPlace]->IsTaken())
            taken.nPlace[taken.nSize++] = nPlace;
    }
    return taken;
}

int CBoardModel::CountTakenNeighbours(int nRow, int nCol) const
{
    return TakenNeighbours(nRow, nCol).nSize;
}

void CBoardModel::Arrange()
{
    m_bBoardEmpty = true;
    for (int i = 0; i < nPlaces; ++i) {
        if (IsOnBoard(i)) {
            m_nArranged[i] = i;
            m_pieces[i]->m_nCount = CountTakenNeighbours(i / nColumns, i % nColumns);
            m_bBoardEmpty = false;
        } else {
            m_nArranged[i] = nNoPlace;
        }
    }
    if (!m_bBoardEmpty) {
        CloseArrangedGaps();
        int n = 0;
        while (n < nPlaces && m_nArranged[n] != nNoPlace)
            ++n;
        if (n > 1)
            SortArrangedByCount(n);
    }
    IndexArrangedNumbers();
}

// The search looks each catalogue value up here instead of walking the list for every form.
void CBoardModel::IndexArrangedNumbers()
{
    m_targets.Clear();
    for (int p = 0; p < nPlaces; ++p) {
        const int nPlace = m_nArranged[p];
        if (nPlace != nNoPlace && m_pieces[nPlace]->m_nNumber != CExpressionCatalogue::nEmpty)
            m_targets.Add(m_pieces[nPlace]->m_nNumber, p);
    }
}

// Moves pieces from the end of the list into earlier gaps, so the order before sorting is not
// the board order; the search's tie-break depends on it.
void CBoardModel::CloseArrangedGaps()
{
    int nLast = nPlaces - 1;
    int i = 0;
    while (nLast > i) {
        if (m_nArranged[i] == nNoPlace) {
            m_nArranged[i] = m_nArranged[nLast];
            m_nArranged[nLast] = nNoPlace;
            --nLast;
        } else {
            ++i;
        }
    }
}

// An exchange sort with halving gaps, largest count first; equal counts are never exchanged.
void CBoardModel::SortArrangedByCount(int n)
{
    int nGap = n;
    do {
        nGap /= 2;
        bool bExchanged;
        do {
            bExchanged = false;
            for (int j = 0; j <= n - nGap - 1; ++j) {
                if (m_nArranged[j] == nNoPlace || m_nArranged[j + nGap] == nNoPlace)
                    continue;
                if (ArrangedCount(j) < ArrangedCount(j + nGap)) {
                    std::swap(m_nArranged[j], m_nArranged[j + nGap]);
                    bExchanged = true;
                }
            }
        } while (bExchanged);
    } while (nGap > 1);
}

int CBoardModel::ArrangedCount(int nListPos) const
{
    return m_pieces[m_nArranged[nListPos]]->m_nCount;
}

int CBoardModel::ArrangedPlace(int nListPos) const
{
    if (nListPos < 0 || nListPos >= nPlaces)
        return nNoPlace;
    return m_nArranged[nListPos];
}

void CBoardModel::RemoveRandomPieces(int n)
{
    int nRemoved = 0;
    while (nRemoved < n && CanRemoveMore()) {
        const int nRow = CRandom::Scaled(nRows);
        const int nCol = CRandom::Scaled(nColumns);
        if (nRow >= nRows || nCol >= nColumns)
            continue;
        const int nPlace = nRow * nColumns + nCol;
        if (!HasPiece(nPlace)) {
            ++nRemoved;  // an empty place counts as a removal
        } else if (!m_pieces[nPlace]->IsTaken()) {
            TakePiece(nPlace, 1);
            ++nRemoved;
        }
    }
    Arrange();
}

// Without a piece on the board or an empty place, no draw could ever count.
bool CBoardModel::CanRemoveMore() const
{
    for (int i = 0; i < nPlaces; ++i) {
        if (!HasPiece(i) || !m_pieces[i]->IsTaken())
            return true;
    }
    return false;
}

COperationSet CBoardModel::Operations() const
{
    return {m_bAdd, m_bSubtract, m_bMultiply, m_bDivide};
}

bool CBoardModel::FindBestPiece(int a, int b, int c, int& nListPos, int& nIndex)
{
    m_catalogue.Fill(a, b, c, Operations(), m_bPositiveOnly);
    return m_catalogue.FindFirstTarget(m_targets, nListPos, nIndex);
}

std::bitset<CBoardModel::nPlaces> CBoardModel::PlacesWithNumber(int nValue) const
{
    std::bitset<nPlaces> places;
    for (int i = 0; i < nPlaces; ++i) {
        if (IsOnBoard(i) && m_pieces[i]->m_nNumber == nValue)
            places.set(static_cast<std::size_t>(i));
    }
    return places;
}

std::bitset<CBoardModel::nPlaces> CBoardModel::TakeChangedPlaces()
{
    return std::exchange(m_changed, {});
}
