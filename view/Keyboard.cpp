// Keyboard play: a cursor over the playing cells that the arrow keys move, and
// Space and Enter acting as a click at its cell's centre. The cursor is drawn
// on the screen only, over the board picture, so that the picture's own marks
// stay exact.

#include "view/MahjongView.h"

#include "board/MahjongBoard.h"
#include "view/BoardAccessible.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// The cursor's colours as picture pixels: dashes of black and yellow show on any background and tile.
constexpr std::uint32_t kCursorDark = 0x000000;
constexpr std::uint32_t kCursorLight = 0xFFD800;
// The outline round every tile of a kind, and the key that shows it for the cursor's tile.
constexpr std::uint32_t kOutline = 0xFF00FF;
constexpr UINT kOutlineKey = 'K';

// A ring over a cell-sized surface, nWidth pixels wide along its edge, in
// dashes of 1.5 times that (two and three pixels at 96 DPI): the cursor's of
// two colours, the outline's of one.
void PaintRing(CPixelSurface& cell, int nWidth, std::uint32_t dark, std::uint32_t light)
{
    const int w = cell.Width(), h = cell.Height(), dash = nWidth * 3 / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (std::min({x, y, w - 1 - x, h - 1 - y}) < nWidth)
                cell.Set(x, y, (x + y) / dash % 2 ? dark : light);
}

// Where a key takes the cursor from (col, row): an arrow one cell that way,
// stopping at the edge; Ctrl and an arrow to the nearest tile that way, if
// any; Home and End to the row's ends. False for any other key.
bool MoveByKey(const CMahjongBoard& board, UINT nChar, bool bCtrl, int& col, int& row)
{
    static constexpr struct {
        UINT key;
        int dx, dy;
    } kArrows[] = {{VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}};
    const int w = board.GetWidth(), h = board.GetHeight();
    if (nChar == VK_HOME || nChar == VK_END) {
        col = nChar == VK_HOME ? 1 : w;
        return true;
    }
    const auto* arrow = std::find_if(std::begin(kArrows), std::end(kArrows), [&](const auto& a) { return a.key == nChar; });
    if (arrow == std::end(kArrows))
        return false;
    for (int c = col + arrow->dx, r = row + arrow->dy; c >= 1 && c <= w && r >= 1 && r <= h;
         c += arrow->dx, r += arrow->dy) {
        if (!bCtrl || board.GetCell(c, r).kind != -1) {
            col = c;
            row = r;
            break;
        }
    }
    return true;
}
} // namespace

void CMahjongView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The key held on the cursor's tile outlines its kind, as the right button does.
    if (nChar == kOutlineKey && !m_bPaused && HasPicture() && m_bCursorShown) {
        OutlineKind(g_pBoard->GetCell(m_nCursorCol, m_nCursorRow).kind);
        ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, m_hWnd, OBJID_CLIENT,
                         CellChild(*g_pBoard, m_nCursorCol, m_nCursorRow));
        return;
    }
    const bool press = nChar == VK_SPACE || nChar == VK_RETURN;
    int col = m_nCursorCol, row = m_nCursorRow;
    if (m_bPaused || !HasPicture() || !(press || MoveByKey(*g_pBoard, nChar, ::GetKeyState(VK_CONTROL) < 0, col, row))) {
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (!m_bCursorShown) {
        // The first key shows the cursor without acting: on the selected tile, or at the first cell.
        const long selected = SelectedChild(*g_pBoard);
        const int w = g_pBoard->GetWidth();
        PlaceCursor(selected ? (selected - 1) % w + 1 : 1, selected ? (selected - 1) / w + 1 : 1);
    } else if (press) {
        PressCell(m_nCursorCol, m_nCursorRow);
    } else {
        PlaceCursor(col, row);
    }
}

void CMahjongView::PressCell(int col, int row)
{
    const CTileCell cell = g_pBoard->GetCell(col, row);
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x + cell.cx / 2, cell.y + cell.cy / 2));
}

LRESULT CMahjongView::OnPressCell(WPARAM wParam, LPARAM lParam)
{
    // The press was asked for earlier: it is a click only on a cell of the board
    // in play, and the click acts only where the player's would.
    const int col = static_cast<int>(wParam), row = static_cast<int>(lParam);
    if (HasPicture() && col >= 1 && row >= 1 && col <= g_pBoard->GetWidth() && row <= g_pBoard->GetHeight())
        PressCell(col, row);
    return 0;
}

