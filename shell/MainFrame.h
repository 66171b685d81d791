#pragma once
// CMainFrame: the main window with the tool bar and the three-pane status bar.
// It cannot be resized or maximised; the view sizes it to the board.

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
    // The frame is on a monitor of another scale, or the scale has changed.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The tool bar at the frame's scale.
    BOOL CreateToolBar();
    CHelpWindow m_wndHelp;
};
