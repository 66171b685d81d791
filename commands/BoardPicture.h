#pragma once
// The pixel work on the board picture, free of any window: the picture is a
// 32-bit top-down bitmap (0x00RRGGBB per pixel, as a DIB section holds it);
// the view copies the rectangles changed here to the screen.

#include "board/MahjongBoard.h"

#include <cstdint>
#include <vector>

// The background pictures are squares of this side at 96 DPI, anchored at the
// picture's top-left corner: point (x, y) shows background pixel (x mod side,
// y mod side) of the square at the picture's scale.
constexpr int kBackgroundSquare = 300;

struct CPixelRect {
    int x = 0, y = 0, cx = 0, cy = 0;
};

// A view onto pixels owned elsewhere. Writes outside it are dropped, reads
// outside it give black.
class CPixelSurface {
public:
    // The rows of a larger picture may be nStride pixels apart.
    CPixelSurface(std::uint32_t* bits, int width, int height, int nStride = 0)
        : m_pBits(bits), m_nWidth(width), m_nHeight(height), m_nStride(nStride ? nStride : width)
    {
    }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }
    std::uint32_t Get(int x, int y) const { return Contains(x, y) ? m_pBits[Index(x, y)] : 0; }
    void Set(int x, int y, std::uint32_t color)
    {
        if (Contains(x, y))
            m_pBits[Index(x, y)] = color;
    }
    // Marks are drawn by inverting all three channels; twice restores the pixel.
    void Invert(int x, int y)
    {
        if (Contains(x, y))
            m_pBits[Index(x, y)] ^= 0xFFFFFF;
    }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The pixels of row y, which must lie inside.
    std::uint32_t* Row(int y) { return m_pBits + Index(0, y); }
    const std::uint32_t* Row(int y) const { return m_pBits + Index(0, y); }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * m_nStride + x; }

    std::uint32_t* m_pBits;
    int m_nWidth, m_nHeight, m_nStride;
};

// COLORREF (0x00BBGGRR) <-> picture pixel (0x00RRGGBB); the one place they meet.
constexpr std::uint32_t SwapRedBlue(std::uint32_t c)
{
    return (c & 0x00FF00) | (c & 0xFF) << 16 | (c >> 16 & 0xFF);
}

// Squares of background needed to cover a side of so many pixels.
constexpr int SquaresToCover(int pixels)
{
    return (pixels + kBackgroundSquare - 1) / kBackgroundSquare;
}

// The size of the board picture: the board with one tile of margin on every
// side, or the board's area in the view where that is larger.
CPixelRect BoardPictureRect(const CMahjongBoard& board);

// nAcross x nDown background squares, square (i, j) at (side i, side j).
void PaintBackground(CPixelSurface& dst, const CPixelSurface& background, int nAcross, int nDown);

// The background as it lies under a rectangle.
void PaintBackgroundRect(CPixelSurface& dst, const CPixelSurface& background, const CPixelRect& r);

// The picture of the tile a cell holds, at the cell's origin and the tile size.
void PaintTile(CPixelSurface& dst, const CMahjongBoard& board, const CTileCell& cell);

// Background over the whole picture, then every tile in linear cell order.
void ComposeBoardPicture(CPixelSurface& dst, const CMahjongBoard& board, const CPixelSurface& background);

// Per channel: old (255 - level) / 255 + new level / 255, each product divided
// on its own. Channels are independent, so it serves COLORREF and picture pixels alike.
std::uint32_t BlendColor(std::uint32_t clrOld, std::uint32_t clrNew, unsigned level);

// The pixels of a rectangle, row by row (black where it leaves the surface).
std::vector<std::uint32_t> CopyRect(const CPixelSurface& src, const CPixelRect& r);

// One frame of a fade: the rectangle becomes its old pixels blended towards the background under it.
void BlendRectToBackground(CPixelSurface& dst, const CPixelRect& r, const std::vector<std::uint32_t>& old,
                           const CPixelSurface& background, unsigned level);

// The frame round a tile: nWidth pixels wide (two at 96 DPI), one inside the tile's edge. Returns the tile's rectangle.
CPixelRect InvertHighlight(CPixelSurface& dst, const CTileCell& cell, int nWidth = 2);

// The link line through the path's cells, nWidth pixels wide (two at 96 DPI). Returns the rectangle it covers.
CPixelRect InvertLink(CPixelSurface& dst, const CMahjongBoard& board, const CLinkPath& path, int nWidth = 2);
