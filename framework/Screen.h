#pragma once
// The screen's height, which the tile size depends on.

// GetSystemMetrics(SM_CYSCREEN), unless a test has set another height.
int GetScreenHeight();
// nPixels in place of the real height; 0 puts the real one back.
void SetScreenHeight(int nPixels);
