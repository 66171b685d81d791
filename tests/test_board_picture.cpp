// The board picture's pixels: composition and anchoring, fades, inverted marks.

#include "TestBoard.h"
#include "board/BoardLayout.h"
#include "commands/BoardPicture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Pixels = std::vector<std::uint32_t>;

// A background whose every pixel is different, so a misplaced pixel shows.
struct Background {
    Background() : pixels(kBackgroundSquare * kBackgroundSquare)
    {
        for (int i = 0; i < kBackgroundSquare * kBackgroundSquare; ++i)
            pixels[i] = 0x800000 | static_cast<std::uint32_t>(i);
    }
    CPixelSurface Surface() { return CPixelSurface(pixels.data(), kBackgroundSquare, kBackgroundSquare); }
    std::uint32_t At(int x, int y) const { return pixels[(y % 300) * 300 + x % 300]; }
    Pixels pixels;
};

struct Picture {
    Picture(int w, int h) : pixels(static_cast<std::size_t>(w) * h, 0xDEADBEu), surface(pixels.data(), w, h) {}
    Pixels pixels;
    CPixelSurface surface;
};

// A board whose tile pictures are filled with one colour per kind (COLORREF).
std::uint32_t KindColour(int kind)
{
    return 0x010203u * static_cast<std::uint32_t>(kind + 1);
}

void FillImages(TestBoard& b, int cx, int cy)
{
    for (int k = 0; k < b.GetKinds(); ++k) {
        CTileImage& image = const_cast<CTileImage&>(b.GetImages()[k]);
        image.Resize(cx, cy);
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                image.SetAt(x, y, KindColour(k) ^ static_cast<std::uint32_t>(x == 0 && y == 0));
    }
}

TEST(BoardPicture, SizesAndSquares)
{
    struct Case {
        int width, height, cx, cy, pictureW, pictureH, across, down;
    };
    const Case cases[] = {{18, 8, 30, 40, 600, 400, 2, 2},
                          {24, 12, 30, 40, 780, 560, 3, 2},
                          {20, 16, 21, 27, 462, 486, 2, 2},
                          {18, 8, 51, 68, 1020, 680, 4, 3}};
    for (const Case& c : cases) {
        CMahjongBoard board(36, c.width, c.height);
        board.LoadTilesFromResource(nullptr, c.cx, c.cy);
        const CPixelRect r = BoardPictureRect(board);
        EXPECT_EQ(r.cx, c.pictureW) << c.width << "x" << c.height;
        EXPECT_EQ(r.cy, c.pictureH) << c.width << "x" << c.height;
        EXPECT_EQ(SquaresToCover(r.cx), c.across) << c.width << "x" << c.height;
        EXPECT_EQ(SquaresToCover(r.cy), c.down) << c.width << "x" << c.height;
    }
}

TEST(BoardPicture, ComposesBackgroundAndTiles)
{
    Background bg;
    CPixelSurface background = bg.Surface();
    TestBoard b({"AB..C",
                 "..BA.",
                 "C...."},
                3);
    FillImages(b, TestBoard::kTileW, TestBoard::kTileH);
    Picture pic(7 * 30, 5 * 40);
    ComposeBoardPicture(pic.surface, b, background);

    for (int y = 0; y < pic.surface.Height(); ++y)
        for (int x = 0; x < pic.surface.Width(); ++x) {
            const int col = x / 30, row = y / 40;
            const int kind = b.GetCell(col, row).kind;
            const std::uint32_t expected =
                kind < 0 ? bg.At(x, y) : SwapRedBlue(KindColour(kind) ^ (x % 30 == 0 && y % 40 == 0));
            ASSERT_EQ(pic.surface.Get(x, y), expected) << "pixel " << x << "," << y;
        }
}

TEST(BoardPicture, BackgroundIsAnchoredAtTheTopLeft)
{
    Background bg;
    CPixelSurface background = bg.Surface();
    Picture pic(780, 560);
    PaintBackground(pic.surface, background, 3, 2);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {299, 299}, {300, 0}, {301, 299}, {779, 559},
                                                                {600, 300}, {450, 555}})
        EXPECT_EQ(pic.surface.Get(x, y), bg.At(x, y)) << x << "," << y;

    // Two squares across and one down leave the rest untouched (no board yet).
    Picture window(700, 400);
    PaintBackground(window.surface, background, 2, 1);
    EXPECT_EQ(window.surface.Get(599, 299), bg.At(599, 299));
    EXPECT_EQ(window.surface.Get(600, 0), 0xDEADBEu);
    EXPECT_EQ(window.surface.Get(0, 300), 0xDEADBEu);
}

