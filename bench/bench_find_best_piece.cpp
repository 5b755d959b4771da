// FindBestPiece over all 1331 rolls of 0 to 10 on a full "ASMD.A" board, as the roll runs it on
// every tick. One iteration is one call, the next roll each time, so Time is per call.
#include "BoardModel.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
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

const std::string kBoardPath = std::string(ZORBLY_SOURCE_DIR) + "/data/ASMD.A";

void FindBestPieceOverAllRolls(benchmark::State& state)
{
    CBoardModel board;
    board.SetPlaces(*CBoardFile::LoadFile(kBoardPath));  // checked in main
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

// Without its board there is nothing to measure: the benchmark fails instead of printing a time.
int main(int argc, char** argv)
{
    if (!CBoardFile::LoadFile(kBoardPath)) {
        std::fprintf(stderr, "bench_find_best_piece: %s did not load\n", kBoardPath.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    return benchmark::RunSpecifiedBenchmarks() > 0 ? 0 : 1;
}
