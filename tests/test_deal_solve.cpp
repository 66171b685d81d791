// Dealing and solving: every deal can be cleared by replaying its plan, and the
// solver's answers replay too, leaving the board untouched.

#include "TestBoard.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Size {
    int kinds, width, height, perKind;
};
// The nine sizes the game offers.
const Size kOffered[] = {{36, 18, 8, 4},  {36, 12, 12, 4}, {36, 24, 12, 8}, {40, 20, 8, 4},  {40, 16, 10, 4},
                         {40, 20, 16, 8}, {32, 16, 12, 6}, {20, 10, 8, 4},  {45, 18, 10, 4}};

std::uint32_t g_seed = 0;
std::uint32_t NextSeed()
{
    return g_seed;
}

class FixedSeed : public ::testing::Test {
protected:
    void SetUp() override { SetDealSeedSource(&NextSeed); }
    void TearDown() override { SetDealSeedSource(nullptr); }
};

std::string Label(const Size& s, std::uint32_t seed)
{
    return std::to_string(s.width) + "x" + std::to_string(s.height) + " kinds " + std::to_string(s.kinds) +
           " seed " + std::to_string(seed);
}

// Plays the pairs in order as a player would, under the board's rule: each pair
// must be two unblocked tiles of one kind joined by a line; at the end the board is empty.
void ExpectPlaysToEmpty(TestBoard& b, const std::vector<CTilePair>& order, const std::string& label)
{
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CTilePair& p = order[i];
        const CTileCell a = b.CellFromPoint(TestBoard::CentreX(p.col1), TestBoard::CentreY(p.row1));
        const CTileCell c = b.CellFromPoint(TestBoard::CentreX(p.col2), TestBoard::CentreY(p.row2));
        ASSERT_NE(a.kind, -1) << label << ": pair " << i << " first tile cannot be clicked";
        ASSERT_NE(c.kind, -1) << label << ": pair " << i << " second tile cannot be clicked";
        ASSERT_EQ(a.kind, c.kind) << label << ": pair " << i;
        CLinkPath path;
        ASSERT_EQ(b.FindPath(p.col1, p.row1, p.col2, p.row2, path), 0) << label << ": pair " << i;
        b.RemovePair(a, c);
    }
    EXPECT_EQ(b.CountTiles(), 0) << label;
}

std::map<int, int> KindCounts(const CMahjongBoard& b)
{
    std::map<int, int> counts;
    for (int c = 1; c <= b.GetWidth(); ++c)
        for (int r = 1; r <= b.GetHeight(); ++r)
            if (b.GetCell(c, r).kind != -1)
                ++counts[b.GetCell(c, r).kind];
    return counts;
}

TEST_F(FixedSeed, EveryOfferedDealClearsByItsPlan)
{
    for (const Size& s : kOffered)
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            g_seed = seed * 7919u;
            const std::string label = Label(s, g_seed);
            TestBoard b(s.kinds, s.width, s.height);
            CTilePairList plan;
            b.Deal(plan);

            EXPECT_EQ(b.CountTiles(), s.width * s.height) << label;
            ASSERT_EQ(plan.size(), static_cast<std::size_t>(s.width * s.height / 2)) << label;
            const std::map<int, int> counts = KindCounts(b);
            EXPECT_EQ(counts.size(), static_cast<std::size_t>(s.kinds)) << label;
            for (const auto& [kind, n] : counts)
                EXPECT_EQ(n, s.perKind) << label << " kind " << kind;
            EXPECT_EQ(b.GetCell(3, 2), CTileCell(90, 80, b.GetCell(3, 2).kind, 30, 40)) << label << " geometry";
            EXPECT_EQ(b.GetSelCol(), -1) << label;
            ExpectPlaysToEmpty(b, plan, label);
        }
}

