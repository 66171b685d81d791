#pragma once
// CMainFrame: the main window with the tool bar and the three-pane status bar.
// It cannot be resized or maximised and the view sizes it to the board, except
// with "Fit to window", where the player sizes it and the board follows.

#include "framework/Bars.h"
#include "framework/FrameWnd.h"
#include "shell/HelpWindow.h"

class CMainFrame : public CFrameWnd {
protected:
    CMainFrame() = default;
    DECLARE_DYNCREATE(CMainFrame)

public:
    CStatusBar m_wndStatusBar; // panes: game clock, total clock, matched tiles
    CToolBar m_wndToolBar;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnHelp();
    // Edit > Language: Windows' choice or a language of the menu, taken at once.
    void OnLanguage(UINT nID);
    void OnUpdateLanguage(CCmdUI* pCmdUI);
    // Exit, the close box or Alt+F4, and the end of the Windows session: the
    // game in progress, and a frame the player sizes, are kept for the next start.
    void OnClose();
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    // The frame is on a monitor of another scale, or the scale has changed.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // The size Windows is to suggest for the frame at another scale: the board's.
    LRESULT OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam);
    // With "Fit to window": no smaller than the board at the Normal tile size.
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    // The screen or its work area has changed.
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    // A change that came during a wait, taken now that the wait is over.
    LRESULT OnTakePendingScale(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void KeepLastGame();
    // The tool bar at the frame's scale.
    BOOL CreateToolBar();
    // A change of scale, screen or work area, with the rectangle Windows
    // suggests for the frame (null for none): taken at once, or, while a wait
    // holds the game, kept (the newest only) and taken once the wait is over,
    // so that nothing a wait draws meets a picture it did not start with.
    void ChangeScale(const RECT* pSuggested);
    // Lays the frame, its bars and the game out at the scale, screen and work
    // area in force, on the rectangle kept, if any.
    void TakeScale();
    bool m_bScalePending = false; // a change is kept for after the wait
    bool m_bSuggested = false;    // m_suggested holds the newest suggested rectangle
    RECT m_suggested{};
    CHelpWindow m_wndHelp;
};
