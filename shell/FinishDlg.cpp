#include "shell/FinishDlg.h"

#include "framework/Sound.h"
#include "resources/resource.h"
#include "shell/DialogFace.h"

#include <utility>

BEGIN_MESSAGE_MAP(CFinishDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CFinishDlg::CFinishDlg(CString message, CString label, CString time, int bSoundOff, CWnd* pParent)
    : CDialog(IDD_FINISH, pParent), m_strMessage(std::move(message)), m_strLabel(std::move(label)),
      m_strTime(std::move(time)), m_bSoundOff(bSoundOff)
{
}

void CFinishDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL CFinishDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnOK.LoadBitmaps(IDB_OK_UP, IDB_OK_DOWN);
    m_btnOK.SizeToContent();
    return TRUE;
}

void CFinishDlg::OnPaint()
{
    CPaintDC dc(this);
    const CRect client = PaintDialogFace(dc, *this);
    DrawCentredLine(dc, client.Width(), m_strMessage, 1);
    DrawCentredLine(dc, client.Width(), m_strLabel, 2);
    DrawCentredLine(dc, client.Width(), m_strTime, 3);
}

void CFinishDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    // A long message is the dead end's.
    if (m_bSoundOff != 1)
        PlayWaveResource(m_strMessage.GetLength() >= 17 ? "LOST" : "WIN");
}
