#include "framework/String.h"

#include "framework/App.h"

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
