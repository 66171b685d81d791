#pragma once
// The program's help text in a read-only window of its own.

#include "framework/Wnd.h"

class CHelpWindow : public CWnd {
public:
    ~CHelpWindow() override
    {
        if (m_hFont)
            ::DeleteObject(m_hFont);
    }
    // Opens the window, owned by pOwner, or brings it to the front when it is open.
    void Open(CWnd* pOwner);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam);
    // The window is on a monitor of another scale, or the scale has changed.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The text's font and margins at the window's scale.
    void TakeScale();
    // The font the text is shown in.
    HFONT TextFont();
    CWnd m_wndText;
    HFONT m_hFont = nullptr; // the text's font at the window's scale
};
