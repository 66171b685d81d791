#include "framework/Screen.h"

namespace {
int g_nScreenHeight = 0;

MONITORINFO MonitorOf(HWND hWnd)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info)) {
        // No monitor to ask: the primary screen, all of it.
        info.rcMonitor = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        info.rcWork = info.rcMonitor;
    }
    return info;
}
} // namespace

int GetScreenHeight(HWND hWnd)
{
    if (g_nScreenHeight)
        return g_nScreenHeight;
    const RECT screen = MonitorOf(hWnd).rcMonitor;
    return screen.bottom - screen.top;
}

void SetScreenHeight(int nPixels)
{
    g_nScreenHeight = nPixels;
}

RECT GetWorkArea(HWND hWnd)
{
    RECT area = MonitorOf(hWnd).rcWork;
    if (area.bottom - area.top > GetScreenHeight(hWnd))
        area.bottom = area.top + GetScreenHeight(hWnd);
    return area;
}
