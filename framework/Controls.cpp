#include "framework/Controls.h"

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
}
