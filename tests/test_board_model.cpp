// The board's data and small operations: construction, cells, walls, clicks, selection.

#include "TestBoard.h"

#include <gtest/gtest.h>

namespace {

const CTileCell kEmpty(0, 0, -1, 0, 0);

TEST(BoardModel, FreshBoardHoldsNothing)
{
    CMahjongBoard board;
    EXPECT_EQ(board.GetWidth(), 18);
    EXPECT_EQ(board.GetHeight(), 8);
    EXPECT_EQ(board.GetKinds(), 0);
    EXPECT_EQ(board.GetImages(), nullptr);
    EXPECT_EQ(board.GetTileWidth(), 0);
    EXPECT_EQ(board.CountTiles(), 0);
    EXPECT_EQ(board.GetSelCol(), -1);
    EXPECT_EQ(board.GetSelectedCell(), kEmpty);
    for (int p : {0, 1, 15, 100, 500})
        EXPECT_EQ(board.CellFromPoint(p, p), kEmpty) << "point " << p;
    for (int c = 0; c < CMahjongBoard::kGrid; ++c)
        for (int r = 0; r < CMahjongBoard::kGrid; ++r)
            ASSERT_EQ(board.GetCell(c, r), kEmpty) << c << "," << r;

    CMahjongBoard sized(36, 12, 12);
    EXPECT_EQ(sized.GetKinds(), 36);
    EXPECT_EQ(sized.GetWidth(), 12);
    ASSERT_NE(sized.GetImages(), nullptr);
    EXPECT_EQ(sized.GetImages()[35].m_nWidth, 0);
}

TEST(BoardModel, RefusesSizesTheGridCannotHold)
{
    struct Case {
        const char* label;
        int kinds, width, height;
    };
    const Case refused[] = {{"width 0", 36, 0, 8},     {"height 0", 36, 18, 0},   {"width 39", 36, 39, 8},
                            {"height 39", 36, 18, 39}, {"negative", 36, -4, 8},   {"no kinds", 0, 18, 8},
                            {"negative kinds", -3, 18, 8}, {"absurd kinds", 2000000000, 18, 8}};
    for (const Case& c : refused)
        EXPECT_THROW(CMahjongBoard(c.kinds, c.width, c.height), CBadBoardSize) << c.label;
    EXPECT_NO_THROW(CMahjongBoard(1, 38, 38));
    EXPECT_NO_THROW(CMahjongBoard(1, 1, 1));
}

TEST(BoardModel, CellAccessAndLinearIndex)
{
    TestBoard b({"AB.", "C.D"});
    EXPECT_EQ(b.GetCell(-1, 3), kEmpty);
    EXPECT_EQ(b.GetCell(2, -1), kEmpty);
    EXPECT_EQ(b.GetCell(1, 1), CTileCell(30, 40, 0, 30, 40));
    // Index 0 is column 1, row 1; index width is column 1, row 2.
    EXPECT_EQ(b.GetIndexX(0), 30);
    EXPECT_EQ(b.GetIndexY(0), 40);
    EXPECT_EQ(b.GetIndexKind(0), 0);
    EXPECT_EQ(b.GetIndexX(3), 30);
    EXPECT_EQ(b.GetIndexY(3), 80);
    EXPECT_EQ(b.GetIndexKind(3), 2);
    EXPECT_EQ(b.GetIndexKind(2), -1);
    EXPECT_EQ(b.GetIndexKind(5), 3);
    EXPECT_EQ(b.CountTiles(), 4);
}

TEST(BoardModel, Walls)
{
    TestBoard b({"AAAAA",
                 "AAAAA",
                 "AAAAA",
                 "A.AAA"});
    struct Case {
        int col, row, blocked;
        const char* why;
    };
    const Case cases[] = {
        {3, 2, 1, "tiles on all four sides"},
        {4, 3, 1, "walled in on the third row"},
        {2, 3, 0, "an empty cell below"},
        {1, 2, 0, "column 1 borders the margin"},
        {5, 2, 0, "the last column borders the margin"},
        {3, 1, 0, "row 1 borders the margin"},
        {2, 4, 1, "an empty cell"},
        {0, 2, 1, "the margin column"},
        {3, 0, 1, "the margin row"},
        {6, 2, 1, "past the last column"},
        {3, 5, 1, "past the last row"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(b.IsBlocked(c.col, c.row), c.blocked) << c.why;
}

TEST(BoardModel, CellFromPointEdgesAndWalls)
{
    TestBoard b({"AAA",
                 "AAA",
                 "AAA"});
    const int x = 2 * TestBoard::kTileW, y = 1 * TestBoard::kTileH; // cell (2, 1)
    EXPECT_EQ(b.CellFromPoint(x, y), kEmpty) << "the top-left corner is outside";
    EXPECT_EQ(b.CellFromPoint(x + 1, y + 1), b.GetCell(2, 1));
    EXPECT_EQ(b.CellFromPoint(x + TestBoard::kTileW - 1, y + TestBoard::kTileH - 1), b.GetCell(2, 1));
    EXPECT_EQ(b.CellFromPoint(x + TestBoard::kTileW, y + 1), kEmpty) << "the line between two cells is in neither";
    EXPECT_EQ(b.CellFromPoint(x + TestBoard::kTileW + 1, y + 1), b.GetCell(3, 1));
    EXPECT_EQ(b.CellFromPoint(TestBoard::CentreX(2), TestBoard::CentreY(2)), kEmpty) << "walled in";
    EXPECT_EQ(b.CellFromPoint(5, 5), kEmpty) << "margin";
    b.SetKind(3, 1, -1);
    EXPECT_EQ(b.CellFromPoint(TestBoard::CentreX(3), TestBoard::CentreY(1)), kEmpty) << "empty cell";
}

TEST(BoardModel, SelectionToggles)
{
    TestBoard b({"AAA",
                 "AAA",
                 "AAB"});
    const CTileCell corner = b.GetCell(1, 1), inner = b.GetCell(2, 2), other = b.GetCell(3, 3);
    b.ToggleSelection(inner);
    EXPECT_EQ(b.GetSelCol(), -1) << "a walled-in tile is not selected";
    b.ToggleSelection(corner);
    EXPECT_EQ(b.GetSelectedCell(), corner);
    b.ToggleSelection(other);
    EXPECT_EQ(b.GetSelectedCell(), other) << "another tile takes over";
    b.ToggleSelection(other);
    EXPECT_EQ(b.GetSelCol(), -1) << "twice on one tile leaves nothing";
    EXPECT_EQ(b.SelRow(), -1);
    b.ToggleSelection(corner);
    b.ClearSelection();
    EXPECT_EQ(b.GetSelectedCell(), kEmpty);
}

TEST(BoardModel, RemoveAndLinkToSelection)
{
    TestBoard b({"A.A",
                 "BBC"});
    CLinkPath path;
    EXPECT_EQ(b.LinkToSelection(b.GetCell(1, 1), path), 1) << "nothing selected";
    b.ToggleSelection(b.GetCell(3, 1));
    EXPECT_EQ(b.LinkToSelection(b.GetCell(1, 1), path), 0);
    EXPECT_EQ(path.m_pt[0].x, 1);
    EXPECT_EQ(path.m_pt[1].x, 3);
    EXPECT_EQ(b.LinkToSelection(CTileCell(7, 7, 0, 30, 40), path), 1) << "no cell at that origin";

    b.RemoveTileAt(b.GetCell(1, 2));
    EXPECT_EQ(b.GetCell(1, 2).kind, -1);
    EXPECT_EQ(b.CountTiles(), 4);
    b.RemoveTileAt(CTileCell(1, 1, 0, 30, 40));
    EXPECT_EQ(b.CountTiles(), 4) << "no cell at that origin";
}

TEST(BoardModel, CellPixelsComeFromTheKindsImage)
{
    TestBoard b({"AB"}, 2);
    CTileImage* images = const_cast<CTileImage*>(b.GetImages());
    images[0].Resize(2, 2);
    images[1].Resize(2, 2);
    images[1].SetAt(1, 0, 0x00123456);
    EXPECT_EQ(b.GetIndexPixel(1, 1, 0), 0x00123456u);
    EXPECT_EQ(b.GetIndexPixel(0, 1, 0), 0u);
    EXPECT_EQ(b.GetCellPixel(b.GetCell(2, 1), 1, 0), 0x00123456u);
}

} // namespace
