#include "quantize.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {
using Packed = std::uint32_t;

Packed pack(Colour8 c) { return Packed(c.r) << 16 | Packed(c.g) << 8 | c.b; }
int channel(Packed p, int axis) { return int(p >> (16 - 8 * axis)) & 0xFF; }

struct Entry {
    Packed colour;
    long count;
};

struct Cut {
    std::vector<Entry> entries;
    int widestAxis() const
    {
        int best = 0, bestRange = -1;
        for (int axis = 0; axis < 3; ++axis) {
            auto [lo, hi] = std::minmax_element(entries.begin(), entries.end(), [axis](const Entry& a, const Entry& b) {
                return channel(a.colour, axis) < channel(b.colour, axis);
            });
            int range = channel(hi->colour, axis) - channel(lo->colour, axis);
            if (range > bestRange) {
                bestRange = range;
                best = axis;
            }
        }
        return best;
    }
    int range() const
    {
        int axis = widestAxis();
        auto [lo, hi] = std::minmax_element(entries.begin(), entries.end(), [axis](const Entry& a, const Entry& b) {
            return channel(a.colour, axis) < channel(b.colour, axis);
        });
        return channel(hi->colour, axis) - channel(lo->colour, axis);
    }
    Colour8 mean() const
    {
        double sum[3] = {0, 0, 0};
        long total = 0;
        for (const Entry& e : entries) {
            for (int axis = 0; axis < 3; ++axis)
                sum[axis] += double(channel(e.colour, axis)) * e.count;
            total += e.count;
        }
        auto avg = [&](int axis) { return std::uint8_t(std::lround(sum[axis] / total)); };
        return Colour8{avg(0), avg(1), avg(2)};
    }
};

int distance(Colour8 a, Packed b)
{
    int dr = a.r - channel(b, 0), dg = a.g - channel(b, 1), db = a.b - channel(b, 2);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

Indexed mapColours(const Image& image, std::vector<Colour8> palette)
{
    Indexed out;
    out.width = image.width();
    out.height = image.height();
    out.palette = std::move(palette);
    std::map<Packed, std::uint8_t> nearest;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Packed p = pack(toColour8(image.at(x, y)));
            auto found = nearest.find(p);
            if (found == nearest.end()) {
                std::size_t best = 0;
                for (std::size_t i = 1; i < out.palette.size(); ++i)
                    if (distance(out.palette[i], p) < distance(out.palette[best], p))
                        best = i;
                found = nearest.emplace(p, std::uint8_t(best)).first;
            }
            out.index.push_back(found->second);
        }
    }
    return out;
}
}

Colour8 toColour8(Rgba c)
{
    auto byte = [](float v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    return Colour8{byte(c.r), byte(c.g), byte(c.b)};
}

Indexed quantize(const Image& image, int maxColours)
{
    std::map<Packed, long> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[pack(toColour8(image.at(x, y)))];
    std::vector<Cut> cuts(1);
    for (const auto& [colour, count] : counts)
        cuts[0].entries.push_back({colour, count});

    while (int(cuts.size()) < maxColours) {
        auto widest = std::max_element(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) {
            return a.range() < b.range();
        });
        if (widest->entries.size() < 2)
            break;
        int axis = widest->widestAxis();
        std::sort(widest->entries.begin(), widest->entries.end(), [axis](const Entry& a, const Entry& b) {
            return channel(a.colour, axis) != channel(b.colour, axis) ? channel(a.colour, axis) < channel(b.colour, axis)
                                                                      : a.colour < b.colour;
        });
        long total = 0, running = 0;
        for (const Entry& e : widest->entries)
            total += e.count;
        std::size_t split = 1;
        for (; split + 1 < widest->entries.size(); ++split) {
            running += widest->entries[split - 1].count;
            if (2 * running >= total)
                break;
        }
        Cut upper;
        upper.entries.assign(widest->entries.begin() + long(split), widest->entries.end());
        widest->entries.resize(split);
        cuts.push_back(std::move(upper));
    }
    std::vector<Colour8> palette;
    for (const Cut& cut : cuts)
        palette.push_back(cut.mean());
    return mapColours(image, palette);
}

Indexed mapToPalette(const Image& image, const std::vector<Colour8>& palette) { return mapColours(image, palette); }

Image expand(const Indexed& picture)
{
    Image out(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Colour8& c = picture.palette[picture.index[std::size_t(x + y * picture.width)]];
            out.at(x, y) = rgb(c.r, c.g, c.b);
        }
    return out;
}
