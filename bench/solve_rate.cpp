// How often Solve finds a solution within its 1000 steps, per offered size,
// over fresh deals, and the longest time one Solve took:
// solve_rate [deals per size, default 1000].

#include "BenchBoard.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::printf("%-8s %6s %7s %9s %8s %14s\n", "size", "deals", "solved", "replayed", "refused", "longest Solve");
    double longestOverall = 0;
    for (const OfferedSize& s : kOfferedSizes) {
        int solved = 0;
        double longest = 0;
        for (int i = 1; i <= deals; ++i) {
            BenchBoard board(s);
            DealWithSeed(board, static_cast<std::uint32_t>(i) * 2654435761u);
            CTilePairList solution;
            const auto t0 = std::chrono::steady_clock::now();
            board.Solve(solution);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - t0;
            longest = std::max(longest, took.count());
            solved += !solution.empty();
        }
        longestOverall = std::max(longestOverall, longest);
        std::printf("%-8s %6d %6.1f%% %9d %8d %11.2f ms\n", SizeName(s).c_str(), deals, 100.0 * solved / deals, solved,
                    deals - solved, longest);
        std::fflush(stdout);
    }
    std::printf("longest Solve over all sizes: %.2f ms\n", longestOverall);
    return 0;
}
