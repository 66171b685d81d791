// The solver: a depth-first search over all removable pairs, bounded in steps,
// under the rule in force.

#include "MahjongBoard.h"

#include <cstring>

void CMahjongBoard::FindAllPairs(CTilePairList& pairs) const
{
    pairs.clear();
    CLinkPath path;
    for (int r1 = 1; r1 <= m_nHeight; ++r1)
        for (int c1 = 1; c1 <= m_nWidth; ++c1) {
            const int kind = m_cells[c1][r1].kind;
            if (kind == -1 || IsBlocked(c1, r1))
                continue;
            for (int r2 = 1; r2 <= m_nHeight; ++r2)
                for (int c2 = 1; c2 <= m_nWidth; ++c2) {
                    if ((c2 == c1 && r2 == r1) || m_cells[c2][r2].kind != kind || IsBlocked(c2, r2) ||
                        FindPath(c1, r1, c2, r2, path) != 0)
                        continue;
                    pairs.push_back({static_cast<std::int16_t>(c1), static_cast<std::int16_t>(r1),
                                     static_cast<std::int16_t>(c2), static_cast<std::int16_t>(r2), 0});
                }
        }
}

void CMahjongBoard::Solve(CTilePairList& solution)
{
    static_assert(sizeof(m_cells) == kGrid * kGrid * sizeof(CTileCell), "the grid is one block");
    CTileCell saved[kGrid][kGrid];
    std::memcpy(saved, m_cells, sizeof(m_cells));
    solution.clear();
    m_nSolveCalls = 0;
    SolveFrom(solution);
    std::memcpy(m_cells, saved, sizeof(m_cells));
}

int CMahjongBoard::SolveFrom(CTilePairList& solution)
{
    const int n = CountTiles();
    if (++m_nSolveCalls > kSolveLimit)
        return 0;
    if (n == 0)
        return 1;
    CTilePairList candidates;
    FindAllPairs(candidates);
    for (const CTilePair& p : candidates) {
        const int kind = m_cells[p.col1][p.row1].kind;
        m_cells[p.col1][p.row1].kind = -1;
        m_cells[p.col2][p.row2].kind = -1;
        const std::vector<CTileMove> falls = Settle(p.col1, p.col2);
        if (SolveFrom(solution)) {
            solution.push_back(p);
            return 1;
        }
        Lift(falls);
        m_cells[p.col1][p.row1].kind = kind;
        m_cells[p.col2][p.row2].kind = kind;
    }
    return 0;
}
