// The .bmp reader against files written byte by byte with known pixels.

#include "BmpBuilder.h"
#include "TestBoard.h"
#include "board/BmpFile.h"

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<std::uint32_t>; // COLORREF, top row first

// Palette entries as stored (0x00RRGGBB) and the COLORREF each one reads as.
const std::vector<std::uint32_t> kPalette = {0x302010, 0x605040, 0x908070, 0xC0B0A0, 0x0000FF, 0x00FF00, 0xFF0000};
const std::uint32_t P0 = 0x102030, P1 = 0x405060, P2 = 0x708090, P3 = 0xA0B0C0, P4 = 0xFF0000, P5 = 0x00FF00,
                    P6 = 0x0000FF;

std::vector<std::uint32_t> Palette(std::size_t n)
{
    std::vector<std::uint32_t> p = kPalette;
    p.resize(n, 0x0F0F0F);
    return p;
}

struct DecodeCase {
    const char* label;
    BmpLayout layout;
    int width, height;
    Pixels expected;
};

BmpLayout Layout(int bits, int w, int h, std::uint32_t compression, std::vector<std::uint32_t> palette,
             std::vector<unsigned char> data, std::vector<std::uint32_t> masks = {}, std::uint32_t infoSize = 40,
             std::uint32_t clrUsed = 0)
{
    BmpLayout s;
    s.bits = bits;
    s.width = w;
    s.height = h;
    s.compression = compression;
    s.palette = std::move(palette);
    s.data = std::move(data);
    s.masks = std::move(masks);
    s.infoSize = infoSize;
    s.clrUsed = clrUsed;
    return s;
}

TEST(BmpFile, DecodesKnownPixels)
{
    const DecodeCase cases[] = {
        {"1 bit, 3 wide", Layout(1, 3, 2, 0, Palette(2), {0xA0, 0, 0, 0, 0x60, 0, 0, 0}), 3, 2, {P0, P1, P1, P1, P0, P1}},
        {"4 bits, odd width", Layout(4, 3, 2, 0, Palette(16), {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0}), 3, 2,
         {P4, P5, P6, P1, P2, P3}},
        {"8 bits, 256 colours, index past a short palette is black",
         Layout(8, 3, 1, 0, Palette(4), {3, 9, 0, 0}, {}, 40, 4), 3, 1, {P3, 0, P0}},
        {"8 bits, every entry", Layout(8, 2, 1, 0, Palette(256), {6, 255, 0, 0}), 2, 1, {P6, 0x0F0F0F}},
        {"16 bits 5-5-5", Layout(16, 3, 1, 0, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}), 3, 1,
         {0x0000F8, 0x00F800, 0xF80000}},
        {"16 bits 5-6-5 masks", Layout(16, 2, 1, 3, {}, {0xE0, 0x07, 0x00, 0xF8}, {0xF800, 0x07E0, 0x001F}), 2, 1,
         {0x00FC00, 0x0000F8}},
        {"24 bits, odd width", Layout(24, 3, 1, 0, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}), 3, 1,
         {0x010203, 0x040506, 0x070809}},
        {"24 bits, top-down", Layout(24, 1, -2, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0}), 1, 2, {0x010203, 0x040506}},
        {"32 bits", Layout(32, 2, 2, 0, {}, {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9, 99, 10, 11, 12, 99}), 2, 2,
         {0x070809, 0x0A0B0C, 0x010203, 0x040506}},
        {"32 bits, masks in red-green-blue byte order",
         Layout(32, 1, 1, 3, {}, {0x11, 0x22, 0x33, 0x44}, {0x000000FF, 0x0000FF00, 0x00FF0000}), 1, 1, {0x332211}},
        {"32 bits, masks in a 124-byte header",
         Layout(32, 1, 1, 3, {}, {0x11, 0x22, 0x33, 0xFF}, {0x00FF0000, 0x0000FF00, 0x000000FF}, 124), 1, 1,
         {0x112233}},
        {"8 bits after a 108-byte header", Layout(8, 2, 1, 0, Palette(256), {1, 2, 0, 0}, {}, 108), 2, 1, {P1, P2}},
        {"RLE8: runs, absolute run, delta, end of bitmap",
         Layout(8, 4, 3, 1, Palette(256),
              {2, 1, 2, 2, 0, 0, 0, 3, 3, 4, 5, 0, 0, 2, 0, 1, 1, 6, 0, 1}),
         4, 3, {0, 0, 0, P6, P3, P4, P5, 0, P1, P1, P2, P2}},
        {"RLE4: alternating run, odd absolute run", Layout(4, 5, 2, 2, Palette(16), {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}),
         5, 2, {P3, P4, P5, 0, 0, P1, P2, P1, P2, P1}},
        {"RLE8: runs past the width and rows past the top are clipped",
         Layout(8, 2, 2, 1, Palette(256), {255, 1, 0, 0, 3, 2, 0, 2, 0, 9, 200, 3, 0, 1}), 2, 2, {P2, P2, P1, P1}},
        {"RLE8: data that stops early", Layout(8, 2, 1, 1, Palette(256), {1, 4, 0}), 2, 1, {P4, 0}},
    };
    ScratchDir dir;
    for (const DecodeCase& c : cases) {
        const std::string path = dir.File("case.bmp");
        WriteBytes(path, BuildBmp(c.layout));
        CBmpFile bmp(path.c_str());
        ASSERT_TRUE(bmp.Decode()) << c.label;
        ASSERT_EQ(bmp.GetWidth(), c.width) << c.label;
        ASSERT_EQ(bmp.GetHeight(), c.height) << c.label;
        const Pixels got(bmp.GetBits(), bmp.GetBits() + c.width * c.height);
        EXPECT_EQ(got, c.expected) << c.label;
    }
}

