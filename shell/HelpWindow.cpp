#include "shell/HelpWindow.h"

#include "framework/App.h"
#include "framework/Screen.h"
#include "resources/resource.h"

#include <algorithm>
#include <string>

namespace {
// The size of the help text's letters.
constexpr int kTextPoints = 10;

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
    const int kWidth = ScaleToDpi(620, dpi), kHeight = ScaleToDpi(560, dpi);
    RECT owner{};
    pOwner->GetWindowRect(&owner);
    const RECT work = GetWorkArea(pOwner->m_hWnd);
    const int x = std::max<int>(work.left, std::min<int>(owner.right, work.right - kWidth));
    const CString title = CString(AfxGetAppName()) + " Help";
    if (lpszClass && CreateEx(0, lpszClass, title, WS_OVERLAPPEDWINDOW, x, owner.top, kWidth, kHeight, pOwner, 0))
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

void CHelpWindow::TakeScale()
{
    // The system's own fixed font where no TrueType one can be made.
    const UINT dpi = GetDpi();
    const HFONT hFont = CreateFixedFontForDpi(kTextPoints, dpi);
    m_wndText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont ? hFont : ::GetStockObject(ANSI_FIXED_FONT)),
                          TRUE);
    if (m_hFont)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
    m_wndText.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                          MAKELPARAM(ScaleToDpi(6, dpi), ScaleToDpi(6, dpi)));
}

LRESULT CHelpWindow::OnDpiChanged(WPARAM, LPARAM lParam)
{
    MoveToRect(m_hWnd, *reinterpret_cast<const RECT*>(lParam));
    TakeScale();
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
