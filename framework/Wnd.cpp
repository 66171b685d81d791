#include "framework/Wnd.h"

#include "framework/App.h"
#include "framework/FrameworkIds.h"
#include "framework/Language.h"
#include "framework/Screen.h"

#include <oleacc.h>

#include <algorithm>
#include <exception>

namespace {
const wchar_t kObjectProperty[] = L"Morvane.CWnd";

// The object whose window is being created: its first message attaches it.
CWnd* g_pWndInit = nullptr;

CWnd* TakeWindowBeingCreated(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    if (!pWnd && g_pWndInit) {
        pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->SubclassWindow(hWnd);
    }
    return pWnd;
}

// A fault must not cross into the system's code: the player is told, and the
// message counts as handled.
void ReportException() noexcept
{
    try {
        const char* what = "unknown";
        try {
            throw;
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        AfxMessageBox(AfxFormatString(AFX_IDP_INTERNAL_FAILURE, {what}), MB_ICONSTOP);
    } catch (...) {
        // Nothing more can be done; the message loop goes on.
    }
}
} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = TakeWindowBeingCreated(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = pWnd->Dispatch(message, wParam, lParam);
    } catch (...) {
        ReportException();
        result = message == WM_CREATE ? -1 : 0;
    }
    if (message == WM_NCDESTROY) {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return result;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT, WPARAM, LPARAM)
{
    TakeWindowBeingCreated(hWnd);
    return FALSE;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty)) : nullptr;
}

CString ReadWindowText(HWND hWnd)
{
    std::wstring text(::GetWindowTextLengthW(hWnd) + 1, L'\0');
    text.resize(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size())));
    return Utf8(text.c_str(), static_cast<int>(text.size()));
}

void CWnd::SetWindowBeingCreated(CWnd* pWnd)
{
    g_pWndInit = pWnd;
}

LPCSTR AfxRegisterWndClass(LPCSTR lpszClassName, UINT nClassStyle, HBRUSH hbrBackground, HICON hIcon)
{
    const std::wstring name = Wide(lpszClassName);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(AfxGetResourceHandle(), name.c_str(), &wc))
        return lpszClassName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = AfxGetResourceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name.c_str();
    return ::RegisterClassExW(&wc) ? lpszClassName : nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    CREATESTRUCTA cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hInstance = AfxGetResourceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;
    g_pWndInit = this;
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, Wide(cs.lpszClass).c_str(), Wide(cs.lpszName ? cs.lpszName : "").c_str(),
                                  cs.style, cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    g_pWndInit = nullptr;
    // A window of a system class (a common control) is attached once it exists.
    if (hWnd && !m_hWnd)
        SubclassWindow(hWnd);
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropW(m_hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    Attach(hWnd);
    const auto proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (proc != AfxWndProc) {
        m_pfnSuper = proc;
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc));
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxW(m_hWnd, Wide(lpszText).c_str(), Wide(lpszCaption ? lpszCaption : AfxGetAppName()).c_str(),
                         nType);
}

void CWnd::CenterWindow()
{
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = ::GetParent(m_hWnd);
    RECT area{};
    if (hOwner)
        ::GetWindowRect(hOwner, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT r{};
    GetWindowRect(&r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    // A window larger than its owner stays inside the work area all the same.
    const RECT room = GetWorkArea(hOwner ? hOwner : m_hWnd);
    const int x = std::max<int>(room.left, std::min<int>(area.left + (area.right - area.left - w) / 2, room.right - w));
    const int y = std::max<int>(room.top, std::min<int>(area.top + (area.bottom - area.top - h) / 2, room.bottom - h));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = m_currentMsg;
    m_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {}};
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_currentMsg = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(wParam, lParam, &result))
            return result;
        break;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWnd* pChild = item->CtlType == ODT_MENU ? nullptr : FromHandle(item->hwndItem);
        if (pChild && pChild->OnChildNotify(message, wParam, lParam, &result))
            return result;
        break;
    }
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT)
            if (IAccessible* pObject = GetAccessibleObject())
                return ::LresultFromObject(__uuidof(IAccessible), wParam, pObject);
        break;
    default:
        if (const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0))
            return entry->pfn(this, wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_pfnSuper ? ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam)
                      : ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menus and accelerators name no control; buttons and tool bars send
    // BN_CLICKED, which is CN_COMMAND.
    const int code = lParam ? HIWORD(wParam) : CN_COMMAND;
    return OnCmdMsg(LOWORD(wParam), code, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}
