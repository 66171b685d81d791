#include "shell/StatisticsDlg.h"

#include "framework/App.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/GameTime.h"
#include "shell/RecordStore.h"
#include "view/BoardSizes.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {
// The columns' headings are the strings from IDS_STATISTICS_COLUMN on.
constexpr int kColumns = 9;

CString TimeText(unsigned seconds)
{
    CString text;
    FormatGameTime(seconds, text);
    return text;
}

// The texts of the row of a size under a rule, in the order of the columns.
std::vector<CString> RowTexts(const CBoardSize& size, bool bGravity)
{
    const std::string key = RecordKey(size, bGravity);
    CGameRecord record = ReadGameRecord(key);
    std::string name = size.lpszKey; // "8_10" is "8 x 10" in the menu
    name.replace(name.find('_'), 1, " x ");
    if (bGravity)
        name = AfxFormatString(IDS_GRAVITY_ROW, {name}).str();
    const unsigned best = ReadBestTime(key);
    const std::int64_t played = record.Played(), won = record.Won();
    return {name,
            std::to_string(played),
            std::to_string(won),
            std::to_string(record.WonUnaided()),
            played ? std::to_string((won * 100 + played / 2) / played) + " %" : "-",
            std::to_string(record.Streak()),
            std::to_string(record.LongestStreak()),
            won ? TimeText(static_cast<unsigned>(record.WinSeconds() / won)) : CString("-"),
            best ? TimeText(best) : CString("-")};
}
} // namespace

BEGIN_MESSAGE_MAP(CStatisticsDlg, CDialog)
    ON_COMMAND(IDC_RESET_STATISTICS, OnReset)
END_MESSAGE_MAP()

CStatisticsDlg::CStatisticsDlg(CWnd* pParent) : CDialog(IDD_STATISTICS, pParent) {}

BOOL CStatisticsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const HWND hList = ::GetDlgItem(m_hWnd, IDC_STATISTICS_LIST);
    ::SendMessageW(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < kColumns; ++i) {
        std::wstring title = Wide(AfxLoadText(IDS_STATISTICS_COLUMN + i));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.fmt = i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.pszText = title.data();
        ::SendMessageW(hList, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    ShowRecords();
    // The first row has the focus, so that a screen reader starts reading there.
    LVITEMW state{};
    state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
    ::SendMessageW(hList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    return TRUE;
}

void CStatisticsDlg::ShowRecords()
{
    const HWND hList = ::GetDlgItem(m_hWnd, IDC_STATISTICS_LIST);
    // Each column as wide as its widest text in the list's font, the title's
    // included, with the room of two letters to spare.
    const auto width = [&](const std::wstring& text) {
        return static_cast<int>(::SendMessageW(hList, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    std::vector<int> widths;
    for (int i = 0; i < kColumns; ++i)
        widths.push_back(width(Wide(AfxLoadText(IDS_STATISTICS_COLUMN + i))) + width(L"MM"));
    // The sizes without gravity first, then those with a game or a best time under gravity.
    const int sizes = static_cast<int>(kBoardSizes.size());
    int row = 0;
    for (int i = 0; i < 2 * sizes; ++i) {
        const std::vector<CString> texts = RowTexts(kBoardSizes[static_cast<std::size_t>(i % sizes)], i >= sizes);
        if (i >= sizes && texts[1].str() == "0" && texts[8].str() == "-")
            continue;
        for (int col = 0; col < static_cast<int>(texts.size()); ++col) {
            std::wstring text = Wide(texts[static_cast<std::size_t>(col)]);
            int& widest = widths[static_cast<std::size_t>(col)];
            widest = std::max(widest, width(text) + width(L"MM"));
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = col;
            item.pszText = text.data();
            const bool add = col == 0 && ::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0) <= row;
            ::SendMessageW(hList, add ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        ++row;
    }
    while (::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0) > row) // rows that a reset emptied
        ::SendMessageW(hList, LVM_DELETEITEM, row, 0);
    for (int col = 0; col < static_cast<int>(widths.size()); ++col)
        ::SendMessageW(hList, LVM_SETCOLUMNWIDTH, col, widths[static_cast<std::size_t>(col)]);
    // A list too narrow for its columns (a long row label in some language)
    // grows wider, and the dialog with it.
    RECT inside{};
    ::GetClientRect(hList, &inside);
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (total > inside.right)
        Enlarge(SIZE{total - inside.right, 0}, {IDOK, IDC_RESET_STATISTICS}, {IDC_STATISTICS_LIST});
}

void CStatisticsDlg::OnReset()
{
    if (AfxMessageBox(IDS_RESET_STATISTICS, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    ClearGameRecords();
    ShowRecords();
}