TEST_F(FixedSeed, OddSizesAndTooManyKinds)
{
    g_seed = 42;
    TestBoard odd(10, 7, 3); // two tiles a kind, one cell stays empty
    CTilePairList plan;
    odd.Deal(plan);
    EXPECT_EQ(odd.CountTiles(), 20);
    for (const auto& [kind, n] : KindCounts(odd))
        EXPECT_EQ(n, 2) << "kind " << kind;
    ExpectPlaysToEmpty(odd, plan, "10 kinds on 7x3");

    TestBoard sparse(11, 4, 5); // 20 / 11 = 1, lowered to 0: nothing is dealt
    CTilePairList none;
    sparse.Deal(none);
    EXPECT_EQ(sparse.CountTiles(), 0);
    EXPECT_TRUE(none.empty());
}

TEST_F(FixedSeed, SameSeedSameBoard)
{
    g_seed = 1234;
    TestBoard a(36, 18, 8), b(36, 18, 8);
    CTilePairList pa, pb;
    a.Deal(pa);
    b.Deal(pb);
    EXPECT_TRUE(SameGrid(a, b));
    g_seed = 1235;
    TestBoard c(36, 18, 8);
    CTilePairList pc;
    c.Deal(pc);
    EXPECT_FALSE(SameGrid(a, c));
}

// A deal number gives the same board on every machine and in every version:
// these boards were dealt once and must never change.
TEST(Deal, NumberedDealsArePinned)
{
    const struct {
        Size size;
        std::uint32_t number;
        std::uint64_t hash; // FNV-1a of the rows as text
    } cases[] = {
        {{20, 10, 8, 4}, 0, 16928559237404568757ull},
        {{20, 10, 8, 4}, 4294967295u, 1640020466943361025ull},
        {{40, 20, 16, 8}, 1700000000u, 14834931860417235687ull},
        {{45, 18, 10, 4}, 12345u, 7952842691307769317ull},
    };
    for (const auto& c : cases) {
        TestBoard b(c.size.kinds, c.size.width, c.size.height);
        CTilePairList plan;
        b.Deal(plan, c.number);
        std::uint64_t hash = 14695981039346656037ull;
        for (const std::string& row : b.Rows())
            for (char ch : row + "/")
                hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
        EXPECT_EQ(hash, c.hash) << Label(c.size, c.number) << ": " << ::testing::PrintToString(b.Rows());
    }
}

TEST(Deal, GravityDealsStandPackedAndTheSolverClearsThem)
{
    std::vector<Size> sizes(std::begin(kOffered), std::end(kOffered));
    sizes.push_back({10, 7, 3, 2}); // one cell stays empty, at the top of a column
    for (const Size& s : sizes) {
        const std::uint32_t number = 20261209u + s.width * s.height;
        const std::string label = Label(s, number) + " gravity";
        TestBoard b(s.kinds, s.width, s.height);
        CTilePairList plan, solution;
        b.SetGravity(true);
        b.Deal(plan, number);
        for (int c = 1; c <= s.width; ++c)
            for (int r = 2; r <= s.height; ++r)
                EXPECT_FALSE(b.GetCell(c, r).kind == -1 && b.GetCell(c, r - 1).kind != -1) << label << " gap " << c;
        EXPECT_EQ(b.CountTiles(), s.kinds * s.perKind) << label;
        for (const auto& [kind, n] : KindCounts(b))
            EXPECT_EQ(n, s.perKind) << label << " kind " << kind;
        b.Solve(solution);
        ASSERT_FALSE(solution.empty()) << label;
        ExpectPlaysToEmpty(b, {solution.rbegin(), solution.rend()}, label + " by the solver");
    }
}

TEST(Deal, DealOfTheDayIsTheDateInDigits)
{
    // Year, month, day, and the number; 77 where no date is named and the number stays.
    const int cases[][4] = {{2026, 12, 9, 20261209}, {1, 1, 1, 10101}, {9999, 12, 31, 99991231}, {2026, 0, 9, 77},
                            {2026, 13, 1, 77}, {2026, 12, 0, 77}, {2026, 12, 32, 77}, {0, 5, 5, 77}, {10000, 1, 1, 77}};
    for (const auto& c : cases) {
        std::uint32_t number = 77;
        EXPECT_EQ(DealOfTheDay(c[0], c[1], c[2], number), c[3] != 77) << c[0] << "-" << c[1] << "-" << c[2];
        EXPECT_EQ(number, static_cast<std::uint32_t>(c[3])) << c[0] << "-" << c[1] << "-" << c[2];
    }
}