TEST(BmpFile, ImpossibleHeadersDecodeNothing)
{
    const auto valid = [] { return Layout(24, 2, 2, 0, {}, std::vector<unsigned char>(16, 7)); };
    struct Case {
        const char* label;
        std::vector<unsigned char> bytes;
    };
    const auto with = [&](auto change) {
        BmpLayout s = valid();
        change(s);
        return BuildBmp(s);
    };
    const auto patched = [&](std::size_t offset, unsigned char v) {
        std::vector<unsigned char> b = BuildBmp(valid());
        b[offset] = v;
        return b;
    };
    std::vector<unsigned char> truncated = BuildBmp(valid());
    truncated.resize(40);
    std::vector<unsigned char> noPixels = BuildBmp(valid());
    noPixels.resize(54);
    const Case cases[] = {
        {"empty file", {}},
        {"headers cut short", truncated},
        {"not BM", patched(0, 'X')},
        {"info header of 12 bytes", with([](BmpLayout& s) { s.infoSize = 12; })},
        {"info header longer than the file", patched(17, 0x10)},
        {"width 0", with([](BmpLayout& s) { s.width = 0; })},
        {"negative width", with([](BmpLayout& s) { s.width = -5; })},
        {"height 0", with([](BmpLayout& s) { s.height = 0; })},
        {"width 100000", with([](BmpLayout& s) { s.width = 100000; })},
        {"too many pixels", with([](BmpLayout& s) { s.width = s.height = 16000; })},
        {"3 bits per pixel", with([](BmpLayout& s) { s.bits = 3; })},
        {"RLE8 at 4 bits", with([](BmpLayout& s) { s.bits = 4; s.compression = 1; })},
        {"RLE4 at 8 bits", with([](BmpLayout& s) { s.bits = 8; s.compression = 2; })},
        {"masks at 24 bits", with([](BmpLayout& s) { s.compression = 3; s.masks = {0xFF0000, 0xFF00, 0xFF}; })},
        {"JPEG inside", with([](BmpLayout& s) { s.compression = 4; })},
        {"top-down RLE", with([](BmpLayout& s) { s.bits = 8; s.compression = 1; s.height = -2; })},
        {"pixel data starts past the end", patched(11, 0x7F)},
        {"no pixel data at all", noPixels},
        {"24 bits, the last row missing", BuildBmp(Layout(24, 1, 2, 0, {}, {1, 2, 3, 0}))},
        {"RLE8 that stops before the last row", BuildBmp(Layout(8, 2, 2, 1, Palette(256), {1, 4, 0}))},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.File("bad.bmp");
        WriteBytes(path, c.bytes);
        CBmpFile bmp(path.c_str());
        EXPECT_FALSE(bmp.Decode()) << c.label;
        EXPECT_EQ(bmp.GetBits(), nullptr) << c.label;
        EXPECT_EQ(bmp.GetWidth(), 0) << c.label;
    }
    CBmpFile missing(dir.File("missing.bmp").c_str());
    EXPECT_FALSE(missing.Decode());
    CBmpFile none(nullptr);
    EXPECT_FALSE(none.Decode());
}

TEST(BmpFile, LargeFileRoundTrip)
{
    // A 24-bit picture of odd width with every pixel different.
    const int w = 131, h = 57;
    Pixels pixels(w * h);
    for (int i = 0; i < w * h; ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    ScratchDir dir;
    const std::string path = dir.File("big.bmp");
    WriteBytes(path, Bmp24(w, h, pixels));
    CBmpFile bmp(path.c_str());
    ASSERT_TRUE(bmp.Decode());
    EXPECT_EQ(Pixels(bmp.GetBits(), bmp.GetBits() + w * h), pixels);
}

} // namespace
