#pragma once
// The system's dialog for choosing a file to open or to save.

#include "framework/String.h"

#include <windows.h>

#include <string>

class CWnd;

class CFileDialog {
public:
    // lpszFilter: pairs of a description and a pattern, each followed by '|',
    // the whole ended by a second '|' ("Puzzles (*.mhj)|*.mhj||").
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // IDOK when the player chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    CString GetPathName() const { return CString(m_strFile.c_str()); }

private:
    BOOL m_bOpenFileDialog;
    std::string m_strDefExt;
    std::string m_strFilter;
    std::string m_strFile;
    DWORD m_dwFlags;
    CWnd* m_pParentWnd;
};
