#include "framework/Scale.h"

#include <climits>

namespace {
// The per-monitor functions of Windows 10 1607, looked up by name so that the
// program still starts on Windows 7 and 8.1, which lack them.
template <typename Function>
Function User32Function(const char* lpszName)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), lpszName)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

UINT SystemDpi()
{
    const HDC hScreen = ::GetDC(nullptr);
    const int dpi = hScreen ? ::GetDeviceCaps(hScreen, LOGPIXELSY) : 0;
    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}
} // namespace

UINT GetWindowDpi(HWND hWnd)
{
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && hWnd ? getDpiForWindow(hWnd) : 0;
    return dpi ? dpi : SystemDpi();
}

void MoveToRect(HWND hWnd, const RECT& rect)
{
    ::SetWindowPos(hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL AdjustWindowRectForDpi(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi)
{
    static const auto adjust = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    return adjust ? adjust(pRect, dwStyle, bMenu, dwExStyle, nDpi)
                  : ::AdjustWindowRectEx(pRect, dwStyle, bMenu, dwExStyle);
}

int GetSystemMetricForDpi(int nIndex, UINT nDpi)
{
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(nIndex, nDpi)
                  : ::MulDiv(::GetSystemMetrics(nIndex), static_cast<int>(nDpi), static_cast<int>(SystemDpi()));
}

BOOL GetNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT nDpi)
{
    static const auto forDpi = User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof metrics;
    return forDpi ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, nDpi)
                  : ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
}

HFONT CreateMessageFontForDpi(UINT nDpi)
{
    NONCLIENTMETRICSW metrics;
    return GetNonClientMetrics(metrics, nDpi) ? ::CreateFontIndirectW(&metrics.lfMessageFont) : nullptr;
}

HFONT CreateFixedFontForDpi(int nPoints, UINT nDpi)
{
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(nPoints, static_cast<int>(nDpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    // On every Windows; where it is missing, the font mapper takes another
    // TrueType face of one width.
    ::lstrcpynW(font.lfFaceName, L"Courier New", LF_FACESIZE);
    return ::CreateFontIndirectW(&font);
}

namespace {
// The font DrawFittingText draws in; *pbFits tells whether text fits at its height.
HFONT CreateFittingFont(HDC hDC, const std::wstring& text, const RECT& rect, UINT uFormat, int nPixels, LONG nWeight,
                        bool bItalic, UINT nDpi, bool* pbFits)
{
    NONCLIENTMETRICSW metrics;
    if (!GetNonClientMetrics(metrics, nDpi))
        return nullptr;
    LOGFONTW font = metrics.lfMessageFont;
    font.lfWeight = nWeight;
    font.lfItalic = bItalic;
    const int height = ScaleToDpi(nPixels, nDpi);
    for (int h = height;; --h) {
        font.lfHeight = -h;
        const HFONT hFont = ::CreateFontIndirectW(&font);
        if (!hFont)
            return nullptr;
        const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        RECT needed = rect;
        ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &needed, uFormat | DT_CALCRECT);
        ::SelectObject(hDC, hOld);
        const bool fits = needed.right <= rect.right && needed.bottom <= rect.bottom;
        if (fits || 4 * h <= 3 * height) {
            *pbFits = fits;
            return hFont;
        }
        ::DeleteObject(hFont);
    }
}
} // namespace

bool DrawFittingText(HDC hDC, const std::wstring& text, RECT rect, UINT uFormat, int nPixels, LONG nWeight,
                     bool bItalic, UINT nDpi)
{
    bool fits = false;
    const HFONT hFont = CreateFittingFont(hDC, text, rect, uFormat, nPixels, nWeight, bItalic, nDpi, &fits);
    if (!hFont)
        return false;
    const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rect, uFormat);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    return fits;
}

int SingleLineWidth(HDC hDC, const std::wstring& text, int nPixels, LONG nWeight, bool bItalic, UINT nDpi)
{
    const RECT unbounded = {0, 0, INT_MAX / 2, INT_MAX / 2};
    bool fits = false;
    const HFONT hFont = CreateFittingFont(hDC, text, unbounded, DT_SINGLELINE, nPixels, nWeight, bItalic, nDpi, &fits);
    if (!hFont)
        return 0;
    const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size{};
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    return size.cx;
}
