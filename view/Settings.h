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
// The text of the value lpszValue of key lpszKey below the store's root: as
// ReadSettingText, for the records kept in values of their own names.
bool ReadSettingValue(const char* lpszKey, const char* lpszValue, std::string& text,
                      std::size_t maxChars = std::string::npos);
// Stores the text as setting lpszName, making its key when it is missing.
// A failed write goes unnoticed, as the game has no use for knowing.
void WriteSetting(const char* lpszName, const std::string& text);
void WriteSettingValue(const char* lpszKey, const char* lpszValue, const std::string& text);
// The bytes of value lpszValue of the store's root key: false unless it is
// binary and exactly nSize bytes long.
bool ReadSettingBytes(const char* lpszValue, void* pData, std::size_t nSize);
void WriteSettingBytes(const char* lpszValue, const void* pData, std::size_t nSize);
// Removes key lpszKey below the store's root, with all it holds.
void DeleteSettingKey(const char* lpszKey);
