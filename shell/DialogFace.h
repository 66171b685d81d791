#pragma once
// The face of the game's own dialogs: dark-blue lettering on a light-blue
// face, lines of text centred across it.

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "resources/resource.h"

#include <windows.h>

constexpr COLORREF kDialogFace = RGB(116, 191, 226);
constexpr COLORREF kDialogLettering = RGB(0, 74, 198);

// Fills the window's client area with the face and sets the lettering's
// colours; returns the client rectangle.
inline CRect PaintDialogFace(CDC& dc, const CWnd& wnd)
{
    dc.SetBkColor(kDialogFace);
    dc.SetTextColor(kDialogLettering);
    CRect client;
    wnd.GetClientRect(&client);
    dc.FillSolidRect(client, kDialogFace);
    return client;
}

// Line k of a dialog's text: centred across nWidth, at twice k line heights.
inline void DrawCentredLine(CDC& dc, int nWidth, const CString& text, int k)
{
    const CSize size = dc.GetTextExtent(text);
    dc.TextOut((nWidth - size.cx) / 2, 2 * k * size.cy, text);
}

// A dialog of the game's own: its OK button shows the raised and pressed
// pictures and takes their size.
class CFaceDialog : public CDialog {
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
    static void ShowPictures(CBitmapButton& button, UINT nUp, UINT nDown)
    {
        button.LoadBitmaps(nUp, nDown);
        button.SizeToContent();
    }

    CBitmapButton m_btnOK;
};
