#pragma once
// The program's one clock. The waits read its milliseconds and the game clocks
// its seconds; tests install a clock of their own.

#include <cstdint>
#include <ctime>

class CClock {
public:
    virtual ~CClock() = default;
    // Milliseconds since the system started, as GetTickCount counts them.
    virtual std::uint32_t TickCount();
    // Calendar time in seconds, as time() gives it.
    virtual std::time_t Now();
    // The real milliseconds a wait may sleep while this clock moves on by
    // nMilliseconds: as many. A test's clock, whose time moves as it is read
    // or set, gives fewer.
    virtual std::uint32_t RestMilliseconds(std::uint32_t nMilliseconds) { return nMilliseconds; }
};

CClock& GetClock();
// Puts pClock in place of the real clock; nullptr puts the real one back.
void SetClock(CClock* pClock);
