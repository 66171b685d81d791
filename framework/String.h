#pragma once
// CString: a text in UTF-8, one character of the player's in one to four bytes.
// Windows takes and gives UTF-16; Wide and Utf8 are the one place that converts.

#include <windows.h>

#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_text(psz ? psz : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }

    // printf-style formatting into this text.
    void Format(const char* format, ...);
    // The string nID of the program's string table; false (and empty) when there is none.
    BOOL LoadString(UINT nID);

private:
    std::string m_text;
};

// The first nChars characters of text, and the number of its characters, each
// character counted once however many bytes it takes.
std::string FirstCharacters(const std::string& text, std::size_t nChars);
std::size_t CharacterCount(const std::string& text);

// text in UTF-16, for a call into Windows; and UTF-16 from Windows back in UTF-8.
std::wstring Wide(const std::string& text);
inline std::wstring Wide(const char* text) { return Wide(std::string(text ? text : "")); }
inline std::wstring Wide(const CString& text) { return Wide(text.str()); }
std::string Utf8(const wchar_t* text, int nChars = -1);
