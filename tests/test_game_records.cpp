// The statistics of a board size: the counting of events, and stored texts
// that are damaged or at odds with each other.

#include "board/GameRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Values = std::array<std::int32_t, 6>; // played, won, unaided, streak, longest, seconds

// Plays a script of events on one size's record, a game at a time:
// 'p' a pair goes, 'h' a helper is used, 'w' the last pair goes (after 100 s),
// 'l' the game is left with tiles, '|' the next game starts.
Values Play(const std::string& script, CGameRecord record = {})
{
    CGameMarks marks;
    for (const char event : script)
        switch (event) {
        case 'p': CountPairGone(marks, record); break;
        case 'h': marks.bAided = true; break;
        case 'w': CountPairGone(marks, record), CountWin(marks, record, 100); break;
        case 'l': CountLeft(marks, record); break;
        case '|': marks = {}; break;
        }
    return record.values;
}

TEST(GameRecords, CountGamesWinsStreaksAndTimes)
{
    CGameRecord nearlyFull;
    nearlyFull.values = {CGameRecord::kMaxCount, 5, 5, 5, 5, CGameRecord::kMaxCount - 50};
    const struct {
        const char* script;
        Values expected;
        CGameRecord start;
    } cases[] = {
        {"", {0, 0, 0, 0, 0, 0}, {}},
        {"l|", {0, 0, 0, 0, 0, 0}, {}},                   // left before any pair: not played
        {"ppppl|", {1, 0, 0, 0, 0, 0}, {}},              // played once however many pairs
        {"pw|pw|phw|", {3, 3, 2, 3, 3, 300}, {}},        // a helped win is no unaided one
        {"pw|pw|pl|pw|", {4, 3, 3, 1, 2, 300}, {}},      // a loss ends the streak
        {"hl|pw|", {1, 1, 1, 1, 1, 100}, {}},            // help in a game never played
        {"pww|", {1, 1, 1, 1, 1, 100}, {}},              // a win undone and redone counts once
        {"pw|", {CGameRecord::kMaxCount, 6, 6, 6, 6, CGameRecord::kMaxCount}, nearlyFull},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Play(c.script, c.start), c.expected) << c.script;
}

TEST(GameRecords, DamagedOrContradictoryTextsReadAsZero)
{
    using Texts = std::array<std::optional<std::string>, 6>;
    const struct {
        const char* label;
        Texts texts;
        Values expected;
    } cases[] = {
        {"whole", {"5", "3", "2", "1", "2", "400"}, {5, 3, 2, 1, 2, 400}},
        {"the largest", {"2147483647", "0", "0", "0", "0", "0"}, {2147483647, 0, 0, 0, 0, 0}},
        {"one missing", {"5", "3", "2", "1", std::nullopt, "400"}, {}},
        {"not a number", {"5", "3x", "2", "1", "2", "400"}, {}},
        {"negative", {"5", "3", "2", "-1", "2", "400"}, {}},
        {"too large", {"2147483648", "3", "2", "1", "2", "400"}, {}},
        {"empty", {"5", "3", "", "1", "2", "400"}, {}},
        {"more won than played", {"2", "3", "2", "1", "2", "400"}, {}},
        {"more unaided than won", {"5", "3", "4", "1", "2", "400"}, {}},
        {"streak over its longest", {"5", "3", "2", "3", "2", "400"}, {}},
        {"time without a win", {"5", "0", "0", "0", "0", "400"}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseGameRecord(c.texts).values, c.expected) << c.label;
}

} // namespace
