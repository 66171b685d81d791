#pragma once
// The dialog controls the program binds with DDX_Control.

#include "framework/Gdi.h"
#include "framework/String.h"
#include "framework/Wnd.h"

#include <windows.h>

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int nCheck) { ::SendMessageW(m_hWnd, BM_SETCHECK, nCheck, 0); }
};

class CListBox : public CWnd {
public:
    // The new item's index; LB_ERR or LB_ERRSPACE when it cannot be added.
    int AddString(LPCSTR lpszItem)
    {
        return static_cast<int>(
            ::SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(lpszItem).c_str())));
    }
    // The selected item's index, LB_ERR when none is selected.
    int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCURSEL, 0, 0)); }
};

// An owner-drawn button that shows one picture raised and another pressed.
class CBitmapButton : public CButton {
public:
    // The raised and pressed pictures at the window's scale.
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel);
    // The button takes the size of its raised picture.
    void SizeToContent();
    // The pictures loaded again at the window's scale, and the button sized to them.
    BOOL TakeScale();
    // Draws the button's text on its face in dc, in bold slanted letters made
    // smaller where it would not fit; false when it does not fit even so.
    bool DrawCaption(CDC& dc, const RECT& face, bool bPressed);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

private:
    // The caption's letters at 96 DPI, its colour, and the room kept free at either end of the face.
    static constexpr int kCaptionPixels = 17;
    static constexpr COLORREF kCaptionColour = RGB(0, 40, 140);
    static constexpr int kCaptionRim = 6;
    static constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    UINT m_nIDBitmap = 0;
    UINT m_nIDBitmapSel = 0;
};
