#pragma once
// The one scale of the program's windows: everything is laid out as at 96 DPI
// and drawn at the window's DPI, in its physical pixels.

#include <windows.h>

constexpr UINT kBaseDpi = 96;

// The DPI hWnd is drawn at: its monitor's where Windows gives each window its
// own (Windows 10 1607 and later), else the system's.
UINT GetWindowDpi(HWND hWnd);

// n pixels at 96 DPI as pixels at nDpi, truncated.
constexpr int ScaleToDpi(int n, UINT nDpi)
{
    return static_cast<int>(static_cast<long long>(n) * nDpi / kBaseDpi);
}

// Moves hWnd to rect (the one WM_DPICHANGED suggests).
void MoveToRect(HWND hWnd, const RECT& rect);

// AdjustWindowRectEx for a window drawn at nDpi.
BOOL AdjustWindowRectForDpi(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi);

// GetSystemMetrics(nIndex) for a window drawn at nDpi (scaled from the
// system's DPI before Windows 10 1607).
int GetSystemMetricForDpi(int nIndex, UINT nDpi);

// The metrics of the system's fonts (menu, status bar, messages) at nDpi.
// Where Windows cannot give them for a DPI (before Windows 10 1607), the
// system's: the program runs at the system's scale there.
BOOL GetNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT nDpi);

// The system's message font at nDpi; the caller deletes it. Null when it
// cannot be made.
HFONT CreateMessageFontForDpi(UINT nDpi);

// A TrueType font whose letters are all of one width, nPoints high at nDpi;
// the caller deletes it. Null when it cannot be made.
HFONT CreateFixedFontForDpi(int nPoints, UINT nDpi);
