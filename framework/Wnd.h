#pragma once
// CWnd: a C++ object attached to a window. Every window of the program, and
// every control a dialog binds, runs through one window procedure (AfxWndProc)
// that passes the message to the attached object's tables.

#include "framework/CmdTarget.h"
#include "framework/Gdi.h"
#include "framework/Scale.h"
#include "framework/String.h"

#include <windows.h>

struct IAccessible;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // The object attached to hWnd, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Makes the window; x, y, nWidth and nHeight as CreateWindowEx takes them.
    // Every window of the program is a Unicode window: its texts are UTF-16.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // Attaches this object to an existing window (a dialog's control) and
    // routes its messages through the object's tables.
    BOOL SubclassWindow(HWND hWnd);
    BOOL DestroyWindow();

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    // The DPI the window is drawn at; sizes at 96 DPI are scaled to it.
    UINT GetDpi() const { return GetWindowDpi(m_hWnd); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    void RedrawWindow(UINT flags) { ::RedrawWindow(m_hWnd, nullptr, nullptr, flags); }
    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextW(m_hWnd, Wide(lpszString).c_str()); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    void SetFocus() { ::SetFocus(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // A message box owned by this window; no caption means the program's name.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    // Centres this window over its owner (over the screen when it has none).
    void CenterWindow();

    // Called for each message before it is dispatched; TRUE when it was handled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // What screen readers are told about the client area (WM_GETOBJECT); null
    // leaves it to the system.
    virtual IAccessible* GetAccessibleObject() { return nullptr; }

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being handled now.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message the parent hands back to the control it concerns (WM_DRAWITEM).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // After the window is gone; windows that own their object delete it here.
    virtual void PostNcDestroy() {}

    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnSetFocus(HWND) { Default(); }

    // The object that the next window created by the system (a dialog) belongs to.
    static void SetWindowBeingCreated(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

    void Attach(HWND hWnd);
    void Detach();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr; // the window's own procedure, for subclassed windows
    MSG m_currentMsg{};
};

// The text of any window, a dialog's control among them.
CString ReadWindowText(HWND hWnd);

// Registers (once) a window class of the program, run by AfxWndProc.
LPCSTR AfxRegisterWndClass(LPCSTR lpszClassName, UINT nClassStyle, HBRUSH hbrBackground, HICON hIcon);

// The one window procedure of the program's windows.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure of dialogs: it hands the dialog's window to its object and then
// leaves every message to AfxWndProc.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
