#include "framework/Clock.h"

#include <windows.h>

namespace {
CClock g_realClock;
CClock* g_pClock = &g_realClock;
} // namespace

std::uint32_t CClock::TickCount()
{
    return ::GetTickCount();
}

std::time_t CClock::Now()
{
    return std::time(nullptr);
}

CClock& GetClock()
{
    return *g_pClock;
}

void SetClock(CClock* pClock)
{
    g_pClock = pClock ? pClock : &g_realClock;
}
