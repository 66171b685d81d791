#include "framework/Scale.h"

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

void MoveToSuggestedRect(HWND hWnd, LPARAM lParam)
{
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL AdjustWindowRectForDpi(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi)
{
    static const auto adjust = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    return adjust ? adjust(pRect, dwStyle, bMenu, dwExStyle, nDpi)
                  : ::AdjustWindowRectEx(pRect, dwStyle, bMenu, dwExStyle);
}

BOOL GetNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT nDpi)
{
    static const auto forDpi = User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof metrics;
    return forDpi ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, nDpi)
                  : ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
}

HFONT CreateStockFontForDpi(int nStockFont, UINT nDpi)
{
    LOGFONTW font{};
    if (!::GetObjectW(::GetStockObject(nStockFont), sizeof font, &font))
        return nullptr;
    font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(nDpi), static_cast<int>(SystemDpi()));
    // The stock fonts' width is not always scaled with their height (Wine
    // keeps the 96-DPI width): above 96 DPI the font's own shape sets it.
    if (nDpi != kBaseDpi)
        font.lfWidth = 0;
    return ::CreateFontIndirectW(&font);
}
