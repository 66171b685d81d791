#pragma once
// The face of the game's own dialogs: dark-blue lettering on a light-blue
// face, lines of text centred across it.

#include "framework/Accessible.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Scale.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "resources/resource.h"

#include <windows.h>

#include <algorithm>
#include <vector>

constexpr COLORREF kDialogFace = RGB(116, 191, 226);
constexpr COLORREF kDialogLettering = RGB(0, 74, 198);

// The face painted on a dialog's context while this lives: the client area
// filled, the lettering's colours, and its font, the system's message font at
// the window's scale (the dialog's own font, which Windows scales with the
// dialog, where that cannot be made), with every position at the window's scale.
class CPaintedFace {
public:
    CPaintedFace(CDC& dc, const CWnd& wnd) : m_dc(dc), m_nDpi(wnd.GetDpi())
    {
        dc.SetBkColor(kDialogFace);
        dc.SetTextColor(kDialogLettering);
        wnd.GetClientRect(&m_client);
        dc.FillSolidRect(m_client, kDialogFace);
        m_hFont = CreateMessageFontForDpi(m_nDpi);
        const HGDIOBJ hFont = m_hFont ? m_hFont : reinterpret_cast<HGDIOBJ>(::SendMessageW(wnd.m_hWnd, WM_GETFONT, 0, 0));
        m_hOld = hFont ? ::SelectObject(dc.m_hDC, hFont) : nullptr; // none: the context's own font
    }
    ~CPaintedFace()
    {
        if (m_hOld)
            ::SelectObject(m_dc.m_hDC, m_hOld);
        if (m_hFont)
            ::DeleteObject(m_hFont);
    }
    CPaintedFace(const CPaintedFace&) = delete;
    CPaintedFace& operator=(const CPaintedFace&) = delete;

    const CRect& Client() const { return m_client; }
    // A position or length at 96 DPI, at the window's scale.
    int Scaled(int n) const { return ScaleToDpi(n, m_nDpi); }
    // The distance between rows of text, row r at r times it: twice the
    // font's line height, less where rows 0 to nLastRow would reach nBottom
    // (the buttons), but never less than one line.
    int RowStep(int nLastRow, int nBottom) const
    {
        const int h = m_dc.GetTextExtent("0").cy;
        return std::max(h, std::min(2 * h, (nBottom - h) / nLastRow));
    }

private:
    CDC& m_dc;
    UINT m_nDpi;
    CRect m_client;
    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// Line k of a dialog's text: centred across nWidth, in row k of rows nStep apart.
inline void DrawCentredLine(CDC& dc, int nWidth, const CString& text, int k, int nStep)
{
    const CSize size = dc.GetTextExtent(text);
    dc.TextOut((nWidth - size.cx) / 2, k * nStep, text);
}

// A dialog of the game's own: its OK button shows the raised and pressed
// pictures and takes their size; screen readers get the text it paints as
// its description.
class CFaceDialog : public CDialog {
public:
    // The text the dialog paints, in reading order, as one text.
    virtual CString PaintedText() const = 0;
    IAccessible* GetAccessibleObject() override;

protected:
    explicit CFaceDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDOK, m_btnOK);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ShowPictures(m_btnOK, IDB_OK_UP, IDB_OK_DOWN);
        return TRUE;
    }
    // The button shows these pictures, at the dialog's scale whenever it changes.
    void ShowPictures(CBitmapButton& button, UINT nUp, UINT nDown)
    {
        button.LoadBitmaps(nUp, nDown);
        button.SizeToContent();
        KeepInside(button);
        m_pictureButtons.push_back(&button);
    }
    // A button whose pictures are larger than its place in the template goes
    // up and left as far as it must to stay whole within the dialog.
    void KeepInside(CWnd& button) const
    {
        CRect client, r;
        GetClientRect(&client);
        button.GetWindowRect(&r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        const int x = std::max(0L, r.left + std::min(0L, client.right - r.right));
        const int y = std::max(0L, r.top + std::min(0L, client.bottom - r.bottom));
        if (x != r.left || y != r.top)
            ::SetWindowPos(button.m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The top of the buttons, which the painted text stays above.
    int ButtonsTop() const
    {
        CRect button;
        m_btnOK.GetWindowRect(&button);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&button), 2);
        return button.top;
    }
    void TakeScale() override
    {
        for (CBitmapButton* button : m_pictureButtons) {
            button->TakeScale();
            KeepInside(*button);
        }
    }

    CBitmapButton m_btnOK;

private:
    std::vector<CBitmapButton*> m_pictureButtons;
    CAccessibleHolder m_accessible;
};

// A dialog of the game's own as screen readers see it: the system's object,
// described by the text the dialog paints.
class CPaintedTextAccessible : public CAccessible {
public:
    explicit CPaintedTextAccessible(const CFaceDialog& dialog) : CAccessible(dialog.m_hWnd), m_dialog(dialog) {}

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        if (!Window() || varChild.vt != VT_I4 || varChild.lVal != CHILDID_SELF)
            return CAccessible::get_accDescription(varChild, pszDescription);
        return ReturnText(m_dialog.PaintedText(), pszDescription);
    }

private:
    const CFaceDialog& m_dialog;
};

inline IAccessible* CFaceDialog::GetAccessibleObject()
{
    return m_accessible.Get<CPaintedTextAccessible>(*this);
}
