#pragma once
// Boards of the nine offered sizes, dealt from a given seed.

#include "board/MahjongBoard.h"

#include <string>

struct OfferedSize {
    int kinds, width, height;
};
inline const OfferedSize kOfferedSizes[] = {{36, 18, 8},  {36, 12, 12}, {36, 24, 12}, {40, 20, 8}, {40, 16, 10},
                                            {40, 20, 16}, {32, 16, 12}, {20, 10, 8},  {45, 18, 10}};

inline std::string SizeName(const OfferedSize& s)
{
    return std::to_string(s.width) + "x" + std::to_string(s.height);
}

class BenchBoard : public CMahjongBoard {
public:
    explicit BenchBoard(const OfferedSize& s, bool gravity = false) : CMahjongBoard(s.kinds, s.width, s.height)
    {
        m_nTileWidth = 30;
        m_nTileHeight = 40;
        SetGravity(gravity);
    }
};

inline std::uint32_t g_benchSeed = 1;
inline std::uint32_t BenchSeed()
{
    return g_benchSeed;
}

// Deals a board of size s from seed.
inline void DealWithSeed(CMahjongBoard& board, std::uint32_t seed)
{
    g_benchSeed = seed;
    SetDealSeedSource(&BenchSeed);
    CTilePairList plan;
    board.Deal(plan);
}
