#include "commands/AutoSolveDlg.h"

#include "board/MahjongBoard.h"
#include "resources/resource.h"
#include "view/MahjongView.h"
#include "view/Waits.h"

#include <string>

namespace {
constexpr UINT kStepMilliseconds = 3000;
constexpr std::uint32_t kLineMilliseconds = 2000;
} // namespace

BEGIN_MESSAGE_MAP(CAutoSolveDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CAutoSolveDlg::CAutoSolveDlg(const CTilePairList& solution, CMahjongView* pView)
    : CDialog(IDD_AUTO_SOLVE, pView), m_solution(solution), m_nStep(static_cast<int>(solution.size()) - 1),
      m_pView(pView)
{
}

void CAutoSolveDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SOLVE_COUNTER, m_stCounter);
}

BOOL CAutoSolveDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Without its timer the replay could never run, so the dialog does not stay.
    if (!SetTimer(ID_TIMER_SOLVE, kStepMilliseconds, nullptr))
        EndDialog(IDCANCEL);
    return TRUE;
}

void CAutoSolveDlg::OnTimer(UINT_PTR nIDEvent)
{
    ShowNextPair();
    CDialog::OnTimer(nIDEvent);
}

void CAutoSolveDlg::ShowNextPair()
{
    if (m_nStep < 0 || !g_pBoard || !m_pView)
        return;
    CMahjongBoard& board = *g_pBoard;
    const CTilePair& p = m_solution[static_cast<std::size_t>(m_nStep)];
    // Each tile is taken as a click at its cell's centre takes it.
    const auto clickAt = [&](int col, int row) {
        const CTileCell cell = board.GetCell(col, row);
        return board.CellFromPoint(cell.x + cell.cx / 2, cell.y + cell.cy / 2);
    };
    const CTileCell a = clickAt(p.col1, p.row1);
    const CTileCell b = clickAt(p.col2, p.row2);
    // A pair the board does not hold as two free, joined tiles is passed over untouched.
    CLinkPath path;
    if (a.kind != -1 && b.kind != -1) {
        board.ToggleSelection(a);
        board.ToggleSelection(b);
        if (board.LinkToSelection(a, path) == 0) {
            board.RecordPair(a, b);
            m_pView->DrawLink(path);
            WaitMilliseconds(kLineMilliseconds);
            m_pView->DrawLink(path);
            m_pView->ErasePair(a, b);
            m_pView->RecordPairGone();
        }
    }
    const std::string counter = std::to_string(m_nStep--);
    m_stCounter.SetWindowText(counter.c_str());
    board.ClearSelection();
}
