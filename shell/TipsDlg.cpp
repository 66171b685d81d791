#include "shell/TipsDlg.h"

#include "framework/Gdi.h"
#include "framework/Language.h"
#include "framework/Scale.h"
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

// Where each tip's words go on its picture, at 96 DPI from the picture's top
// left, clear of what it shows: the title on one line, the text wrapped below.
constexpr COLORREF kTipInk = RGB(0, 56, 168);
constexpr RECT kTipTitle = {12, 8, 438, 32};
constexpr int kTitlePixels = 16;
constexpr int kTextPixels = 12;
constexpr RECT kTipText[kTips] = {{12, 36, 232, 186}, {12, 36, 232, 186}, {12, 36, 432, 90},  {12, 36, 432, 90},
                                   {12, 36, 182, 102}, {12, 36, 182, 186}, {12, 36, 432, 82}};
} // namespace

bool TipsOffAtStart()
{
    std::string text;
    return ReadSettingText("ShowTips", text, kShowTipsChars) && text.rfind('1', 0) == 0;
}

RECT TipWordsPlace(int nTip, bool bTitle)
{
    return bTitle || nTip < 0 || nTip >= kTips ? kTipTitle : kTipText[nTip];
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
    ::SetBkMode(dc.m_hDC, TRANSPARENT);
    ::SetTextColor(dc.m_hDC, kTipInk);
    DrawTipWords(dc, true);
    DrawTipWords(dc, false);
}

bool CTipsDlg::DrawTipWords(CDC& dc, bool bTitle)
{
    const int n = m_nTipBitmap - IDB_TIP_0;
    const RECT place = TipWordsPlace(n, bTitle);
    const UINT dpi = GetDpi();
    const int margin = ScaleToDpi(kTipMargin, dpi);
    const RECT room = {margin + ScaleToDpi(place.left, dpi), margin + ScaleToDpi(place.top, dpi),
                       margin + ScaleToDpi(place.right, dpi), margin + ScaleToDpi(place.bottom, dpi)};
    const UINT nID = (bTitle ? IDS_TIP_TITLE : IDS_TIP_TEXT) + 2 * n;
    return bTitle ? DrawFittingText(dc.m_hDC, Wide(AfxLoadText(nID)), room, DT_SINGLELINE | DT_NOPREFIX, kTitlePixels,
                                    FW_BOLD, false, dpi)
                  : DrawFittingText(dc.m_hDC, Wide(AfxLoadText(nID)), room, DT_WORDBREAK | DT_NOPREFIX, kTextPixels,
                                    FW_NORMAL, false, dpi);
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
