#pragma once
// Builds .bmp files byte by byte for the tests: headers from the fields given,
// the pixel data exactly as the test writes it.

#include <cstdint>
#include <vector>

struct BmpLayout {
    int bits = 24;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 40;
    std::uint32_t clrUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB as stored (blue byte first)
    std::vector<std::uint32_t> masks;   // red, green, blue; after a 40-byte header, or inside a longer one
    std::vector<unsigned char> data;
};

inline void Put16(std::vector<unsigned char>& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

inline void Put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline std::vector<unsigned char> BuildBmp(const BmpLayout& s)
{
    const bool masksAfter = !s.masks.empty() && s.infoSize == 40;
    const std::uint32_t offBits =
        14 + s.infoSize + (masksAfter ? 12u : 0u) + 4u * static_cast<std::uint32_t>(s.palette.size());
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + static_cast<std::uint32_t>(s.data.size()));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, s.infoSize);
    Put32(out, static_cast<std::uint32_t>(s.width));
    Put32(out, static_cast<std::uint32_t>(s.height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(s.bits));
    Put32(out, s.compression);
    Put32(out, static_cast<std::uint32_t>(s.data.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, s.clrUsed);
    Put32(out, 0);
    for (std::uint32_t m : s.masks)
        Put32(out, m);
    while (out.size() < 14 + s.infoSize)
        out.push_back(0);
    for (std::uint32_t p : s.palette)
        Put32(out, p);
    out.insert(out.end(), s.data.begin(), s.data.end());
    return out;
}

// An uncompressed 24-bit file of COLORREF pixels (top row first), rows padded.
inline std::vector<unsigned char> Bmp24(int w, int h, const std::vector<std::uint32_t>& pixels)
{
    BmpLayout s;
    s.width = w;
    s.height = h;
    for (int fileRow = 0; fileRow < h; ++fileRow) {
        const int y = h - 1 - fileRow;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = pixels[static_cast<std::size_t>(y) * w + x];
            s.data.push_back(static_cast<unsigned char>(c >> 16));
            s.data.push_back(static_cast<unsigned char>(c >> 8));
            s.data.push_back(static_cast<unsigned char>(c));
        }
        while (s.data.size() % 4)
            s.data.push_back(0);
    }
    return BuildBmp(s);
}
