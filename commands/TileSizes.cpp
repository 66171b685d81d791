// The tile sizes: Normal, Big and Biggest are stored and start a new puzzle
// with them; "Fit to window" draws the puzzle in play as large as the view
// allows and lets the player size the frame.

#include "view/MahjongView.h"

#include "board/BoardLayout.h"
#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "view/BoardSizes.h"
#include "view/Settings.h"
#include "view/Waits.h"

#include <algorithm>
#include <string>

void CMahjongView::SetTileSize(int nStep)
{
    const bool leavesFit = m_nSizeTiles == kFitToWindow;
    m_nSizeTiles = nStep;
    WriteSetting("SizeTiles", std::to_string(nStep));
    // The fixed frame comes back at once, around the puzzle in play.
    if (leavesFit) {
        m_sizeLaidTile = ScaleTileSize(m_sizeBaseTile, nStep);
        TakeWindowScale();
    }
    OnFileNew();
}

void CMahjongView::OnTilesNormal()
{
    SetTileSize(0);
}

void CMahjongView::OnTilesBig()
{
    SetTileSize(1);
}

void CMahjongView::OnTilesBiggest()
{
    SetTileSize(2);
}

void CMahjongView::OnTilesFit()
{
    // The puzzle in play stays: only the size it is drawn at changes.
    if (m_nSizeTiles == kFitToWindow)
        return;
    m_nSizeTiles = kFitToWindow;
    WriteSetting("SizeTiles", std::to_string(kFitToWindow));
    m_sizeLaidTile = m_sizeBaseTile;
    TakeWindowScale();
}

void CMahjongView::OnSize(UINT, int, int)
{
    if (m_nSizeTiles != kFitToWindow || !HasPicture())
        return;
    // A wait draws on the picture it started with.
    if (GameHeld()) {
        ::PostMessageW(m_hWnd, WM_FIT_AGAIN, 0, 0);
        return;
    }
    FollowViewSize();
}

LRESULT CMahjongView::OnFitAgain(WPARAM, LPARAM)
{
    OnSize(0, 0, 0);
    return 0;
}

CSize CMahjongView::TileSizeInForce() const
{
    const CSize normal = FittedTileSize(GetDpi());
    if (m_nSizeTiles != kFitToWindow)
        return normal;
    CRect client;
    GetClientRect(&client);
    const CBoardFit fit = ::FitBoardToView(client.Width(), client.Height(), m_nSizeX, m_nSizeY, normal.cx, normal.cy);
    return CSize(fit.cx, fit.cy);
}

void CMahjongView::LayOutBoard()
{
    CRect client;
    if (m_nSizeTiles == kFitToWindow)
        GetClientRect(&client);
    g_pBoard->SetLayoutArea(client.Width(), client.Height());
}

CSize CMahjongView::MinFrameSize() const
{
    if (m_nSizeTiles != kFitToWindow || m_sizeBaseTile.cx == 0)
        return CSize();
    return FrameSizeFor(FittedTileSize(GetDpi()), GetDpi());
}

void CMahjongView::TakeFrameStyle()
{
    const bool first = !m_bPlacementTaken;
    m_bPlacementTaken = true;
    CWnd* frame = AfxGetMainWnd();
    const DWORD sizing = WS_THICKFRAME | WS_MAXIMIZEBOX;
    const DWORD style = frame->GetStyle();
    const bool fit = m_nSizeTiles == kFitToWindow;
    if (((style & sizing) == sizing) == fit)
        return;
    if (!fit && ::IsZoomed(frame->m_hWnd))
        frame->ShowWindow(SW_RESTORE);
    ::SetWindowLongPtrW(frame->m_hWnd, GWL_STYLE, fit ? style | sizing : style & ~sizing);
    ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (fit && first)
        RestoreWindowPlacement();
}

void CMahjongView::KeepWindowPlacement() const
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (m_nSizeTiles == kFitToWindow && ::GetWindowPlacement(AfxGetMainWnd()->m_hWnd, &placement))
        WriteSettingBytes("WindowPlacement", &placement, sizeof placement);
}

void CMahjongView::RestoreWindowPlacement()
{
    CWnd* frame = AfxGetMainWnd();
    WINDOWPLACEMENT placement{};
    const RECT& kept = placement.rcNormalPosition;
    const bool whole = ReadSettingBytes("WindowPlacement", &placement, sizeof placement) &&
                       placement.length == sizeof placement && kept.right > kept.left && kept.bottom > kept.top;
    const HMONITOR monitor = whole ? ::MonitorFromRect(&kept, MONITOR_DEFAULTTONULL) : nullptr;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoW(monitor, &info)) {
        const CSize size = FrameSizeFor(FittedTileSize(GetDpi()), GetDpi());
        info.cbSize = sizeof info;
        ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
        const RECT& room = info.rcWork;
        frame->MoveWindow(room.left + CentredOffset(room.right - room.left, size.cx),
                          room.top + CentredOffset(room.bottom - room.top, size.cy), size.cx, size.cy, TRUE);
        return;
    }
    // Inside the work area of its monitor: no larger, and moved in from any edge it crosses.
    const RECT& room = info.rcWork;
    const int cx = std::min<int>(kept.right - kept.left, room.right - room.left);
    const int cy = std::min<int>(kept.bottom - kept.top, room.bottom - room.top);
    const int left = std::max<int>(room.left, std::min<int>(kept.left, room.right - cx));
    const int top = std::max<int>(room.top, std::min<int>(kept.top, room.bottom - cy));
    placement.rcNormalPosition = RECT{left, top, left + cx, top + cy};
    placement.flags = 0;
    placement.showCmd = placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    ::SetWindowPlacement(frame->m_hWnd, &placement);
}
