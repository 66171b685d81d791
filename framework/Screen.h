#pragma once
// The screen's height, which the tile size depends on, and the room a window has.

#include <windows.h>

// GetSystemMetrics(SM_CYSCREEN), unless a test has set another height.
int GetScreenHeight();
// nPixels in place of the real height; 0 puts the real one back.
void SetScreenHeight(int nPixels);
// The size of the part of the screen that windows may take (the task bar
// left out), no higher than GetScreenHeight().
SIZE GetWorkAreaSize();
