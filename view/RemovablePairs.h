#pragma once
// The pairs that could be removed now, as "Help me!", the hint and the count of
// possible moves see them.

#include "board/MahjongBoard.h"

// Calls show(path) for every pair that could be removed now, once each, in row
// order of the first tile and then of the second.
template <typename Show>
void ForEachRemovablePair(const CMahjongBoard& board, Show show)
{
    CLinkPath path;
    for (int r = 1; r <= board.GetHeight(); ++r)
        for (int c = 1; c <= board.GetWidth(); ++c) {
            const int kind = board.GetCell(c, r).kind;
            if (kind == -1 || board.IsBlocked(c, r))
                continue;
            for (int r2 = r; r2 <= board.GetHeight(); ++r2)
                for (int c2 = r2 == r ? c + 1 : 1; c2 <= board.GetWidth(); ++c2)
                    if (board.GetCell(c2, r2).kind == kind && !board.IsBlocked(c2, r2) &&
                        board.FindPath(c, r, c2, r2, path) == 0)
                        show(path);
        }
}
