#include "TileImage.h"

#include "BoardTypes.h"

#include <algorithm>
#include <new>
#include <vector>

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

namespace {

// Which source pixels a target pixel covers along one axis, and how much of
// each: n source pixels over m target pixels, measured in units where a source
// pixel is m long and a target pixel n long, so that every share is whole and
// the shares of one target pixel add up to n.
struct CShare {
    int source;
    std::uint32_t weight;
};

struct CAxisShares {
    std::vector<CShare> shares;
    std::vector<std::size_t> first; // target t owns shares [first[t], first[t + 1])

    CAxisShares(int n, int m)
    {
        for (long long t = 0; t < m; ++t) {
            first.push_back(shares.size());
            const long long from = t * n, to = from + n;
            for (long long s = from / m; s * m < to; ++s)
                shares.push_back({static_cast<int>(s),
                                  static_cast<std::uint32_t>(std::min((s + 1) * m, to) - std::max(s * m, from))});
        }
        first.push_back(shares.size());
    }
};

constexpr int kChannels = 3;

unsigned Channel(std::uint32_t color, int k)
{
    return color >> (8 * k) & 0xFF;
}

} // namespace

void AveragePixels(const std::uint32_t* src, int w, int h, CTileImage& dst)
{
    if (!src || w < 1 || h < 1)
        return;
    const int width = dst.m_nWidth, height = dst.m_nHeight;
    const CAxisShares across(w, width), down(h, height);

    // Across first: every source row summed into the target columns (each sum weighs w in all).
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(width) * h * kChannels);
    std::uint32_t* sum = rows.data();
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = src + static_cast<std::size_t>(y) * w;
        for (int x = 0; x < width; ++x, sum += kChannels)
            for (std::size_t i = across.first[x]; i < across.first[x + 1]; ++i)
                for (int k = 0; k < kChannels; ++k)
                    sum[k] += across.shares[i].weight * Channel(row[across.shares[i].source], k);
    }
    // Then down, and divided by the whole weight, w h, rounding to the nearest.
    const std::uint64_t whole = static_cast<std::uint64_t>(w) * h;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint64_t total[kChannels] = {};
            for (std::size_t i = down.first[y]; i < down.first[y + 1]; ++i) {
                const std::uint32_t* from = &rows[(static_cast<std::size_t>(down.shares[i].source) * width + x) * kChannels];
                for (int k = 0; k < kChannels; ++k)
                    total[k] += static_cast<std::uint64_t>(down.shares[i].weight) * from[k];
            }
            std::uint32_t color = 0;
            for (int k = 0; k < kChannels; ++k)
                color |= static_cast<std::uint32_t>((total[k] + whole / 2) / whole) << (8 * k);
            dst.SetAt(x, y, color);
        }
}
