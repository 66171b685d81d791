#include "framework/String.h"

#include "framework/App.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

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

BOOL CString::LoadString(UINT nID)
{
    // With no buffer, LoadStringW hands out the table's own counted text.
    const wchar_t* wide = nullptr;
    const int n = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&wide), 0);
    const int bytes = n > 0 ? ::WideCharToMultiByte(CP_ACP, 0, wide, n, nullptr, 0, nullptr, nullptr) : 0;
    m_text.assign(bytes, '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide, n, m_text.data(), bytes, nullptr, nullptr);
    return bytes > 0;
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
