#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/FrameworkIds.h"
#include "framework/Language.h"
#include "framework/Screen.h"

#include <algorithm>

#include <stdexcept>
#include <string>

namespace {
// Thrown by CDataExchange::Fail, caught by UpdateData.
struct CExchangeFailed {};
} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!m_hWndLastControl)
        throw std::logic_error("the dialog has no control " + std::to_string(nIDC));
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    // The player types again over the text that was refused.
    if (m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CExchangeFailed();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextW(hCtrl, Wide(value).c_str());
        return;
    }
    value = ReadWindowText(hCtrl);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessageW(pDX->GetLastControl(), EM_LIMITTEXT, nChars, 0);
        return;
    }
    if (CharacterCount(value.str()) > static_cast<std::size_t>(nChars)) {
        AfxMessageBox(AfxFormatString(AFX_IDP_PARSE_STRING_SIZE, {std::to_string(nChars)}), MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal()
{
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    // The bars show the commands' states from the dialog's first moment, not
    // only once its loop first goes idle.
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnIdle(0);
    // The template of the language in force, not of the thread's.
    const std::string_view dialog = AfxLoadResourceData(MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5)); // RT_DIALOG
    if (dialog.empty())
        return -1;
    SetWindowBeingCreated(this);
    const INT_PTR result =
        ::DialogBoxIndirectParamW(AfxGetResourceHandle(), reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                  pOwner ? pOwner->m_hWnd : nullptr, AfxDlgProc, 0);
    SetWindowBeingCreated(nullptr);
    return result;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CExchangeFailed&) {
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return CWnd::WindowProc(message, wParam, lParam);
    if (GetStyle() & DS_CENTER)
        CenterWindow();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::Enlarge(SIZE by, std::initializer_list<UINT> moved, std::initializer_list<UINT> widened)
{
    RECT frame{};
    GetWindowRect(&frame);
    const RECT room = GetWorkArea(m_hWnd);
    const LONG cx = std::max(0L, std::min(by.cx, room.right - room.left - (frame.right - frame.left)));
    const LONG cy = std::max(0L, std::min(by.cy, room.bottom - room.top - (frame.bottom - frame.top)));
    const LONG left = std::min(std::max(room.left, frame.left - cx / 2), room.right - (frame.right - frame.left) - cx);
    const LONG top = std::min(std::max(room.top, frame.top - cy / 2), room.bottom - (frame.bottom - frame.top) - cy);
    ::SetWindowPos(m_hWnd, nullptr, left, top, frame.right - frame.left + cx, frame.bottom - frame.top + cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    const auto change = [&](UINT id, LONG dx, LONG dy, LONG dw) {
        const HWND hCtrl = ::GetDlgItem(m_hWnd, static_cast<int>(id));
        RECT r{};
        ::GetWindowRect(hCtrl, &r);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(hCtrl, nullptr, r.left + dx, r.top + dy, r.right - r.left + dw, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (const UINT id : moved)
        change(id, cx, cy, 0);
    for (const UINT id : widened)
        change(id, 0, 0, cx);
}

LRESULT CDialog::OnDpiChanged(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    TakeScale();
    RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return result;
}
