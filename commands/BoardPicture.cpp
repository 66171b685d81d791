#include "BoardPicture.h"

#include <algorithm>

namespace {

std::uint32_t BackgroundAt(const CPixelSurface& background, int x, int y)
{
    return background.Get(x % background.Width(), y % background.Height());
}

CPixelRect Union(const CPixelRect& a, const CPixelRect& b)
{
    if (a.cx <= 0 || a.cy <= 0)
        return b;
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.cx, b.x + b.cx), bottom = std::max(a.y + a.cy, b.y + b.cy);
    return {left, top, right - left, bottom - top};
}

} // namespace

CPixelRect BoardPictureRect(const CMahjongBoard& board)
{
    return {0, 0, std::max(board.GetAreaWidth(), (board.GetWidth() + 2) * board.GetTileWidth()),
            std::max(board.GetAreaHeight(), (board.GetHeight() + 2) * board.GetTileHeight())};
}

void PaintBackground(CPixelSurface& dst, const CPixelSurface& background, int nAcross, int nDown)
{
    const int width = std::min(dst.Width(), nAcross * background.Width());
    const int height = std::min(dst.Height(), nDown * background.Height());
    PaintBackgroundRect(dst, background, {0, 0, width, height});
}

void PaintBackgroundRect(CPixelSurface& dst, const CPixelSurface& background, const CPixelRect& r)
{
    // Row by row, in runs of the background's row that end at its right edge.
    const int left = std::max(r.x, 0), right = std::min(r.x + r.cx, dst.Width());
    const int side = background.Width();
    for (int y = std::max(r.y, 0); y < std::min(r.y + r.cy, dst.Height()); ++y) {
        const std::uint32_t* from = background.Row(y % background.Height());
        std::uint32_t* to = dst.Row(y);
        for (int x = left; x < right;) {
            const int run = std::min(right - x, side - x % side);
            std::copy_n(from + x % side, run, to + x);
            x += run;
        }
    }
}

void PaintTile(CPixelSurface& dst, const CMahjongBoard& board, const CTileCell& cell)
{
    if (!board.GetImages() || cell.kind < 0 || cell.kind >= board.GetKinds())
        return;
    const CTileImage& image = board.GetImages()[cell.kind];
    // The part of the tile that lies on the picture.
    const int left = std::max(0, -cell.x), right = std::min({board.GetTileWidth(), image.m_nWidth, dst.Width() - cell.x});
    const int top = std::max(0, -cell.y), bottom = std::min({board.GetTileHeight(), image.m_nHeight, dst.Height() - cell.y});
    for (int py = top; py < bottom; ++py) {
        const std::uint32_t* from = image.m_pBits + static_cast<std::size_t>(py) * image.m_nWidth;
        std::uint32_t* to = dst.Row(cell.y + py) + cell.x;
        for (int px = left; px < right; ++px)
            to[px] = SwapRedBlue(from[px]);
    }
}

void ComposeBoardPicture(CPixelSurface& dst, const CMahjongBoard& board, const CPixelSurface& background)
{
    const CPixelRect all = BoardPictureRect(board);
    PaintBackgroundRect(dst, background, all);
    for (int i = 0; i < board.GetWidth() * board.GetHeight(); ++i)
        if (board.GetIndexKind(i) >= 0)
            PaintTile(dst, board, board.GetCell(i % board.GetWidth() + 1, i / board.GetWidth() + 1));
}

std::uint32_t BlendColor(std::uint32_t clrOld, std::uint32_t clrNew, unsigned level)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned o = clrOld >> shift & 0xFF, n = clrNew >> shift & 0xFF;
        result |= (o * (255 - level) / 255 + n * level / 255) << shift;
    }
    return result;
}

std::vector<std::uint32_t> CopyRect(const CPixelSurface& src, const CPixelRect& r)
{
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(r.cx, 0)) * std::max(r.cy, 0));
    for (int y = r.y; y < r.y + r.cy; ++y)
        for (int x = r.x; x < r.x + r.cx; ++x)
            pixels.push_back(src.Get(x, y));
    return pixels;
}

void BlendRectToBackground(CPixelSurface& dst, const CPixelRect& r, const std::vector<std::uint32_t>& old,
                           const CPixelSurface& background, unsigned level)
{
    std::size_t i = 0;
    for (int y = r.y; y < r.y + r.cy; ++y)
        for (int x = r.x; x < r.x + r.cx; ++x, ++i)
            dst.Set(x, y, BlendColor(old[i], BackgroundAt(background, x, y), level));
}

CPixelRect InvertHighlight(CPixelSurface& dst, const CTileCell& cell, int nWidth)
{
    const int x = cell.x, y = cell.y, cx = cell.cx, cy = cell.cy;
    for (int k = 1; k <= nWidth; ++k) {
        for (int col = x; col < x + cx; ++col) {
            dst.Invert(col, y + k);
            dst.Invert(col, y + cy - k);
        }
        for (int row = y; row < y + cy; ++row) {
            dst.Invert(x + k, row);
            dst.Invert(x + cx - k, row);
        }
    }
    return {x, y, cx, cy};
}

CPixelRect InvertLink(CPixelSurface& dst, const CMahjongBoard& board, const CLinkPath& path, int nWidth)
{
    CPixelRect covered;
    for (int i = 1; i < 4 && path.m_pt[i].x != -1; ++i) {
        const CTileCell a = board.GetCell(path.m_pt[i - 1].x, path.m_pt[i - 1].y);
        const CTileCell b = board.GetCell(path.m_pt[i].x, path.m_pt[i].y);
        CPixelRect segment;
        if (a.x != b.x) {
            const int row = a.y + a.cy / 2;
            const int from = std::min(a.x + a.cx / 2, b.x + b.cx / 2), to = std::max(a.x + a.cx / 2, b.x + b.cx / 2);
            for (int col = from; col <= to; ++col)
                for (int k = 0; k < nWidth; ++k)
                    dst.Invert(col, row + k);
            segment = {from, row, to - from + 1, nWidth};
        } else {
            const int col = a.x + a.cx / 2;
            const int from = std::min(a.y + a.cy / 2, b.y + b.cy / 2), to = std::max(a.y + a.cy / 2, b.y + b.cy / 2);
            for (int row = from; row <= to; ++row)
                for (int k = 0; k < nWidth; ++k)
                    dst.Invert(col + k, row);
            segment = {col, from, nWidth, to - from + 1};
        }
        covered = Union(covered, segment);
    }
    return covered;
}
