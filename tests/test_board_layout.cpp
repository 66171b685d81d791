// Where the board lies in the view: the fitted tile size, and the cells, the
// picture and the saved puzzle of a board centred in an area.

#include "TestBoard.h"
#include "board/BoardLayout.h"
#include "commands/BoardPicture.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Point = std::pair<int, int>;

Point PictureSize(const CMahjongBoard& b)
{
    return {BoardPictureRect(b).cx, BoardPictureRect(b).cy};
}

TEST(BoardLayout, FitToView)
{
    struct Case {
        const char* label;
        int viewW, viewH, columns, rows, normalCx, normalCy;
        CBoardFit fit;
    };
    const Case cases[] = {
        {"20 x 16 in 2560 x 1440: as high as the view", 2560, 1440, 20, 16, 26, 35, {59, 80, 631, 0}},
        {"the Biggest picture of 18 x 8 gives Biggest", 1020, 680, 18, 8, 30, 40, {51, 68, 0, 0}},
        {"Biggest of 26 x 35 again at its height", 968, 1062, 20, 16, 26, 35, {44, 59, 0, 0}},
        {"one pixel too narrow for Biggest", 1019, 680, 18, 8, 30, 40, {50, 67, 9, 5}},
        {"one pixel too low for Biggest", 1020, 679, 18, 8, 30, 40, {50, 67, 10, 4}},
        {"far wider than tall", 5000, 700, 18, 8, 30, 40, {53, 70, 1970, 0}},
        {"far taller than wide", 700, 5000, 18, 8, 30, 40, {35, 47, 0, 2265}},
        {"at 144 DPI", 1920, 1080, 18, 8, 45, 60, {81, 108, 150, 0}},
        {"smaller than Normal: Normal at the corner", 500, 300, 18, 8, 30, 40, {30, 40, 0, 0}},
        {"too low for Normal but wide: centred across", 900, 300, 18, 8, 30, 40, {30, 40, 150, 0}},
        {"no board and no tile: the smallest", 100, 100, -5, 0, 0, 0, {33, 33, 0, 0}},
    };
    for (const Case& c : cases) {
        const CBoardFit fit = FitBoardToView(c.viewW, c.viewH, c.columns, c.rows, c.normalCx, c.normalCy);
        EXPECT_TRUE(fit == c.fit) << c.label << ": " << fit.cx << " x " << fit.cy << " at " << fit.x << ", " << fit.y;
    }
}

TEST(BoardLayout, CellsPictureAndFileFollowTheArea)
{
    TestBoard b({"AB", "BA"}, 2); // 4 x 4 cells of 30 x 40 with the margin ring: 120 x 160
    b.SetLayoutArea(200, 170);
    EXPECT_EQ(b.GetCell(1, 1), CTileCell(70, 45, 0, 30, 40)) << "cells from the centred origin (40, 5)";
    EXPECT_EQ(b.GetCell(3, 3), CTileCell(130, 125, -1, 30, 40)) << "the margin ring moves with them";
    EXPECT_EQ(b.CellFromPoint(71, 46), b.GetCell(1, 1));
    EXPECT_EQ(b.CellFromPoint(31, 41), CTileCell()) << "where the cell lay without an area";
    EXPECT_EQ(PictureSize(b), Point(200, 170)) << "the picture is the whole area";

    ScratchDir dir;
    const std::string path = dir.File("centred.mhj");
    ASSERT_EQ(b.SaveToFile(path.c_str(), 0), 0);
    CMahjongBoard loaded;
    ASSERT_EQ(loaded.LoadFromFile(path.c_str(), nullptr), 0);
    EXPECT_EQ(loaded.GetCell(1, 1), CTileCell(30, 40, 0, 30, 40)) << "files count from the ring's corner";

    b.SetLayoutArea(100, 300); // narrower than the board, higher than it
    EXPECT_EQ(b.GetCell(1, 1), CTileCell(30, 110, 0, 30, 40));
    EXPECT_EQ(PictureSize(b), Point(120, 300));
    CTilePairList plan;
    b.Deal(plan);
    EXPECT_EQ(Point(b.GetCell(2, 2).x, b.GetCell(2, 2).y), Point(60, 150)) << "a deal keeps the area";
    b.SetLayoutArea(0, 0);
    EXPECT_EQ(Point(b.GetCell(2, 2).x, b.GetCell(2, 2).y), Point(60, 80)) << "no area: the board's own picture";
    EXPECT_EQ(PictureSize(b), Point(120, 160));
}

} // namespace
