#include "TileImage.h"

#include "BoardTypes.h"

#include <algorithm>
#include <new>

CTileImage::~CTileImage()
{
    delete[] m_pBits;
}

std::uint32_t* CTileImage::Allocate(int w, int h)
{
    if (w < 0 || h < 0)
        throw HAVENOTMEM();
    auto* bits = new (std::nothrow) std::uint32_t[static_cast<std::size_t>(w) * h]();
    if (!bits)
        throw HAVENOTMEM();
    return bits;
}

void CTileImage::Resize(int w, int h)
{
    std::uint32_t* bits = Allocate(w, h);
    delete[] m_pBits;
    m_pBits = bits;
    m_nWidth = w;
    m_nHeight = h;
}

void CTileImage::SetBits(const std::uint32_t* src, int w, int h)
{
    if (!src)
        throw NULL_PICTURE();
    std::uint32_t* bits = Allocate(w, h);
    std::copy(src, src + static_cast<std::size_t>(w) * h, bits);
    delete[] m_pBits;
    m_pBits = bits;
    m_nWidth = w;
    m_nHeight = h;
}

void StretchPixels(const std::uint32_t* src, int w, int h, CTileImage& dst)
{
    for (int y = 0; y < dst.m_nHeight; ++y) {
        const std::uint32_t* row = src + static_cast<std::size_t>(y) * h / dst.m_nHeight * w;
        for (int x = 0; x < dst.m_nWidth; ++x)
            dst.SetAt(x, y, row[static_cast<std::size_t>(x) * w / dst.m_nWidth]);
    }
}
