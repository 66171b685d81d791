#pragma once
// The player's language: the setting Language (a language's name, empty for
// Windows' choice), taken at start and at once when the player chooses.

// Puts the language in force for every text, menu and dialog fetched from now on.
void TakeLanguageSetting();
// The language chosen in the menu: an index of kLanguages, or -1 for Windows' choice.
int ChosenLanguage();
void ChooseLanguage(int nLanguage);
