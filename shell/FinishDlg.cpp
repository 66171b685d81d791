#include "shell/FinishDlg.h"

#include "framework/Sound.h"
#include "resources/resource.h"

#include <utility>

BEGIN_MESSAGE_MAP(CFinishDlg, CFaceDialog)
    ON_WM_PAINT()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CFinishDlg::CFinishDlg(CString message, CString label, CString time, int bSoundOff, bool bLost, CWnd* pParent)
    : CFaceDialog(IDD_FINISH, pParent), m_strMessage(std::move(message)), m_strLabel(std::move(label)),
      m_strTime(std::move(time)), m_bSoundOff(bSoundOff), m_bLost(bLost)
{
}

CString CFinishDlg::PaintedText() const
{
    return m_strMessage + " " + m_strLabel + " " + m_strTime + ".";
}

void CFinishDlg::OnPaint()
{
    CPaintDC dc(this);
    const CPaintedFace face(dc, *this);
    const CRect& client = face.Client();
    const int step = face.RowStep(3, ButtonsTop());
    DrawCentredLine(dc, client.Width(), m_strMessage, 1, step);
    DrawCentredLine(dc, client.Width(), m_strLabel, 2, step);
    DrawCentredLine(dc, client.Width(), m_strTime, 3, step);
}

void CFinishDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CFaceDialog::OnShowWindow(bShow, nStatus);
    if (m_bSoundOff != 1)
        PlayWaveResource(m_bLost ? "LOST" : "WIN");
}
