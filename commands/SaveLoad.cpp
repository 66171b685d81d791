// Saving the puzzle on screen with its playing time, and loading one back.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/FileDialog.h"
#include "framework/Language.h"
#include "framework/Screen.h"
#include "resources/resource.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"

#include <memory>

namespace {
// The longest playing time a file may hold: a year.
constexpr int kMaxElapsedSeconds = 366 * 24 * 3600;

// The wait cursor while a file is written or read, the arrow afterwards.
class CWaitCursor {
public:
    CWaitCursor() { ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT))); }
    ~CWaitCursor() { ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
} // namespace

void CMahjongView::OnSaveTo()
{
    if (!g_pBoard)
        return;
    CFileDialog dialog(FALSE, "mhj", "*.mhj", OFN_HIDEREADONLY, AfxLoadText(IDS_PUZZLE_FILTER), this);
    if (dialog.DoModal() != IDOK)
        return;
    CWaitCursor wait;
    const CString path = dialog.GetPathName();
    if (g_pBoard->SaveToFile(path, static_cast<int>(GameSeconds())) != 0)
        AfxMessageBox(AfxFormatString(IDS_SAVE_FAILED, {path.str()}), MB_OK | MB_ICONEXCLAMATION);
}

unsigned CMahjongView::GameSeconds() const
{
    return m_bPaused ? static_cast<unsigned>(m_tPause - m_tGameStart) : SecondsSince(m_tGameStart);
}

void CMahjongView::OnUpdateSaveTo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(g_pBoard != nullptr);
}

bool CMahjongView::IsPlayableFile(const CMahjongBoard& board, int nElapsed) const
{
    // More kinds than the size is dealt with would deal later puzzles of the
    // size empty; a size of no menu's needs two tiles of each kind at least.
    const CBoardSize* size = FindBoardSize(board.GetWidth(), board.GetHeight());
    const int kinds = size ? size->nKinds : board.GetWidth() * board.GetHeight() / 2;
    return board.GetKinds() <= kinds && nElapsed >= 0 && nElapsed <= kMaxElapsedSeconds;
}

void CMahjongView::OnLoadFrom()
{
    CFileDialog dialog(TRUE, "mhj", "*.mhj", OFN_HIDEREADONLY, AfxLoadText(IDS_PUZZLE_FILTER), this);
    if (dialog.DoModal() == IDOK)
        LoadPuzzle(dialog.GetPathName());
}

bool CMahjongView::LoadPuzzle(const CString& path)
{
    CWaitCursor wait;
    // Read into a board of its own: a file that is refused changes nothing.
    auto board = std::make_unique<CMahjongBoard>();
    int elapsed = 0;
    if (board->LoadFromFile(path, &elapsed) != 0 || !IsPlayableFile(*board, elapsed)) {
        AfxMessageBox(AfxFormatString(IDS_LOAD_FAILED, {path.str()}), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const CSize base = LoadedBaseTileSize(board->GetWidth(), board->GetHeight(), ScreenHeightAt96Dpi());
    if (!PutBoardInPlay(std::move(board), base, 0))
        return false;
    m_tGameStart = NowSeconds() - elapsed; // the game clock goes on from the saved time
    return true;
}
