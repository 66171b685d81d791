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

// Moves hWnd to the rectangle that WM_DPICHANGED suggests in lParam.
void MoveToSuggestedRect(HWND hWnd, LPARAM lParam);

// AdjustWindowRectEx for a window drawn at nDpi.
BOOL AdjustWindowRectForDpi(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi);

// The metrics of the system's fonts (menu, status bar, messages) at nDpi.
BOOL GetNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT nDpi);

// A font like stock font nStockFont (SYSTEM_FONT, ANSI_FIXED_FONT), whose size
// is the system's, at nDpi; the caller deletes it. Null when it cannot be made.
HFONT CreateStockFontForDpi(int nStockFont, UINT nDpi);
