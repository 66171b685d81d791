// How often Solve finds a solution within its 1000 steps, per offered size,
// over fresh deals: solve_rate [deals per size, default 1000].

#include "BenchBoard.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::printf("%-8s %6s %7s\n", "size", "deals", "solved");
    for (const OfferedSize& s : kOfferedSizes) {
        int solved = 0;
        for (int i = 1; i <= deals; ++i) {
            BenchBoard board(s);
            DealWithSeed(board, static_cast<std::uint32_t>(i) * 2654435761u);
            CTilePairList solution;
            board.Solve(solution);
            solved += !solution.empty();
        }
        std::printf("%-8s %6d %6.1f%%\n", SizeName(s).c_str(), deals, 100.0 * solved / deals);
        std::fflush(stdout);
    }
    return 0;
}
