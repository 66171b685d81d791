#pragma once
// What the play tests share: clocks and deals they control, the cues heard,
// clicks on cells, and the pixels of the board picture and the screen.

#include "tests/program/Program.h"

#include "board/MahjongBoard.h"
#include "board/Random.h"
#include "commands/BoardPicture.h"
#include "framework/Gdi.h"
#include "shell/DialogFace.h"
#include "shell/MainFrame.h"
#include "shell/TipsDlg.h"
#include "resources/resource.h"
#include "tests/TestBoard.h"
#include "view/MahjongView.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A clock whose time moves on by a step at every read, so that the game's busy
// waits end after a known number of reads.
class CRunningClock : public CClock {
public:
    explicit CRunningClock(std::uint32_t step = 10) : m_step(step) { SetClock(this); }
    ~CRunningClock() override { SetClock(nullptr); }
    std::uint32_t TickCount() override { return m_ticks += m_step; }
    std::time_t Now() override { return 1700000000 + (m_ticks += m_step) / 1000; }
    std::uint32_t RestMilliseconds(std::uint32_t) override { return 0; }
    std::uint32_t m_step;
    std::uint32_t m_ticks = 0;
};

// Calendar time as the test sets it; the milliseconds move on at every read,
// so that the waits for the link line end.
class CGameClock : public CClock {
public:
    CGameClock() { SetClock(this); }
    ~CGameClock() override { SetClock(nullptr); }
    std::uint32_t TickCount() override { return m_ticks += 50; }
    std::time_t Now() override { return m_now; }
    std::uint32_t RestMilliseconds(std::uint32_t) override { return 0; }
    std::time_t m_now = 1700000000;
    std::uint32_t m_ticks = 0;
};

// Whether tip n writes its words at (x, y) of its picture at 96 DPI.
inline bool OnTipWords(int n, int x, int y)
{
    const RECT title = TipWordsPlace(n, true), text = TipWordsPlace(n, false);
    return ::PtInRect(&title, {x, y}) || ::PtInRect(&text, {x, y});
}

// No bitmap resource is found while this lives, so no tiles can be cut.
class CNoPictures {
public:
    CNoPictures()
        : m_find("kernel32.dll", "FindResourceW", reinterpret_cast<void*>(NoBitmap)),
          m_findEx("kernel32.dll", "FindResourceExW", reinterpret_cast<void*>(NoBitmapEx))
    {
        s_pFind = &m_find;
        s_pFindEx = &m_findEx;
    }

private:
    using FindResourceFn = HRSRC(WINAPI*)(HMODULE, LPCWSTR, LPCWSTR);
    using FindResourceExFn = HRSRC(WINAPI*)(HMODULE, LPCWSTR, LPCWSTR, WORD);
    static HRSRC WINAPI NoBitmap(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType)
    {
        return lpType == MAKEINTRESOURCEW(2) ? nullptr
                                             : reinterpret_cast<FindResourceFn>(s_pFind->Original())(hModule, lpName, lpType);
    }
    static HRSRC WINAPI NoBitmapEx(HMODULE hModule, LPCWSTR lpType, LPCWSTR lpName, WORD wLanguage)
    {
        return lpType == MAKEINTRESOURCEW(2)
                   ? nullptr
                   : reinterpret_cast<FindResourceExFn>(s_pFindEx->Original())(hModule, lpType, lpName, wLanguage);
    }
    static inline CImportPatch* s_pFind = nullptr;
    static inline CImportPatch* s_pFindEx = nullptr;
    CImportPatch m_find;
    CImportPatch m_findEx;
};

// Every deal of the test made from one seed.
class CFixedDeal {
public:
    CFixedDeal() { SetDealSeedSource([]() -> std::uint32_t { return 4711; }); }
    ~CFixedDeal() { SetDealSeedSource(nullptr); }
};

using Cues = std::vector<std::string>;

inline std::string PaneText(HWND hStatus, int pane)
{
    wchar_t text[256] = L"";
    ::SendMessageW(hStatus, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text));
    return Utf8(text);
}

