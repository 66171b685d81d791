#include "board/Languages.h"

#include <gtest/gtest.h>

namespace {
struct LanguageCase {
    const char* label;
    const char* setting;
    std::vector<std::string> preferred;
    const char* expected;
};

const LanguageCase kCases[] = {
    {"nothing stored, nothing preferred", "", {}, "en-US"},
    {"a stored choice wins over Windows'", "de-DE", {"fr-FR"}, "de-DE"},
    {"a stored choice in other letter case", "PT-br", {}, "pt-BR"},
    {"the pseudo-language only by its name", "qps-ploc", {"ja-JP"}, "qps-ploc"},
    {"an unknown stored name is Windows' choice", "xx-YY", {"it-IT"}, "it-IT"},
    {"a damaged stored name is Windows' choice", "de-DE\x01", {"pl-PL"}, "pl-PL"},
    {"a language alone is not a stored choice", "de", {}, "en-US"},
    {"regional variants fall back to their language", "", {"de-AT"}, "de-DE"},
    {"Portuguese of Portugal", "", {"pt-PT"}, "pt-BR"},
    {"the first the program has, in the player's order", "", {"nl-NL", "sv-SE", "ru-RU", "de-DE"}, "ru-RU"},
    {"traditional Chinese is not simplified", "", {"zh-TW", "zh-Hant-HK", "zh-Hant", "ja-JP"}, "ja-JP"},
    {"simplified Chinese by region or script", "", {"zh-Hans-SG"}, "zh-CN"},
    {"Chinese of China", "", {"zh-CN"}, "zh-CN"},
    {"underscores as in some stored names", "", {"fr_BE"}, "fr-FR"},
    {"no language the program has", "", {"nl-NL", "ko-KR"}, "en-US"},
    {"an empty preference is skipped", "", {"", "it-CH"}, "it-IT"},
};

TEST(Languages, InForce)
{
    for (const LanguageCase& c : kCases)
        EXPECT_STREQ(c.expected, LanguageInForce(c.setting, c.preferred).lpszTag) << c.label;
}
} // namespace
