#include "framework/FrameWnd.h"

#include "framework/App.h"
#include "framework/Bars.h"
#include "framework/DocView.h"
#include "framework/FrameworkIds.h"
#include "framework/Language.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {
// The menu resource in the language in force.
HMENU LoadMenuOfLanguage(UINT nIDResource)
{
    const std::string_view menu = AfxLoadResourceData(MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(4)); // RT_MENU
    return menu.empty() ? nullptr : ::LoadMenuIndirectW(menu.data());
}
} // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    // The resource's string: the title, then the document's fields, each after a line break.
    CString fields;
    fields.LoadString(nIDResource);
    m_strTitle = fields.str().substr(0, fields.str().find('\n'));
    m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    m_hMenu = LoadMenuOfLanguage(nIDResource);
    return CreateEx(0, nullptr, m_strTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, 0, pContext);
}

void CFrameWnd::ReloadMenu()
{
    const HMENU hMenu = LoadMenuOfLanguage(m_nIDResource);
    if (!hMenu || !::SetMenu(m_hWnd, hMenu)) {
        if (hMenu)
            ::DestroyMenu(hMenu);
        return; // the menu of the language before stays
    }
    ::DestroyMenu(m_hMenu);
    m_hMenu = hMenu;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    HICON hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDResource));
    cs.lpszClass = AfxRegisterWndClass("MorvaneFrame", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), hIcon);
    cs.hMenu = m_hMenu;
    return cs.lpszClass != nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc)
{
    SetWindowText(pDoc->GetTitle() + " - " + m_strTitle);
    RecalcLayout();
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = this;
    const auto* context = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!context || !context->m_pNewViewClass)
        return 0;
    auto* pView = static_cast<CView*>(context->m_pNewViewClass->CreateObject());
    // A view whose window fails goes with its window (CView::PostNcDestroy).
    if (!pView->CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, this,
                         AFX_IDW_PANE_FIRST, const_cast<CCreateContext*>(context)))
        return -1;
    m_pViewActive = pView;
    return 0;
}

void CFrameWnd::RecalcLayout()
{
    RECT area{};
    GetClientRect(&area);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        auto* pBar = dynamic_cast<CControlBar*>(FromHandle(hChild));
        if (!pBar || !(pBar->GetStyle() & WS_VISIBLE))
            continue;
        pBar->PlaceAtEdge();
        RECT r{};
        pBar->GetWindowRect(&r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        if (r.top <= area.top)
            area.top = std::max(area.top, r.bottom);
        else
            area.bottom = std::min(area.bottom, r.top);
    }
    if (m_pViewActive)
        m_pViewActive->MoveWindow(area.left, area.top, area.right - area.left, std::max(0L, area.bottom - area.top));
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (auto* pBar = dynamic_cast<CControlBar*>(FromHandle(hChild)))
            pBar->OnUpdateCmdUI(this);
}

LRESULT CFrameWnd::OnEnterIdle(WPARAM, LPARAM)
{
    // A modal dialog's loop has gone idle: the bars stay in step meanwhile too.
    OnIdleUpdateCmdUI();
    return 0;
}

void CFrameWnd::OnSize(UINT, int, int)
{
    RecalcLayout();
}

void CFrameWnd::OnClose()
{
    // A modal window runs its loop inside a handler of the view or the frame,
    // which must not outlive their windows: the modal window is ended first,
    // and the program closes once that handler has returned.
    const HWND hModal = ::GetLastActivePopup(m_hWnd);
    if (!::IsWindowEnabled(m_hWnd) && hModal != m_hWnd && ::EndDialog(hModal, IDCANCEL)) {
        ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        return;
    }
    // The document is never modified, so there is nothing to ask.
    DestroyWindow();
}

void CFrameWnd::OnSetFocus(HWND)
{
    if (m_pViewActive)
        m_pViewActive->SetFocus();
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_hMenu = hPopupMenu;
    const int count = ::GetMenuItemCount(hPopupMenu);
    for (int i = 0; i < count; ++i) {
        state.m_nID = ::GetMenuItemID(hPopupMenu, i);
        state.m_nIndex = i;
        // Sub-menus (id -1) get their own WM_INITMENUPOPUP; separators (0) have no state.
        if (state.m_nID != 0 && state.m_nID != static_cast<UINT>(-1))
            state.DoUpdate(this);
    }
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pCmdUI);
}

BOOL CFrameWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (info->hdr.code != TTN_GETDISPINFOW)
        return FALSE;
    // A bar's tool tips show the part of the command's string after its line break.
    const CControlBar* pBar = nullptr;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild && !pBar; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const auto* pChild = dynamic_cast<const CControlBar*>(FromHandle(hChild));
        if (pChild && pChild->GetToolTips() == info->hdr.hwndFrom)
            pBar = pChild;
    }
    if (!pBar || !(pBar->GetBarStyle() & CBRS_TOOLTIPS))
        return FALSE;
    CString text;
    text.LoadString(static_cast<UINT>(info->hdr.idFrom));
    const char* tip = std::strchr(text, '\n');
    ::lstrcpynW(info->szText, Wide(tip ? tip + 1 : "").c_str(), ARRAYSIZE(info->szText));
    info->lpszText = info->szText;
    *pResult = 0;
    return TRUE;
}
