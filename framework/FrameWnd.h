#pragma once
// CFrameWnd: the main window with its menu, accelerators and title; it makes
// the view, lays out the view between its bars, opens the menus with their
// items' states, and routes commands: view, document, frame, application.

#include "framework/String.h"
#include "framework/Wnd.h"

#include <windows.h>

class CDocument;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd {
public:
    // Makes the window with menu, accelerator table, icon and title of
    // resource nIDResource, and the view that pContext names.
    BOOL LoadFrame(UINT nIDResource, CCreateContext* pContext);
    // Shows the document's title in the caption: "document - program".
    void InitialUpdateFrame(CDocument* pDoc);
    // Takes the menu anew in the language in force.
    void ReloadMenu();
    CView* GetActiveView() const { return m_pViewActive; }
    // Tool bar at the top, status bar at the bottom, the view in between.
    void RecalcLayout();
    // Brings the bars' buttons in line with the commands' update handlers.
    void OnIdleUpdateCmdUI();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    // The frame passes the keyboard on to its view.
    void OnSetFocus(HWND hOldWnd);
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDResource = 0;
    HMENU m_hMenu = nullptr;
    HACCEL m_hAccelTable = nullptr;
    CString m_strTitle;
    CView* m_pViewActive = nullptr;
};
