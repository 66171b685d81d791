#pragma once
// Calendar seconds as the clocks keep them: 32 bits, differences taken modulo
// 2^32, so that they stay right when the 32-bit count wraps.

#include "framework/Clock.h"

#include <cstdint>

inline int NowSeconds()
{
    return static_cast<int>(static_cast<std::uint32_t>(GetClock().Now()));
}

inline unsigned SecondsSince(int tStart)
{
    return static_cast<std::uint32_t>(NowSeconds()) - static_cast<std::uint32_t>(tStart);
}
