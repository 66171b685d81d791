// Deal, FindAllPairs and Solve for each of the nine offered sizes; deals under
// gravity and shuffles of full boards under either rule, one a repetition, so
// that their median is that of single runs over many deals.

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

void BM_DealGravity(benchmark::State& state, OfferedSize size)
{
    static std::uint32_t seed = 1;
    for (auto _ : state) {
        BenchBoard board(size, true);
        DealWithSeed(board, seed++);
        benchmark::DoNotOptimize(board.CountTiles());
    }
}

void BM_Shuffle(benchmark::State& state, OfferedSize size, bool gravity)
{
    static std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        BenchBoard board(size, gravity);
        DealWithSeed(board, seed++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(board.Shuffle());
    }
}

void OneARepetition(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(31)->ReportAggregatesOnly(true);
}

int Register()
{
    for (const OfferedSize& s : kOfferedSizes) {
        benchmark::RegisterBenchmark(("Deal/" + SizeName(s)).c_str(), BM_Deal, s)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FindAllPairs/" + SizeName(s)).c_str(), BM_FindAllPairs, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Solve/" + SizeName(s)).c_str(), BM_Solve, s)->Unit(benchmark::kMillisecond);
        OneARepetition(benchmark::RegisterBenchmark(("Deal/gravity/" + SizeName(s)).c_str(), BM_DealGravity, s));
        OneARepetition(benchmark::RegisterBenchmark(("Shuffle/" + SizeName(s)).c_str(), BM_Shuffle, s, false));
        OneARepetition(benchmark::RegisterBenchmark(("Shuffle/gravity/" + SizeName(s)).c_str(), BM_Shuffle, s, true));
    }
    return 0;
}
const int registered = Register();

} // namespace

BENCHMARK_MAIN();
