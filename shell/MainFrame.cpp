#include "shell/MainFrame.h"

#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "shell/LanguageChoice.h"
#include "view/MahjongView.h"
#include "view/Waits.h"

namespace {
// Posted to the frame when a change of scale came during a wait: the message
// loop that runs next, after the wait, takes it.
constexpr UINT WM_TAKE_PENDING_SCALE = WM_APP + 20;

// The status bar's panes; each indicator's string of blanks sets its width.
constexpr UINT kIndicators[] = {ID_INDICATOR_GAME_TIME, ID_INDICATOR_TOTAL_TIME, ID_INDICATOR_MATCHED};
} // namespace

IMPLEMENT_DYNCREATE(CMainFrame)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND_EX(ID_LANGUAGE_WINDOWS, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_EN, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_DE, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_FR, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_ES, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_IT, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_PT, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_PL, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_RU, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_JA, OnLanguage)
    ON_COMMAND_EX(ID_LANGUAGE_ZH, OnLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_WINDOWS, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_EN, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_DE, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_FR, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_ES, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_IT, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_PT, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_PL, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_RU, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_JA, OnUpdateLanguage)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_ZH, OnUpdateLanguage)
    ON_WM_CLOSE()
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_GETDPISCALEDSIZE, OnGetDpiScaledSize)
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_TAKE_PENDING_SCALE, OnTakePendingScale)
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
    ChangeScale(reinterpret_cast<const RECT*>(lParam));
    return 0;
}

LRESULT CMainFrame::OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam)
{
    auto* view = static_cast<CMahjongView*>(GetActiveView());
    const CSize size = view ? view->FrameSizeAtDpi(static_cast<UINT>(wParam)) : CSize();
    if (size.cx <= 0)
        return FALSE; // no board yet: Windows scales the frame as it is
    *reinterpret_cast<SIZE*>(lParam) = size;
    return TRUE;
}

LRESULT CMainFrame::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    auto* view = static_cast<CMahjongView*>(GetActiveView());
    const CSize least = view ? view->MinFrameSize() : CSize();
    if (least.cx > 0)
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{least.cx, least.cy};
    return 0;
}

LRESULT CMainFrame::OnDisplayChange(WPARAM, LPARAM)
{
    ChangeScale(nullptr);
    return Default();
}

LRESULT CMainFrame::OnSettingChange(WPARAM wParam, LPARAM)
{
    if (wParam == SPI_SETWORKAREA)
        ChangeScale(nullptr);
    return Default();
}

void CMainFrame::ChangeScale(const RECT* pSuggested)
{
    if (pSuggested) {
        m_suggested = *pSuggested;
        m_bSuggested = true;
    }
    if (!GameHeld()) {
        TakeScale();
        return;
    }
    // The waits answer sent messages but dispatch no posted ones.
    if (!m_bScalePending)
        ::PostMessageW(m_hWnd, WM_TAKE_PENDING_SCALE, 0, 0);
    m_bScalePending = true;
}

LRESULT CMainFrame::OnTakePendingScale(WPARAM, LPARAM)
{
    if (m_bScalePending)
        TakeScale();
    return 0;
}

void CMainFrame::TakeScale()
{
    // Windows' rectangle puts the frame on its monitor; the view then sizes it
    // to the board at the new scale. The bars take the scale first, as the
    // frame's size depends on their heights. A bar that cannot be made again
    // is left out: the game goes on without it.
    m_bScalePending = false;
    if (m_bSuggested)
        MoveToRect(m_hWnd, m_suggested);
    m_bSuggested = false;
    m_wndToolBar.DestroyWindow();
    CreateToolBar();
    m_wndStatusBar.TakeScale();
    RecalcLayout();
    if (auto* view = static_cast<CMahjongView*>(GetActiveView()))
        view->TakeWindowScale();
}

void CMainFrame::OnHelp()
{
    m_wndHelp.Open(this);
}

void CMainFrame::OnLanguage(UINT nID)
{
    // The languages' items follow "Windows' choice" in the order of kLanguages.
    ChooseLanguage(static_cast<int>(nID) - ID_LANGUAGE_EN);
    ReloadMenu();
    if (auto* view = static_cast<CMahjongView*>(GetActiveView()))
        view->TakeLanguage();
}

void CMainFrame::OnUpdateLanguage(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(static_cast<int>(pCmdUI->m_nID) - ID_LANGUAGE_EN == ChosenLanguage());
}

void CMainFrame::OnClose()
{
    KeepLastGame();
    CFrameWnd::OnClose();
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM)
{
    // The session ends and the program with it, without closing its windows.
    if (wParam)
        KeepLastGame();
    return 0;
}

void CMainFrame::KeepLastGame()
{
    if (auto* view = static_cast<CMahjongView*>(GetActiveView())) {
        view->KeepLastGame();
        view->KeepWindowPlacement();
    }
}
