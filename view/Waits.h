#pragma once
// The waits that hold the game while something is shown (the link line, the
// fades, "Help me!", the hint, the solver's steps). No input is handled during
// them: the player's clicks and keys stay queued and are handled in order
// afterwards. Under Wine what is drawn reaches the screen only when the thread
// looks at its queue, so each round does.

#include "framework/Clock.h"

#include <windows.h>

#include <cstdint>

inline void LetTheScreenCatchUp()
{
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

// Holds the game until the clock's milliseconds have advanced by nMilliseconds.
inline void WaitMilliseconds(std::uint32_t nMilliseconds)
{
    const std::uint32_t t0 = GetClock().TickCount();
    while (GetClock().TickCount() - t0 < nMilliseconds) {
        LetTheScreenCatchUp();
        ::Sleep(1);
    }
}

// Holds the game until the calendar time has passed tStart by nSeconds.
inline void WaitSeconds(std::time_t tStart, int nSeconds)
{
    while (GetClock().Now() < tStart + nSeconds) {
        LetTheScreenCatchUp();
        ::Sleep(1);
    }
}

// Holds the game until the calendar time has passed tStart by one second.
inline void WaitNextSecond(std::time_t tStart)
{
    WaitSeconds(tStart, 1);
}
