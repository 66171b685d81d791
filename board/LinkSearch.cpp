// The connection rule: a line of at most three straight segments through empty
// cells, inside the margin ring. Among all lines the first in a fixed order is shown.

#include "MahjongBoard.h"

namespace {
void SetPoint(CLinkPath& path, int i, int col, int row)
{
    path.m_pt[i].x = col;
    path.m_pt[i].y = row;
}
} // namespace

int CMahjongBoard::IsSegmentBlocked(int c1, int r1, int c2, int r2) const
{
    if ((c1 == c2 && r1 == r2) || (c1 != c2 && r1 != r2))
        return 1;
    const int dc = (c2 > c1) - (c2 < c1);
    const int dr = (r2 > r1) - (r2 < r1);
    for (int c = c1 + dc, r = r1 + dr; c != c2 || r != r2; c += dc, r += dr)
        if (!m_cells[c][r].IsEmpty())
            return 1;
    return 0;
}

int CMahjongBoard::FindShortPath(int c1, int r1, int c2, int r2, CLinkPath& path) const
{
    if (IsSegmentBlocked(c1, r1, c2, r2) == 0) {
        SetPoint(path, 0, c1, r1);
        SetPoint(path, 1, c2, r2);
        return 0;
    }
    if (m_cells[c1][r2].IsEmpty() && IsSegmentBlocked(c1, r1, c1, r2) == 0 &&
        IsSegmentBlocked(c1, r2, c2, r2) == 0) {
        SetPoint(path, 0, c1, r1);
        SetPoint(path, 1, c1, r2);
        SetPoint(path, 2, c2, r2);
        return 0;
    }
    if (m_cells[c2][r1].IsEmpty() && IsSegmentBlocked(c1, r1, c2, r1) == 0 &&
        IsSegmentBlocked(c2, r1, c2, r2) == 0) {
        SetPoint(path, 0, c1, r1);
        SetPoint(path, 1, c2, r1);
        SetPoint(path, 2, c2, r2);
        return 0;
    }
    return 1;
}

void CMahjongBoard::ClearPath(CLinkPath& path)
{
    for (CTileCell& p : path.m_pt)
        p = CTileCell(-1, -1, -1, 0, 0);
}

int CMahjongBoard::FindPath(int c1, int r1, int c2, int r2, CLinkPath& path) const
{
    ClearPath(path);
    if (c1 == c2 && r1 == r2)
        return 1;
    if (FindShortPath(c1, r1, c2, r2, path) == 0)
        return 0;

    struct Walk {
        int dc, dr;
    };
    static const Walk walks[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const Walk& w : walks) {
        for (int c = c1 + w.dc, r = r1 + w.dr; c >= 0 && r >= 0 && c <= m_nWidth + 1 && r <= m_nHeight + 1;
             c += w.dc, r += w.dr) {
            if (!m_cells[c][r].IsEmpty())
                break;
            CLinkPath rest;
            ClearPath(rest);
            if (FindShortPath(c, r, c2, r2, rest) == 0) {
                SetPoint(path, 0, c1, r1);
                for (int i = 0; i < 3; ++i)
                    path.m_pt[i + 1] = rest.m_pt[i];
                return 0;
            }
        }
    }
    return 1;
}
