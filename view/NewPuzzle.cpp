// The first paint, a new puzzle, and the preparation every puzzle goes through.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/Screen.h"
#include "shell/MainFrame.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"
#include "view/Settings.h"

#include <memory>
#include <new>
#include <string>

namespace {

// Makes a board or its tiles, and says what went wrong when that fails.
template <typename Work>
bool Attempt(Work work)
{
    const char* problem = nullptr;
    try {
        work();
        return true;
    } catch (const HAVENOTMEM&) {
        problem = "There is not enough memory for the puzzle.";
    } catch (const std::bad_alloc&) {
        problem = "There is not enough memory for the puzzle.";
    } catch (const HAVENOTTILES&) {
        problem = "The puzzle has no tile pictures to deal.";
    } catch (const NULL_PICTURE&) {
        problem = "The tile pictures could not be read.";
    } catch (const CBadBoardSize&) {
        problem = "This board size cannot be played.";
    }
    AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace

void CMahjongView::OnDraw(CDC* pDC)
{
    // The first paint makes the first puzzle, once: one that cannot be made is
    // reported once, and a paint during its message boxes starts no other.
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        OnFileNew();
        ShowTipsAtStart();
    }
    if (m_bPaused) {
        PaintBackground(pDC, 6, 6);
        return;
    }
    if (!HasPicture())
        return;
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    pDC->DrawBitmap(*g_pBoardPicture, 0, 0, r.cx, r.cy);
    DrawCursor(*pDC, r);
}

void CMahjongView::OnFileNew()
{
    const bool inProgress = g_pBoard && g_pBoard->CountTiles() > 0;
    if (inProgress && AfxMessageBox("Create new puzzle?", MB_OKCANCEL) != IDOK)
        return;
    // The game clock is not stopped first: the new puzzle starts it anew, and
    // a puzzle that cannot be made leaves the game in play with its clock.
    NewPuzzle();
}

BOOL CMahjongView::NewPuzzle()
{
    return NewPuzzleOfSize(m_nTiles, m_nSizeX, m_nSizeY);
}

BOOL CMahjongView::NewPuzzleOfSize(int nKinds, int nColumns, int nRows)
{
    std::unique_ptr<CMahjongBoard> board;
    return Attempt([&] { board = std::make_unique<CMahjongBoard>(nKinds, nColumns, nRows); }) &&
           PutBoardInPlay(std::move(board), BaseTileSize(nRows, GetScreenHeight()), 1);
}

BOOL CMahjongView::PutBoardInPlay(std::unique_ptr<CMahjongBoard> board, CSize base, int bDeal)
{
    // The board being played, and its size, stay until the new one is ready.
    std::unique_ptr<CMahjongBoard> previous(g_pBoard);
    const int size[] = {m_nSizeX, m_nSizeY, m_nTiles};
    g_pBoard = board.release();
    m_nSizeX = g_pBoard->GetWidth();
    m_nSizeY = g_pBoard->GetHeight();
    m_nTiles = g_pBoard->GetKinds();
    if (PreparePuzzle(base.cx, base.cy, bDeal))
        return TRUE;
    delete g_pBoard;
    g_pBoard = previous.release();
    m_nSizeX = size[0];
    m_nSizeY = size[1];
    m_nTiles = size[2];
    return FALSE;
}

BOOL CMahjongView::PreparePuzzle(int cx, int cy, int bDeal)
{
    // The step chosen, or the largest below it whose frame the screen can hold.
    const SIZE room = GetWorkAreaSize();
    const auto fits = [&](CSize frame) { return frame.cx <= room.cx && frame.cy <= room.cy; };
    int step = m_nSizeTiles;
    CSize tile = ScaleTileSize(CSize(cx, cy), step);
    while (step > 0 && !fits(FrameSizeFor(tile)))
        tile = ScaleTileSize(CSize(cx, cy), --step);

    const bool made = Attempt([&] {
        CClientDC dc(this);
        if (m_nTileSet != 0) {
            g_pBoard->LoadTilesFromResource(&dc, tile.cx, tile.cy, m_nTileSet);
        } else {
            std::string path;
            g_pBoard->LoadTilesFromFile(&dc, tile.cx, tile.cy, ReadTileSetFile(path) ? path.c_str() : nullptr);
        }
        if (bDeal == 1) {
            CTilePairList plan;
            g_pBoard->Deal(plan);
        } else {
            // A puzzle read from a file is laid out anew at the tile size in force.
            g_pBoard->LayOutCells();
        }
    });
    if (!made)
        return FALSE;

    m_bPaused = 0;
    m_bGameEnded = false;
    m_bSolverPlayed = false;
    const CSize frame = FrameSizeFor(tile);
    CRect placed;
    AfxGetMainWnd()->GetWindowRect(&placed);
    AfxGetMainWnd()->MoveWindow(placed.left, placed.top, frame.cx, frame.cy, TRUE);
    ShowBestTimeInTitle();
    WriteSetting("SizeX", std::to_string(m_nSizeX));
    WriteSetting("SizeY", std::to_string(m_nSizeY));
    WriteSetting("Tiles", std::to_string(m_nTiles));
    WriteSetting("TileSet", std::to_string(m_nTileSet));
    m_nCursorCol = m_nCursorRow = 1;
    RenderBoardPicture();
    static_cast<CMainFrame*>(AfxGetMainWnd())->m_wndStatusBar.SetPaneText(0, "                ", TRUE);
    if (bDeal == 1)
        m_tGameStart = NowSeconds();
    SetTimer(ID_TIMER_GAME, 1000, nullptr);
    return TRUE;
}

CSize CMahjongView::FrameSizeFor(CSize tile) const
{
    CMainFrame* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    CRect rect(0, 0, tile.cx * (m_nSizeX + 2), tile.cy * (m_nSizeY + 2));
    ::AdjustWindowRectEx(&rect, frame->GetStyle(), TRUE, frame->GetExStyle());
    // The view's own edge, on each side, so that it shows exactly the picture.
    CRect view, client;
    GetWindowRect(&view);
    GetClientRect(&client);
    CRect status, toolBar;
    frame->m_wndStatusBar.GetWindowRect(&status);
    frame->m_wndToolBar.GetWindowRect(&toolBar);
    return CSize(rect.Width() + view.Width() - client.Width(),
                 rect.Height() + view.Height() - client.Height() + status.Height() + toolBar.Height());
}
