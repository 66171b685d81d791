#include "TileImage.h"

#include "BoardTypes.h"

#include <algorithm>
#include <cmath>
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

// Adds each channel of color, weight times, to its sum.
void AddWeighted(std::uint32_t* sums, std::uint32_t color, std::uint32_t weight)
{
    sums[0] += weight * (color & 0xFF);
    sums[1] += weight * (color >> 8 & 0xFF);
    sums[2] += weight * (color >> 16 & 0xFF);
}

} // namespace

void AveragePixels(const std::uint32_t* src, int w, int h, CTileImage& dst)
{
    if (!src || w < 1 || h < 1)
        return;
    const CAxisShares across(w, dst.m_nWidth), down(h, dst.m_nHeight);
    // A mean is a sum over w h, rounded. Sums stay below 2^53, so a double holds
    // them exactly and its one rounding of the quotient cannot cross a whole:
    // a quotient that is not whole lies at least 1 / (w h) from the next one.
    // (A double divides several times faster here than a 64-bit integer.)
    const std::int64_t whole = static_cast<std::int64_t>(w) * h;
    const auto mean = [whole](std::uint64_t sum) {
        return static_cast<std::uint32_t>(static_cast<double>(static_cast<std::int64_t>(sum) + whole / 2) /
                                          static_cast<double>(whole));
    };
    // Row by row of dst: the source rows it covers summed down each column
    // (weighing h in all, which 32 bits hold below 16 million rows), then
    // those sums across (w h in all), then divided.
    std::vector<std::uint32_t> columns(static_cast<std::size_t>(w) * kChannels);
    for (int y = 0; y < dst.m_nHeight; ++y) {
        std::fill(columns.begin(), columns.end(), 0);
        for (std::size_t i = down.first[y]; i < down.first[y + 1]; ++i) {
            const std::uint32_t* row = src + static_cast<std::size_t>(down.shares[i].source) * w;
            for (int x = 0; x < w; ++x)
                AddWeighted(&columns[static_cast<std::size_t>(x) * kChannels], row[x], down.shares[i].weight);
        }
        for (int x = 0; x < dst.m_nWidth; ++x) {
            std::uint64_t red = 0, green = 0, blue = 0;
            for (std::size_t i = across.first[x]; i < across.first[x + 1]; ++i) {
                const std::uint64_t weight = across.shares[i].weight;
                const std::uint32_t* sums = &columns[static_cast<std::size_t>(across.shares[i].source) * kChannels];
                red += weight * sums[0];
                green += weight * sums[1];
                blue += weight * sums[2];
            }
            dst.SetAt(x, y, mean(red) | mean(green) << 8 | mean(blue) << 16);
        }
    }
}
