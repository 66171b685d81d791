#include "shell/BestResultDlg.h"

#include "framework/Sound.h"
#include "resources/resource.h"
#include "view/Settings.h"

#include <string>

namespace {
constexpr int kNameChars = 10;
}

BEGIN_MESSAGE_MAP(CBestResultDlg, CDialog)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CBestResultDlg::CBestResultDlg(int bSoundOff, CWnd* pParent) : CDialog(IDD_BEST_RESULT, pParent), m_bSoundOff(bSoundOff)
{
    // A longer stored name (edited by hand) is cut to what the edit takes.
    std::string name;
    if (ReadSettingText("LastName", name))
        m_strName = FirstCharacters(name, kNameChars);
}

void CBestResultDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NAME_EDIT, m_strName);
    DDV_MaxChars(pDX, m_strName, kNameChars);
}

void CBestResultDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (m_bSoundOff != 1)
        PlayWaveResource("WIN");
}
