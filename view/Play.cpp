// Selecting and matching tiles, the marks drawn for it, the count of possible
// moves, "Help me!", Undo, Redo and Restart.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/Clock.h"
#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "view/RemovablePairs.h"
#include "view/Waits.h"

#include <algorithm>

namespace {
constexpr std::uint32_t kLinkMilliseconds = 1000;
// The fall after a pair goes: shorter than one tile's fade.
constexpr std::uint32_t kSlideMilliseconds = 250;
} // namespace

void CMahjongView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (TakesClicks()) {
        FollowClick(point);
        CMahjongBoard& board = *g_pBoard;
        const CTileCell cell = board.CellFromPoint(point.x, point.y);
        if (board.GetSelCol() < 0) {
            if (cell.kind != -1) {
                board.ToggleSelection(cell);
                ToggleHighlight(point.x, point.y);
                PlayWave("Yes");
            }
        } else {
            const CTileCell sel = board.GetSelectedCell();
            CLinkPath path;
            if (cell.x == sel.x && cell.y == sel.y) {
                ToggleHighlight(point.x, point.y);
                board.ToggleSelection(cell);
            } else if (cell.kind == sel.kind && board.LinkToSelection(cell, path) == 0) {
                const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
                board.ToggleSelection(sel);
                board.RecordPair(cell, sel);
                DrawLink(path);
                PlayWave("LINE");
                WaitMilliseconds(kLinkMilliseconds);
                DrawLink(path);
                ErasePair(cell, sel);
                RecordPairGone();
                ::SetCursor(previous);
            } else {
                // The frame goes by the selected tile's own rectangle: an undo
                // may have walled the tile in, where no click finds it.
                if (cell.kind == -1) {
                    ToggleCellFrame(sel);
                    board.ClearSelection();
                }
                PlayWave("NO");
            }
        }
        JudgeBoard();
    }
    CView::OnLButtonDown(nFlags, point);
}

void CMahjongView::JudgeBoard()
{
    AnnounceBoardChanges();
    // A dead end is judged on every move; a won board only once.
    const int n = CountPossibleMoves();
    if (n == 0 || (n == -1 && !m_bGameEnded))
        CheckEndOfGame();
    UpdateMatchStatus();
}

bool CMahjongView::TakesClicks() const
{
    return !m_bPaused && HasPicture() && !GameHeld() && ::IsWindowEnabled(::GetAncestor(m_hWnd, GA_ROOT));
}

void CMahjongView::ToggleHighlight(int x, int y)
{
    if (!HasPicture())
        return;
    const CTileCell cell = g_pBoard->CellFromPoint(x, y);
    if (cell.cx != 0)
        ToggleCellFrame(cell);
}

void CMahjongView::ToggleCellFrame(const CTileCell& cell)
{
    CPixelSurface picture = PictureSurface();
    ShowPictureRect(InvertHighlight(picture, cell, MarkWidth()));
}

void CMahjongView::DrawLink(const CLinkPath& path)
{
    if (!HasPicture())
        return;
    CPixelSurface picture = PictureSurface();
    ShowPictureRect(InvertLink(picture, *g_pBoard, path, MarkWidth()));
}

void CMahjongView::ErasePair(const CTileCell& a, const CTileCell& b)
{
    if (!HasPicture())
        return;
    for (const CTileCell& cell : {a, b})
        EraseTileRect(cell.x, cell.y, cell.cx, cell.cy, 0);
    SlideTiles(g_pBoard->RemovePair(a, b));
    AnnounceBoardChanges(); // a match of the player's or of the solver's replay
}

void CMahjongView::SlideTiles(const std::vector<CTileMove>& moves)
{
    if (moves.empty() || !HasPicture())
        return;
    const CMahjongBoard& board = *g_pBoard;
    std::vector<std::uint32_t> background = LoadBackground();
    const CPixelSurface patch(background.data(), BackgroundSide(), BackgroundSide());
    CPixelSurface picture = PictureSurface();
    // A tile's way down holds no tile that stays: those lie below the lowest gap.
    const auto way = [&](const CTileMove& m) {
        const CTileCell from = board.GetCell(m.col, m.fromRow), to = board.GetCell(m.col, m.toRow);
        return CPixelRect{from.x, from.y, from.cx, to.y + to.cy - from.y};
    };
    const auto frame = [&](std::uint32_t elapsed) {
        elapsed = std::min(elapsed, kSlideMilliseconds);
        for (const CTileMove& m : moves)
            PaintBackgroundRect(picture, patch, way(m));
        for (const CTileMove& m : moves) {
            CTileCell tile = board.GetCell(m.col, m.toRow);
            const int fromY = board.GetCell(m.col, m.fromRow).y;
            tile.y = fromY + (tile.y - fromY) * static_cast<int>(elapsed) / static_cast<int>(kSlideMilliseconds);
            PaintTile(picture, board, tile);
        }
        for (const CTileMove& m : moves)
            ShowPictureRect(way(m));
    };
    if (m_bNoAnimation == 0)
        WaitMilliseconds(kSlideMilliseconds, frame);
    frame(kSlideMilliseconds);
    // A selected tile that fell takes its frame along.
    const CTileCell sel = board.GetSelectedCell();
    const bool fell = std::any_of(moves.begin(), moves.end(), [&](const CTileMove& m) {
        const CTileCell to = board.GetCell(m.col, m.toRow);
        return to.x == sel.x && to.y == sel.y;
    });
    if (board.GetSelCol() >= 0 && fell)
        ToggleCellFrame(sel);
}

