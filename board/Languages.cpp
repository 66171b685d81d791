#include "board/Languages.h"

#include <algorithm>
#include <cctype>

namespace {
std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// "zh-Hant-TW" -> {"zh", "hant", "tw"}; '_' counts as '-'.
std::vector<std::string> Subtags(std::string_view tag)
{
    std::vector<std::string> parts(1);
    for (const char c : Lower(tag)) {
        if (c == '-' || c == '_')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Chinese in traditional letters is another written language than the simplified one.
bool TraditionalChinese(const std::vector<std::string>& parts)
{
    for (const std::string& part : parts) {
        if (part == "hant" || part == "tw" || part == "hk" || part == "mo")
            return true;
        if (part == "hans")
            return false;
    }
    return false;
}
} // namespace

int StoredLanguage(std::string_view setting)
{
    const std::string lower = Lower(setting);
    for (int i = 0; i < kLanguageCount; ++i) {
        if (lower == Lower(kLanguages[i].lpszTag))
            return i;
    }
    return lower == kPseudoLanguage.lpszTag ? kLanguageCount : -1;
}

int PreferredLanguage(const std::vector<std::string>& preferred)
{
    for (const std::string& tag : preferred) {
        const std::vector<std::string> parts = Subtags(tag);
        if (parts[0] == "zh" && TraditionalChinese(parts))
            continue;
        for (int i = 0; i < kLanguageCount; ++i) {
            if (parts[0] == Subtags(kLanguages[i].lpszTag)[0])
                return i;
        }
    }
    return 0;
}

const CLanguage& LanguageInForce(std::string_view setting, const std::vector<std::string>& preferred)
{
    const int stored = StoredLanguage(setting);
    if (stored == kLanguageCount)
        return kPseudoLanguage;
    return kLanguages[stored >= 0 ? stored : PreferredLanguage(preferred)];
}
