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
    dc.SetBkColor(kDialogFace);
    dc.SetTextColor(kDialogLettering);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, kDialogFace);
    const CSize size = dc.GetTextExtent(m_strVersion);
    dc.TextOut((client.Width() - size.cx) / 2, 2 * size.cy, m_strVersion);
}
