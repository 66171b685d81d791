// Tile pictures: the sheet is stretched without blending and cut into 9 x 5 slots.

#include "BmpBuilder.h"
#include "TestBoard.h"
#include "board/SheetFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Pixels = std::vector<std::uint32_t>;

// A sheet of w x h cut into 9 x 5 slots, each of its own colour (slot + 1 in
// the red byte), with each slot's first pixel white where a slot starts exactly.
std::uint32_t SlotColour(int slot)
{
    return static_cast<std::uint32_t>(slot + 1) | 0x4000;
}

Pixels SlotSheet(int w, int h)
{
    Pixels p(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool first = x * 9 % w == 0 && y * 5 % h == 0;
            p[static_cast<std::size_t>(y) * w + x] = first ? 0xFFFFFF : SlotColour(x * 9 / w + y * 5 / h * 9);
        }
    return p;
}

TEST(TileImage, BasicOperations)
{
    CTileImage image;
    EXPECT_EQ(image.m_pBits, nullptr);
    EXPECT_EQ(image.m_nWidth, 0);
    image.Resize(3, 2);
    image.SetAt(2, 1, 0x123456);
    EXPECT_EQ(image.GetAt(2, 1), 0x123456u);
    EXPECT_EQ(image.m_pBits[2 + 1 * 3], 0x123456u);
    image.Resize(3, 2);
    EXPECT_EQ(image.GetAt(2, 1), 0u) << "a resize clears";

    const std::uint32_t src[] = {1, 2, 3, 4};
    image.SetBits(src, 2, 2);
    EXPECT_EQ(image.m_nWidth, 2);
    EXPECT_EQ(Pixels(image.m_pBits, image.m_pBits + 4), Pixels(src, src + 4));
    EXPECT_THROW(image.SetBits(nullptr, 2, 2), NULL_PICTURE);
    EXPECT_EQ(image.GetAt(1, 1), 4u) << "a refused picture keeps the old pixels";
}

TEST(TileImage, StretchIsExactAtOneToOneAndNeverBlends)
{
    const int w = 7, h = 5;
    Pixels src(w * h);
    for (int i = 0; i < w * h; ++i)
        src[i] = (i % 2) ? 0xFFFFFF : 0x000000;
    struct Size {
        int w, h;
    };
    for (const Size s : {Size{7, 5}, Size{3, 2}, Size{14, 10}, Size{20, 13}, Size{1, 1}}) {
        CTileImage dst;
        dst.Resize(s.w, s.h);
        StretchPixels(src.data(), w, h, dst);
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) {
                const std::uint32_t c = dst.GetAt(x, y);
                ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << s.w << "x" << s.h << " blends at " << x << "," << y;
                ASSERT_EQ(c, src[(y * h / s.h) * w + x * w / s.w]) << s.w << "x" << s.h << " at " << x << "," << y;
            }
        if (s.w == w && s.h == h) {
            EXPECT_EQ(Pixels(dst.m_pBits, dst.m_pBits + w * h), src);
        }
    }
}

TEST(TileImage, AveragingWeighsTheCoveredArea)
{
    struct Case {
        const char* label;
        int w, h;
        Pixels src;
        int cx, cy;
        Pixels expected;
    };
    // By hand: 3 x 3 to 2 x 2 gives (4 a + 2 b + 2 d + e) / 9 at (0, 0); blue 250 / 9 = 27.8, so 28.
    const Case cases[] = {
        {"3 x 3 to 2 x 2", 3, 3,
         {0x00C800, 0x00C85A, 0x00C8B4, 0x00C809, 0xFAC863, 0x00C8BD, 0x00C812, 0x00C86C, 0x00C8C6}, 2, 2,
         {0x1CC821, 0x1CC899, 0x1CC82D, 0x1CC8A5}},
        {"2 to 3: the middle halves each", 2, 1, {0x000000, 0x5A5A5A}, 3, 1, {0x000000, 0x2D2D2D, 0x5A5A5A}},
    };
    for (const Case& c : cases) {
        CTileImage dst;
        dst.Resize(c.cx, c.cy);
        AveragePixels(c.src.data(), c.w, c.h, dst);
        EXPECT_EQ(Pixels(dst.m_pBits, dst.m_pBits + c.cx * c.cy), c.expected) << c.label;
    }
}

class TileSheets : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSheetFolder(m_dir.File("").c_str());
        WriteBytes(m_dir.File("tiles131.bmp"), Bmp24(270, 200, SlotSheet(270, 200)));
    }
    void TearDown() override { SetSheetFolder(MORVANE_TEST_DEFAULT_SHEETS); }

    ScratchDir m_dir;
};

