#include "shell/HighScoresDlg.h"

#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/GameTime.h"
#include "shell/RecordStore.h"
#include "view/BoardSizes.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {
// The room a name takes in the table before the times column.
const char kNameRoom[] = "WWWWWWWWWWWW";
// Clear scores goes through the sizes in this order (8_18, 8_20, 12_12, 12_24,
// 16_10, 20_16, 8_10, 12_16, 10_18), by their places in kBoardSizes.
constexpr std::size_t kClearOrder[] = {1, 2, 4, 6, 7, 8, 0, 5, 3};

// A size's row label: its key with an "x" between the numbers ("8x18").
CString RowLabel(const CBoardSize& size)
{
    std::string label = size.lpszKey;
    std::replace(label.begin(), label.end(), '_', 'x');
    return label;
}
} // namespace

BEGIN_MESSAGE_MAP(CHighScoresDlg, CFaceDialog)
    ON_COMMAND(IDC_CLEAR_SCORES, OnClearScores)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CHighScoresDlg::CHighScoresDlg(CWnd* pParent, std::function<void()> onCleared)
    : CFaceDialog(IDD_HIGH_SCORES, pParent), m_onCleared(std::move(onCleared))
{
}

void CHighScoresDlg::DoDataExchange(CDataExchange* pDX)
{
    CFaceDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CLEAR_SCORES, m_btnClear);
}

BOOL CHighScoresDlg::OnInitDialog()
{
    CFaceDialog::OnInitDialog();
    ReadResults();
    ShowPictures(m_btnClear, IDB_CLEAR_UP, IDB_CLEAR_DOWN);
    return TRUE;
}

void CHighScoresDlg::ReadResults()
{
    for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
        std::string name;
        FormatGameTime(ReadBestResult(kBoardSizes[i].lpszKey, name), m_strTimes[i]);
        m_strNames[i] = name;
    }
}

void CHighScoresDlg::OnClearScores()
{
    for (const std::size_t i : kClearOrder)
        ClearBestResult(kBoardSizes[i].lpszKey);
    ReadResults();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    if (m_onCleared)
        m_onCleared();
}

CString CHighScoresDlg::PaintedText() const
{
    CString text = AfxLoadText(IDS_SIZES) + ", " + AfxLoadText(IDS_NAMES) + ", " + AfxLoadText(IDS_HIGH_RESULTS) + ".";
    for (std::size_t i = 0; i < kBoardSizes.size(); ++i)
        text += " " + RowLabel(kBoardSizes[i]) + ", " + m_strNames[i] + ", " + m_strTimes[i] + ".";
    return text;
}

void CHighScoresDlg::OnPaint()
{
    CPaintDC dc(this);
    const CPaintedFace face(dc, *this);
    const CSize time = dc.GetTextExtent(m_strTimes[1]); // the 8 x 18 row's
    const int h = time.cy;
    const int wT = time.cx;
    const int wZ = dc.GetTextExtent("00:00:00").cx;
    const int wW = dc.GetTextExtent(kNameRoom).cx;
    const int xSizes = face.Scaled(40), xNames = face.Scaled(130), xTimes = xNames + wW;
    // Rows 0 (the heading) to 9 above the buttons.
    const int step = face.RowStep(9, ButtonsTop());

    dc.TextOut(xSizes, 0, AfxLoadText(IDS_SIZES));
    dc.TextOut(xNames, 0, AfxLoadText(IDS_NAMES));
    dc.TextOut(xTimes, 0, AfxLoadText(IDS_HIGH_RESULTS));
    for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
        const int y = step * static_cast<int>(i + 1);
        dc.TextOut(xSizes, y, RowLabel(kBoardSizes[i]));
        dc.TextOut(xNames, y, m_strNames[i]);
        dc.TextOut(xTimes, y, m_strTimes[i]);
    }

    CPen pen(PS_SOLID, face.Scaled(2), kDialogLettering);
    CSelectedObject selected(dc, pen.GetSafeHandle());
    const int rule = (h + step) / 2;
    dc.MoveTo(xSizes, rule);
    dc.LineTo(wT + wZ + face.Scaled(100) + wW, rule);
    dc.MoveTo(xSizes + wT, face.Scaled(10));
    dc.LineTo(xSizes + wT, std::min(10 * step, ButtonsTop()));
}
