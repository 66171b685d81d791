#include "MahjongBoard.h"

#include <new>
#include <string>

CMahjongBoard* g_pBoard = nullptr;

namespace {
constexpr int kMaxKinds = CMahjongBoard::kGrid * CMahjongBoard::kGrid;
}

CMahjongBoard::CMahjongBoard() = default;

CMahjongBoard::CMahjongBoard(int nKinds, int nWidth, int nHeight)
{
    if (nWidth < 1 || nWidth > kMaxSide || nHeight < 1 || nHeight > kMaxSide)
        throw CBadBoardSize("board size " + std::to_string(nWidth) + " x " + std::to_string(nHeight) +
                            " is outside 1..38");
    if (nKinds < 1 || nKinds > kMaxKinds)
        throw CBadBoardSize("a board needs 1.." + std::to_string(kMaxKinds) + " tile kinds, not " +
                            std::to_string(nKinds));
    m_pImages = NewImages(nKinds);
    m_nKinds = nKinds;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
}

CMahjongBoard::~CMahjongBoard()
{
    delete[] m_pImages;
}

CTileImage* CMahjongBoard::NewImages(int nKinds)
{
    CTileImage* images = new (std::nothrow) CTileImage[nKinds];
    if (!images)
        throw HAVENOTMEM();
    return images;
}

bool CMahjongBoard::InGrid(int col, int row) const
{
    return col >= 0 && row >= 0 && col < kGrid && row < kGrid;
}

bool CMahjongBoard::IsPlaying(int col, int row) const
{
    return col >= 1 && row >= 1 && col <= m_nWidth && row <= m_nHeight;
}

CTileCell CMahjongBoard::GetCell(int col, int row) const
{
    return InGrid(col, row) ? m_cells[col][row] : CTileCell();
}

int CMahjongBoard::GetIndexX(int i) const
{
    return m_cells[i % m_nWidth + 1][i / m_nWidth + 1].x;
}

int CMahjongBoard::GetIndexY(int i) const
{
    return m_cells[i % m_nWidth + 1][i / m_nWidth + 1].y;
}

int CMahjongBoard::GetIndexKind(int i) const
{
    return m_cells[i % m_nWidth + 1][i / m_nWidth + 1].kind;
}

int CMahjongBoard::CountTiles() const
{
    int n = 0;
    for (int c = 1; c <= m_nWidth; ++c)
        for (int r = 1; r <= m_nHeight; ++r)
            n += m_cells[c][r].kind != -1;
    return n;
}

int CMahjongBoard::IsBlocked(int col, int row) const
{
    if (!IsPlaying(col, row) || m_cells[col][row].IsEmpty())
        return 1;
    const bool walled = !m_cells[col + 1][row].IsEmpty() && !m_cells[col - 1][row].IsEmpty() &&
                        !m_cells[col][row + 1].IsEmpty() && !m_cells[col][row - 1].IsEmpty();
    return walled ? 1 : 0;
}

CTileCell CMahjongBoard::CellFromPoint(int px, int py) const
{
    for (int c = 1; c <= m_nWidth; ++c)
        for (int r = 1; r <= m_nHeight; ++r) {
            const CTileCell& cell = m_cells[c][r];
            if (cell.x < px && cell.y < py && px < cell.x + cell.cx && py < cell.y + cell.cy &&
                !IsBlocked(c, r))
                return cell;
        }
    return CTileCell();
}

void CMahjongBoard::ToggleSelection(const CTileCell& c)
{
    for (int col = 1; col <= m_nWidth; ++col)
        for (int row = 1; row <= m_nHeight; ++row) {
            const CTileCell& cell = m_cells[col][row];
            if (cell.x != c.x || cell.y != c.y || IsBlocked(col, row))
                continue;
            if (col == m_nSelCol && row == m_nSelRow)
                ClearSelection();
            else {
                m_nSelCol = col;
                m_nSelRow = row;
            }
        }
}

CTileCell CMahjongBoard::GetSelectedCell() const
{
    return m_nSelCol < 0 ? CTileCell() : m_cells[m_nSelCol][m_nSelRow];
}

void CMahjongBoard::ClearSelection()
{
    m_nSelCol = -1;
    m_nSelRow = -1;
}

void CMahjongBoard::RemoveTileAt(const CTileCell& c)
{
    for (int col = 1; col <= m_nWidth; ++col)
        for (int row = 1; row <= m_nHeight; ++row)
            if (m_cells[col][row].x == c.x && m_cells[col][row].y == c.y)
                m_cells[col][row].kind = -1;
}

