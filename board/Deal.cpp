// Dealing: the board is played to its end once while it is being laid out, and
// the pairs of that play are dealt back with one kind each, so every puzzle can
// be cleared completely. A shuffle deals the tiles left the same way.

#include "MahjongBoard.h"

#include "BoardLayout.h"

#include <algorithm>
#include <cstring>
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

bool DealOfTheDay(int year, int month, int day, std::uint32_t& number)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    number = static_cast<std::uint32_t>(year * 10000 + month * 100 + day);
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
    if (m_bGravity)
        DealPacked(perKind, plan);
    else
        DealScrambled(perKind, plan);
    KeepStart();
}

void CMahjongBoard::DealScrambled(int perKind, CTilePairList& plan)
{
    for (int k = 0; k < perKind * m_nKinds; ++k)
        m_cells[k % m_nWidth + 1][k / m_nWidth + 1].kind = k / perKind;

    for (int i = 0; i < m_nWidth * m_nHeight * m_nShuffleFactor; ++i) {
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
}

// Under gravity the tiles stand packed from the bottom row up.
void CMahjongBoard::DealPacked(int perKind, CTilePairList& plan)
{
    for (int k = 0; k < perKind * m_nKinds; ++k)
        m_cells[k % m_nWidth + 1][m_nHeight - k / m_nWidth].kind = 0;
    std::vector<int> pairKinds;
    for (int kind = 0; kind < m_nKinds; ++kind)
        pairKinds.insert(pairKinds.end(), perKind / 2, kind);
    ArrangeSolvable(pairKinds, plan);
}

// Arranges the kinds (ArrangeKinds) until the solver clears the board, at most
// kArrangeTries times; false when none was solved, the last arrangement kept.
bool CMahjongBoard::ArrangeSolvable(const std::vector<int>& pairKinds, CTilePairList& plan)
{
    CTileCell start[kGrid][kGrid];
    std::memcpy(start, m_cells, sizeof(m_cells));
    CTilePairList arranged, solution;
    for (int attempt = 0; attempt < kArrangeTries && solution.empty(); ++attempt) {
        std::memcpy(m_cells, start, sizeof(m_cells));
        arranged.clear();
        ArrangeKinds(pairKinds, arranged);
        Solve(solution);
    }
    plan.insert(plan.end(), arranged.begin(), arranged.end());
    return !solution.empty();
}

// Plays the occupied cells to the end under the rule in force, kinds aside, by
// random linked pairs, then gives each pair of that play one kind of pairKinds
// (one entry a pair, an even number of tiles on the board) in random order.
// The play, with those kinds, is appended to plan: it clears the board.
void CMahjongBoard::ArrangeKinds(std::vector<int> pairKinds, CTilePairList& plan)
{
    // While the board is played each tile carries its starting cell as its
    // kind, so that the pairs are known by their cells wherever they fell.
    for (int c = 1; c <= m_nWidth; ++c)
        for (int r = 1; r <= m_nHeight; ++r)
            if (!m_cells[c][r].IsEmpty())
                m_cells[c][r].kind = c * kGrid + r;
    CTilePairList played;
    std::vector<std::pair<int, int>> starts;
    CTilePair p;
    while (PickLinkedPair(p)) {
        starts.emplace_back(m_cells[p.col1][p.row1].kind, m_cells[p.col2][p.row2].kind);
        played.push_back(p);
        m_cells[p.col1][p.row1].kind = -1;
        m_cells[p.col2][p.row2].kind = -1;
        Settle(p.col1, p.col2);
    }
    Mix(pairKinds);
    for (std::size_t i = 0; i < played.size(); ++i) {
        played[i].kind = pairKinds[i];
        for (const int start : {starts[i].first, starts[i].second})
            m_cells[start / kGrid][start % kGrid].kind = pairKinds[i];
        plan.push_back(played[i]);
    }
}

// Some pair of tiles joined by a line, kinds aside, at random. One is always
// there while two tiles are: the top tiles of two columns are joined through
// the margin row above, the top two of a single column by a straight line.
bool CMahjongBoard::PickLinkedPair(CTilePair& pair)
{
    std::vector<std::pair<int, int>> free;
    for (int c = 1; c <= m_nWidth; ++c)
        for (int r = 1; r <= m_nHeight; ++r)
            if (!IsBlocked(c, r))
                free.emplace_back(c, r);
    Mix(free);
    CLinkPath path;
    for (std::size_t i = 0; i < free.size(); ++i)
        for (std::size_t j = i + 1; j < free.size(); ++j) {
            const auto [c1, r1] = free[i];
            const auto [c2, r2] = free[j];
            if (FindPath(c1, r1, c2, r2, path) == 0) {
                pair = {static_cast<std::int16_t>(c1), static_cast<std::int16_t>(r1), static_cast<std::int16_t>(c2),
                        static_cast<std::int16_t>(r2), 0};
                return true;
            }
        }
    return false;
}

template <typename T>
void CMahjongBoard::Mix(std::vector<T>& items)
{
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
        std::swap(items[i], items[m_random.Below(i + 1)]);
}

bool CMahjongBoard::Shuffle()
{
    std::vector<int> counts(m_nKinds);
    for (int c = 1; c <= m_nWidth; ++c)
        for (int r = 1; r <= m_nHeight; ++r)
            if (!m_cells[c][r].IsEmpty())
                ++counts[m_cells[c][r].kind];
    std::vector<int> pairKinds;
    for (int kind = 0; kind < m_nKinds; ++kind) {
        if (counts[kind] % 2 != 0)
            return false;
        pairKinds.insert(pairKinds.end(), counts[kind] / 2, kind);
    }
    if (pairKinds.empty())
        return false;

    CTileCell saved[kGrid][kGrid];
    std::memcpy(saved, m_cells, sizeof(m_cells));
    CTilePairList plan;
    if (!ArrangeSolvable(pairKinds, plan)) {
        std::memcpy(m_cells, saved, sizeof(m_cells));
        return false;
    }
    ClearSelection();
    ClearHistory();
    return true;
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
