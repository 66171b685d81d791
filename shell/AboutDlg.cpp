#include "shell/AboutDlg.h"

#include "framework/Gdi.h"
#include "resources/resource.h"
#include "shell/DialogFace.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX), m_strVersion(" Morvane Version 3.1 ") {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnOK.LoadBitmaps(IDB_OK_UP, IDB_OK_DOWN);
    m_btnOK.SizeToContent();
    return TRUE;
}

void CAboutDlg::OnPaint()
{
    CPaintDC dc(this);
    const CRect client = PaintDialogFace(dc, *this);
    DrawCentredLine(dc, client.Width(), m_strVersion, 1);
}
