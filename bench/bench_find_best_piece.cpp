// FindBestPiece over all 1331 rolls of 0 to 10 on a full "ASMD.A" board, as the roll runs it on
// every tick. One iteration is one call, the next roll each time, so Time is per call.
#include "BoardModel.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

struct CRoll {
    int a, b, c;
};

std::array<CRoll, 1331> AllRolls()
{
    std::array<CRoll, 1331> rolls{};
    std::size_t i = 0;
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c)
                rolls[i++] = {a, b, c};
    return rolls;
}

void FindBestPieceOverAllRolls(benchmark::State& state)
{
    CBoardModel board;
    const auto places = CBoardFile::LoadFile(std::string(ZORBLY_SOURCE_DIR) + "/data/ASMD.A");
    if (!places) {
        state.SkipWithError("data/ASMD.A did not load");
        return;
    }
    board.SetPlaces(*places);
    board.Arrange();
    const auto rolls = AllRolls();
    std::size_t nNext = 0;
    for (auto _ : state) {
        const CRoll& roll = rolls[nNext];
        nNext = nNext + 1 == rolls.size() ? 0 : nNext + 1;
        int nListPos = -1;
        int nIndex = -1;
        benchmark::DoNotOptimize(board.FindBestPiece(roll.a, roll.b, roll.c, nListPos, nIndex));
        benchmark::DoNotOptimize(nIndex);
    }
    state.SetItemsProcessed(state.iterations());
}

// At least every roll a few hundred times.
BENCHMARK(FindBestPieceOverAllRolls)->Unit(benchmark::kNanosecond)->MinTime(0.5);

} // namespace

BENCHMARK_MAIN();