// The playing cell at c's pixel origin, the last in scan order if ever several were.
bool CMahjongBoard::FindCell(const CTileCell& c, int& col, int& row) const
{
    col = row = -1;
    for (int cc = 1; cc <= m_nWidth; ++cc)
        for (int rr = 1; rr <= m_nHeight; ++rr)
            if (m_cells[cc][rr].x == c.x && m_cells[cc][rr].y == c.y) {
                col = cc;
                row = rr;
            }
    return col >= 0;
}

int CMahjongBoard::LinkToSelection(const CTileCell& c, CLinkPath& path)
{
    int col, row;
    if (m_nSelCol < 0 || !FindCell(c, col, row))
        return 1;
    return FindPath(col, row, m_nSelCol, m_nSelRow, path);
}

std::uint32_t CMahjongBoard::GetIndexPixel(int i, int px, int py) const
{
    return m_pImages[GetIndexKind(i)].GetAt(px, py);
}

std::uint32_t CMahjongBoard::GetCellPixel(CTileCell c, int px, int py) const
{
    return m_pImages[c.kind].GetAt(px, py);
}

// The undo ring.

void CMahjongBoard::RecordPair(const CTileCell& a, const CTileCell& b)
{
    int c1 = -1, r1 = -1, c2 = -1, r2 = -1;
    for (int col = 1; col <= m_nWidth; ++col)
        for (int row = 1; row <= m_nHeight; ++row) {
            const CTileCell& cell = m_cells[col][row];
            if (cell.x == a.x && cell.y == a.y) {
                c1 = col;
                r1 = row;
            } else if (cell.x == b.x && cell.y == b.y) {
                c2 = col;
                r2 = row;
            }
        }
    m_redo.clear();
    PushUndo(c1, r1, c2, r2);
}

void CMahjongBoard::PushUndo(int c1, int r1, int c2, int r2)
{
    if (!InGrid(c1, r1) || !InGrid(c2, r2))
        return;
    if (++m_nUndoTop == kUndoDepth) {
        m_nUndoTop = kUndoDepth - 1;
        for (int i = 1; i < kUndoDepth; ++i)
            m_undo[i - 1] = m_undo[i];
    }
    m_undo[m_nUndoTop] = {c1, r1, m_cells[c1][r1].kind, c2, r2, m_cells[c2][r2].kind, {}};
}

std::vector<CTileMove> CMahjongBoard::Undo(CTileCell& a, CTileCell& b)
{
    a = b = CTileCell();
    if (m_nUndoTop < 0)
        return {};
    const CUndoEntry& e = m_undo[m_nUndoTop--];
    m_redo.push_back(e);
    const std::vector<CTileMove> lifts = Lift(e.falls);
    CarrySelection(lifts);
    m_cells[e.col1][e.row1].kind = e.kind1;
    m_cells[e.col2][e.row2].kind = e.kind2;
    a = m_cells[e.col1][e.row1];
    b = m_cells[e.col2][e.row2];
    return lifts;
}

void CMahjongBoard::Redo(CTileCell& a, CTileCell& b)
{
    a = b = CTileCell();
    if (m_redo.empty())
        return;
    const CUndoEntry e = m_redo.back();
    m_redo.pop_back();
    PushUndo(e.col1, e.row1, e.col2, e.row2);
    a = m_cells[e.col1][e.row1];
    b = m_cells[e.col2][e.row2];
}

void CMahjongBoard::ClearHistory()
{
    for (CUndoEntry& e : m_undo)
        e = CUndoEntry();
    m_nUndoTop = -1;
    m_redo.clear();
}

void CMahjongBoard::KeepStart()
{
    m_startKinds.clear();
    for (int c = 0; c < kGrid; ++c)
        for (int r = 0; r < kGrid; ++r)
            m_startKinds.push_back(m_cells[c][r].kind);
    m_nStartTiles = CountTiles();
    ClearHistory();
}

void CMahjongBoard::Restart()
{
    if (m_startKinds.empty())
        return;
    auto kind = m_startKinds.begin();
    for (int c = 0; c < kGrid; ++c)
        for (int r = 0; r < kGrid; ++r)
            m_cells[c][r].kind = *kind++;
    ClearSelection();
    ClearHistory();
}
