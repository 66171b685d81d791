#pragma once
// The language of the program's resources. Every text, menu and dialog
// template is fetched in it, whatever the thread's own language, so that
// Windows and Wine find the same resources; what a language lacks comes in
// English.

#include "framework/String.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

inline constexpr LANGID kEnglishLangId = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

void AfxSetResourceLanguage(LANGID nLangId);
LANGID AfxGetResourceLanguage();

// The resource in the language in force, else in English, else in any language.
HRSRC AfxFindResource(LPCWSTR lpszName, LPCWSTR lpszType);

// The user's preferred languages for Windows' texts, in their order ("de-AT").
std::vector<std::string> AfxPreferredUILanguages();

// The string nID of the language in force.
CString AfxLoadText(UINT nID);

// The string nID with %1 ... %9 replaced by args, in the order the language
// puts them.
CString AfxFormatString(UINT nID, std::initializer_list<std::string_view> args);
