#include "framework/String.h"

#include "framework/App.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwchar>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    m_text.assign(n > 0 ? n : 0, '\0');
    if (n > 0)
        std::vsnprintf(m_text.data(), m_text.size() + 1, format, again);
    va_end(again);
}

namespace {
bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; // not a continuation byte
}
} // namespace

std::string FirstCharacters(const std::string& text, std::size_t nChars)
{
    std::size_t n = 0, end = 0;
    while (end < text.size() && (!StartsCharacter(text[end]) || n++ < nChars))
        ++end;
    return text.substr(0, end);
}

std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::wstring Wide(const std::string& text)
{
    const int n = static_cast<int>(text.size());
    std::wstring wide(n ? ::MultiByteToWideChar(CP_UTF8, 0, text.data(), n, nullptr, 0) : 0, L'\0');
    if (!wide.empty())
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), n, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(const wchar_t* text, int nChars)
{
    if (!text)
        return {};
    if (nChars < 0)
        nChars = static_cast<int>(std::wcslen(text));
    std::string utf8(nChars ? ::WideCharToMultiByte(CP_UTF8, 0, text, nChars, nullptr, 0, nullptr, nullptr) : 0, '\0');
    if (!utf8.empty())
        ::WideCharToMultiByte(CP_UTF8, 0, text, nChars, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}
