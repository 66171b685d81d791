#include "shell/BestResults.h"

#include "framework/String.h"
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
