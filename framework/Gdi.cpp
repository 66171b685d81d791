#include "framework/Gdi.h"

#include "board/BmpFile.h"
#include "board/TileImage.h"
#include "commands/BoardPicture.h"
#include "framework/App.h"
#include "framework/Scale.h"
#include "framework/Wnd.h"

#include <cstring>
#include <utility>

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

namespace {
// The packed bitmap of resource nIDResource as a .bmp file: its file header
// put before it. Empty when there is no such resource.
std::vector<unsigned char> BitmapResourceFile(UINT nIDResource)
{
    const std::string_view resource = AfxLoadResourceData(MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(2)); // RT_BITMAP
    const auto* dib = reinterpret_cast<const unsigned char*>(resource.data());
    const auto size = static_cast<DWORD>(resource.size());
    if (size < sizeof(BITMAPINFOHEADER))
        return {};
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(dib);
    const DWORD colours = header.biClrUsed ? header.biClrUsed : header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
    const DWORD masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof header ? 12 : 0;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + header.biSize + masks + 4 * colours;
    std::vector<unsigned char> file(sizeof(BITMAPFILEHEADER));
    const BITMAPFILEHEADER fileHeader{0x4D42, static_cast<DWORD>(file.size() + size), 0, 0, offset};
    std::memcpy(file.data(), &fileHeader, sizeof fileHeader);
    file.insert(file.end(), dib, dib + size);
    return file;
}
} // namespace

BOOL CBitmap::LoadBitmap(UINT nIDResource, UINT nDpi)
{
    *this = CBitmap();
    // Read by the program's own reader, so that pictures may be run-length
    // coded, whatever Windows makes of those in a DIB section.
    std::vector<unsigned char> file;
    int scale = 1;
    if (nDpi > kBaseDpi)
        file = BitmapResourceFile(nIDResource + kDoubleSizeBitmap);
    if (file.empty())
        file = BitmapResourceFile(nIDResource);
    else
        scale = 2;
    CBmpFile picture(std::move(file));
    if (!picture.Decode())
        return FALSE;
    CTileImage source, shown;
    source.SetBits(picture.GetBits(), picture.GetWidth(), picture.GetHeight());
    shown.Resize(static_cast<int>(static_cast<long long>(source.m_nWidth) * nDpi / (kBaseDpi * scale)),
                 static_cast<int>(static_cast<long long>(source.m_nHeight) * nDpi / (kBaseDpi * scale)));
    StretchPixels(source.m_pBits, source.m_nWidth, source.m_nHeight, shown);
    if (!CreateDIBSection(shown.m_nWidth, shown.m_nHeight))
        return FALSE;
    for (int i = 0; i < shown.m_nWidth * shown.m_nHeight; ++i)
        m_pBits[i] = SwapRedBlue(shown.m_pBits[i]);
    return TRUE;
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

bool LoadBitmapPixels(UINT nIDResource, std::vector<std::uint32_t>& pixels, CSize& size, UINT nDpi)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDResource, nDpi))
        return false;
    // The picture is a top-down DIB section of 0x00RRGGBB pixels already.
    size = bitmap.GetSize();
    const std::uint32_t* bits = bitmap.GetBits();
    pixels.assign(bits, bits + static_cast<std::size_t>(size.cx) * size.cy);
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

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

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
