#include "view/Settings.h"

#include "framework/String.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {
std::string KeyPath(const char* lpszName)
{
    return std::string("Software\\Kestova\\Morvane\\") + lpszName;
}
} // namespace

bool ReadSettingText(const char* lpszName, std::string& text, std::size_t maxChars)
{
    const std::string key = KeyPath(lpszName);
    LONG size = 0;
    if (::RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    LONG got = static_cast<LONG>(buffer.size());
    if (::RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), buffer.data(), &got) != ERROR_SUCCESS)
        return false;
    std::string value(buffer.data());
    if (CharacterCount(value) > maxChars)
        return false;
    text = value;
    return true;
}

bool ReadSettingNumber(const char* lpszName, int& value)
{
    std::string text;
    if (!ReadSettingText(lpszName, text))
        return false;
    value = std::atoi(text.c_str());
    return true;
}

bool ReadTileSetFile(std::string& path)
{
    return ReadSettingText("TileSet\\FName", path, 499);
}

void WriteSetting(const char* lpszName, const std::string& text)
{
    ::RegSetValueA(HKEY_CURRENT_USER, KeyPath(lpszName).c_str(), REG_SZ, text.c_str(),
                   static_cast<DWORD>(text.size() + 1));
}
