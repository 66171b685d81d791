// Dealing: the board is played to its end once while it is being laid out, and
// the pairs of that play are dealt back with one kind each, so every puzzle can
// be cleared completely.

#include "MahjongBoard.h"

#include "BoardLayout.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace {
DealSeedSource g_seedSource = nullptr;
}

std::uint32_t DealSeed()
{
    return g_seedSource ? g_seedSource() : static_cast<std::uint32_t>(std::time(nullptr));
}

void SetDealSeedSource(DealSeedSource source)
{
    g_seedSource = source;
}

bool ParseDealNumber(const std::string& text, std::uint32_t& number)
{
    std::uint64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9' || (value = value * 10 + static_cast<unsigned>(ch - '0')) > 0xFFFFFFFFu)
            return false;
    }
    if (text.empty())
        return false;
    number = static_cast<std::uint32_t>(value);
    return true;
}

CTileCell CMahjongBoard::PlacedCell(int col, int row, int kind) const
{
    return CTileCell(GetOriginX() + col * m_nTileWidth, GetOriginY() + row * m_nTileHeight, kind, m_nTileWidth,
                     m_nTileHeight);
}

void CMahjongBoard::ResetCells(int lastCol, int lastRow)
{
    for (int c = 0; c <= lastCol; ++c)
        for (int r = 0; r <= lastRow; ++r)
            m_cells[c][r] = PlacedCell(c, r, -1);
}

void CMahjongBoard::LayOutCells()
{
    for (int c = 0; c < kGrid; ++c)
        for (int r = 0; r < kGrid; ++r)
            m_cells[c][r] = PlacedCell(c, r, m_cells[c][r].kind);
}

void CMahjongBoard::SetLayoutArea(int nWidth, int nHeight)
{
    m_nAreaWidth = std::max(nWidth, 0);
    m_nAreaHeight = std::max(nHeight, 0);
    LayOutCells();
}

int CMahjongBoard::GetOriginX() const
{
    return CentredOffset(m_nAreaWidth, static_cast<long long>(m_nWidth + 2) * m_nTileWidth);
}

int CMahjongBoard::GetOriginY() const
{
    return CentredOffset(m_nAreaHeight, static_cast<long long>(m_nHeight + 2) * m_nTileHeight);
}

void CMahjongBoard::Deal(CTilePairList& plan)
{
    Deal(plan, DealSeed());
}

void CMahjongBoard::Deal(CTilePairList& plan, std::uint32_t seed)
{
    if (!m_pImages)
        throw HAVENOTTILES();
    const int total = m_nWidth * m_nHeight;
    int perKind = m_nKinds > 0 ? total / m_nKinds : 0;
    perKind -= perKind % 2;

    m_random.Seed(seed);
    ResetCells(kGrid - 1, kGrid - 1);
    for (int k = 0; k < perKind * m_nKinds; ++k)
        m_cells[k % m_nWidth + 1][k / m_nWidth + 1].kind = k / perKind;

    for (int i = 0; i < total * m_nShuffleFactor; ++i) {
        const int c1 = m_random.Below(m_nWidth) + 1;
        const int r1 = m_random.Below(m_nHeight) + 1;
        const int c2 = m_random.Below(m_nWidth) + 1;
        const int r2 = m_random.Below(m_nHeight) + 1;
        std::swap(m_cells[c1][r1].kind, m_cells[c2][r2].kind);
    }

    PlanClearing(plan);

    ResetCells(m_nWidth, m_nHeight);
    for (const CTilePair& p : plan) {
        m_cells[p.col1][p.row1].kind = p.kind;
        m_cells[p.col2][p.row2].kind = p.kind;
    }
    KeepStart();
}

void CMahjongBoard::PlanClearing(CTilePairList& plan)
{
    CLinkPath path;
    while (CountTiles() >= 1) {
        for (int c1 = 0; c1 <= m_nWidth; ++c1)
            for (int r1 = 0; r1 <= m_nHeight; ++r1) {
                const int kind = m_cells[c1][r1].kind;
                if (kind == -1 || IsBlocked(c1, r1))
                    continue;
                bool removed = false;
                for (int c2 = 0; c2 <= m_nWidth && !removed; ++c2)
                    for (int r2 = 0; r2 <= m_nHeight && !removed; ++r2) {
                        if ((c2 == c1 && r2 == r1) || m_cells[c2][r2].kind != kind || IsBlocked(c2, r2) ||
                            FindPath(c1, r1, c2, r2, path) != 0)
                            continue;
                        plan.push_back({static_cast<std::int16_t>(c1), static_cast<std::int16_t>(r1),
                                        static_cast<std::int16_t>(c2), static_cast<std::int16_t>(r2), kind});
                        m_cells[c1][r1].kind = -1;
                        m_cells[c2][r2].kind = -1;
                        removed = true;
                    }
            }
        ShuffleRemaining();
    }
}

void CMahjongBoard::ShuffleRemaining()
{
    std::vector<std::pair<int, int>> occupied;
    for (int c = 0; c <= m_nWidth; ++c)
        for (int r = 0; r <= m_nHeight; ++r)
            if (m_cells[c][r].kind != -1)
                occupied.emplace_back(c, r);
    const int n = static_cast<int>(occupied.size());
    for (int i = 0; i < n; ++i) {
        const int j = m_random.Below(n);
        SwapKinds(occupied[j].first, occupied[j].second, occupied[i].first, occupied[i].second);
        std::swap(occupied[i], occupied[j]);
    }
}

void CMahjongBoard::SwapKinds(int c1, int r1, int c2, int r2)
{
    if (m_cells[c1][r1].kind >= 0 && m_cells[c2][r2].kind >= 0)
        std::swap(m_cells[c1][r1].kind, m_cells[c2][r2].kind);
}