// The board's rectangle of the board picture, row by row: a picture missing or
// smaller fails the test and reads as CCapture::kOutside.
inline std::vector<std::uint32_t> Picture()
{
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    const CSize size = g_pBoardPicture ? g_pBoardPicture->GetSize() : CSize();
    if (size.cx < r.cx || size.cy < r.cy) {
        ADD_FAILURE() << "no board picture of " << r.cx << " x " << r.cy;
        return std::vector<std::uint32_t>(static_cast<std::size_t>(r.cx) * r.cy, CCapture::kOutside);
    }
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < r.cy; ++y) {
        const std::uint32_t* row = g_pBoardPicture->GetBits() + static_cast<std::size_t>(y) * size.cx;
        pixels.insert(pixels.end(), row, row + r.cx);
    }
    return pixels;
}

inline CTileCell Cell(int col, int row) { return g_pBoard->GetCell(col, row); }

// The kinds of a board's playing cells, row by row.
inline std::vector<int> Kinds(const CMahjongBoard& board = *g_pBoard)
{
    std::vector<int> kinds;
    for (int r = 1; r <= board.GetHeight(); ++r)
        for (int c = 1; c <= board.GetWidth(); ++c)
            kinds.push_back(board.GetCell(c, r).kind);
    return kinds;
}

inline POINT Centre(const CTileCell& c) { return {c.x + c.cx / 2, c.y + c.cy / 2}; }

