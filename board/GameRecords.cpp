#include "GameRecords.h"

#include <algorithm>

namespace {
// Adds n to a count, which stops at its largest value.
void Add(std::int32_t& count, std::int64_t n)
{
    count = static_cast<std::int32_t>(std::min<std::int64_t>(count + n, CGameRecord::kMaxCount));
}

bool ParseCount(const std::string& text, std::int32_t& count)
{
    std::int64_t value = 0;
    for (const char ch : text)
        if (ch < '0' || ch > '9' || (value = value * 10 + (ch - '0')) > CGameRecord::kMaxCount)
            return false;
    count = static_cast<std::int32_t>(value);
    return !text.empty();
}
} // namespace

CGameRecord ParseGameRecord(const std::array<std::optional<std::string>, 6>& texts)
{
    CGameRecord record;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!texts[i] || !ParseCount(*texts[i], record.values[i]))
            return {};
    const bool consistent = record.Won() <= record.Played() && record.WonUnaided() <= record.Won() &&
                            record.Streak() <= record.LongestStreak() && record.LongestStreak() <= record.Won() &&
                            (record.Won() > 0 || record.WinSeconds() == 0);
    return consistent ? record : CGameRecord{};
}

bool CountPairGone(CGameMarks& marks, CGameRecord& record)
{
    if (marks.bCounted)
        return false;
    marks.bCounted = true;
    Add(record.Played(), 1);
    return true;
}

void CountWin(CGameMarks& marks, CGameRecord& record, std::uint32_t seconds)
{
    if (marks.bWon)
        return;
    marks.bWon = true;
    Add(record.Won(), 1);
    if (!marks.bAided)
        Add(record.WonUnaided(), 1);
    Add(record.Streak(), 1);
    record.LongestStreak() = std::max(record.LongestStreak(), record.Streak());
    Add(record.WinSeconds(), seconds);
}

bool CountLeft(const CGameMarks& marks, CGameRecord& record)
{
    if (!marks.bCounted)
        return false;
    record.Streak() = 0;
    return true;
}
