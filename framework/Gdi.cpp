#include "framework/Gdi.h"

#include "framework/App.h"
#include "framework/Wnd.h"

CBitmap& CBitmap::operator=(CBitmap&& other) noexcept
{
    if (this != &other) {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = other.m_hObject;
        m_pBits = other.m_pBits;
        other.m_hObject = nullptr;
        other.m_pBits = nullptr;
    }
    return *this;
}

CBitmap::~CBitmap()
{
    if (m_hObject)
        ::DeleteObject(m_hObject);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    *this = CBitmap();
    // As a DIB section, the picture keeps its own colours on screens of any depth.
    m_hObject = static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource), IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION));
    return m_hObject != nullptr;
}

namespace {
BITMAPINFO TopDown32(int w, int h)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
} // namespace

BOOL CBitmap::CreateDIBSection(int w, int h)
{
    *this = CBitmap();
    const BITMAPINFO info = TopDown32(w, h);
    void* bits = nullptr;
    m_hObject = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_pBits = m_hObject ? static_cast<std::uint32_t*>(bits) : nullptr;
    return m_hObject != nullptr;
}

bool LoadBitmapPixels(UINT nIDResource, std::vector<std::uint32_t>& pixels, CSize& size)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDResource))
        return false;
    size = bitmap.GetSize();
    BITMAPINFO info = TopDown32(size.cx, size.cy);
    pixels.assign(static_cast<std::size_t>(size.cx) * size.cy, 0);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr) ||
        ::GetDIBits(dc.m_hDC, bitmap.GetSafeHandle(), 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS) != size.cy)
        return false;
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return true;
}

CSize CBitmap::GetSize() const
{
    BITMAP bm{};
    if (!m_hObject || !::GetObjectW(m_hObject, sizeof bm, &bm))
        return CSize();
    return CSize(bm.bmWidth, bm.bmHeight);
}

CDC::~CDC()
{
    if (m_bOwned && m_hDC)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_bOwned && m_hDC)
        ::DeleteDC(m_hDC);
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::DrawBitmap(const CBitmap& bitmap, int x, int y, int nWidth, int nHeight, int xSrc, int ySrc)
{
    CDC memory;
    if (!memory.CreateCompatibleDC(this))
        return FALSE;
    CSelectedObject selected(memory, bitmap.GetSafeHandle());
    return BitBlt(x, y, nWidth, nHeight, &memory, xSrc, ySrc, SRCCOPY);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF clr)
{
    // An opaque empty text paints the rectangle in the background colour.
    const COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const std::wstring wide = Wide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return CSize(size.cx, size.cy);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    const std::wstring wide = Wide(text);
    return ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

CClientDC::CClientDC(CWnd* pWnd) : CDC(::GetDC(pWnd->m_hWnd)), m_hWnd(pWnd->m_hWnd) {}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}
