#include "framework/Screen.h"

#include <windows.h>

namespace {
int g_nScreenHeight = 0;
} // namespace

int GetScreenHeight()
{
    return g_nScreenHeight ? g_nScreenHeight : ::GetSystemMetrics(SM_CYSCREEN);
}

void SetScreenHeight(int nPixels)
{
    g_nScreenHeight = nPixels;
}

SIZE GetWorkAreaSize()
{
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0); // on failure, the whole screen
    SIZE size{area.right - area.left, area.bottom - area.top};
    if (size.cy > GetScreenHeight())
        size.cy = GetScreenHeight();
    return size;
}