inline void Click(const CRunningProgram& program, POINT p)
{
    const HWND hView = program.View().m_hWnd;
    ::SendMessageA(hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    ::SendMessageA(hView, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

inline void ClickCell(const CRunningProgram& program, int col, int row) { Click(program, Centre(Cell(col, row))); }

// Clicks the two tiles of a pair, one after the other.
inline void ClickPair(const CRunningProgram& program, const CTilePair& p)
{
    ClickCell(program, p.col1, p.row1);
    ClickCell(program, p.col2, p.row2);
}

// The pairs that could be taken now, counted as the player sees them, each
// unordered pair once, capped at the tiles less one.
inline int RemovablePairs()
{
    const CMahjongBoard& b = *g_pBoard;
    std::vector<std::pair<int, int>> free;
    int tiles = 0;
    for (int r = 1; r <= b.GetHeight(); ++r)
        for (int c = 1; c <= b.GetWidth(); ++c)
            if (b.GetCell(c, r).kind != -1) {
                ++tiles;
                if (!b.IsBlocked(c, r))
                    free.emplace_back(c, r);
            }
    int pairs = 0;
    CLinkPath path;
    for (std::size_t i = 0; i < free.size(); ++i)
        for (std::size_t j = i + 1; j < free.size(); ++j) {
            const auto [c1, r1] = free[i];
            const auto [c2, r2] = free[j];
            if (b.GetCell(c1, r1).kind == b.GetCell(c2, r2).kind && b.FindPath(c1, r1, c2, r2, path) == 0)
                ++pairs;
        }
    return std::min(pairs, tiles - 1);
}

inline std::string MatchedText(int n) { return std::to_string(n) + " matched tiles."; }

inline HWND StatusBar(const CRunningProgram& program) { return program.Frame().m_wndStatusBar.m_hWnd; }

// The pixels of the background picture under every pixel of rectangle r, as
// the pattern anchored at the picture's top-left corner puts them.
inline std::vector<std::uint32_t> BackgroundUnder(int nBackPic, const CPixelRect& r)
{
    std::vector<std::uint32_t> back;
    CSize size;
    EXPECT_TRUE(LoadBitmapPixels(nBackPic, back, size));
    EXPECT_EQ(size.cx, 300);
    const CCapture pattern{size.cx, size.cy, back};
    std::vector<std::uint32_t> under;
    for (int y = r.y; y < r.y + r.cy; ++y)
        for (int x = r.x; x < r.x + r.cx; ++x)
            under.push_back(pattern.At(x % 300, y % 300));
    return under;
}

// A rectangle of a board picture (Picture()).
inline std::vector<std::uint32_t> PictureRect(const std::vector<std::uint32_t>& picture, const CPixelRect& r)
{
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    return CCapture{all.cx, all.cy, picture}.Rect(r.x, r.y, r.cx, r.cy);
}

inline std::vector<std::uint32_t> ScreenRect(const CRunningProgram& program, const CPixelRect& r)
{
    return CaptureClient(program.View().m_hWnd).Rect(r.x, r.y, r.cx, r.cy);
}

inline CPixelRect RectOf(const CTileCell& c) { return {c.x, c.y, c.cx, c.cy}; }

// The first pair the board's own search finds, or none.
inline bool FirstPair(CTilePair& pair)
{
    CTilePairList pairs;
    g_pBoard->FindAllPairs(pairs);
    if (pairs.empty())
        return false;
    pair = pairs.front();
    pair.kind = g_pBoard->GetCell(pair.col1, pair.row1).kind;
    return true;
}

// Two free tiles of the same kind that cannot be joined now.
inline bool FindUnjoinablePair(CTilePair& pair)
{
    const CMahjongBoard& b = *g_pBoard;
    CLinkPath path;
    for (int r = 1; r <= b.GetHeight(); ++r)
        for (int c = 1; c <= b.GetWidth(); ++c)
            for (int r2 = 1; r2 <= b.GetHeight(); ++r2)
                for (int c2 = 1; c2 <= b.GetWidth(); ++c2) {
                    const int kind = b.GetCell(c, r).kind;
                    if ((c != c2 || r != r2) && kind != -1 && b.GetCell(c2, r2).kind == kind && !b.IsBlocked(c, r) &&
                        !b.IsBlocked(c2, r2) && b.FindPath(c, r, c2, r2, path) != 0) {
                        pair = {static_cast<std::int16_t>(c), static_cast<std::int16_t>(r),
                                static_cast<std::int16_t>(c2), static_cast<std::int16_t>(r2), kind};
                        return true;
                    }
                }
    return false;
}

// Two free tiles of different kinds.
inline bool FindDifferentKinds(CTilePair& pair)
{
    const CMahjongBoard& b = *g_pBoard;
    for (int r = 1; r <= b.GetHeight(); ++r)
        for (int c = 1; c <= b.GetWidth(); ++c)
            for (int c2 = c + 1; c2 <= b.GetWidth(); ++c2)
                if (b.GetCell(c, r).kind != -1 && b.GetCell(c2, r).kind != -1 &&
                    b.GetCell(c, r).kind != b.GetCell(c2, r).kind && !b.IsBlocked(c, r) && !b.IsBlocked(c2, r)) {
                    pair = {static_cast<std::int16_t>(c), static_cast<std::int16_t>(r),
                            static_cast<std::int16_t>(c2), static_cast<std::int16_t>(r), 0};
                    return true;
                }
    return false;
}

// The item with this command id in the menu bar, with its check mark as the
// frame's update handlers set it when the menu opens.
inline bool MenuChecked(const CRunningProgram& program, UINT id)
{
    HMENU hBar = ::GetMenu(program.FrameWindow());
    std::vector<HMENU> menus;
    for (int i = 0; i < ::GetMenuItemCount(hBar); ++i)
        menus.push_back(::GetSubMenu(hBar, i));
    while (!menus.empty()) {
        HMENU hMenu = menus.back();
        menus.pop_back();
        if (!hMenu)
            continue;
        ::SendMessageA(program.FrameWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
        for (int j = 0; j < ::GetMenuItemCount(hMenu); ++j) {
            if (HMENU hSub = ::GetSubMenu(hMenu, j))
                menus.push_back(hSub);
            else if (::GetMenuItemID(hMenu, j) == id)
                return (::GetMenuState(hMenu, j, MF_BYPOSITION) & MF_CHECKED) != 0;
        }
    }
    ADD_FAILURE() << "no menu item " << id;
    return false;
}

using Rows = std::vector<std::string>;

// Puts a board laid out as text ('.' empty, 'A'.. kinds) in place of the dealt
// one and shows it; the view keeps its board size.
inline void UseBoard(const CRunningProgram& program, const Rows& rows)
{
    auto board = std::make_unique<TestBoard>(rows, 36);
    board->LoadTilesFromResource(nullptr, TestBoard::kTileW, TestBoard::kTileH, IDB_SET_EGIPTIAN);
    delete g_pBoard;
    g_pBoard = board.release();
    program.View().RenderBoardPicture();
}

// The screen shows the board picture, but for the keyboard cursor on cell
// (col, row): a ring two pixels wide at 96 DPI along the cell's edge, in black
// and yellow dashes that stand out from what lies under them.
inline void ExpectCursorAt(const CRunningProgram& program, int col, int row, const std::string& label)
{
    EXPECT_TRUE(program.View().m_bCursorShown) << label;
    EXPECT_EQ(program.View().m_nCursorCol, col) << label;
    EXPECT_EQ(program.View().m_nCursorRow, row) << label;
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    const std::vector<std::uint32_t> screen = ScreenRect(program, all), picture = Picture();
    const CTileCell c = Cell(col, row);
    const int width = 2 * static_cast<int>(::GetDpiForWindow(program.View().m_hWnd)) / 96;
    int ring = 0, standsOut = 0, wrong = 0;
    for (int y = 0; y < all.cy; ++y)
        for (int x = 0; x < all.cx; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * all.cx + x;
            const bool inCell = x >= c.x && y >= c.y && x < c.x + c.cx && y < c.y + c.cy;
            if (inCell && std::min({x - c.x, y - c.y, c.x + c.cx - 1 - x, c.y + c.cy - 1 - y}) < width) {
                ++ring;
                standsOut += screen[i] != picture[i];
                wrong += screen[i] != 0 && screen[i] != 0xFFD800;
            } else {
                wrong += screen[i] != picture[i];
            }
        }
    EXPECT_EQ(wrong, 0) << label;
    EXPECT_GT(standsOut, ring * 9 / 10) << label;
}

// Presses each key as the player does; the count of keys pressed so far.
inline int g_keysPressed = 0;
inline void PressKeys(std::initializer_list<WORD> keys, bool ctrl = false)
{
    for (WORD vk : keys) {
        EXPECT_TRUE(PressKeyAndWait(vk, false, ctrl)) << "key " << vk;
        ++g_keysPressed;
    }
}

// Moves the cursor from where it is to (col, row) with the fewest arrows, Home and End.
inline void MoveCursorTo(const CRunningProgram& program, int col, int row)
{
    const int from = program.View().m_nCursorCol, w = g_pBoard->GetWidth();
    if (std::min(col, w + 1 - col) < std::abs(col - from))
        PressKeys({col <= w + 1 - col ? static_cast<WORD>(VK_HOME) : static_cast<WORD>(VK_END)});
    for (int c = program.View().m_nCursorCol; c != col; c += c < col ? 1 : -1)
        PressKeys({static_cast<WORD>(c < col ? VK_RIGHT : VK_LEFT)});
    for (int r = program.View().m_nCursorRow; r != row; r += r < row ? 1 : -1)
        PressKeys({static_cast<WORD>(r < row ? VK_DOWN : VK_UP)});
}

// A text of a screen reader's, as a narrow string.
inline std::string TakeText(BSTR text)
{
    const std::string utf8 = Utf8(text);
    ::SysFreeString(text);
    return utf8;
}

// A child's name; "(none)" for a child that has none.
inline std::string AccName(IAccessible* object, long child)
{
    BSTR name = nullptr;
    const HRESULT hr = object->get_accName(ChildVariant(child), &name);
    EXPECT_TRUE(hr == S_OK || (hr == S_FALSE && !name)) << "child " << child;
    return hr == S_OK ? TakeText(name) : "(none)";
}

// The events the view sends screen readers about its client area: reorders,
// focus, selection and name changes, as (event, child).
inline std::vector<std::pair<DWORD, long>> g_winEvents;
class CWinEvents {
public:
    explicit CWinEvents(HWND hView)
    {
        s_hView = hView;
        g_winEvents.clear();
        m_hHook = ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE, nullptr, Record,
                                    ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~CWinEvents() { ::UnhookWinEvent(m_hHook); }
    CWinEvents(const CWinEvents&) = delete;
    CWinEvents& operator=(const CWinEvents&) = delete;

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
    {
        const bool ours = event == EVENT_OBJECT_REORDER || event == EVENT_OBJECT_FOCUS ||
                          event == EVENT_OBJECT_SELECTION || event == EVENT_OBJECT_NAMECHANGE;
        if (ours && hWnd == s_hView && idObject == OBJID_CLIENT)
            g_winEvents.emplace_back(event, idChild);
    }
    static inline HWND s_hView = nullptr;
    HWINEVENTHOOK m_hHook = nullptr;
};

// Whether a game dialog tells screen readers every text it paints, in order.
inline bool DescribesInOrder(HWND hDlg, const std::vector<std::string>& painted)
{
    auto* dialog = dynamic_cast<CFaceDialog*>(CWnd::FromHandle(hDlg));
    BSTR text = nullptr;
    if (!dialog || dialog->GetAccessibleObject()->get_accDescription(ChildVariant(CHILDID_SELF), &text) != S_OK)
        return false;
    const std::string description = TakeText(text);
    std::size_t at = 0;
    for (const std::string& line : painted)
        if ((at = description.find(line, at)) == std::string::npos)
            return false;
    return !painted.empty();
}
