// The player's helpers: the hint, the solver's replay and the tips.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "commands/AutoSolveDlg.h"
#include "framework/Clock.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/TipsDlg.h"
#include "view/RemovablePairs.h"
#include "view/Waits.h"

#include <cstdlib>
#include <vector>

namespace {
// The hint's line stays until the calendar time has moved on by this much.
constexpr int kHintSeconds = 3;
} // namespace

// While paused the helpers show nothing: they would show the hidden board.
void CMahjongView::OnHint()
{
    if (m_bPaused || !HasPicture())
        return;
    std::vector<CLinkPath> candidates;
    ForEachRemovablePair(*g_pBoard, [&](const CLinkPath& path) { candidates.push_back(path); });
    if (candidates.empty())
        return;
    m_marks.bAided = true;
    // With two or more candidates the divisor is one less than their number.
    const unsigned n = static_cast<unsigned>(candidates.size());
    const unsigned i = n == 1 ? 0 : static_cast<unsigned>(std::rand()) % (n - 1);
    DrawLink(candidates[i]);
    WaitSeconds(GetClock().Now(), kHintSeconds);
    DrawLink(candidates[i]);
}

void CMahjongView::OnAutoSolve()
{
    if (m_bPaused || !HasPicture())
        return;
    CTilePairList solution;
    g_pBoard->Solve(solution);
    if (solution.empty()) {
        MessageBox(AfxLoadText(IDS_NOT_SOLVED));
        return;
    }
    // The replay selects tiles without their frames: the player's selection
    // goes first, frame and all, so that no frame is left without its tile.
    if (g_pBoard->GetSelCol() >= 0) {
        ToggleCellFrame(g_pBoard->GetSelectedCell());
        g_pBoard->ClearSelection();
    }
    // The mark is set first: no end of the game met during the replay is the player's.
    const int tiles = g_pBoard->CountTiles();
    const bool played = m_bSolverPlayed, aided = m_marks.bAided;
    m_bSolverPlayed = m_marks.bAided = true;
    CAutoSolveDlg replay(solution, this);
    replay.DoModal();
    g_pBoard->ToggleSelection(g_pBoard->GetSelectedCell());
    if (g_pBoard->CountTiles() == tiles) {
        m_bSolverPlayed = played;
        m_marks.bAided = aided;
    }
}

void CMahjongView::OnShowTip()
{
    CTipsDlg tips;
    tips.DoModal();
}

void CMahjongView::ShowTipsAtStart()
{
    if (!g_pBoardPicture || TipsOffAtStart())
        return;
    CTipsDlg tips;
    tips.DoModal();
}
