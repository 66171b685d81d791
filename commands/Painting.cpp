// The board picture and the background commands of CMahjongView.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "resources/resource.h"
#include "view/Settings.h"

#include <algorithm>
#include <memory>
#include <string>

int CMahjongView::MarkWidth() const
{
    return ScaleToDpi(2, GetDpi());
}

int CMahjongView::BackgroundSide() const
{
    return ScaleToDpi(kBackgroundSquare, GetDpi());
}

std::vector<std::uint32_t> CMahjongView::LoadBackground()
{
    // A picture that cannot be loaded leaves its squares black. The last one
    // loaded is kept, for the pictures composed one after another as the
    // frame is resized.
    const int side = BackgroundSide();
    if (m_keptBackground.first != std::make_pair(m_nBackPic, side)) {
        std::vector<std::uint32_t>& pixels = m_keptBackground.second;
        CSize size;
        if (!LoadBitmapPixels(m_nBackPic, pixels, size, GetDpi()) || size.cx != side || size.cy != side)
            pixels.assign(static_cast<std::size_t>(side) * side, 0);
        m_keptBackground.first = {m_nBackPic, side};
    }
    return m_keptBackground.second;
}

bool CMahjongView::HasPicture() const
{
    if (!g_pBoard || !g_pBoardPicture)
        return false;
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    const CSize size = g_pBoardPicture->GetSize();
    return size.cx >= r.cx && size.cy >= r.cy;
}

CSize CMahjongView::PictureCapacity() const
{
    // Tiles that fit the view are drawn on a picture as large as the monitor,
    // made once: a resize then composes on memory that is in use already,
    // where a new picture's memory is handed over page by page as it is drawn.
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (m_nSizeTiles != kFitToWindow ||
        !::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return CSize(r.cx, r.cy);
    const RECT& screen = monitor.rcMonitor;
    return CSize(std::max<int>(r.cx, screen.right - screen.left), std::max<int>(r.cy, screen.bottom - screen.top));
}

CPixelSurface CMahjongView::PictureSurface() const
{
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    return CPixelSurface(g_pBoardPicture->GetBits(), r.cx, r.cy, g_pBoardPicture->GetSize().cx);
}

void CMahjongView::ShowPictureRect(const CPixelRect& r)
{
    // The pause hides the board: what changes in the picture meanwhile is
    // shown by the repaint that ends the pause.
    if (m_bPaused)
        return;
    CClientDC dc(this);
    dc.DrawBitmap(*g_pBoardPicture, r.x, r.y, r.cx, r.cy, r.x, r.y);
    DrawCursor(dc, r);
}

LRESULT CMahjongView::OnEraseBackground(WPARAM wParam, LPARAM)
{
    // What the paint covers is not erased first: a large board would be drawn
    // twice, and flicker.
    const HDC hDC = reinterpret_cast<HDC>(wParam);
    const int saved = ::SaveDC(hDC);
    if (HasPicture() && !m_bPaused) {
        const CPixelRect r = BoardPictureRect(*g_pBoard);
        ::ExcludeClipRect(hDC, r.x, r.y, r.x + r.cx, r.y + r.cy);
    }
    const LRESULT erased = Default();
    ::RestoreDC(hDC, saved);
    return erased;
}

void CMahjongView::RenderBoardPicture()
{
    if (!ComposeBoardPicture())
        return;
    AnnounceBoardChanges();
    UpdateMatchStatus();
}

bool CMahjongView::ComposeBoardPicture()
{
    // The picture shown holds the board's rectangle or goes: nothing may draw
    // outside a picture made for another board.
    const CSize capacity = PictureCapacity();
    if (!g_pBoardPicture || !(g_pBoardPicture->GetSize() == capacity)) {
        auto picture = std::make_unique<CBitmap>();
        const bool made = picture->CreateDIBSection(capacity.cx, capacity.cy);
        delete g_pBoardPicture;
        g_pBoardPicture = made ? picture.release() : nullptr;
        if (!made) {
            AfxMessageBox(IDS_NO_MEMORY_PICTURE, MB_OK | MB_ICONEXCLAMATION);
            RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            return false;
        }
    }

    std::vector<std::uint32_t> background = LoadBackground();
    CPixelSurface surface = PictureSurface();
    ::ComposeBoardPicture(surface, *g_pBoard, CPixelSurface(background.data(), BackgroundSide(), BackgroundSide()));
    // The board keeps its selection, so the new picture shows its frame.
    if (g_pBoard->GetSelCol() >= 0)
        InvertHighlight(surface, g_pBoard->GetSelectedCell(), MarkWidth());
    // Shown once, by the paint; the erase leaves what the picture covers alone.
    RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return true;
}

void CMahjongView::PaintBackground(CDC* pDC, std::uint16_t nAcross, std::uint16_t nDown)
{
    const int side = BackgroundSide();
    CBitmap square;
    if (!square.CreateDIBSection(side, side))
        return;
    const std::vector<std::uint32_t> background = LoadBackground();
    std::copy(background.begin(), background.end(), square.GetBits());
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CSelectedObject selected(memory, square.GetSafeHandle());
    for (int i = 0; i < nAcross; ++i)
        for (int j = 0; j < nDown; ++j)
            pDC->BitBlt(i * side, j * side, side, side, &memory, 0, 0, SRCCOPY);
}

void CMahjongView::SetBackground(int nBitmapId)
{
    m_nBackPic = nBitmapId;
    WriteSetting("BackPic", std::to_string(nBitmapId));
    if (HasPicture()) {
        RenderBoardPicture();
        return;
    }
    CClientDC dc(this);
    PaintBackground(&dc, 2, 1);
}

void CMahjongView::OnBackgroundEasy()
{
    SetBackground(IDB_BACK_EASY);
}

void CMahjongView::OnBackgroundDarkBlue()
{
    SetBackground(IDB_BACK_DARK_BLUE);
}

void CMahjongView::OnBackgroundClouds()
{
    SetBackground(IDB_BACK_CLOUDS);
}

void CMahjongView::OnBackgroundGreen()
{
    SetBackground(IDB_BACK_GREEN);
}
