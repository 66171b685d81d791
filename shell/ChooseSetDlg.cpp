#include "shell/ChooseSetDlg.h"

#include "framework/Gdi.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/TileSetList.h"

namespace {
// The preview control's place and size in the dialog, and where in it the
// 270 x 200 sheet lies: centred, as the control's own picture; at 96 DPI.
constexpr int kPreviewLeft = 20;
constexpr int kPreviewTop = 20;
constexpr int kPreviewWidth = 280;
constexpr int kPreviewHeight = 210;
constexpr int kSheetMargin = 5;
constexpr int kSheetWidth = 270;
constexpr int kSheetHeight = 200;
} // namespace

BEGIN_MESSAGE_MAP(CChooseSetDlg, CDialog)
    ON_WM_PAINT()
    ON_LBN_SELCHANGE(IDC_SET_LIST, OnSelChangeSetList)
END_MESSAGE_MAP()

CChooseSetDlg::CChooseSetDlg(CWnd* pParent) : CDialog(IDD_CHOOSE_SET, pParent), m_nSet(IDB_SET_EGIPTIAN) {}

void CChooseSetDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SET_PREVIEW, m_wndPreview);
    DDX_Control(pDX, IDC_SET_LIST, m_wndSetList);
}

BOOL CChooseSetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const CTileSetEntry& set : kTileSets)
        m_wndSetList.AddString(AfxLoadText(set.nBitmapId));
    PlacePreview();
    return TRUE;
}

void CChooseSetDlg::TakeScale()
{
    PlacePreview();
}

void CChooseSetDlg::PlacePreview()
{
    const UINT dpi = GetDpi();
    m_wndPreview.MoveWindow(ScaleToDpi(kPreviewLeft, dpi), ScaleToDpi(kPreviewTop, dpi),
                            ScaleToDpi(kPreviewWidth, dpi), ScaleToDpi(kPreviewHeight, dpi), TRUE);
}

void CChooseSetDlg::OnSelChangeSetList()
{
    const int index = m_wndSetList.GetCurSel();
    if (index >= 0 && index < static_cast<int>(kTileSets.size()))
        m_nSet = kTileSets[index].nBitmapId;
    DrawPreview();
}

void CChooseSetDlg::OnPaint()
{
    CPaintDC dc(this);
    // The control paints its own picture first, so that the sheet stays on top.
    m_wndPreview.UpdateWindow();
    DrawPreview();
}

void CChooseSetDlg::DrawPreview()
{
    CBitmap sheet;
    const UINT dpi = GetDpi();
    if (!sheet.LoadBitmap(m_nSet, dpi))
        return; // no picture: the control keeps its own
    CClientDC dc(&m_wndPreview);
    dc.DrawBitmap(sheet, ScaleToDpi(kSheetMargin, dpi), ScaleToDpi(kSheetMargin, dpi), ScaleToDpi(kSheetWidth, dpi),
                  ScaleToDpi(kSheetHeight, dpi));
}
