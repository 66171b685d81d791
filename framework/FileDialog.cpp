#include "framework/FileDialog.h"

#include "framework/App.h"
#include "framework/Wnd.h"

#include <commdlg.h>

namespace {

// "Description | pattern ||": the system wants each part without the spaces
// around the bars and ended by a zero, and the list ended by a second zero.
std::string SystemFilter(const std::string& filter)
{
    std::string out;
    std::size_t start = 0;
    for (std::size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1) {
        const std::size_t first = filter.find_first_not_of(' ', start);
        if (first < bar)
            out.append(filter, first, filter.find_last_not_of(' ', bar - 1) - first + 1);
        out += '\0';
    }
    return out;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strFilter(SystemFilter(lpszFilter ? lpszFilter : "")), m_strFile(lpszFileName ? lpszFileName : ""),
      m_dwFlags(dwFlags), m_pParentWnd(pParentWnd)
{
}

INT_PTR CFileDialog::DoModal()
{
    const std::wstring filter = Wide(m_strFilter), defExt = Wide(m_strDefExt);
    std::wstring file = Wide(m_strFile);
    file.resize(32768);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    ofn.hwndOwner = pOwner ? pOwner->m_hWnd : nullptr;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    ofn.Flags = m_dwFlags | OFN_EXPLORER;
    if (!(m_bOpenFileDialog ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn)))
        return IDCANCEL;
    m_strFile = Utf8(file.c_str());
    return IDOK;
}
