#include "shell/MainFrame.h"

#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "view/MahjongView.h"

namespace {
// The status bar's panes; each indicator's string of blanks sets its width.
constexpr UINT kIndicators[] = {ID_INDICATOR_GAME_TIME, ID_INDICATOR_TOTAL_TIME, ID_INDICATOR_MATCHED};
} // namespace

IMPLEMENT_DYNCREATE(CMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_HELP, OnHelp)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.cx = 400;
    cs.cy = 400;
    cs.x = 50;
    cs.y = 0;
    cs.style &= ~(WS_MAXIMIZEBOX | WS_THICKFRAME);
    // No picture yet: the view's first paint makes the first puzzle.
    g_pBoardPicture = nullptr;
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateToolBar())
        return -1;
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return -1;
    return 0;
}

BOOL CMainFrame::CreateToolBar()
{
    if (!m_wndToolBar.Create(this) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS);
    return TRUE;
}

LRESULT CMainFrame::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // Windows' rectangle puts the frame on its monitor; the view then sizes it
    // to the board at the new scale. The bars take the scale first, as the
    // frame's size depends on their heights. A bar that cannot be made again
    // is left out: the game goes on without it.
    MoveToSuggestedRect(m_hWnd, lParam);
    m_wndToolBar.DestroyWindow();
    CreateToolBar();
    m_wndStatusBar.TakeScale();
    RecalcLayout();
    if (auto* view = static_cast<CMahjongView*>(GetActiveView()))
        view->TakeWindowScale();
    return 0;
}

void CMainFrame::OnHelp()
{
    m_wndHelp.Open(this);
}
