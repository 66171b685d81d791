// The first paint, a new puzzle, and the preparation every puzzle goes through.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "framework/Clock.h"
#include "framework/Language.h"
#include "framework/Scale.h"
#include "framework/Screen.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "shell/SelectDealDlg.h"
#include "view/BoardSizes.h"
#include "view/GameClock.h"
#include "view/Settings.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <new>
#include <string>

namespace {

// Makes a board or its tiles, and says what went wrong when that fails.
template <typename Work>
bool Attempt(Work work)
{
    UINT problem = 0;
    try {
        work();
        return true;
    } catch (const HAVENOTMEM&) {
        problem = IDS_NO_MEMORY_PUZZLE;
    } catch (const std::bad_alloc&) {
        problem = IDS_NO_MEMORY_PUZZLE;
    } catch (const HAVENOTTILES&) {
        problem = IDS_NO_TILE_PICTURES;
    } catch (const NULL_PICTURE&) {
        problem = IDS_TILES_UNREADABLE;
    } catch (const CBadBoardSize&) {
        problem = IDS_BAD_BOARD_SIZE;
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
        CRect client;
        GetClientRect(&client);
        const int side = BackgroundSide();
        PaintBackground(pDC, static_cast<std::uint16_t>((client.Width() + side - 1) / side),
                        static_cast<std::uint16_t>((client.Height() + side - 1) / side));
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
    if (inProgress && AfxMessageBox(IDS_CREATE_NEW_PUZZLE, MB_OKCANCEL) != IDOK)
        return;
    // The game clock is not stopped first: the new puzzle starts it anew, and
    // a puzzle that cannot be made leaves the game in play with its clock.
    NewPuzzle();
}

void CMahjongView::OnSelectDeal()
{
    CSelectDealDlg dialog(m_bDealKnown, m_nDeal);
    if (dialog.DoModal() == IDOK)
        DealNumber(dialog.m_nNumber);
}

void CMahjongView::OnDealOfTheDay()
{
    const std::time_t now = GetClock().Now();
    std::tm today{};
    std::uint32_t number = 0;
    if (localtime_s(&today, &now) == 0 && DealOfTheDay(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday, number))
        DealNumber(number);
}

void CMahjongView::DealNumber(std::uint32_t nDeal)
{
    m_chosenDeal = nDeal;
    OnFileNew();
    m_chosenDeal.reset();
}

void CMahjongView::OnGravity()
{
    // Asked even on an empty board, as the size commands ask; the rule changes
    // only with a new puzzle dealt under it.
    if (AfxMessageBox(IDS_CREATE_NEW_PUZZLE, MB_OKCANCEL) != IDOK)
        return;
    m_bGravity = !m_bGravity;
    if (NewPuzzle())
        WriteSetting("Gravity", m_bGravity ? "1" : "0");
    else
        m_bGravity = !m_bGravity;
}

BOOL CMahjongView::NewPuzzle()
{
    return NewPuzzleOfSize(m_nTiles, m_nSizeX, m_nSizeY);
}

BOOL CMahjongView::NewPuzzleOfSize(int nKinds, int nColumns, int nRows)
{
    std::unique_ptr<CMahjongBoard> board;
    return Attempt([&] { board = std::make_unique<CMahjongBoard>(nKinds, nColumns, nRows); }) &&
           PutBoardInPlay(std::move(board), BaseTileSize(nRows, ScreenHeightAt96Dpi()), 1);
}

BOOL CMahjongView::PutBoardInPlay(std::unique_ptr<CMahjongBoard> board, CSize base, int bDeal)
{
    // The board being played, and its size, stay until the new one is ready.
    std::unique_ptr<CMahjongBoard> previous(g_pBoard);
    const int size[] = {m_nSizeX, m_nSizeY, m_nTiles};
    const CGameMarks marks = m_marks;
    board->SetGravity(m_bGravity);
    g_pBoard = board.release();
    m_nSizeX = g_pBoard->GetWidth();
    m_nSizeY = g_pBoard->GetHeight();
    m_nTiles = g_pBoard->GetKinds();
    if (PreparePuzzle(base.cx, base.cy, bDeal)) {
        if (previous && previous->CountTiles() > 0)
            RecordGameLeft(marks, size[0], size[1], previous->HasGravity());
        return TRUE;
    }
    delete g_pBoard;
    g_pBoard = previous.release();
    m_nSizeX = size[0];
    m_nSizeY = size[1];
    m_nTiles = size[2];
    return FALSE;
}

BOOL CMahjongView::PreparePuzzle(int cx, int cy, int bDeal)
{
    // The step chosen at the window's scale, or the largest smaller tile size
    // whose frame the screen can hold; or the tiles that fit the view.
    m_sizeBaseTile = CSize(cx, cy);
    m_sizeLaidTile = ScaleTileSize(m_sizeBaseTile, m_nSizeTiles);
    TakeFrameStyle();
    const CSize tile = TileSizeInForce();

    const std::uint32_t deal = m_chosenDeal.value_or(DealSeed());
    const bool made = Attempt([&] {
        CutTiles(tile, nullptr);
        // A puzzle read from a file is laid out anew at the tile size in force.
        LayOutBoard();
        if (bDeal == 1) {
            CTilePairList plan;
            g_pBoard->Deal(plan, deal);
        }
    });
    if (!made)
        return FALSE;

    m_bPaused = 0;
    m_bDealKnown = bDeal == 1;
    m_nDeal = m_bDealKnown ? deal : 0;
    m_bGameEnded = false;
    m_bSolverPlayed = false;
    m_marks = {};
    PlaceFrame(tile);
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

bool CMahjongView::CutTiles(CSize tile, const char* lpszPicture)
{
    // Tiles that fit the view are averaged; the fixed sizes keep their pictures.
    const bool fit = m_nSizeTiles == kFitToWindow;
    const CTileScaling scaling = fit ? CTileScaling::Average : CTileScaling::Stretch;
    CClientDC dc(this);
    if (m_nTileSet == 0) {
        std::string stored;
        if (!lpszPicture && ReadTileSetFile(stored))
            lpszPicture = stored.c_str();
        return g_pBoard->LoadTilesFromFile(&dc, tile.cx, tile.cy, lpszPicture, scaling);
    }
    // Above 96 DPI, and at any size that fits the view, the tiles are cut from
    // the sheet drawn at twice the size.
    const unsigned sheet = GetDpi() > kBaseDpi || fit ? m_nTileSet + kDoubleSizeBitmap : m_nTileSet;
    g_pBoard->LoadTilesFromResource(&dc, tile.cx, tile.cy, sheet, scaling);
    return true;
}

void CMahjongView::TakeWindowScale()
{
    // The puzzle in play stays as it is, laid out anew at the new scale.
    if (!HasPicture())
        return;
    TakeFrameStyle();
    const CSize tile = TileSizeInForce();
    const bool made = Attempt([&] {
        CutTiles(tile, nullptr);
        LayOutBoard();
    });
    if (made)
        PlaceFrame(tile);
    RenderBoardPicture();
}

void CMahjongView::FollowViewSize()
{
    const CSize tile = TileSizeInForce();
    if (tile.cx != g_pBoard->GetTileWidth() || tile.cy != g_pBoard->GetTileHeight())
        Attempt([&] { CutTiles(tile, nullptr); });
    LayOutBoard();
    ComposeBoardPicture();
}

int CMahjongView::ScreenHeightAt96Dpi() const
{
    return GetScreenHeight(AfxGetMainWnd()->m_hWnd) * static_cast<int>(kBaseDpi) / static_cast<int>(GetDpi());
}

CSize CMahjongView::FrameSizeAtDpi(UINT nDpi) const
{
    // A frame the player sizes keeps its size in the new scale's terms, as Windows suggests it.
    return HasPicture() && m_nSizeTiles != kFitToWindow ? FrameSizeFor(FittedTileSize(nDpi), nDpi) : CSize();
}

CSize CMahjongView::FittedTileSize(UINT nDpi) const
{
    const RECT room = GetWorkArea(AfxGetMainWnd()->m_hWnd);
    const auto fits = [&](CSize frame) { return frame.cx <= room.right - room.left && frame.cy <= room.bottom - room.top; };
    CSize laid = m_sizeLaidTile, smaller;
    while (!fits(FrameSizeFor(TileSizeAtDpi(laid, nDpi), nDpi)) && SmallerTileSize(laid, smaller))
        laid = smaller;
    return TileSizeAtDpi(laid, nDpi);
}

void CMahjongView::PlaceFrame(CSize tile)
{
    // The frame stays where it is unless that puts part of it off the work area.
    // A frame the player sizes keeps its size, or grows to its smallest; maximized, it stays.
    CWnd* frame = AfxGetMainWnd();
    if (::IsZoomed(frame->m_hWnd))
        return;
    const RECT room = GetWorkArea(frame->m_hWnd);
    CRect placed;
    frame->GetWindowRect(&placed);
    const CSize least = MinFrameSize();
    const CSize size = m_nSizeTiles == kFitToWindow
                           ? CSize(std::max<int>(placed.Width(), least.cx), std::max<int>(placed.Height(), least.cy))
                           : FrameSizeFor(tile, GetDpi());
    const int left = std::max<int>(room.left, std::min<int>(placed.left, room.right - size.cx));
    const int top = std::max<int>(room.top, std::min<int>(placed.top, room.bottom - size.cy));
    frame->MoveWindow(left, top, size.cx, size.cy, TRUE);
}

CSize CMahjongView::FrameSizeFor(CSize tile, UINT nDpi) const
{
    CMainFrame* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    CRect rect(0, 0, tile.cx * (m_nSizeX + 2), tile.cy * (m_nSizeY + 2));
    AdjustWindowRectForDpi(&rect, frame->GetStyle(), TRUE, frame->GetExStyle(), nDpi);
    // The view's own edge, on each side, so that it shows exactly the picture,
    // and the bars: as they are now, scaled to nDpi when that is another scale.
    CRect view, client;
    GetWindowRect(&view);
    GetClientRect(&client);
    CRect status, toolBar;
    frame->m_wndStatusBar.GetWindowRect(&status);
    frame->m_wndToolBar.GetWindowRect(&toolBar);
    const auto atDpi = [&](int n) { return ::MulDiv(n, static_cast<int>(nDpi), static_cast<int>(GetDpi())); };
    return CSize(rect.Width() + atDpi(view.Width() - client.Width()),
                 rect.Height() + atDpi(view.Height() - client.Height() + status.Height() + toolBar.Height()));
}