TEST_F(TileSheets, OneToOneCopiesEverySlot)
{
    CMahjongBoard board(36, 18, 8);
    board.LoadTilesFromResource(nullptr, 30, 40, 131);
    EXPECT_EQ(board.GetTileWidth(), 30);
    EXPECT_EQ(board.GetTileHeight(), 40);
    const Pixels sheet = SlotSheet(270, 200);
    for (int kind = 0; kind < 36; ++kind) {
        const CTileImage& image = board.GetImages()[kind];
        ASSERT_EQ(image.m_nWidth, 30);
        ASSERT_EQ(image.m_nHeight, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 30; ++x)
                ASSERT_EQ(image.GetAt(x, y), sheet[(kind / 9 * 40 + y) * 270 + kind % 9 * 30 + x])
                    << "kind " << kind << " at " << x << "," << y;
    }
}

TEST_F(TileSheets, ScaledSlotsKeepTheirOwnPixels)
{
    struct Case {
        int kinds, cx, cy;
    };
    for (const Case c : {Case{45, 21, 27}, Case{45, 51, 68}, Case{46, 44, 59}}) {
        CMahjongBoard board(c.kinds, 20, 16);
        board.LoadTilesFromResource(nullptr, c.cx, c.cy);
        for (int kind = 0; kind < c.kinds; ++kind) {
            const CTileImage& image = board.GetImages()[kind];
            ASSERT_EQ(image.m_nWidth, c.cx);
            ASSERT_EQ(image.m_nHeight, c.cy);
            std::set<std::uint32_t> colours(image.m_pBits, image.m_pBits + c.cx * c.cy);
            if (kind >= 45) {
                EXPECT_EQ(colours, std::set<std::uint32_t>{0}) << "kinds past the sheet stay black";
                continue;
            }
            EXPECT_EQ(image.GetAt(0, 0), 0xFFFFFFu) << c.cx << "x" << c.cy << " kind " << kind << " corner";
            colours.erase(0xFFFFFF);
            EXPECT_EQ(colours, std::set<std::uint32_t>{SlotColour(kind)})
                << c.cx << "x" << c.cy << " kind " << kind;
        }
    }
}

TEST_F(TileSheets, UserPicturesOfAnySize)
{
    const std::string path = m_dir.File("mine.bmp");
    WriteBytes(path, Bmp24(100, 100, SlotSheet(100, 100)));
    CMahjongBoard board(45, 18, 10);
    board.LoadTilesFromFile(nullptr, 30, 40, path.c_str());
    for (int kind = 0; kind < 45; ++kind) {
        const CTileImage& image = board.GetImages()[kind];
        ASSERT_EQ(image.m_nWidth, 30);
        ASSERT_EQ(image.m_nHeight, 40);
        EXPECT_EQ(image.GetAt(15, 20), SlotColour(kind)) << "kind " << kind << " centre";
    }
}

TEST_F(TileSheets, UnusablePicturesGiveTheDefaultSheet)
{
    CMahjongBoard expected(36, 18, 8);
    expected.LoadTilesFromResource(nullptr, 21, 27);
    const std::string broken = m_dir.File("broken.bmp");
    WriteBytes(broken, {'B', 'M', 1, 2, 3});
    for (const char* path : {static_cast<const char*>(nullptr), "no-such-file.bmp", broken.c_str()}) {
        CMahjongBoard board(36, 18, 8);
        board.LoadTilesFromFile(nullptr, 21, 27, path);
        EXPECT_EQ(board.GetTileWidth(), 21);
        for (int kind = 0; kind < 36; ++kind)
            ASSERT_EQ(Pixels(board.GetImages()[kind].m_pBits, board.GetImages()[kind].m_pBits + 21 * 27),
                      Pixels(expected.GetImages()[kind].m_pBits, expected.GetImages()[kind].m_pBits + 21 * 27))
                << (path ? path : "no path") << " kind " << kind;
    }
}

// Black and white alternate in the double-size sheet: (255 + 255) / 4 = 127.5, grey 128.
TEST_F(TileSheets, AveragedTilesComeFromTheDoubleSizeSheet)
{
    Pixels checks(540 * 400);
    for (int i = 0; i < 540 * 400; ++i)
        checks[i] = (i % 540 + i / 540) % 2 ? 0xFFFFFF : 0;
    WriteBytes(m_dir.File("tiles131-2x.bmp"), Bmp24(540, 400, checks));
    CMahjongBoard board(36, 18, 8);
    EXPECT_FALSE(board.LoadTilesFromFile(nullptr, 30, 40, nullptr, CTileScaling::Average));
    EXPECT_EQ(board.GetImages()[35].GetAt(29, 39), 0x808080u) << "the last kind's last pixel";
}

TEST_F(TileSheets, AMissingBuiltInSheetIsAPictureWithoutPixels)
{
    CMahjongBoard board(36, 18, 8);
    EXPECT_THROW(board.LoadTilesFromResource(nullptr, 30, 40, 999), NULL_PICTURE);
}

} // namespace
