// Deal, FindAllPairs and Solve for each of the nine offered sizes.

#include "BenchBoard.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Deal(benchmark::State& state, OfferedSize size)
{
    std::uint32_t seed = 1;
    for (auto _ : state) {
        BenchBoard board(size);
        DealWithSeed(board, seed++);
        benchmark::DoNotOptimize(board.CountTiles());
    }
}

void BM_FindAllPairs(benchmark::State& state, OfferedSize size)
{
    BenchBoard board(size);
    DealWithSeed(board, 7);
    CTilePairList pairs;
    for (auto _ : state) {
        board.FindAllPairs(pairs);
        benchmark::DoNotOptimize(pairs.data());
    }
}

void BM_Solve(benchmark::State& state, OfferedSize size)
{
    std::uint32_t seed = 1;
    CTilePairList solution;
    for (auto _ : state) {
        state.PauseTiming();
        BenchBoard board(size);
        DealWithSeed(board, seed++);
        state.ResumeTiming();
        board.Solve(solution);
        benchmark::DoNotOptimize(solution.data());
    }
}

int Register()
{
    for (const OfferedSize& s : kOfferedSizes) {
        benchmark::RegisterBenchmark(("Deal/" + SizeName(s)).c_str(), BM_Deal, s)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FindAllPairs/" + SizeName(s)).c_str(), BM_FindAllPairs, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Solve/" + SizeName(s)).c_str(), BM_Solve, s)->Unit(benchmark::kMillisecond);
    }
    return 0;
}
const int registered = Register();

} // namespace

BENCHMARK_MAIN();
