#include "shell/RecordStore.h"

#include "framework/String.h"
#include "view/BoardSizes.h"
#include "view/Settings.h"

#include <climits>
#include <cstdlib>

unsigned ReadBestTime(const std::string& key)
{
    std::string text;
    if (!ReadSettingText(key.c_str(), text, 19))
        return 0;
    // As the runtime reads a number, without its overflow: a leading number, or 0.
    const long long seconds = std::strtoll(text.c_str(), nullptr, 10);
    return seconds > 0 && seconds <= INT_MAX ? static_cast<unsigned>(seconds) : 0;
}

unsigned ReadBestResult(const std::string& key, std::string& name)
{
    std::string holder;
    if (ReadSettingText((key + "\\Name").c_str(), holder))
        name = FirstCharacters(holder, 19);
    return ReadBestTime(key);
}

void ClearBestResult(const std::string& key)
{
    WriteSetting(key.c_str(), "0");
    WriteSetting((key + "\\Name").c_str(), "");
}

namespace {
std::string StatisticsKey(const std::string& key)
{
    return "Statistics\\" + key;
}
} // namespace

CGameRecord ReadGameRecord(const std::string& key)
{
    std::array<std::optional<std::string>, 6> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string text;
        if (ReadSettingValue(StatisticsKey(key).c_str(), kRecordNames[i], text, 19))
            texts[i] = text;
    }
    return ParseGameRecord(texts);
}

void WriteGameRecord(const std::string& key, const CGameRecord& record)
{
    for (std::size_t i = 0; i < kRecordNames.size(); ++i)
        WriteSettingValue(StatisticsKey(key).c_str(), kRecordNames[i], std::to_string(record.Get(static_cast<int>(i))));
}

void ClearGameRecords()
{
    for (const CBoardSize& size : kBoardSizes)
        for (const bool bGravity : {false, true})
            WriteGameRecord(RecordKey(size, bGravity), {});
}
