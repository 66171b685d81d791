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

    DECLARE_MESSAGE_MAP()

private:
    CHelpWindow m_wndHelp;
};