bool CMahjongView::PlayingCellAt(CPoint point, int& col, int& row) const
{
    for (int r = 1; g_pBoard && r <= g_pBoard->GetHeight(); ++r)
        for (int c = 1; c <= g_pBoard->GetWidth(); ++c) {
            const CTileCell cell = g_pBoard->GetCell(c, r);
            if (point.x >= cell.x && point.y >= cell.y && point.x < cell.x + cell.cx && point.y < cell.y + cell.cy) {
                col = c;
                row = r;
                return true;
            }
        }
    return false;
}

void CMahjongView::FollowClick(CPoint point)
{
    int col = 0, row = 0;
    if (m_bCursorShown && PlayingCellAt(point, col, row) && (col != m_nCursorCol || row != m_nCursorRow))
        PlaceCursor(col, row);
}

void CMahjongView::PlaceCursor(int col, int row)
{
    const CTileCell left = g_pBoard->GetCell(m_nCursorCol, m_nCursorRow);
    m_nCursorCol = col;
    m_nCursorRow = row;
    m_bCursorShown = true;
    // The picture where the cursor was, and the cursor at its new cell.
    const CTileCell now = g_pBoard->GetCell(col, row);
    ShowPictureRect({left.x, left.y, left.cx, left.cy});
    ShowPictureRect({now.x, now.y, now.cx, now.cy});
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, CellChild(*g_pBoard, col, row));
}

void CMahjongView::DrawCursor(CDC& dc, const CPixelRect& shown)
{
    if (!m_bCursorShown || !HasPicture())
        return;
    const CTileCell cell = g_pBoard->GetCell(m_nCursorCol, m_nCursorRow);
    // Only a copy of the picture over the cursor's cell has covered it (a fade's frames elsewhere have not).
    if (shown.x >= cell.x + cell.cx || cell.x >= shown.x + shown.cx || shown.y >= cell.y + cell.cy ||
        cell.y >= shown.y + shown.cy)
        return;
    DrawRing(dc, cell, kCursorDark, kCursorLight);
}

void CMahjongView::DrawRing(CDC& dc, const CTileCell& cell, std::uint32_t dark, std::uint32_t light)
{
    CBitmap patch;
    if (!patch.CreateDIBSection(cell.cx, cell.cy))
        return; // without room for the patch the ring is left out; play goes on
    const std::vector<std::uint32_t> under = CopyRect(PictureSurface(), {cell.x, cell.y, cell.cx, cell.cy});
    std::copy(under.begin(), under.end(), patch.GetBits());
    CPixelSurface surface(patch.GetBits(), cell.cx, cell.cy);
    PaintRing(surface, MarkWidth(), dark, light);
    dc.DrawBitmap(patch, cell.x, cell.y, cell.cx, cell.cy);
}

LRESULT CMahjongView::OnRButtonDown(WPARAM, LPARAM lParam)
{
    int col = 0, row = 0;
    if (!m_bPaused && HasPicture() && PlayingCellAt(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), col, row)) {
        ::SetCapture(m_hWnd);
        OutlineKind(g_pBoard->GetCell(col, row).kind);
    }
    return 0;
}

LRESULT CMahjongView::OnRButtonUp(WPARAM, LPARAM)
{
    ::ReleaseCapture();
    OutlineKind(-1);
    return 0;
}

LRESULT CMahjongView::OnKeyUp(WPARAM wParam, LPARAM)
{
    if (wParam == kOutlineKey)
        OutlineKind(-1);
    return 0;
}

void CMahjongView::OutlineKind(int kind)
{
    // The picture shown again where outlines were takes them away.
    const int shown = m_nOutlinedKind;
    m_nOutlinedKind = kind;
    if (!HasPicture() || (shown < 0 && kind < 0))
        return;
    CClientDC dc(this);
    for (int r = 1; r <= g_pBoard->GetHeight(); ++r)
        for (int c = 1; c <= g_pBoard->GetWidth(); ++c) {
            const CTileCell cell = g_pBoard->GetCell(c, r);
            if (cell.kind == shown && shown >= 0)
                ShowPictureRect({cell.x, cell.y, cell.cx, cell.cy});
            if (cell.kind == kind && kind >= 0)
                DrawRing(dc, cell, kOutline, kOutline);
        }
}
