#include "view/Settings.h"

#include "framework/String.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
constexpr wchar_t kRoot[] = L"Software\\Kestova\\Morvane";

std::wstring KeyPath(const char* lpszName)
{
    return kRoot + (L'\\' + Wide(lpszName));
}
} // namespace

namespace {
// A text value read through query(buffer, bytes), which asked with no buffer
// tells the room the value takes in bytes.
template <typename Query>
bool ReadText(Query query, std::string& text, std::size_t maxChars)
{
    LONG bytes = 0;
    if (query(nullptr, &bytes) != ERROR_SUCCESS)
        return false;
    // A value larger than first reported (it grew, or the size was not its
    // whole) is read again with the room it asks for.
    std::vector<wchar_t> buffer;
    LONG result = ERROR_MORE_DATA;
    for (int tries = 0; result == ERROR_MORE_DATA && tries < 8; ++tries) {
        buffer.assign(std::max<std::size_t>(bytes / sizeof(wchar_t) + 1, buffer.size() * 2), L'\0');
        bytes = static_cast<LONG>(buffer.size() * sizeof(wchar_t));
        result = query(buffer.data(), &bytes);
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
} // namespace

bool ReadSettingText(const char* lpszName, std::string& text, std::size_t maxChars)
{
    const std::wstring key = KeyPath(lpszName);
    return ReadText([&](wchar_t* buffer, LONG* bytes) { return ::RegQueryValueW(HKEY_CURRENT_USER, key.c_str(), buffer, bytes); },
                    text, maxChars);
}

bool ReadSettingValue(const char* lpszKey, const char* lpszValue, std::string& text, std::size_t maxChars)
{
    const std::wstring key = KeyPath(lpszKey), value = Wide(lpszValue);
    return ReadText(
        [&](wchar_t* buffer, LONG* bytes) {
            DWORD size = static_cast<DWORD>(*bytes);
            const LONG result =
                ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size);
            *bytes = static_cast<LONG>(size);
            return result;
        },
        text, maxChars);
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

void WriteSettingValue(const char* lpszKey, const char* lpszValue, const std::string& text)
{
    const std::wstring wide = Wide(text);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, KeyPath(lpszKey).c_str(), Wide(lpszValue).c_str(), REG_SZ, wide.c_str(),
                      static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

bool ReadSettingBytes(const char* lpszValue, void* pData, std::size_t nSize)
{
    // A longer value does not fit the buffer, and a shorter one is told by its size.
    DWORD size = static_cast<DWORD>(nSize);
    return ::RegGetValueW(HKEY_CURRENT_USER, kRoot, Wide(lpszValue).c_str(), RRF_RT_REG_BINARY, nullptr, pData,
                          &size) == ERROR_SUCCESS &&
           size == nSize;
}

void WriteSettingBytes(const char* lpszValue, const void* pData, std::size_t nSize)
{
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kRoot, Wide(lpszValue).c_str(), REG_BINARY, pData, static_cast<DWORD>(nSize));
}

void DeleteSettingKey(const char* lpszKey)
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath(lpszKey).c_str());
}
