#pragma once
// The screen a window is on: its height, which the tile size depends on, and
// the room a window has on it.

#include <windows.h>

// The height of hWnd's monitor in pixels (the primary one's for no window),
// unless a test has set another height.
int GetScreenHeight(HWND hWnd = nullptr);
// nPixels in place of the real height; 0 puts the real one back.
void SetScreenHeight(int nPixels);
// The part of hWnd's monitor that windows may take (the task bar left out),
// no higher than GetScreenHeight(hWnd).
RECT GetWorkArea(HWND hWnd);
