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
