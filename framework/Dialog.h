#pragma once
// Modal dialogs made from the program's templates, with data exchange between
// the dialog's controls and its members.

#include "framework/String.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <initializer_list>

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control nIDC, remembered for the validation that follows.
    HWND PrepareCtrl(int nIDC);
    HWND GetLastControl() const { return m_hWndLastControl; }
    // Ends the exchange: the last control gets the focus, an edit control's text
    // selected, and UpdateData fails.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
};

// Binds a member object to control nIDC (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The text of control nIDC and a string member.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The edit control of the last exchange takes at most nChars characters.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
    {
    }

    // Runs the dialog until it ends; its result (IDOK, IDCANCEL...), -1 when
    // the dialog cannot be made. Without a parent the main window owns it.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }
    // Runs the data exchange; FALSE when a validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    // Fills the controls from the members. A template with DS_CENTER opens
    // centred over the window that owns it.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // The dialog is drawn at another scale now: Windows has scaled its
    // template's controls and font; what the dialog places or loads itself at
    // a scale follows here. Then the whole dialog is painted again.
    virtual void TakeScale() {}
    // Makes the dialog cx wider and cy taller, as far as its monitor's work
    // area allows, its centre where it was; the controls in moved go right
    // and down by as much, those in widened grow as much wider.
    void Enlarge(SIZE by, std::initializer_list<UINT> moved, std::initializer_list<UINT> widened = {});
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
