#include "shell/AboutDlg.h"

#include "framework/Gdi.h"
#include "framework/Language.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CFaceDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CFaceDialog(IDD_ABOUTBOX), m_strVersion(AfxLoadText(IDS_VERSION)) {}

CString CAboutDlg::PaintedText() const
{
    return m_strVersion;
}

void CAboutDlg::OnPaint()
{
    CPaintDC dc(this);
    const CPaintedFace face(dc, *this);
    const CRect& client = face.Client();
    DrawCentredLine(dc, client.Width(), m_strVersion, 1, face.RowStep(1, ButtonsTop()));
}
