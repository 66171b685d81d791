#pragma once
// The waits that hold the game while something is shown (the link line, the
// fades, "Help me!", the hint, the solver's steps). No input, timer or message
// of the game's own is handled during them: the player's clicks and keys stay
// queued and are handled in order afterwards. Between its looks at the clock a
// wait sleeps until its deadline, its next frame or the next message. It
// answers the messages sent to the thread and dispatches those of COM's own
// hidden window, which carry the calls of screen readers in other processes.

#include <cstdint>
#include <ctime>
#include <functional>

// Holds the game until the clock's milliseconds have advanced by nMilliseconds.
// With a frame to draw, draws it at the display's pace, at least 30 times a
// second, given the milliseconds gone since the start.
void WaitMilliseconds(std::uint32_t nMilliseconds, const std::function<void(std::uint32_t)>& frame = {});

// Holds the game until the calendar time has passed tStart by nSeconds.
void WaitSeconds(std::time_t tStart, int nSeconds);

// Holds the game until the calendar time has passed tStart by one second.
inline void WaitNextSecond(std::time_t tStart)
{
    WaitSeconds(tStart, 1);
}

// A wait is holding the game now.
bool GameHeld();
