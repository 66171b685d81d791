#pragma once
// The languages the program speaks, and which of them is in force: the one the
// player chose, else the first of the user's preferred languages that the
// program has, a regional variant standing for its language, else English.

#include <string>
#include <string_view>
#include <vector>

struct CLanguage {
    const char* lpszTag;     // the name stored in the setting Language
    unsigned short nLangId;  // Windows' language id of its resources
};

// English first, then the translations in the order of the menu.
inline constexpr CLanguage kLanguages[] = {
    {"en-US", 0x0409}, {"de-DE", 0x0407}, {"fr-FR", 0x040C}, {"es-ES", 0x0C0A}, {"it-IT", 0x0410},
    {"pt-BR", 0x0416}, {"pl-PL", 0x0415}, {"ru-RU", 0x0419}, {"ja-JP", 0x0411}, {"zh-CN", 0x0804},
};
inline constexpr int kLanguageCount = sizeof kLanguages / sizeof kLanguages[0];

// Every English text accented, longer and in brackets: chosen only by name, to
// show a text left out of the resources or a layout that cannot grow.
inline constexpr CLanguage kPseudoLanguage = {"qps-ploc", 0x0501};

// The language whose tag is stored, or -1 for Windows' choice (empty, unknown
// or damaged). kLanguageCount stands for the pseudo-language.
int StoredLanguage(std::string_view setting);

// The first of the user's preferred languages ("de-AT", "zh-Hant-TW", ...)
// that the program has, else English (0).
int PreferredLanguage(const std::vector<std::string>& preferred);

// The language in force: the stored one, else the preferred one.
const CLanguage& LanguageInForce(std::string_view setting, const std::vector<std::string>& preferred);
