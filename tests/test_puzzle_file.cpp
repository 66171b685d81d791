// The puzzle file: exact bytes, round trips, and damaged files refused safely.

#include "TestBoard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

std::int32_t IntAt(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    std::int32_t v;
    std::memcpy(&v, &bytes[offset], 4); // little-endian on every platform we build for
    return v;
}

void SetIntAt(std::vector<unsigned char>& bytes, std::size_t offset, std::int32_t v)
{
    std::memcpy(&bytes[offset], &v, 4);
}

std::size_t CellOffset(int col, int row, int height)
{
    return 24 + static_cast<std::size_t>(col * (height + 2) + row) * 20;
}

std::uint32_t FixedSeed()
{
    return 77;
}

struct DealtBoard {
    DealtBoard() : board(36, 18, 8)
    {
        SetDealSeedSource(&FixedSeed);
        CTilePairList plan;
        board.Deal(plan);
        SetDealSeedSource(nullptr);
    }
    TestBoard board;
};

TEST(PuzzleFile, ExactBytes)
{
    ScratchDir dir;
    DealtBoard dealt;
    TestBoard& b = dealt.board;
    const CTileCell removed = b.GetCell(1, 1);
    b.RemoveTileAt(removed);
    const std::string path = dir.File("game.mhj");
    ASSERT_EQ(b.SaveToFile(path.c_str(), 125), 0);

    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 4024u);
    const std::int32_t header[] = {18, 8, 30, 40, 36, 125};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(IntAt(bytes, 4 * i), header[i]) << "header field " << i;
    for (int c = 0; c <= 19; ++c)
        for (int r = 0; r <= 9; ++r) {
            const CTileCell cell = b.GetCell(c, r);
            const std::size_t at = CellOffset(c, r, 8);
            const std::int32_t expected[] = {cell.x, cell.y, cell.cx, cell.cy, cell.kind};
            for (int f = 0; f < 5; ++f)
                ASSERT_EQ(IntAt(bytes, at + 4 * f), expected[f]) << "cell " << c << "," << r << " field " << f;
        }
    EXPECT_EQ(IntAt(bytes, CellOffset(1, 1, 8) + 16), -1) << "a removed tile is stored empty";
    EXPECT_EQ(IntAt(bytes, CellOffset(19, 9, 8)), 19 * 30) << "the margin ring is written too";
}

TEST(PuzzleFile, SizesOfTheLargerBoards)
{
    ScratchDir dir;
    struct Case {
        int kinds, width, height;
        std::size_t bytes;
    };
    for (const Case& c : {Case{36, 24, 12, 7304}, Case{40, 20, 16, 7944}, Case{1, 38, 38, 32024}}) {
        TestBoard b(c.kinds, c.width, c.height);
        const std::string path = dir.File("size.mhj");
        ASSERT_EQ(b.SaveToFile(path.c_str(), 0), 0);
        EXPECT_EQ(ReadBytes(path).size(), c.bytes) << c.width << "x" << c.height;
    }
}

TEST(PuzzleFile, RoundTrip)
{
    ScratchDir dir;
    DealtBoard dealt;
    TestBoard& saved = dealt.board;
    saved.RemoveTileAt(saved.GetCell(1, 1));
    saved.RemoveTileAt(saved.GetCell(18, 8));
    const std::string path = dir.File("round.mhj");
    ASSERT_EQ(saved.SaveToFile(path.c_str(), 3725), 0);

    CMahjongBoard loaded; // as when a puzzle is loaded before any exists
    int elapsed = -1;
    ASSERT_EQ(loaded.LoadFromFile(path.c_str(), &elapsed), 0);
    EXPECT_EQ(elapsed, 3725);
    EXPECT_TRUE(SameGrid(saved, loaded, 19, 9)) << "the stored cells, margin ring included";
    EXPECT_EQ(loaded.GetWidth(), 18);
    EXPECT_EQ(loaded.GetHeight(), 8);
    EXPECT_EQ(loaded.GetTileWidth(), 30);
    EXPECT_EQ(loaded.GetTileHeight(), 40);
    EXPECT_EQ(loaded.GetKinds(), 36);
    ASSERT_NE(loaded.GetImages(), nullptr);
    EXPECT_EQ(loaded.GetImages()[35].m_pBits, nullptr) << "fresh, empty pictures";

    // Loading into a board in play clears its selection and its undo ring, whose
    // entries would put the earlier puzzle's kinds into this one's cells.
    TestBoard other({"AB", "BA"});
    other.ToggleSelection(other.GetCell(1, 1));
    other.PushUndo(1, 1, 2, 1);
    ASSERT_EQ(other.GetSelCol(), 1);
    ASSERT_EQ(other.LoadFromFile(path.c_str(), &elapsed), 0);
    EXPECT_EQ(other.GetSelCol(), -1);
    EXPECT_TRUE(SameGrid(saved, other, 19, 9));
    CTileCell a, b;
    other.Undo(a, b);
    EXPECT_EQ(a.kind, -1);
    EXPECT_TRUE(SameGrid(saved, other, 19, 9));
}

