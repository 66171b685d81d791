#pragma once
// The settings store: below HKEY_CURRENT_USER\Software\Kestova\Morvane, one key
// per setting, whose default value holds the setting as text. Numbers are
// decimal text; text that is no number reads as 0.

#include <cstddef>
#include <string>

// The text of setting lpszName (a key path below the store's root); false
// when the key is absent or its text has more than maxChars characters.
bool ReadSettingText(const char* lpszName, std::string& text, std::size_t maxChars = std::string::npos);
// The number stored as setting lpszName; false (value untouched) when absent.
bool ReadSettingNumber(const char* lpszName, int& value);
// The player's own tile picture (TileSet\FName): a path of at most 499
// characters; a longer stored text counts as absent.
bool ReadTileSetFile(std::string& path);
// Stores the text as setting lpszName, making its key when it is missing.
// A failed write goes unnoticed, as the game has no use for knowing.
void WriteSetting(const char* lpszName, const std::string& text);