// Capped at the tiles less one: -1 on an empty board, 0 when no pair is left.
int CMahjongView::CountPossibleMoves() const
{
    if (!g_pBoard)
        return 0;
    int pairs = 0;
    ForEachRemovablePair(*g_pBoard, [&](const CLinkPath&) { ++pairs; });
    return std::min(pairs, g_pBoard->CountTiles() - 1);
}

void CMahjongView::UpdateMatchStatus()
{
    const int n = CountPossibleMoves();
    CMainFrame* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    if (!frame || n <= -1)
        return;
    frame->m_wndStatusBar.SetPaneText(2, AfxFormatString(IDS_MATCHED_TILES, {std::to_string(n)}), TRUE);
}

void CMahjongView::OnHelpMe()
{
    if (m_bPaused || !HasPicture())
        return;
    m_marks.bAided = true;
    ForEachRemovablePair(*g_pBoard, [&](const CLinkPath& path) {
        DrawLink(path);
        WaitNextSecond(GetClock().Now());
        DrawLink(path);
    });
}

void CMahjongView::OnUndo()
{
    if (!g_pBoard)
        return;
    CTileCell a, b;
    const std::vector<CTileMove> lifted = g_pBoard->Undo(a, b);
    if (a.kind == -1)
        return;
    if (!lifted.empty()) {
        RenderBoardPicture(); // the columns the pair's tiles fell in, as they stood
    } else if (HasPicture()) {
        CPixelSurface picture = PictureSurface();
        for (const CTileCell& cell : {a, b}) {
            PaintTile(picture, *g_pBoard, cell);
            ShowPictureRect({cell.x, cell.y, g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight()});
        }
    }
    GoOnAfterEnd();
    AnnounceBoardChanges();
    UpdateMatchStatus();
}

void CMahjongView::GoOnAfterEnd()
{
    // Moves again on a board whose end was judged: the game and its clock go on.
    if (m_bGameEnded && CountPossibleMoves() > 0) {
        m_bGameEnded = false;
        SetTimer(ID_TIMER_GAME, 1000, nullptr);
        ShowClock(0, m_tGameStart);
    }
}

void CMahjongView::OnRedo()
{
    if (!TakesClicks())
        return;
    CTileCell a, b;
    g_pBoard->Redo(a, b);
    if (a.kind == -1)
        return;
    // A selected tile of the pair goes with it, as a match takes its frame.
    const CTileCell sel = g_pBoard->GetSelectedCell();
    if (g_pBoard->GetSelCol() >= 0 && ((sel.x == a.x && sel.y == a.y) || (sel.x == b.x && sel.y == b.y))) {
        ToggleCellFrame(sel);
        g_pBoard->ClearSelection();
    }
    PlayWave("LINE");
    ErasePair(a, b);
    RecordPairGone();
    JudgeBoard();
}

void CMahjongView::OnUpdateRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(g_pBoard && g_pBoard->CanRedo());
}

void CMahjongView::OnRestart()
{
    if (!TakesClicks() || !g_pBoard->PairGoneSinceStart())
        return;
    if (AfxMessageBox(IDS_RESTART_PUZZLE, MB_OKCANCEL) != IDOK)
        return;
    // The game clock counts on from the puzzle's start: the time spent counts.
    g_pBoard->Restart();
    m_marks.bAided = true;
    GoOnAfterEnd();
    RenderBoardPicture();
}

void CMahjongView::OnShuffle()
{
    if (!TakesClicks())
        return;
    if (!g_pBoard->Shuffle()) {
        PlayWave("NO");
        return;
    }
    m_marks.bAided = true;
    GoOnAfterEnd();
    RenderBoardPicture();
    JudgeBoard();
}

void CMahjongView::OnUpdateShuffle(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(g_pBoard && g_pBoard->CountTiles() >= 2);
}