TEST(PuzzleFile, DamagedFilesAreRefusedAndChangeNothing)
{
    ScratchDir dir;
    DealtBoard dealt;
    const std::string good = dir.File("good.mhj");
    ASSERT_EQ(dealt.board.SaveToFile(good.c_str(), 60), 0);
    const std::vector<unsigned char> base = ReadBytes(good);
    ASSERT_EQ(base.size(), 4024u);

    using Damage = std::function<void(std::vector<unsigned char>&)>;
    const auto field = [](std::size_t offset, std::int32_t v) -> Damage {
        return [=](std::vector<unsigned char>& b) { SetIntAt(b, offset, v); };
    };
    const auto cellField = [&](int col, int row, int f, std::int32_t v) { return field(CellOffset(col, row, 8) + 4 * f, v); };
    struct Case {
        const char* label;
        Damage damage;
    };
    const Case cases[] = {
        {"empty file", [](auto& b) { b.clear(); }},
        {"header cut short", [](auto& b) { b.resize(20); }},
        {"one byte short", [](auto& b) { b.pop_back(); }},
        {"one byte too many", [](auto& b) { b.push_back(0); }},
        {"width 0", field(0, 0)},
        {"width 39", field(0, 39)},
        {"negative height", field(4, -8)},
        {"height says more rows than stored", field(4, 9)},
        {"huge width", field(0, 0x7FFFFFFF)},
        {"tile width 0", field(8, 0)},
        {"tile height absurd", field(12, 100000)},
        {"no kinds", field(16, 0)},
        {"more kinds than cells", field(16, 145)},
        {"cell kind below -1", cellField(3, 3, 4, -2)},
        {"cell kind past the kinds", cellField(3, 3, 4, 36)},
        {"a tile on the margin ring", cellField(0, 4, 4, 5)},
        {"a tile on the last margin row", cellField(5, 9, 4, 0)},
        {"negative pixel left", cellField(2, 2, 0, -30)},
        {"pixel top past the picture", cellField(2, 2, 1, 0x7FFFFFF0)},
        {"cell width absurd", cellField(2, 2, 2, 0x40000000)},
        {"negative cell height", cellField(2, 2, 3, -1)},
    };

    TestBoard target({"ABA", "BAB"}, 2);
    target.ToggleSelection(target.GetCell(1, 1));
    target.PushUndo(1, 1, 2, 1);
    const TestBoard before({"ABA", "BAB"}, 2);
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = base;
        c.damage(bytes);
        const std::string path = dir.File("damaged.mhj");
        WriteBytes(path, bytes);
        int elapsed = 12345;
        EXPECT_EQ(target.LoadFromFile(path.c_str(), &elapsed), 1) << c.label;
        EXPECT_EQ(elapsed, 12345) << c.label;
        EXPECT_TRUE(SameGrid(target, before)) << c.label;
        EXPECT_EQ(target.GetWidth(), 3) << c.label;
        EXPECT_EQ(target.GetKinds(), 2) << c.label;
        EXPECT_EQ(target.GetTileWidth(), 30) << c.label;
        EXPECT_EQ(target.GetSelCol(), 1) << c.label;
        EXPECT_EQ(target.UndoTop(), 0) << c.label;
    }

    // The untouched file still loads.
    int elapsed = 0;
    EXPECT_EQ(target.LoadFromFile(good.c_str(), &elapsed), 0);
    EXPECT_EQ(elapsed, 60);
}

TEST(PuzzleFile, FilesThatCannotBeOpenedOrWritten)
{
    ScratchDir dir;
    TestBoard b({"AB", "BA"});
    int elapsed = 7;
    EXPECT_EQ(b.LoadFromFile(dir.File("missing.mhj").c_str(), &elapsed), 1);
    EXPECT_EQ(b.LoadFromFile(nullptr, &elapsed), 1);
    EXPECT_EQ(elapsed, 7);
    EXPECT_EQ(b.SaveToFile(dir.File("no/such/folder/x.mhj").c_str(), 0), 1);
    EXPECT_EQ(b.SaveToFile("", 0), 1);

    // A save that cannot complete leaves the good file in place.
    const std::string good = dir.File("keep.mhj");
    ASSERT_EQ(b.SaveToFile(good.c_str(), 5), 0);
    const std::vector<unsigned char> kept = ReadBytes(good);
    std::filesystem::create_directory(good + ".part"); // the file beside it cannot be made
    TestBoard other({"ABC", "CBA"});
    EXPECT_EQ(other.SaveToFile(good.c_str(), 9), 1);
    EXPECT_EQ(ReadBytes(good), kept);

    // Saving over an existing file replaces it and leaves nothing beside it.
    std::filesystem::remove(good + ".part");
    ASSERT_EQ(other.SaveToFile(good.c_str(), 9), 0);
    EXPECT_EQ(ReadBytes(good).size(), 24u + 5 * 4 * 20);
    EXPECT_FALSE(std::filesystem::exists(good + ".part"));
    const std::string folder = dir.File("folder.mhj");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(other.SaveToFile(folder.c_str(), 0), 1) << "a folder is no file";
    EXPECT_FALSE(std::filesystem::exists(folder + ".part"));
}

} // namespace
