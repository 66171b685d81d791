#pragma once
// The tool bar and the status bar: common controls that a frame keeps at its
// top and bottom edges.

#include "framework/FrameworkIds.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <vector>

// A bar's own styles, beside its window styles.
constexpr DWORD CBRS_TOOLTIPS = 0x0010; // the buttons show their tool tips

class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    // Moves the bar to its edge of the parent's client area, across its width.
    virtual void PlaceAtEdge() = 0;
    // The tool tip window of the bar's buttons, if it has one.
    virtual HWND GetToolTips() const { return nullptr; }
    // Brings the bar's buttons in line with the update handlers along pTarget's route.
    virtual void OnUpdateCmdUI(CCmdTarget*) {}

protected:
    BOOL CreateControl(LPCSTR lpszClassName, DWORD dwStyle, CWnd* pParentWnd, UINT nID);

private:
    DWORD m_dwBarStyle = 0;
};

class CToolBar : public CControlBar {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_TOOLBAR);
    // The buttons of tool bar resource nIDResource, with the pictures of the
    // bitmap of the same id, at the bar's scale.
    BOOL LoadToolBar(UINT nIDResource);
    void PlaceAtEdge() override;
    HWND GetToolTips() const override;
    // A checked command shows its button pressed, a disabled one greyed.
    void OnUpdateCmdUI(CCmdTarget* pTarget) override;

private:
    CBitmap m_pictures; // the buttons' pictures at the bar's scale
};

class CStatusBar : public CControlBar {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_STATUS_BAR);
    // One pane for each id, as wide as the id's string and showing it at first.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void PlaceAtEdge() override;
    // The system's status-bar font at the bar's scale, and the panes measured
    // in it; the panes keep their texts.
    BOOL TakeScale();
    ~CStatusBar() override;

private:
    // Sets each pane's width: its indicator's, or its text's where that is wider.
    BOOL LayOutPanes();
    std::vector<UINT> m_indicators;
    std::vector<CString> m_texts; // what each pane shows
    HFONT m_hFont = nullptr;
};
