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

// A size's row label: its key with an "x" between the numbers ("8x18"), and
// under gravity "8x18, gravity".
CString RowLabel(const CBoardSize& size, bool bGravity)
{
    std::string label = size.lpszKey;
    std::replace(label.begin(), label.end(), '_', 'x');
    return bGravity ? AfxFormatString(IDS_GRAVITY_ROW, {label}) : CString(label);
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
    ChooseRows();
    ReadResults();
    ShowPictures(m_btnClear, IDB_CLEAR_UP, IDB_CLEAR_DOWN);
    MakeRoomForRows();
    return TRUE;
}

void CHighScoresDlg::ChooseRows()
{
    for (const bool bGravity : {false, true})
        for (const CBoardSize& size : kBoardSizes) {
            const std::string key = RecordKey(size, bGravity);
            if (!bGravity || ReadBestTime(key) > 0)
                m_rows.push_back({key, RowLabel(size, bGravity), {}, {}});
        }
}

void CHighScoresDlg::ReadResults()
{
    for (CRow& row : m_rows) {
        std::string name;
        FormatGameTime(ReadBestResult(row.key, name), row.time);
        row.name = name;
    }
}

void CHighScoresDlg::MakeRoomForRows()
{
    const int extra = static_cast<int>(m_rows.size() - kBoardSizes.size());
    if (extra == 0)
        return;
    int step = 0;
    {
        CClientDC dc(this);
        step = CPaintedFace(dc, *this).RowStep(static_cast<int>(kBoardSizes.size()), ButtonsTop());
    }
    Enlarge(SIZE{0, extra * step}, {IDOK, IDC_CLEAR_SCORES});
}

void CHighScoresDlg::OnClearScores()
{
    for (const std::size_t i : kClearOrder)
        ClearBestResult(kBoardSizes[i].lpszKey);
    for (const CBoardSize& size : kBoardSizes)
        ClearBestResult(RecordKey(size, true));
    ReadResults();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    if (m_onCleared)
        m_onCleared();
}

CString CHighScoresDlg::PaintedText() const
{
    CString text = AfxLoadText(IDS_SIZES) + ", " + AfxLoadText(IDS_NAMES) + ", " + AfxLoadText(IDS_HIGH_RESULTS) + ".";
    for (const CRow& row : m_rows)
        text += " " + row.label + ", " + row.name + ", " + row.time + ".";
    return text;
}

void CHighScoresDlg::OnPaint()
{
    CPaintDC dc(this);
    const CPaintedFace face(dc, *this);
    const CSize time = dc.GetTextExtent(m_rows[1].time); // the 8 x 18 row's
    const int h = time.cy;
    const int wT = time.cx;
    const int wZ = dc.GetTextExtent("00:00:00").cx;
    const int wW = dc.GetTextExtent(kNameRoom).cx;
    // A gravity row's label may push the names and times to the right.
    int wLabels = 0;
    for (const CRow& row : m_rows)
        wLabels = std::max(wLabels, static_cast<int>(dc.GetTextExtent(row.label).cx));
    const int xSizes = face.Scaled(40), xNames = std::max(face.Scaled(130), xSizes + wLabels + face.Scaled(10));
    const int xTimes = xNames + wW;
    // Row 0 (the heading), then a row a size above the buttons.
    const int rows = static_cast<int>(m_rows.size());
    const int step = face.RowStep(rows, ButtonsTop());

    dc.TextOut(xSizes, 0, AfxLoadText(IDS_SIZES));
    dc.TextOut(xNames, 0, AfxLoadText(IDS_NAMES));
    dc.TextOut(xTimes, 0, AfxLoadText(IDS_HIGH_RESULTS));
    for (int i = 0; i < rows; ++i) {
        const CRow& row = m_rows[static_cast<std::size_t>(i)];
        const int y = step * (i + 1);
        dc.TextOut(xSizes, y, row.label);
        dc.TextOut(xNames, y, row.name);
        dc.TextOut(xTimes, y, row.time);
    }

    CPen pen(PS_SOLID, face.Scaled(2), kDialogLettering);
    CSelectedObject selected(dc, pen.GetSafeHandle());
    const int rule = (h + step) / 2;
    dc.MoveTo(xSizes, rule);
    dc.LineTo(wT + wZ + face.Scaled(100) + wW + xNames - face.Scaled(130), rule);
    dc.MoveTo(xSizes + wT, face.Scaled(10));
    // The rule after the sizes runs down the nine rows, beside their short labels.
    dc.LineTo(xSizes + wT, std::min(10 * step, ButtonsTop()));
}
