#include "view/BoardAccessible.h"

#include "framework/Language.h"
#include "resources/resource.h"
#include "shell/TileNames.h"
#include "view/MahjongView.h"

#include <string>
#include <vector>

long CellChild(const CMahjongBoard& board, int col, int row)
{
    return (row - 1) * board.GetWidth() + col;
}

long SelectedChild(const CMahjongBoard& board)
{
    const int col = board.GetSelCol();
    if (col < 0)
        return 0;
    const CTileCell selected = board.GetSelectedCell();
    for (int row = 1; row <= board.GetHeight(); ++row)
        if (board.GetCell(col, row) == selected)
            return CellChild(board, col, row);
    return 0;
}

CBoardAccessible::CBoardAccessible(CMahjongView& view) : CAccessible(view.m_hWnd), m_view(view) {}

CBoardAccessible::Target CBoardAccessible::Find(const VARIANT& varChild, int& col, int& row) const
{
    if (!Connected() || varChild.vt != VT_I4)
        return Target::None;
    if (varChild.lVal == CHILDID_SELF)
        return Target::Board;
    const int w = g_pBoard->GetWidth();
    if (varChild.lVal < 1 || varChild.lVal > w * g_pBoard->GetHeight())
        return Target::None;
    col = (varChild.lVal - 1) % w + 1;
    row = (varChild.lVal - 1) / w + 1;
    return m_view.m_bPaused ? Target::Hidden : Target::Cell;
}

long CBoardAccessible::FocusedChild() const
{
    if (::GetFocus() != Window())
        return -1;
    const bool onCell = m_view.m_bCursorShown && !m_view.m_bPaused;
    return onCell ? CellChild(*g_pBoard, m_view.m_nCursorCol, m_view.m_nCursorRow) : CHILDID_SELF;
}

HRESULT CBoardAccessible::get_accChildCount(long* pcountChildren)
{
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    *pcountChildren = g_pBoard->GetWidth() * g_pBoard->GetHeight();
    return S_OK;
}

HRESULT CBoardAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    // The cells are simple elements of the board, with no object of their own.
    *ppdispChild = nullptr;
    int col = 0, row = 0;
    const Target target = Find(varChild, col, row);
    return target == Target::Cell || target == Target::Hidden ? S_FALSE : E_INVALIDARG;
}

HRESULT CBoardAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    int col = 0, row = 0;
    const Target target = Find(varChild, col, row);
    if (target == Target::None)
        return E_INVALIDARG;
    if (target == Target::Hidden) {
        *pszName = nullptr;
        return S_FALSE;
    }
    const CMahjongBoard& board = *g_pBoard;
    if (target == Target::Board) {
        const CString name = AfxFormatString(IDS_BOARD_NAME, {std::to_string(board.GetWidth()),
                                                              std::to_string(board.GetHeight()),
                                                              std::to_string(board.CountTiles())});
        return ReturnText(name, pszName);
    }
    const int kind = board.GetCell(col, row).kind;
    const std::string tile = kind == -1 ? AfxLoadText(IDS_EMPTY_CELL).str() : TileName(m_view.m_nTileSet, kind);
    const CString name = AfxFormatString(IDS_CELL_NAME, {tile, std::to_string(col), std::to_string(row)});
    return ReturnText(name, pszName);
}

HRESULT CBoardAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    // A cell of the kind outlined tells how many tiles of it are left.
    int col = 0, row = 0;
    const Target target = Find(varChild, col, row);
    if (target == Target::None)
        return E_INVALIDARG;
    const int kind = m_view.m_nOutlinedKind;
    if (target != Target::Cell || kind < 0 || g_pBoard->GetCell(col, row).kind != kind) {
        *pszDescription = nullptr;
        return S_FALSE;
    }
    int left = 0;
    for (int i = 0; i < g_pBoard->GetWidth() * g_pBoard->GetHeight(); ++i)
        left += g_pBoard->GetIndexKind(i) == kind;
    return ReturnText(AfxFormatString(IDS_KIND_LEFT, {std::to_string(left)}), pszDescription);
}

HRESULT CBoardAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    int col = 0, row = 0;
    const Target target = Find(varChild, col, row);
    if (target == Target::None)
        return E_INVALIDARG;
    *pvarRole = ChildVariant(target == Target::Board ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL);
    return S_OK;
}

