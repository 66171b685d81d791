#include "shell/HelpWindow.h"

#include "framework/App.h"
#include "framework/Gdi.h"
#include "framework/Language.h"
#include "framework/Scale.h"
#include "framework/Screen.h"
#include "resources/resource.h"

#include <algorithm>
#include <string>

namespace {
// The size of the help text's letters, and the room on either side of it at 96 DPI.
constexpr int kTextPoints = 9;
constexpr int kTextMargin = 6;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

// The help text resource, with the line breaks an edit control shows.
std::string LoadHelpText()
{
    const std::string_view data = AfxLoadResourceData(MAKEINTRESOURCEW(IDR_HELP_TEXT), MAKEINTRESOURCEW(10)); // RT_RCDATA
    std::string text;
    for (std::size_t i = 0, n = data.size(); i < n; ++i) {
        if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r'))
            text += '\r';
        text += data[i];
    }
    return text;
}

// The system's own fixed font, where no TrueType one can be made.
HFONT FallbackFont()
{
    return static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
}

// The window's width at nDpi in which the text's longest line fits whole
// beside the scroll bar, in hFont, as its own metrics measure it.
int WidthForText(HFONT hFont, UINT nDpi)
{
    CClientDC screen(nullptr);
    CSelectedObject font(screen, hFont);
    int widest = 0;
    const std::string text = LoadHelpText();
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find('\r', start), text.size());
        widest = std::max<int>(widest, screen.GetTextExtent(text.substr(start, end - start).c_str()).cx);
    }
    // One letter more: the edit control keeps room for its caret.
    widest += screen.GetTextExtent("0").cx;
    RECT r{0, 0, widest + 2 * ScaleToDpi(kTextMargin, nDpi) + GetSystemMetricForDpi(SM_CXVSCROLL, nDpi), 0};
    AdjustWindowRectForDpi(&r, kStyle, FALSE, 0, nDpi);
    return r.right - r.left;
}
} // namespace

BEGIN_MESSAGE_MAP(CHelpWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorStatic)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

void CHelpWindow::Open(CWnd* pOwner)
{
    if (m_hWnd) {
        ::SetForegroundWindow(m_hWnd);
        return;
    }
    const LPCSTR lpszClass = AfxRegisterWndClass("MorvaneHelp", 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                                                 ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)));
    // Beside the game, so that both can be seen, as far as the screen allows.
    const UINT dpi = pOwner->GetDpi();
    const RECT work = GetWorkArea(pOwner->m_hWnd);
    const HFONT hFont = CreateFixedFontForDpi(kTextPoints, dpi);
    const int width = std::min<int>(WidthForText(hFont ? hFont : FallbackFont(), dpi), work.right - work.left);
    const int height = ScaleToDpi(560, dpi);
    if (hFont)
        ::DeleteObject(hFont);
    RECT owner{};
    pOwner->GetWindowRect(&owner);
    const int x = std::max<int>(work.left, std::min<int>(owner.right, work.right - width));
    const CString title = AfxFormatString(IDS_HELP_TITLE, {AfxGetAppName()});
    if (lpszClass && CreateEx(0, lpszClass, title, kStyle, x, owner.top, width, height, pOwner, 0))
        ShowWindow(SW_SHOW);
}

int CHelpWindow::OnCreate(LPCREATESTRUCT)
{
    if (!m_wndText.CreateEx(0, "EDIT", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                            0, 0, this, 1))
        return -1;
    // The text is laid out in columns, so it needs letters of one width.
    TakeScale();
    m_wndText.SetWindowText(LoadHelpText().c_str());
    return 0;
}

HFONT CHelpWindow::TextFont()
{
    return reinterpret_cast<HFONT>(m_wndText.SendMessage(WM_GETFONT));
}

void CHelpWindow::TakeScale()
{
    // The system's own fixed font where no TrueType one can be made.
    const UINT dpi = GetDpi();
    const HFONT hFont = CreateFixedFontForDpi(kTextPoints, dpi);
    m_wndText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont ? hFont : FallbackFont()), TRUE);
    if (m_hFont)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
    m_wndText.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                          MAKELPARAM(ScaleToDpi(kTextMargin, dpi), ScaleToDpi(kTextMargin, dpi)));
}

LRESULT CHelpWindow::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // Windows' rectangle, as wide as the text needs at the new scale.
    TakeScale();
    RECT suggested = *reinterpret_cast<const RECT*>(lParam);
    suggested.right = suggested.left + WidthForText(TextFont(), GetDpi());
    MoveToRect(m_hWnd, suggested);
    return 0;
}

void CHelpWindow::OnSize(UINT, int cx, int cy)
{
    m_wndText.MoveWindow(0, 0, cx, cy);
}

LRESULT CHelpWindow::OnCtlColorStatic(WPARAM, LPARAM)
{
    // Read-only text on the window colour, like any document.
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}
