#pragma once
// The face of the game's own dialogs: dark-blue lettering on a light-blue
// face, lines of text centred across it.

#include "framework/Gdi.h"
#include "framework/String.h"
#include "framework/Wnd.h"

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
