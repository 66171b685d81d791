#include "framework/FileDialog.h"

#include "framework/App.h"
#include "framework/Wnd.h"

#include <commdlg.h>

#include <algorithm>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strFilter(lpszFilter ? lpszFilter : ""), m_strFile(lpszFileName ? lpszFileName : ""), m_dwFlags(dwFlags),
      m_pParentWnd(pParentWnd)
{
    // The system wants each part ended by a zero and the list by a second one.
    std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
}

INT_PTR CFileDialog::DoModal()
{
    std::string file = m_strFile;
    file.resize(32768);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    ofn.hwndOwner = pOwner ? pOwner->m_hWnd : nullptr;
    ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    ofn.Flags = m_dwFlags | OFN_EXPLORER;
    if (!(m_bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn)))
        return IDCANCEL;
    m_strFile = file.c_str();
    return IDOK;
}
