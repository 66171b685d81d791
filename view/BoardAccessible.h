#pragma once
// The board as screen readers see it: a table with one cell a playing cell,
// row by row. Cell (col, row) is child (row - 1) x width + col.

#include "board/MahjongBoard.h"
#include "framework/Accessible.h"

class CMahjongView;

// The child id of a playing cell.
long CellChild(const CMahjongBoard& board, int col, int row);
// The child id of the selected tile; 0 when nothing is selected.
long SelectedChild(const CMahjongBoard& board);

class CBoardAccessible : public CAccessible {
public:
    explicit CBoardAccessible(CMahjongView& view);

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;

private:
    // What a child id names: the board itself, a playing cell, a playing cell
    // hidden by the pause (no name, no action), or nothing.
    enum class Target { Board, Cell, Hidden, None };
    Target Find(const VARIANT& varChild, int& col, int& row) const;
    // The view is there and holds a board.
    bool Connected() const { return Window() && g_pBoard; }
    // The child that has the keyboard: the cursor's cell while it is shown
    // (and not paused), else the board; -1 while the view has not the focus.
    long FocusedChild() const;

    CMahjongView& m_view;
};
