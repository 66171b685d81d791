// Gravity: the tiles above a removed pair fall down their columns, and an undo
// lifts them back exactly where they stood.

#include "MahjongBoard.h"

#include <utility>

std::vector<CTileMove> CMahjongBoard::Settle(int col1, int col2)
{
    std::vector<CTileMove> moves;
    if (!m_bGravity)
        return moves;
    // A column packed once has nothing left to move when it is packed again.
    for (const int col : {col1, col2}) {
        int to = m_nHeight;
        for (int row = m_nHeight; row >= 1; --row) {
            if (m_cells[col][row].IsEmpty())
                continue;
            if (row != to) {
                m_cells[col][to].kind = m_cells[col][row].kind;
                m_cells[col][row].kind = -1;
                moves.push_back({col, row, to});
            }
            --to;
        }
    }
    return moves;
}

std::vector<CTileMove> CMahjongBoard::Lift(const std::vector<CTileMove>& falls)
{
    std::vector<CTileMove> lifts;
    for (auto m = falls.rbegin(); m != falls.rend(); ++m) {
        m_cells[m->col][m->fromRow].kind = m_cells[m->col][m->toRow].kind;
        m_cells[m->col][m->toRow].kind = -1;
        lifts.push_back({m->col, m->toRow, m->fromRow});
    }
    return lifts;
}

void CMahjongBoard::CarrySelection(const std::vector<CTileMove>& moves)
{
    for (const CTileMove& m : moves)
        if (m.col == m_nSelCol && m.fromRow == m_nSelRow) {
            m_nSelRow = m.toRow;
            return; // each tile moves once
        }
}

std::vector<CTileMove> CMahjongBoard::RemovePair(const CTileCell& a, const CTileCell& b)
{
    int c1, r1, c2, r2;
    if (!FindCell(a, c1, r1) || !FindCell(b, c2, r2))
        return {};
    for (const auto& [c, r] : {std::pair(c1, r1), std::pair(c2, r2)}) {
        m_cells[c][r].kind = -1;
        if (c == m_nSelCol && r == m_nSelRow)
            ClearSelection();
    }
    std::vector<CTileMove> falls = Settle(c1, c2);
    CarrySelection(falls);
    if (m_nUndoTop >= 0) {
        CUndoEntry& e = m_undo[m_nUndoTop];
        if ((e.col1 == c1 && e.row1 == r1 && e.col2 == c2 && e.row2 == r2) ||
            (e.col1 == c2 && e.row1 == r2 && e.col2 == c1 && e.row2 == r1))
            e.falls = falls;
    }
    return falls;
}
