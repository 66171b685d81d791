#include "view/Settings.h"

#include "framework/String.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
std::wstring KeyPath(const char* lpszName)
{
    return Wide(std::string("Software\\Kestova\\Morvane\\") + lpszName);
}
} // namespace

bool ReadSettingText(const char* lpszName, std::string& text, std::size_t maxChars)
{
    const std::wstring key = KeyPath(lpszName);
    LONG bytes = 0;
    if (::RegQueryValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, &bytes) != ERROR_SUCCESS)
        return false;
    // A value larger than first reported (it grew, or the size was not its
    // whole) is read again with the room it asks for.
    std::vector<wchar_t> buffer;
    LONG result = ERROR_MORE_DATA;
    for (int tries = 0; result == ERROR_MORE_DATA && tries < 8; ++tries) {
        buffer.assign(std::max<std::size_t>(bytes / sizeof(wchar_t) + 1, buffer.size() * 2), L'\0');
        bytes = static_cast<LONG>(buffer.size() * sizeof(wchar_t));
        result = ::RegQueryValueW(HKEY_CURRENT_USER, key.c_str(), buffer.data(), &bytes);
    }
    if (result != ERROR_SUCCESS)
        return false;
    buffer.back() = L'\0'; // a value stored without its end
    const std::string value = Utf8(buffer.data());
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
    const std::wstring wide = Wide(text);
    ::RegSetValueW(HKEY_CURRENT_USER, KeyPath(lpszName).c_str(), REG_SZ, wide.c_str(),
                   static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}
