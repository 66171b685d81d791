// The connection rule and the order in which a link line is chosen.

#include "TestBoard.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<int, int>>;

// The points a path sets, up to the first unset one; unset points must stay unset.
Points Used(const CLinkPath& path)
{
    Points pts;
    bool ended = false;
    for (const CTileCell& p : path.m_pt) {
        if (p.x == -1 && p.y == -1)
            ended = true;
        else if (!ended)
            pts.emplace_back(p.x, p.y);
        else
            ADD_FAILURE() << "a point set after an unset one";
    }
    return pts;
}

struct LinkCase {
    const char* label;
    std::vector<std::string> rows;
    int c1, r1, c2, r2;
    Points expected; // empty: no link
};

TEST(LinkSearch, ChoosesTheFirstLineInOrder)
{
    const LinkCase cases[] = {
        {"neighbours: straight", {"....", ".AA.", "BBBB"}, 2, 2, 3, 2, {{2, 2}, {3, 2}}},
        {"straight across a gap", {"A..A"}, 1, 1, 4, 1, {{1, 1}, {4, 1}}},
        {"column-first corner wins", {"......", ".A....", "......", "....A.", "......"}, 2, 2, 5, 4,
         {{2, 2}, {2, 4}, {5, 4}}},
        {"row-first corner when the column is taken", {"......", ".A....", ".B....", "....A.", "......"}, 2, 2, 5, 4,
         {{2, 2}, {5, 2}, {5, 4}}},
        {"three segments, upward walk", {".....", "..ABA", "....."}, 3, 2, 5, 2, {{3, 2}, {3, 1}, {5, 1}, {5, 2}}},
        {"through the margin row", {"ABCDEA", "BCDEFB"}, 1, 1, 6, 1, {{1, 1}, {1, 0}, {6, 0}, {6, 1}}},
        {"through the margin column", {"AB", "CB", "AB"}, 1, 1, 1, 3, {{1, 1}, {0, 1}, {0, 3}, {1, 3}}},
        {"left walk before right walk", {"B...B", "..A.B", "BBB.B", "A...B"}, 3, 2, 1, 4,
         {{3, 2}, {0, 2}, {0, 4}, {1, 4}}},
        {"diagonal in a full block", {"AB", "BA"}, 1, 1, 2, 2, {}},
        {"same cell", {"AA"}, 1, 1, 1, 1, {}},
        {"no line of three segments", {"BBBBB", "BABAB", "BBBBB"}, 2, 2, 4, 2, {}},
    };
    for (const LinkCase& c : cases) {
        TestBoard b(c.rows);
        CLinkPath path;
        const int result = b.FindPath(c.c1, c.r1, c.c2, c.r2, path);
        EXPECT_EQ(result, c.expected.empty() ? 1 : 0) << c.label;
        EXPECT_EQ(Used(path), c.expected) << c.label;
    }
}

TEST(LinkSearch, Row1TilesAlwaysLink)
{
    for (int a = 1; a <= 6; ++a)
        for (int c = a + 1; c <= 6; ++c) {
            TestBoard b({"BBBBBB", "BBBBBB"});
            b.SetKind(a, 1, 0);
            b.SetKind(c, 1, 0);
            CLinkPath path;
            EXPECT_EQ(b.FindPath(a, 1, c, 1, path), 0) << a << " and " << c;
            for (const CTileCell& p : path.m_pt)
                EXPECT_TRUE(p.x == -1 || (p.x >= 0 && p.x <= 7 && p.y >= 0 && p.y <= 3)) << "inside the ring";
        }
}

TEST(LinkSearch, ShortPathPieces)
{
    TestBoard b({".....",
                 ".A...",
                 ".B.A."});
    CLinkPath path;
    TestBoard::ClearPath(path);
    // Both segments around corner (2, 3) are clear up to it, but the corner holds a tile.
    // The row-first corner (4, 2) is open, so that one is used.
    ASSERT_EQ(b.FindShortPath(2, 2, 4, 3, path), 0);
    EXPECT_EQ(Used(path), (Points{{2, 2}, {4, 2}, {4, 3}}));
    b.SetKind(4, 2, 1);
    TestBoard::ClearPath(path);
    EXPECT_EQ(b.FindShortPath(2, 2, 4, 3, path), 1);
    EXPECT_TRUE(Used(path).empty()) << "a failed search writes nothing";

    EXPECT_EQ(b.IsSegmentBlocked(2, 2, 2, 2), 1) << "same cell";
    EXPECT_EQ(b.IsSegmentBlocked(1, 1, 2, 2), 1) << "neither row nor column shared";
    EXPECT_EQ(b.IsSegmentBlocked(2, 1, 2, 3), 1) << "a tile between";
    EXPECT_EQ(b.IsSegmentBlocked(2, 2, 2, 3), 0) << "neighbours: the ends are not tested";
    EXPECT_EQ(b.IsSegmentBlocked(5, 3, 1, 3), 1) << "backwards, a tile between";
    EXPECT_EQ(b.IsSegmentBlocked(0, 0, 0, 4), 0) << "along the margin";
}

} // namespace
