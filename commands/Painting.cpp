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

std::vector<std::uint32_t> CMahjongView::LoadBackground() const
{
    // A picture that cannot be loaded leaves its squares black.
    const int side = BackgroundSide();
    std::vector<std::uint32_t> pixels;
    CSize size;
    if (!LoadBitmapPixels(m_nBackPic, pixels, size, GetDpi()) || size.cx != side || size.cy != side)
        pixels.assign(static_cast<std::size_t>(side) * side, 0);
    return pixels;
}

bool CMahjongView::HasPicture() const
{
    if (!g_pBoard || !g_pBoardPicture)
        return false;
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    const CSize size = g_pBoardPicture->GetSize();
    return size.cx == r.cx && size.cy == r.cy;
}

CPixelSurface CMahjongView::PictureSurface() const
{
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    return CPixelSurface(g_pBoardPicture->GetBits(), r.cx, r.cy);
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

void CMahjongView::RenderBoardPicture()
{
    // The picture shown stays in the board's size or goes: nothing may draw
    // through a picture made for another board.
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    auto picture = std::make_unique<CBitmap>();
    const bool made = picture->CreateDIBSection(all.cx, all.cy);
    delete g_pBoardPicture;
    g_pBoardPicture = made ? picture.release() : nullptr;
    if (!made) {
        AfxMessageBox(IDS_NO_MEMORY_PICTURE, MB_OK | MB_ICONEXCLAMATION);
        RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }

    std::vector<std::uint32_t> background = LoadBackground();
    CPixelSurface surface = PictureSurface();
    ComposeBoardPicture(surface, *g_pBoard, CPixelSurface(background.data(), BackgroundSide(), BackgroundSide()));
    // The board keeps its selection, so the new picture shows its frame.
    if (g_pBoard->GetSelCol() >= 0)
        InvertHighlight(surface, g_pBoard->GetSelectedCell(), MarkWidth());
    ShowPictureRect(all);
    AnnounceBoardChanges();
    UpdateMatchStatus();
    RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
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