HRESULT CBoardAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    int col = 0, row = 0;
    const Target target = Find(varChild, col, row);
    if (target == Target::None)
        return E_INVALIDARG;
    if (target == Target::Hidden) {
        *pvarState = ChildVariant(STATE_SYSTEM_INVISIBLE);
        return S_OK;
    }
    long state = STATE_SYSTEM_FOCUSABLE;
    if (target == Target::Cell) {
        state |= STATE_SYSTEM_SELECTABLE;
        if (SelectedChild(*g_pBoard) == varChild.lVal)
            state |= STATE_SYSTEM_SELECTED;
    }
    if (FocusedChild() == varChild.lVal)
        state |= STATE_SYSTEM_FOCUSED;
    *pvarState = ChildVariant(state);
    return S_OK;
}

HRESULT CBoardAccessible::get_accFocus(VARIANT* pvarChild)
{
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const long child = FocusedChild();
    ::VariantInit(pvarChild);
    if (child < 0)
        return S_FALSE;
    *pvarChild = ChildVariant(child);
    return S_OK;
}

HRESULT CBoardAccessible::get_accSelection(VARIANT* pvarChildren)
{
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const long child = m_view.m_bPaused ? 0 : SelectedChild(*g_pBoard);
    ::VariantInit(pvarChildren);
    if (child == 0)
        return S_FALSE;
    *pvarChildren = ChildVariant(child);
    return S_OK;
}

HRESULT CBoardAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    int col = 0, row = 0;
    if (Find(varChild, col, row) != Target::Cell)
        return CAccessible::get_accDefaultAction(varChild, pszDefaultAction);
    return ReturnText(AfxLoadText(IDS_ACTION_CLICK), pszDefaultAction);
}

HRESULT CBoardAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    int col = 0, row = 0;
    if (Find(varChild, col, row) != Target::Cell)
        return CAccessible::accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    const CTileCell cell = g_pBoard->GetCell(col, row);
    POINT origin{cell.x, cell.y};
    ::ClientToScreen(Window(), &origin);
    *pxLeft = origin.x;
    *pyTop = origin.y;
    *pcxWidth = cell.cx;
    *pcyHeight = cell.cy;
    return S_OK;
}

HRESULT CBoardAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    int col = 0, row = 0;
    POINT point{xLeft, yTop};
    if (!Connected() || m_view.m_bPaused || !::ScreenToClient(Window(), &point) ||
        !m_view.PlayingCellAt(CPoint(point.x, point.y), col, row))
        return CAccessible::accHitTest(xLeft, yTop, pvarChild);
    *pvarChild = ChildVariant(CellChild(*g_pBoard, col, row));
    return S_OK;
}

HRESULT CBoardAccessible::accDoDefaultAction(VARIANT varChild)
{
    int col = 0, row = 0;
    if (Find(varChild, col, row) != Target::Cell)
        return CAccessible::accDoDefaultAction(varChild);
    // Where the player's click would not act, neither does the press.
    if (!m_view.TakesClicks())
        return E_FAIL;
    // The click runs in the view's own turn, after input that came before it:
    // a match holds the game for its line and fades, and the client must not wait for that.
    return ::PostMessageW(Window(), WM_PRESS_CELL, static_cast<WPARAM>(col), static_cast<LPARAM>(row)) ? S_OK
                                                                                                      : E_FAIL;
}

IAccessible* CMahjongView::GetAccessibleObject()
{
    return m_accessible.Get<CBoardAccessible>(*this);
}

void CMahjongView::AnnounceBoardChanges()
{
    if (!g_pBoard)
        return;
    const CMahjongBoard& board = *g_pBoard;
    const std::size_t cells = static_cast<std::size_t>(board.GetWidth()) * board.GetHeight();
    // Another board size or tile set renames every cell.
    if (m_announcedKinds.size() != cells || m_nAnnouncedSet != m_nTileSet)
        m_announcedKinds.assign(cells, -2);
    m_nAnnouncedSet = m_nTileSet;
    std::vector<LONG> changed;
    for (std::size_t i = 0; i < cells; ++i) {
        const int kind = board.GetIndexKind(static_cast<int>(i));
        if (kind != m_announcedKinds[i]) {
            m_announcedKinds[i] = kind;
            changed.push_back(static_cast<LONG>(i + 1));
        }
    }
    // A tile's removal and an undo's pair are named cell by cell; a whole new
    // board (a deal, a load, another size or tile set) is one reorder.
    if (changed.size() > 2)
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    else
        for (LONG child : changed)
            ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, child);
    if (!changed.empty())
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    const long selection = SelectedChild(board);
    if (selection != 0 && selection != m_nAnnouncedSelection)
        ::NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT, selection);
    m_nAnnouncedSelection = selection;
}