// Tiles and background written where they meet the picture's edges and the
// background's square edges, and nowhere else.
TEST(BoardPicture, TilesAndBackgroundAreClippedToThePicture)
{
    Background bg;
    CPixelSurface background = bg.Surface();
    TestBoard b({"A"}, 1);
    FillImages(b, TestBoard::kTileW, TestBoard::kTileH);
    Picture pic(320, 310);
    for (const CTileCell& cell : {CTileCell(-10, -5, 0, 30, 40), CTileCell(300, 290, 0, 30, 40)})
        PaintTile(pic.surface, b, cell);
    PaintBackgroundRect(pic.surface, background, {290, 100, 40, 2});
    for (int y = 0; y < 310; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool tile = (x < 20 && y < 35) || (x >= 300 && y >= 290);
            const bool back = y >= 100 && y < 102 && x >= 290;
            const std::uint32_t expected = tile ? SwapRedBlue(KindColour(0) ^ (x == 300 && y == 290))
                                           : back ? bg.At(x, y) : 0xDEADBEu;
            ASSERT_EQ(pic.surface.Get(x, y), expected) << "pixel " << x << "," << y;
        }
}

TEST(BoardPicture, BlendExamples)
{
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000, 249), 0x060606u) << "white towards black at 249";
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 249), 0xF9F9F9u);
    EXPECT_EQ(BlendColor(0x00FF00, 0x0000FF, 128), 0x007F80u) << "channels blend on their own";
    EXPECT_EQ(BlendColor(0xFF123456, 0xFF000000, 0) >> 24, 0u) << "the top byte is 0";
    for (std::uint32_t c : {0x000000u, 0x123456u, 0xFFFFFFu, 0x0A0B0Cu})
        EXPECT_EQ(BlendColor(c, c ^ 0xFFFFFF, 0), c) << "level 0 keeps the old colour " << c;
    EXPECT_EQ(SwapRedBlue(0x112233), 0x332211u);
}

TEST(BoardPicture, FadesEndInTheExactBackground)
{
    Background bg;
    CPixelSurface background = bg.Surface();
    struct Case {
        const char* label;
        CPixelRect tile;
    };
    const Case cases[] = {{"inside one square", {30, 40, 30, 40}},
                          {"x = 290 crosses a vertical boundary", {290, 40, 30, 40}},
                          {"crosses both boundaries", {570, 280, 51, 68}},
                          {"the last tile of a big picture", {969, 612, 51, 68}}};
    for (const Case& c : cases) {
        Picture pic(1020, 680);
        for (std::size_t i = 0; i < pic.pixels.size(); ++i)
            pic.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
        const Pixels before = pic.pixels;
        const Pixels old = CopyRect(pic.surface, c.tile);

        BlendRectToBackground(pic.surface, c.tile, old, background, 0);
        EXPECT_EQ(pic.pixels, before) << c.label << ": level 0 shows the old picture";
        for (unsigned level = 1; level < 250; level += 31)
            BlendRectToBackground(pic.surface, c.tile, old, background, level);
        PaintBackgroundRect(pic.surface, background, c.tile);

        for (int y = 0; y < pic.surface.Height(); ++y)
            for (int x = 0; x < pic.surface.Width(); ++x) {
                const bool inside =
                    x >= c.tile.x && x < c.tile.x + c.tile.cx && y >= c.tile.y && y < c.tile.y + c.tile.cy;
                ASSERT_EQ(pic.surface.Get(x, y), inside ? bg.At(x, y) : before[y * 1020 + x])
                    << c.label << " at " << x << "," << y;
            }
    }
}

// The pixels two pictures differ in.
std::set<std::pair<int, int>> Changed(const Picture& a, const Pixels& before)
{
    std::set<std::pair<int, int>> changed;
    for (int y = 0; y < a.surface.Height(); ++y)
        for (int x = 0; x < a.surface.Width(); ++x)
            if (a.pixels[y * a.surface.Width() + x] != before[y * a.surface.Width() + x])
                changed.insert({x, y});
    return changed;
}

TEST(BoardPicture, HighlightFrame)
{
    Picture pic(200, 200);
    const Pixels before = pic.pixels;
    const CTileCell cell(30, 40, 0, 30, 40);
    const CPixelRect r = InvertHighlight(pic.surface, cell);
    EXPECT_EQ(r.x, 30);
    EXPECT_EQ(r.cy, 40);

    const auto changed = Changed(pic, before);
    EXPECT_EQ(changed.size(), 4u * 30 + 4u * 40 - 2u * 16) << "two bars each way, crossings inverted twice";
    for (const auto& [x, y] : changed) {
        const bool inRow = y == 41 || y == 42 || y == 78 || y == 79;
        const bool inCol = x == 31 || x == 32 || x == 58 || x == 59;
        EXPECT_TRUE(inRow != inCol) << x << "," << y;
        EXPECT_EQ(pic.surface.Get(x, y), 0xDEADBEu ^ 0xFFFFFF);
    }
    EXPECT_FALSE(changed.count({30, 40})) << "the tile's corner keeps its colour";

    InvertHighlight(pic.surface, cell);
    EXPECT_EQ(pic.pixels, before) << "twice restores the picture";

    InvertHighlight(pic.surface, cell, 3); // at 144 DPI: three bars each way
    EXPECT_EQ(Changed(pic, before).size(), 6u * 30 + 6u * 40 - 2u * 36);
    EXPECT_TRUE(Changed(pic, before).count({45, 43}) && !Changed(pic, before).count({45, 44}));
    InvertHighlight(pic.surface, cell, 3);
    InvertHighlight(pic.surface, CTileCell(180, 180, 0, 30, 40)); // partly outside: clipped
    InvertHighlight(pic.surface, CTileCell(180, 180, 0, 30, 40));
    EXPECT_EQ(pic.pixels, before);
}

