#pragma once
// Device contexts and bitmaps. Each owns its handle and gives it back when it
// goes; CSelectedObject puts back what it replaced.

#include "framework/String.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class CWnd;

struct CPoint : POINT {
    CPoint(int x_ = 0, int y_ = 0) : POINT{x_, y_} {}
};

struct CSize : SIZE {
    CSize(int x = 0, int y = 0) : SIZE{x, y} {}
    bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

struct CRect : RECT {
    CRect(int l = 0, int t = 0, int r = 0, int b = 0) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CBitmap {
public:
    CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    CBitmap(CBitmap&& other) noexcept : m_hObject(other.m_hObject), m_pBits(other.m_pBits)
    {
        other.m_hObject = nullptr;
        other.m_pBits = nullptr;
    }
    CBitmap& operator=(CBitmap&& other) noexcept;
    ~CBitmap();

    // Picture nIDResource of the program's bitmap resources at its size at
    // nDpi, in place of the old one: above 96 DPI drawn from its double-size
    // bitmap where there is one, stretched by dropping or repeating pixels.
    BOOL LoadBitmap(UINT nIDResource, UINT nDpi = 96);
    // A 32-bit top-down picture of w x h whose pixels (0x00RRGGBB) the program
    // reaches directly through GetBits, in place of the old one.
    BOOL CreateDIBSection(int w, int h);
    // Takes ownership of hBitmap, in place of the old picture.
    void Attach(HBITMAP hBitmap)
    {
        *this = CBitmap();
        m_hObject = hBitmap;
    }
    std::uint32_t* GetBits() const { return m_pBits; }
    CSize GetSize() const;
    HBITMAP GetSafeHandle() const { return m_hObject; }

private:
    HBITMAP m_hObject = nullptr;
    std::uint32_t* m_pBits = nullptr; // pixels of a picture made by CreateDIBSection
};

// The double-size picture of bitmap resource n is bitmap resource n + kDoubleSizeBitmap.
constexpr UINT kDoubleSizeBitmap = 1000;

// The pixels of picture nIDResource at nDpi (as CBitmap::LoadBitmap makes it),
// 32 bits each (0x00RRGGBB), top row first; false when there is no such bitmap.
bool LoadBitmapPixels(UINT nIDResource, std::vector<std::uint32_t>& pixels, CSize& size, UINT nDpi = 96);

class CDC {
public:
    CDC() = default;
    // Draws on a context that someone else owns (the one WM_DRAWITEM hands over).
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;

    // A memory context compatible with pDC (with the screen when null).
    BOOL CreateCompatibleDC(CDC* pDC);

    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    void FillSolidRect(const RECT& rect, COLORREF clr);
    CSize GetTextExtent(const CString& text) const;
    BOOL TextOut(int x, int y, const CString& text);
    // Copies nWidth x nHeight pixels of bitmap, from (xSrc, ySrc), to (x, y) of this context.
    BOOL DrawBitmap(const CBitmap& bitmap, int x, int y, int nWidth, int nHeight, int xSrc = 0, int ySrc = 0);
    void MoveTo(int x, int y) { ::MoveToEx(m_hDC, x, y, nullptr); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->m_hDC, xSrc, ySrc, dwRop);
    }

private:
    bool m_bOwned = false; // made by CreateCompatibleDC, deleted here
};

// The client area's context of a window (of the screen for none), for drawing outside WM_PAINT.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// The context of WM_PAINT: BeginPaint here, EndPaint when it goes.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// A pen of one style, width and colour.
class CPen {
public:
    CPen(int nPenStyle, int nWidth, COLORREF crColor) : m_hObject(::CreatePen(nPenStyle, nWidth, crColor)) {}
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;
    ~CPen()
    {
        if (m_hObject)
            ::DeleteObject(m_hObject);
    }
    HPEN GetSafeHandle() const { return m_hObject; }

private:
    HPEN m_hObject;
};

// Selects a GDI object into a context for as long as it lives.
class CSelectedObject {
public:
    CSelectedObject(CDC& dc, HGDIOBJ hObject) : m_hDC(dc.m_hDC), m_hOld(::SelectObject(m_hDC, hObject)) {}
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;
    ~CSelectedObject()
    {
        if (m_hOld && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
