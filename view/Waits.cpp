#include "view/Waits.h"

#include "framework/Clock.h"

#include <windows.h>

#include <algorithm>

namespace {
// The calendar waits look at the clock this often.
constexpr std::uint32_t kSecondsLookMilliseconds = 50;

int g_nHolds = 0;

// The game is held for as long as this lives.
class CHold {
public:
    CHold() { ++g_nHolds; }
    ~CHold() { --g_nHolds; }
    CHold(const CHold&) = delete;
    CHold& operator=(const CHold&) = delete;
};

// The time between two frames at the display's refresh rate; a rate below 30
// (0 and 1 stand for the hardware's default) counts as 60.
std::uint32_t FrameMilliseconds()
{
    const HDC hDC = ::GetDC(nullptr);
    const int rate = hDC ? ::GetDeviceCaps(hDC, VREFRESH) : 0;
    if (hDC)
        ::ReleaseDC(nullptr, hDC);
    return 1000u / static_cast<std::uint32_t>(rate >= 30 ? rate : 60);
}

// COM's hidden window of this thread: the message-only window of class
// OleMainThreadWndClass that COM posts the calls of other processes to.
HWND ComWindow()
{
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExW(HWND_MESSAGE, hWnd, L"OleMainThreadWndClass", nullptr));)
        if (::GetWindowThreadProcessId(hWnd, nullptr) == ::GetCurrentThreadId())
            return hWnd;
    return nullptr;
}

// Sleeps for at most nMilliseconds of the clock's time, or until a message
// comes. First a look at the whole queue, which leaves it as it is but
// answers the messages sent to the thread (and under Wine brings what was
// drawn to the screen); then COM's own messages are dispatched. Messages that
// stay queued do not wake the sleep again: only new ones do.
void Rest(HWND hCom, std::uint32_t nMilliseconds)
{
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    if (hCom)
        while (::PeekMessageW(&msg, hCom, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    ::MsgWaitForMultipleObjectsEx(0, nullptr, GetClock().RestMilliseconds(nMilliseconds), QS_ALLINPUT, 0);
}
} // namespace

void WaitMilliseconds(std::uint32_t nMilliseconds, const std::function<void(std::uint32_t)>& frame)
{
    CHold hold;
    const HWND hCom = ComWindow();
    const std::uint32_t period = frame ? FrameMilliseconds() : nMilliseconds;
    const std::uint32_t t0 = GetClock().TickCount();
    for (std::uint32_t e; (e = GetClock().TickCount() - t0) < nMilliseconds;) {
        if (frame)
            frame(e);
        Rest(hCom, std::min(nMilliseconds - e, period - e % period));
    }
}

void WaitSeconds(std::time_t tStart, int nSeconds)
{
    CHold hold;
    const HWND hCom = ComWindow();
    while (GetClock().Now() < tStart + nSeconds)
        Rest(hCom, kSecondsLookMilliseconds);
}

bool GameHeld()
{
    return g_nHolds > 0;
}
