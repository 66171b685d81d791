// The undo ring: the last ten removed pairs come back, newest first; under
// gravity the tiles that fell are lifted back, and fall again on a redo.

#include "TestBoard.h"

#include <gtest/gtest.h>

namespace {

const CTileCell kEmpty(0, 0, -1, 0, 0);

// A board of eleven vertical pairs of kinds A..K, columns 1..11.
TestBoard ElevenPairs()
{
    return TestBoard({"ABCDEFGHIJK", "ABCDEFGHIJK"});
}

void RemovePair(TestBoard& b, int col)
{
    const CTileCell top = b.GetCell(col, 1), bottom = b.GetCell(col, 2);
    b.RecordPair(top, bottom);
    b.RemoveTileAt(top);
    b.RemoveTileAt(bottom);
}

TEST(UndoRing, EmptyRingChangesNothing)
{
    TestBoard b({"AB", "BA"});
    CTileCell a(1, 2, 3, 4, 5), c(1, 2, 3, 4, 5);
    b.Undo(a, c);
    EXPECT_EQ(a, kEmpty);
    EXPECT_EQ(c, kEmpty);
    EXPECT_EQ(b.Rows(), (std::vector<std::string>{"AB", "BA"}));
}

TEST(UndoRing, KeepsTheLastTenInReverseOrder)
{
    TestBoard b = ElevenPairs();
    for (int col = 1; col <= 11; ++col)
        RemovePair(b, col);
    EXPECT_EQ(b.CountTiles(), 0);
    EXPECT_EQ(b.UndoTop(), 9);
    EXPECT_EQ(b.UndoEntry(0).col1, 2) << "the oldest pair fell out of the ring";

    for (int col = 11; col >= 2; --col) {
        CTileCell a, c;
        b.Undo(a, c);
        EXPECT_EQ(a, b.GetCell(col, 1)) << "undo of column " << col;
        EXPECT_EQ(c, b.GetCell(col, 2)) << "undo of column " << col;
        EXPECT_EQ(a.kind, col - 1) << "undo of column " << col;
        EXPECT_EQ(c.kind, col - 1) << "undo of column " << col;
    }
    EXPECT_EQ(b.Rows(), (std::vector<std::string>{".BCDEFGHIJK", ".BCDEFGHIJK"}));

    CTileCell a, c;
    b.Undo(a, c);
    EXPECT_EQ(a, kEmpty) << "the eleventh request finds nothing";
    EXPECT_EQ(b.CountTiles(), 20);
}

TEST(UndoRing, RemoveUndoRemoveAgain)
{
    TestBoard b = ElevenPairs();
    RemovePair(b, 3);
    CTileCell a, c;
    b.Undo(a, c);
    RemovePair(b, 3);
    EXPECT_EQ(b.UndoTop(), 0);
    b.Undo(a, c);
    EXPECT_EQ(a.kind, 2);
    b.Undo(a, c);
    EXPECT_EQ(a, kEmpty);
    EXPECT_EQ(b.CountTiles(), 22);
}

TEST(UndoRing, RecordsWhatTheCellsHoldNow)
{
    TestBoard b = ElevenPairs();
    b.RecordPair(kEmpty, kEmpty);
    EXPECT_EQ(b.UndoTop(), -1) << "a record that names no playing cell is not pushed";
    b.RecordPair(b.GetCell(4, 1), CTileCell(3, 3, 0, 30, 40));
    EXPECT_EQ(b.UndoTop(), -1) << "one cell not found";
    b.PushUndo(-1, 1, 2, 2);
    EXPECT_EQ(b.UndoTop(), -1) << "negative cell";

    // Recorded after the tiles are gone: the undo restores empty cells.
    const CTileCell top = b.GetCell(5, 1), bottom = b.GetCell(5, 2);
    b.RemoveTileAt(top);
    b.RemoveTileAt(bottom);
    b.RecordPair(top, bottom);
    const CUndoEntry& e = b.UndoEntry(0);
    EXPECT_EQ((std::vector<int>{e.col1, e.row1, e.kind1, e.col2, e.row2, e.kind2}),
              (std::vector<int>{5, 1, -1, 5, 2, -1}));
    CTileCell a, c;
    b.Undo(a, c);
    EXPECT_EQ(a.kind, -1);
    EXPECT_EQ(b.CountTiles(), 20);
}

// Moves as text, "column:from>to" each, in order.
std::string Moves(const std::vector<CTileMove>& moves)
{
    std::string text;
    for (const CTileMove& m : moves)
        text += " " + std::to_string(m.col) + ":" + std::to_string(m.fromRow) + ">" + std::to_string(m.toRow);
    return text.empty() ? text : text.substr(1);
}

TEST(Gravity, TilesAboveAPairFallDownTheirColumnsAndUndoLiftsThem)
{
    const struct {
        const char* label;
        bool gravity;
        std::vector<std::string> before, after;
        int c1, r1, c2, r2;
        const char *falls, *lifts;
    } cases[] = {
        {"a gap in the middle of a column", true, {".C.", ".B.", ".AA", ".DE"}, {"...", ".C.", ".B.", ".DE"},
         2, 3, 3, 3, "2:2>3 2:1>2", "2:2>1 2:3>2"},
        {"two tiles of one column", true, {"B", "A", "C", "A", "D"}, {".", ".", "B", "C", "D"}, 1, 2, 1, 4,
         "1:3>4 1:1>3", "1:3>1 1:4>3"},
        {"row 1 under the margin falls, nothing comes down from it", true, {"BC", "AA"}, {"..", "BC"}, 1, 2, 2, 2,
         "1:1>2 2:1>2", "2:2>1 1:2>1"},
        {"without gravity nothing falls", false, {"BC", "AA"}, {"BC", ".."}, 1, 2, 2, 2, "", ""},
    };
    for (const auto& c : cases) {
        TestBoard b(c.before);
        b.SetGravity(c.gravity);
        const CTileCell first = b.GetCell(c.c1, c.r1), second = b.GetCell(c.c2, c.r2);
        const int selected = b.GetCell(c.c1, 1).kind;
        b.ToggleSelection(b.GetCell(c.c1, 1)); // the selection goes down and up with its tile
        b.RecordPair(first, second);
        EXPECT_EQ(Moves(b.RemovePair(first, second)), c.falls) << c.label;
        EXPECT_EQ(b.Rows(), c.after) << c.label;
        EXPECT_EQ(b.GetSelectedCell().kind, selected) << c.label;

        CTileCell a, d;
        EXPECT_EQ(Moves(b.Undo(a, d)), c.lifts) << c.label << ": undo";
        EXPECT_EQ(b.Rows(), c.before) << c.label << ": undo";
        EXPECT_EQ(b.GetSelectedCell(), b.GetCell(c.c1, 1)) << c.label << ": undo";
        b.Redo(a, d);
        EXPECT_EQ(Moves(b.RemovePair(a, d)), c.falls) << c.label << ": redo";
        EXPECT_EQ(b.Rows(), c.after) << c.label << ": redo";
    }
}

} // namespace
