#pragma once
// The statistics of a board size and the rules that count them: a game counts
// as played when its first pair goes, as won when its last pair goes, as won
// unaided when no helper, no replay of the solver and no restart was used in
// it, and as lost when it is left with tiles on the board after its first
// pair went. Streak is the wins since the last loss.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct CGameRecord {
    static constexpr std::int32_t kMaxCount = 2147483647; // counts stop here

    // In the order of kRecordNames.
    std::array<std::int32_t, 6> values{};
    std::int32_t& Played() { return values[0]; }
    std::int32_t& Won() { return values[1]; }
    std::int32_t& WonUnaided() { return values[2]; }
    std::int32_t& Streak() { return values[3]; }
    std::int32_t& LongestStreak() { return values[4]; }
    std::int32_t& WinSeconds() { return values[5]; } // the sum of the winning times
    std::int32_t Get(int i) const { return values[static_cast<std::size_t>(i)]; }
};

// The names the values are stored under, as decimal text each.
inline constexpr std::array<const char*, 6> kRecordNames = {"Played", "Won", "WonUnaided",
                                                           "Streak", "LongestStreak", "WinSeconds"};

// The record from its stored texts (missing: nullopt). A text that is missing,
// not a decimal number, negative or too large, or counts at odds with each
// other (more won than played, a streak longer than the wins...), make the
// whole record read as zero.
CGameRecord ParseGameRecord(const std::array<std::optional<std::string>, 6>& texts);

// What is known of the game in play for its counting.
struct CGameMarks {
    bool bCounted = false; // its first pair went: counted as played
    bool bAided = false;   // a helper, the solver's replay or Restart was used
    bool bWon = false;     // its last pair went: counted as won
};

// A pair went: the first one counts the game as played. True when it was the first.
bool CountPairGone(CGameMarks& marks, CGameRecord& record);
// The last pair went after seconds on the game clock: a win, counted once.
void CountWin(CGameMarks& marks, CGameRecord& record, std::uint32_t seconds);
// A game left, or replaced, with tiles on the board: a loss once it was played.
bool CountLeft(const CGameMarks& marks, CGameRecord& record);
