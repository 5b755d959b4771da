// libFuzzer target for the board-file reader: any bytes parse to at most 35 pieces, and a board
// loaded from them can be arranged, thinned out and searched without fault.
#include "BoardFile.h"
#include "BoardModel.h"
#include "Random.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strText(reinterpret_cast<const char*>(pData), nSize);
    const CBoardFile::CPlaces places = CBoardFile::Parse(strText);
    for (const auto& piece : places) {
        if (piece && piece->m_strText.size() > strText.size())
            __builtin_trap();
    }

    CBoardModel board;
    board.SetPlaces(places);
    board.Arrange();
    int nListPos = -1;
    int nIndex = -1;
    board.FindBestPiece(3, 7, 2, nListPos, nIndex);
    if (nIndex != -1 && board.ArrangedPlace(nListPos) == CBoardModel::nNoPlace)
        __builtin_trap();
    CRandom::Seed(static_cast<unsigned>(nSize));
    board.RemoveRandomPieces(nSize % 40);
    board.FindBestPiece(0, 10, 5, nListPos, nIndex);
    return 0;
}
