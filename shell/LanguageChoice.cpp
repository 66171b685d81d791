#include "shell/LanguageChoice.h"

#include "board/Languages.h"
#include "framework/Language.h"
#include "view/Settings.h"

#include <string>

namespace {
// Longer than any name the game writes: a longer text counts as damaged.
constexpr std::size_t kLanguageChars = 16;

std::string StoredTag()
{
    std::string tag;
    return ReadSettingText("Language", tag, kLanguageChars) ? tag : std::string();
}
} // namespace

void TakeLanguageSetting()
{
    AfxSetResourceLanguage(LanguageInForce(StoredTag(), AfxPreferredUILanguages()).nLangId);
}

int ChosenLanguage()
{
    return StoredLanguage(StoredTag());
}

void ChooseLanguage(int nLanguage)
{
    WriteSetting("Language", nLanguage >= 0 && nLanguage < kLanguageCount ? kLanguages[nLanguage].lpszTag : "");
    TakeLanguageSetting();
}
