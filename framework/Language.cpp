#include "framework/Language.h"

#include "framework/App.h"

namespace {
LANGID g_nLangId = kEnglishLangId;

HRSRC FindIn(LANGID nLangId, LPCWSTR lpszName, LPCWSTR lpszType)
{
    return ::FindResourceExW(AfxGetResourceHandle(), lpszType, lpszName, nLangId);
}

// The string nID of one language's table; empty when that language has none.
std::wstring_view StringOf(LANGID nLangId, UINT nID)
{
    // A table is kept in blocks of 16 counted strings, block n holding the ids 16 (n - 1) to 16 n - 1.
    const HINSTANCE hInst = AfxGetResourceHandle();
    const HRSRC hRes = FindIn(nLangId, MAKEINTRESOURCEW(nID / 16 + 1), MAKEINTRESOURCEW(6)); // RT_STRING
    const HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const auto* p = static_cast<const WCHAR*>(hData ? ::LockResource(hData) : nullptr);
    if (!p)
        return {};
    const WCHAR* end = p + ::SizeofResource(hInst, hRes) / sizeof(WCHAR);
    for (UINT i = 0; p < end; ++i) {
        const std::size_t n = *p++;
        if (n > static_cast<std::size_t>(end - p))
            return {};
        if (i == nID % 16)
            return {p, n};
        p += n;
    }
    return {};
}
} // namespace

void AfxSetResourceLanguage(LANGID nLangId)
{
    g_nLangId = nLangId;
}

LANGID AfxGetResourceLanguage()
{
    return g_nLangId;
}

HRSRC AfxFindResource(LPCWSTR lpszName, LPCWSTR lpszType)
{
    if (const HRSRC hRes = FindIn(g_nLangId, lpszName, lpszType))
        return hRes;
    if (const HRSRC hRes = FindIn(kEnglishLangId, lpszName, lpszType))
        return hRes;
    return ::FindResourceW(AfxGetResourceHandle(), lpszName, lpszType);
}

BOOL CString::LoadString(UINT nID)
{
    std::wstring_view text = StringOf(g_nLangId, nID);
    if (text.empty())
        text = StringOf(kEnglishLangId, nID);
    m_text = Utf8(text.data(), static_cast<int>(text.size()));
    return !m_text.empty();
}

std::vector<std::string> AfxPreferredUILanguages()
{
    // A list of names, each ending in a null, the whole in a second one.
    ULONG nLanguages = 0, nChars = 0;
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &nLanguages, nullptr, &nChars) || nChars == 0)
        return {};
    std::wstring names(nChars, L'\0');
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &nLanguages, names.data(), &nChars))
        return {};
    std::vector<std::string> languages;
    for (const wchar_t* p = names.c_str(); *p; p += std::wcslen(p) + 1)
        languages.push_back(Utf8(p));
    return languages;
}

CString AfxLoadText(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

CString AfxFormatString(UINT nID, std::initializer_list<std::string_view> args)
{
    const CString format = AfxLoadText(nID);
    const std::string& text = format.str();
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t arg = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && arg < args.size()) {
            result += args.begin()[arg];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
