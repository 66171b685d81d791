#include "framework/Controls.h"

#include "framework/Scale.h"

#include <algorithm>
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
    // As wide as its caption needs where that is wider than the picture.
    const CSize size = m_bitmap.GetSize();
    const UINT dpi = GetDpi();
    CClientDC dc(this);
    const int caption = SingleLineWidth(dc.m_hDC, Wide(ReadWindowText(m_hWnd)), kCaptionPixels, FW_BOLD, true, dpi) +
                        2 * ScaleToDpi(kCaptionRim, dpi);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, std::max<int>(size.cx, caption), size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    // A face wider than its picture: the picture's halves at its ends, its
    // middle (alike from left to right) repeated between them.
    const CSize size = picture.GetSize();
    const int half = size.cx / 2, width = r.right - r.left;
    for (int x = half; x < width - half; x += half)
        dc.DrawBitmap(picture, r.left + x, r.top, std::min(half, width - half - x), size.cy, size.cx / 4, 0);
    dc.DrawBitmap(picture, r.left, r.top, std::min(half, width), size.cy, 0, 0);
    dc.DrawBitmap(picture, std::max(r.left, r.right - (size.cx - half)), r.top, size.cx - half, size.cy, half, 0);
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
