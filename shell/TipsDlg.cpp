#include "shell/TipsDlg.h"

#include "framework/Gdi.h"
#include "resources/resource.h"
#include "view/Settings.h"

#include <cstdlib>
#include <string>

namespace {
constexpr int kTips = 7;
constexpr int kTipWidth = 450;
constexpr int kTipHeight = 200;
constexpr int kTipMargin = 5;
// The longest texts the game writes: "0" or "1", and the tip numbers. A longer
// text was not written by the game and counts as absent.
constexpr std::size_t kShowTipsChars = 3;
constexpr std::size_t kTipsNumberChars = 7;
} // namespace

bool TipsOffAtStart()
{
    std::string text;
    return ReadSettingText("ShowTips", text, kShowTipsChars) && text.rfind('1', 0) == 0;
}

BEGIN_MESSAGE_MAP(CTipsDlg, CDialog)
    ON_WM_CLOSE()
    ON_WM_PAINT()
    ON_COMMAND(IDC_NEXT_TIP, ShowNextTip)
END_MESSAGE_MAP()

CTipsDlg::CTipsDlg(CWnd* pParent) : CDialog(IDD_TIPS, pParent), m_nTipBitmap(IDB_TIP_0) {}

void CTipsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NO_TIPS, m_chkNoTips);
}

BOOL CTipsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_chkNoTips.SetCheck(TipsOffAtStart() ? BST_CHECKED : BST_UNCHECKED);
    ShowNextTip();
    return TRUE;
}

void CTipsDlg::ShowNextTip()
{
    // A number the game did not write (not a number, negative, too big or too
    // long) starts the cycle again.
    int n = 0;
    std::string text;
    if (ReadSettingText("TipsNumber", text, kTipsNumberChars))
        n = std::atoi(text.c_str());
    if (n < 0 || n >= kTips)
        n = 0;
    m_nTipBitmap = IDB_TIP_0 + n;
    WriteSetting("TipsNumber", std::to_string(n + 1));
    DrawTip();
}

void CTipsDlg::DrawTip()
{
    CBitmap tip;
    const UINT dpi = GetDpi();
    if (!tip.LoadBitmap(m_nTipBitmap, dpi))
        return; // no picture: the place stays empty
    CClientDC dc(this);
    dc.DrawBitmap(tip, ScaleToDpi(kTipMargin, dpi), ScaleToDpi(kTipMargin, dpi), ScaleToDpi(kTipWidth, dpi),
                  ScaleToDpi(kTipHeight, dpi));
}

void CTipsDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawTip();
}

void CTipsDlg::StoreCheckBox()
{
    WriteSetting("ShowTips", std::to_string(m_chkNoTips.GetCheck() == BST_CHECKED ? 1 : 0));
}

void CTipsDlg::OnOK()
{
    StoreCheckBox();
    CDialog::OnOK();
}

void CTipsDlg::OnClose()
{
    StoreCheckBox();
    OnCancel();
}