TEST(BoardPicture, LinkLine)
{
    TestBoard b({".....",
                 "..ABA",
                 "....."});
    CLinkPath path;
    ASSERT_EQ(b.FindPath(3, 2, 5, 2, path), 0); // up, along row 1, down
    Picture pic(7 * 30, 5 * 40);
    const Pixels before = pic.pixels;
    const CPixelRect r = InvertLink(pic.surface, b, path);

    // Centres: (3,2) -> (105, 100), (3,1) -> (105, 60), (5,1) -> (165, 60), (5,2) -> (165, 100).
    EXPECT_EQ(r.x, 105);
    EXPECT_EQ(r.y, 60);
    EXPECT_EQ(r.cx, 62);
    EXPECT_EQ(r.cy, 41);
    const auto changed = Changed(pic, before);
    for (const auto& [x, y] : changed)
        EXPECT_TRUE(x >= r.x && x < r.x + r.cx && y >= r.y && y < r.y + r.cy) << "outside the rectangle " << x << "," << y;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{105, 80}, {106, 80}, {135, 60}, {135, 61}, {165, 90},
                                                                {166, 90}})
        EXPECT_TRUE(changed.count({x, y})) << "on the line " << x << "," << y;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{104, 80}, {107, 80}, {135, 59}, {135, 62}, {135, 100}})
        EXPECT_FALSE(changed.count({x, y})) << "off the line " << x << "," << y;

    InvertLink(pic.surface, b, path);
    EXPECT_EQ(pic.pixels, before) << "twice restores the picture";
    EXPECT_EQ(InvertLink(pic.surface, b, path, 3).cx, 63) << "three pixels wide at 144 DPI";
    EXPECT_TRUE(Changed(pic, before).count({107, 80}) && !Changed(pic, before).count({108, 80}));
}

TEST(BoardPicture, FitToView)
{
    struct Case {
        const char* label;
        int viewW, viewH, columns, rows, normalCx, normalCy;
        CBoardFit fit;
    };
    const Case cases[] = {
        {"20 x 16 in 2560 x 1440: as high as the view", 2560, 1440, 20, 16, 26, 35, {59, 80, 631, 0}},
        {"the Biggest picture of 18 x 8 gives Biggest", 1020, 680, 18, 8, 30, 40, {51, 68, 0, 0}},
        {"one pixel too narrow for Biggest", 1019, 680, 18, 8, 30, 40, {50, 67, 9, 5}},
        {"one pixel too low for Biggest", 1020, 679, 18, 8, 30, 40, {50, 67, 10, 4}},
        {"far wider than tall", 5000, 700, 18, 8, 30, 40, {53, 70, 1970, 0}},
        {"smaller than Normal: Normal at the corner", 500, 300, 18, 8, 30, 40, {30, 40, 0, 0}},
        {"no board and no tile: the smallest", 100, 100, -5, 0, 0, 0, {33, 33, 0, 0}},
    };
    for (const Case& c : cases) {
        const CBoardFit fit = FitBoardToView(c.viewW, c.viewH, c.columns, c.rows, c.normalCx, c.normalCy);
        EXPECT_TRUE(fit == c.fit) << c.label << ": " << fit.cx << " x " << fit.cy << " at " << fit.x << ", " << fit.y;
    }
}

// 2 x 2 tiles of 30 x 40 in their ring make 120 x 160; files count from the ring's corner.
TEST(BoardPicture, ABoardCentredInItsArea)
{
    struct Case {
        const char* label;
        int areaW, areaH, x, y, pictureW, pictureH;
    };
    const Case cases[] = {{"larger: centred", 200, 170, 40, 5, 200, 170},
                          {"narrower and higher", 100, 300, 0, 70, 120, 300}};
    TestBoard b({"AB", "BA"}, 2);
    ScratchDir dir;
    for (const Case& c : cases) {
        b.SetLayoutArea(c.areaW, c.areaH);
        EXPECT_EQ(b.GetCell(1, 1), CTileCell(c.x + 30, c.y + 40, 0, 30, 40)) << c.label;
        EXPECT_EQ(b.CellFromPoint(c.x + 31, c.y + 41), b.GetCell(1, 1)) << c.label;
        EXPECT_TRUE(BoardPictureRect(b).cx == c.pictureW && BoardPictureRect(b).cy == c.pictureH) << c.label;
        CMahjongBoard loaded;
        ASSERT_EQ(b.SaveToFile(dir.File("a").c_str(), 0) + loaded.LoadFromFile(dir.File("a").c_str(), nullptr), 0);
        EXPECT_EQ(loaded.GetCell(1, 1), CTileCell(30, 40, 0, 30, 40)) << c.label << ": saved and loaded";
    }
}

} // namespace
