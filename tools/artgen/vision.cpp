#include "vision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

namespace {
// Linear RGB to linear RGB, row by row: full colour, then protanopia and deuteranopia
// (Machado, Oliveira and Fernandes 2009, severity 1).
constexpr double kMatrices[kViewers][3][3] = {
    {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}},
};

// Two tiles are told apart when their pictures differ by at least 8 on the 0..255 scale,
// the yardstick of tiles that look alike at the smallest tile size. Without red and green
// they must also keep a difference of the same order as in full colour: at least 0.4 of
// it, which the sets whose kinds differ by their pictures keep (the seven colours of
// "Signs" keep 0.44), and which tiles told apart by hue alone fall far below.
constexpr double kMinDifference = 8;
constexpr double kMinShare = 0.4;

double decode(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t encode(double linear)
{
    const double l = std::clamp(linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return std::uint8_t(std::lround(c * 255));
}

// A tile's pixels, row by row, each as the viewers see it: 3 x kViewers channels a pixel.
using Tile = std::vector<std::uint8_t>;
constexpr std::size_t kChannels = 3 * kViewers;

// How far apart each viewer sees two tiles; a pixel alike in full colour is alike to every viewer.
void measure(TilePair& pair, const Tile& a, const Tile& b)
{
    std::int64_t sums[kViewers] = {};
    for (const std::uint8_t *p = a.data(), *q = b.data(), *end = p + a.size(); p != end; p += kChannels, q += kChannels)
        if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2])
            for (std::size_t k = 0; k < kChannels; ++k)
                sums[k / 3] += std::abs(p[k] - q[k]);
    for (int v = 0; v < kViewers; ++v)
        pair.difference[v] = double(sums[v]) / double(a.size() / kViewers);
}
}

Rgb8 seenBy(Viewer viewer, Rgb8 c)
{
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int v = 0; v < 256; ++v)
            table[std::size_t(v)] = decode(v);
        return table;
    }();
    if (viewer < 0 || viewer >= kViewers)
        throw std::invalid_argument("no such viewer");
    const double in[3] = {linear[c.r], linear[c.g], linear[c.b]};
    const auto& m = kMatrices[viewer];
    auto row = [&](int i) { return encode(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]); };
    return {row(0), row(1), row(2)};
}

std::vector<TilePair> pairsTooAlike(const Picture8& sheet, int columns, int rows)
{
    if (columns <= 0 || rows <= 0 || sheet.width < columns || sheet.height < rows ||
        sheet.pixels.size() != std::size_t(sheet.width) * std::size_t(sheet.height))
        throw std::invalid_argument("a sheet needs a pixel for each of its tiles' places");
    const int w = sheet.width / columns, h = sheet.height / rows, count = columns * rows;
    std::unordered_map<std::uint32_t, std::array<Rgb8, kViewers>> seen;  // a sheet has few colours
    std::vector<Tile> tiles(static_cast<std::size_t>(count), Tile(std::size_t(w) * std::size_t(h) * kChannels));
    for (int t = 0; t < count; ++t) {
        std::uint8_t* out = tiles[std::size_t(t)].data();
        for (int y = t / columns * h; y < (t / columns + 1) * h; ++y)
            for (int x = t % columns * w; x < (t % columns + 1) * w; ++x) {
                const Rgb8 c = sheet.pixels[std::size_t(x) + std::size_t(y) * std::size_t(sheet.width)];
                auto [at, added] = seen.try_emplace(std::uint32_t(c.r << 16 | c.g << 8 | c.b));
                for (int v = 0; added && v < kViewers; ++v)
                    at->second[std::size_t(v)] = seenBy(Viewer(v), c);
                for (const Rgb8& s : at->second) {
                    *out++ = s.r;
                    *out++ = s.g;
                    *out++ = s.b;
                }
            }
    }
    std::vector<TilePair> alike;
    for (int a = 0; a < count; ++a)
        for (int b = a + 1; b < count; ++b) {
            TilePair pair{a, b, {}};
            measure(pair, tiles[std::size_t(a)], tiles[std::size_t(b)]);
            const double full = pair.difference[kFullColour];
            if (full > 0 && std::min(pair.difference[kProtan], pair.difference[kDeutan]) <
                                std::max(kMinDifference, kMinShare * full))
                alike.push_back(pair);
        }
    return alike;
}

std::string describe(const TilePair& pair)
{
    char text[64];
    std::snprintf(text, sizeof text, "full colour %.1f, protan %.1f, deutan %.1f", pair.difference[kFullColour],
                  pair.difference[kProtan], pair.difference[kDeutan]);
    return text;
}
