// Gravity: the tiles above a pair that goes fall down their columns, and Undo
// and Redo take a fall back and make it again exactly.

#include "TestBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Moves as text, "column:from>to" each, in order.
std::string Moves(const std::vector<CTileMove>& moves)
{
    std::string text;
    for (const CTileMove& m : moves)
        text += (text.empty() ? "" : " ") + std::to_string(m.col) + ":" + std::to_string(m.fromRow) + ">" +
                std::to_string(m.toRow);
    return text;
}

TEST(Gravity, TilesAboveAPairFallDownTheirColumns)
{
    struct Case {
        const char* label;
        bool gravity;
        std::vector<std::string> before;
        int c1, r1, c2, r2;
        std::vector<std::string> after;
        const char* moves;
    };
    const Case cases[] = {
        {"a gap in the middle of a column", true, {".C.", ".B.", ".AA", ".DE"}, 2, 3, 3, 3,
         {"...", ".C.", ".B.", ".DE"}, "2:2>3 2:1>2"},
        {"two tiles of one column", true, {"B", "A", "C", "A", "D"}, 1, 2, 1, 4,
         {".", ".", "B", "C", "D"}, "1:3>4 1:1>3"},
        {"full columns: row 1 under the margin falls, nothing comes from the margin", true, {"BC", "AA"}, 1, 2, 2, 2,
         {"..", "BC"}, "1:1>2 2:1>2"},
        {"the lower tile named first", true, {"A", "B", "A"}, 1, 3, 1, 1, {".", ".", "B"}, "1:2>3"},
        {"a column not touched keeps its gap", true, {"B.", ".A", "CA"}, 2, 2, 2, 3, {"B.", "..", "C."}, ""},
        {"without gravity nothing falls", false, {"BC", "AA"}, 1, 2, 2, 2, {"BC", ".."}, ""},
    };
    for (const Case& c : cases) {
        TestBoard b(c.before);
        b.SetGravity(c.gravity);
        const std::vector<CTileMove> moves = b.RemovePair(b.GetCell(c.c1, c.r1), b.GetCell(c.c2, c.r2));
        EXPECT_EQ(b.Rows(), c.after) << c.label;
        EXPECT_EQ(Moves(moves), c.moves) << c.label;
    }
}

TEST(Gravity, RemovePairFindsItsCellsOrDoesNothing)
{
    TestBoard b({"B", "A", "A"});
    b.SetGravity(true);
    EXPECT_TRUE(b.RemovePair(b.GetCell(1, 2), CTileCell(7, 7, 0, 30, 40)).empty());
    EXPECT_EQ(b.Rows(), (std::vector<std::string>{"B", "A", "A"})) << "a record that names no cell";
}

TEST(Gravity, TheSelectionFollowsItsTile)
{
    TestBoard b({"BC", "DC", "AA"});
    b.SetGravity(true);
    b.ToggleSelection(b.GetCell(1, 1));
    b.RecordPair(b.GetCell(1, 3), b.GetCell(2, 3));
    b.RemovePair(b.GetCell(1, 3), b.GetCell(2, 3));
    EXPECT_EQ(b.GetSelectedCell(), b.GetCell(1, 2)) << "fallen with its tile";
    CTileCell a, c;
    b.Undo(a, c);
    EXPECT_EQ(b.GetSelectedCell(), b.GetCell(1, 1)) << "lifted back with its tile";

    b.ToggleSelection(b.GetCell(2, 2));
    b.RemovePair(b.GetCell(2, 1), b.GetCell(2, 2));
    EXPECT_EQ(b.GetSelCol(), -1) << "its own tile went";
}

TEST(Gravity, UndoAndRedoOfPairsThatMadeTilesFall)
{
    const std::vector<std::string> start = {"D..", "BE.", "CAB", "AFF"};
    TestBoard b(start);
    b.SetGravity(true);
    struct Step {
        int c1, r1, c2, r2;
        std::vector<std::string> after;
        const char* falls;
        const char* lifts; // by Undo
    };
    const Step steps[] = {
        {1, 4, 2, 3, {"...", "D..", "BEB", "CFF"}, "1:3>4 1:2>3 1:1>2 2:2>3", "2:3>2 1:2>1 1:3>2 1:4>3"},
        {1, 3, 3, 3, {"...", "...", "DE.", "CFF"}, "1:2>3", "1:3>2"},
        {2, 4, 3, 4, {"...", "...", "D..", "CE."}, "2:3>4", "2:4>3"},
    };
    std::vector<std::vector<std::string>> boards = {start};
    for (const Step& s : steps) {
        const CTileCell a = b.GetCell(s.c1, s.r1), c = b.GetCell(s.c2, s.r2);
        b.RecordPair(a, c);
        EXPECT_EQ(Moves(b.RemovePair(a, c)), s.falls);
        EXPECT_EQ(b.Rows(), s.after);
        boards.push_back(s.after);
    }

    for (int i = 2; i >= 0; --i) {
        CTileCell a, c;
        EXPECT_EQ(Moves(b.Undo(a, c)), steps[i].lifts) << "undo of pair " << i;
        EXPECT_EQ(b.Rows(), boards[i]) << "undo of pair " << i;
        EXPECT_EQ(a, b.GetCell(steps[i].c1, steps[i].r1)) << "undo of pair " << i;
        EXPECT_EQ(c, b.GetCell(steps[i].c2, steps[i].r2)) << "undo of pair " << i;
    }
    EXPECT_TRUE(SameGrid(b, TestBoard(start)));

    for (int i = 0; i < 3; ++i) {
        CTileCell a, c;
        b.Redo(a, c);
        EXPECT_EQ(Moves(b.RemovePair(a, c)), steps[i].falls) << "redo of pair " << i;
        EXPECT_EQ(b.Rows(), boards[i + 1]) << "redo of pair " << i;
    }
    // The redone pairs are on the undo ring with their falls again.
    CTileCell a, c;
    b.Undo(a, c);
    b.Undo(a, c);
    EXPECT_EQ(b.Rows(), boards[1]);
}

} // namespace