TEST(Deal, NumbersAreDigitsFrom0To4294967295)
{
    const struct {
        const char* text;
        bool valid;
        std::uint32_t number;
    } cases[] = {
        {"0", true, 0},           {"4294967295", true, 4294967295u}, {"00000000007", true, 7},
        {"", false, 0},           {"4294967296", false, 0},          {"99999999999", false, 0},
        {"-1", false, 0},         {"+5", false, 0},                  {"12 3", false, 0},
        {" 12", false, 0},        {"12a", false, 0},                 {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        std::uint32_t number = 77;
        EXPECT_EQ(ParseDealNumber(c.text, number), c.valid) << '"' << c.text << '"';
        EXPECT_EQ(number, c.valid ? c.number : 77u) << '"' << c.text << '"';
    }
}

TEST(Deal, NeedsTilePictures)
{
    CMahjongBoard board;
    CTilePairList plan;
    EXPECT_THROW(board.Deal(plan), HAVENOTTILES);
    EXPECT_EQ(board.CountTiles(), 0);
}

TEST_F(FixedSeed, ShuffleKeepsTheOccupiedCellsAndKinds)
{
    g_seed = 9;
    TestBoard b({"AB.C", "..CD", "DA.B"});
    const auto before = KindCounts(b);
    b.ShuffleRemaining();
    EXPECT_EQ(KindCounts(b), before);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(b.GetCell(c, r).kind == -1, TestBoard({"AB.C", "..CD", "DA.B"}).GetCell(c, r).kind == -1)
                << c << "," << r;

    b.SwapKinds(3, 1, 1, 1);
    EXPECT_EQ(b.GetCell(3, 1).kind, -1) << "an empty cell takes part in no swap";
    TestBoard s({"AB"});
    s.SwapKinds(1, 1, 2, 1);
    EXPECT_EQ(s.Rows(), std::vector<std::string>{"BA"});
}

TEST(Shuffle, MixesTheKindsLeftIntoABoardTheSolverClears)
{
    const struct {
        const char* label;
        bool gravity, mixes;
        std::vector<std::string> rows;
    } cases[] = {
        {"stuck", false, true, {"AB", "BA"}},
        {"stuck under gravity", true, true, {"AB", "BA"}},
        {"scattered tiles", false, true, {"A.BC.", "..DA.", "CB..D"}},
        {"packed columns under gravity", true, true, {".A...", "BCD.E", "DBCAE"}},
        {"one tile", true, false, {".A."}},
        {"a kind left three times", false, false, {"AAB", "AB."}},
    };
    for (const auto& c : cases) {
        TestBoard b(c.rows), again(c.rows);
        b.SetGravity(c.gravity);
        again.SetGravity(c.gravity);
        b.PushUndo(1, 1, 2, 1);
        ASSERT_EQ(b.Shuffle(), c.mixes) << c.label;
        EXPECT_EQ(b.UndoTop(), c.mixes ? -1 : 0) << c.label << ": the history";
        EXPECT_EQ(KindCounts(b), KindCounts(again)) << c.label;
        for (int col = 1; col <= b.GetWidth(); ++col)
            for (int row = 1; row <= b.GetHeight(); ++row)
                EXPECT_EQ(b.GetCell(col, row).kind == -1, again.GetCell(col, row).kind == -1) << c.label;
        EXPECT_EQ(b.Rows() == c.rows, !c.mixes) << c.label;
        if (!c.mixes)
            continue;
        again.Shuffle();
        EXPECT_EQ(again.Rows(), b.Rows()) << c.label << ": the same generator mixes the same way";
        CTilePairList solution;
        b.Solve(solution);
        ASSERT_FALSE(solution.empty()) << c.label << ": " << ::testing::PrintToString(b.Rows());
        ExpectPlaysToEmpty(b, {solution.rbegin(), solution.rend()}, c.label);
    }
}

TEST(Solver, FindAllPairsListsBothOrdersInRowOrder)
{
    TestBoard b({"ABBA",
                 "CDDC"});
    CTilePairList pairs;
    pairs.push_back({9, 9, 9, 9, 9}); // emptied first
    b.FindAllPairs(pairs);
    std::vector<std::string> got;
    for (const CTilePair& p : pairs)
        got.push_back(std::to_string(p.col1) + std::to_string(p.row1) + "-" + std::to_string(p.col2) +
                      std::to_string(p.row2));
    // The As link through the margin row above, the Cs through the one below.
    const std::vector<std::string> expected = {"11-41", "21-31", "31-21", "41-11",
                                               "12-42", "22-32", "32-22", "42-12"};
    EXPECT_EQ(got, expected);
}

TEST(Solver, SolvesAndLeavesTheBoardAsItWas)
{
    struct Case {
        const char* label;
        std::vector<std::string> rows;
        std::size_t pairs; // 0: no solution
        int calls;         // search steps taken, or -1 when not checked
    };
    const Case cases[] = {
        {"empty board", {"...."}, 0, 1},
        {"one pair", {"A..A"}, 1, 2},
        {"nested pairs", {"ABBA"}, 2, 3},
        {"only move leads to a dead end", {"AABC", "..CB"}, 0, -1},
        {"no move at all", {"AB", "BA"}, 0, 1},
        {"more search than allowed", {"CDEEFFGGHH", "DCIIJJKKLL"}, 0, -1},
    };
    for (const Case& c : cases) {
        TestBoard b(c.rows);
        b.ToggleSelection(b.CellFromPoint(TestBoard::CentreX(1), TestBoard::CentreY(1)));
        b.PushUndo(1, 1, 2, 1);
        const TestBoard copy(c.rows);
        const int selCol = b.GetSelCol(), undoTop = b.UndoTop();

        CTilePairList solution;
        solution.push_back({1, 1, 1, 1, 0});
        b.Solve(solution);
        EXPECT_EQ(solution.size(), c.pairs) << c.label;
        if (c.calls >= 0) {
            EXPECT_EQ(b.SolveCalls(), c.calls) << c.label;
        }
        EXPECT_TRUE(SameGrid(b, copy)) << c.label;
        EXPECT_EQ(b.GetSelCol(), selCol) << c.label;
        EXPECT_EQ(b.UndoTop(), undoTop) << c.label;

        // The solution is in reverse order of play: its last pair comes first.
        const std::vector<CTilePair> play(solution.rbegin(), solution.rend());
        if (!play.empty())
            ExpectPlaysToEmpty(b, play, c.label);
    }
}

TEST(Solver, GivesUpAfterAThousandSteps)
{
    // Eight free pairs beside a block that can never be cleared: every order of
    // the free pairs is tried, far more than the search may take.
    TestBoard b({"CDEEFFGGHH", "DCIIJJKKLL"});
    CTilePairList solution;
    b.Solve(solution);
    EXPECT_TRUE(solution.empty());
    EXPECT_GT(b.SolveCalls(), 1000) << "steps past the limit are counted and fail at once";

    // The same free pairs without the blocked core are solved within the limit.
    TestBoard free({"..EEFFGGHH", "..IIJJKKLL"});
    free.Solve(solution);
    EXPECT_EQ(solution.size(), 8u);
    EXPECT_EQ(free.SolveCalls(), 9);
}

TEST_F(FixedSeed, SolutionsOfDealtBoardsReplay)
{
    int solved = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        g_seed = seed;
        TestBoard b(20, 10, 8);
        CTilePairList plan, solution;
        b.Deal(plan);
        b.Solve(solution);
        if (solution.empty())
            continue;
        ++solved;
        ExpectPlaysToEmpty(b, std::vector<CTilePair>(solution.rbegin(), solution.rend()),
                           "10x8 seed " + std::to_string(seed));
    }
    EXPECT_GT(solved, 0) << "the solver found none of six small deals";
}

} // namespace
