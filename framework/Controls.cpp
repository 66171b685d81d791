#include "framework/Controls.h"

#include "framework/Scale.h"

#include <string>

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel)
{
    m_nIDBitmap = nIDBitmapResource;
    m_nIDBitmapSel = nIDBitmapResourceSel;
    return m_bitmap.LoadBitmap(nIDBitmapResource, GetDpi()) && m_bitmapSel.LoadBitmap(nIDBitmapResourceSel, GetDpi());
}

BOOL CBitmapButton::TakeScale()
{
    if (!LoadBitmaps(m_nIDBitmap, m_nIDBitmapSel))
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    const CSize size = m_bitmap.GetSize();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CBitmapButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const CBitmap& picture = (lpDrawItemStruct->itemState & ODS_SELECTED) ? m_bitmapSel : m_bitmap;
    if (!picture.GetSafeHandle())
        return;
    CDC dc(lpDrawItemStruct->hDC);
    const RECT& r = lpDrawItemStruct->rcItem;
    dc.DrawBitmap(picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
    DrawCaption(dc, r, (lpDrawItemStruct->itemState & ODS_SELECTED) != 0);
}

bool CBitmapButton::DrawCaption(CDC& dc, const RECT& face, bool bPressed)
{
    // The caption on the face, within its rim, a pixel down and right while pressed.
    const UINT dpi = GetDpi();
    const int rim = ScaleToDpi(kCaptionRim, dpi), shift = bPressed ? ScaleToDpi(1, dpi) : 0;
    const RECT room = {face.left + rim + shift, face.top + shift, face.right - rim + shift, face.bottom + shift};
    ::SetBkMode(dc.m_hDC, TRANSPARENT);
    ::SetTextColor(dc.m_hDC, kCaptionColour);
    return DrawFittingText(dc.m_hDC, Wide(ReadWindowText(m_hWnd)), room, kCaptionFormat, kCaptionPixels, FW_BOLD, true,
                           dpi);
}
