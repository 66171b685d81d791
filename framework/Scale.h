#pragma once
// The one scale of the program's windows: everything is laid out as at 96 DPI
// and drawn at the window's DPI, in its physical pixels.

#include <windows.h>

#include <string>

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

// Draws text in rect as DrawText lays it out with uFormat (DT_WORDBREAK wraps
// it), in the system's message font nPixels high at 96 DPI, of weight nWeight,
// upright or slanted, at nDpi; where it would not fit, a pixel smaller at a
// time down to three quarters of that height. False when it does not fit even
// so (it is drawn all the same) or no font can be made.
bool DrawFittingText(HDC hDC, const std::wstring& text, RECT rect, UINT uFormat, int nPixels, LONG nWeight,
                     bool bItalic, UINT nDpi);

// The width text takes on one line in the font DrawFittingText starts with.
int SingleLineWidth(HDC hDC, const std::wstring& text, int nPixels, LONG nWeight, bool bItalic, UINT nDpi);
