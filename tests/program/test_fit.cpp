// "Fit to window": a frame the player sizes, a board that follows it, and the
// frame's placement kept from one start to the next.

#include "tests/program/PlayTools.h"

#include "framework/Scale.h"
#include "framework/Screen.h"

#include <utility>
#include <vector>

namespace {

std::pair<int, int> TileSize() { return {Cell(1, 1).cx, Cell(1, 1).cy}; }

std::vector<LONG> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(FitToWindow, FillsTheMaximizedFrameAndStartsAgainWhereItWas)
{
    CScratchSettings store;
    RECT placed{};
    {
        CRunningProgram program;
        ASSERT_TRUE(program.Started());
        const HWND hFrame = program.FrameWindow(), hView = program.View().m_hWnd;
        const std::vector<int> kinds = Kinds();
        const auto [normalCx, normalCy] = TileSize();
        program.Command(ID_TILES_FIT); // no question: the puzzle in play stays
        EXPECT_EQ(Kinds(), kinds);
        EXPECT_EQ(::GetWindowLongW(hFrame, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), WS_THICKFRAME | WS_MAXIMIZEBOX);
        ::SendMessageW(hFrame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        Pump(50);
        const std::vector<std::uint32_t> bar = CaptureClient(StatusBar(program)).pixels;
        ::RedrawWindow(StatusBar(program), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_TRUE(bar == CaptureClient(StatusBar(program)).pixels) << "the status bar is drawn whole at its new place";
        RECT client{};
        ::GetClientRect(hView, &client);
        // The largest whole-pixel tile of the Normal tile's shape, centred: one pixel higher would not fit.
        const auto [tw, th] = TileSize();
        const int across = g_pBoard->GetWidth() + 2, down = g_pBoard->GetHeight() + 2;
        EXPECT_GT(tw, normalCx);
        EXPECT_EQ(tw, (th * normalCx + normalCy / 2) / normalCy);
        EXPECT_TRUE(across * tw <= client.right && down * th <= client.bottom);
        EXPECT_TRUE(across * (((th + 1) * normalCx + normalCy / 2) / normalCy) > client.right ||
                    down * (th + 1) > client.bottom);
        EXPECT_EQ(ScreenRect(program, RectOf(Cell(1, 1))), PictureRect(Picture(), RectOf(Cell(1, 1))));
        CTilePair pair;
        ASSERT_TRUE(FirstPair(pair));
        for (const auto& [col, row] : {std::pair(pair.col1, pair.row1), std::pair(pair.col2, pair.row2)})
            Click(program, {(client.right - across * tw) / 2 + col * tw + tw / 2,
                            (client.bottom - down * th) / 2 + row * th + th / 2});
        EXPECT_EQ(Cell(pair.col1, pair.row1).kind + Cell(pair.col2, pair.row2).kind, -2) << "the pair is gone";
        ::SendMessageW(hFrame, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_EQ(TileSize(), std::make_pair(normalCx, normalCy));
        ::MoveWindow(hFrame, 30, 40, 900, 700, TRUE);
        ::GetWindowRect(hFrame, &placed);
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    }
    CRunningProgram again;
    ASSERT_TRUE(again.Started());
    RECT now{};
    ::GetWindowRect(again.FrameWindow(), &now);
    EXPECT_EQ(Corners(now), Corners(placed));
}

TEST(FitToWindow, PutsAPlacementItCannotUseAtTheNormalSizeOnThePrimaryMonitor)
{
    WINDOWPLACEMENT offScreen{sizeof(WINDOWPLACEMENT), 0, SW_SHOWNORMAL, {}, {}, RECT{20000, 20000, 20900, 20700}};
    WINDOWPLACEMENT wrongLength{7, 0, SW_SHOWNORMAL, {}, {}, RECT{30, 40, 930, 740}};
    const struct {
        const char* label;
        const WINDOWPLACEMENT* placement;
        DWORD bytes;
    } cases[] = {
        {"on a monitor that is gone", &offScreen, sizeof offScreen},
        {"a wrong length inside", &wrongLength, sizeof wrongLength},
        {"cut short", &offScreen, 20},
    };
    for (const auto& c : cases) {
        CScratchSettings store(CScratchSettings::Entries{{"SizeTiles", "3"}});
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestova\\Morvane", L"WindowPlacement", REG_BINARY,
                          c.placement, c.bytes);
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        RECT frame{}, client{};
        ::GetWindowRect(program.FrameWindow(), &frame);
        ::GetClientRect(program.View().m_hWnd, &client);
        const RECT room = GetWorkArea(program.FrameWindow());
        const UINT dpi = program.View().GetDpi();
        EXPECT_EQ(TileSize(), std::make_pair(ScaleToDpi(30, dpi), ScaleToDpi(40, dpi))) << c.label;
        EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(20L * TileSize().first, 10L * TileSize().second))
            << c.label;
        EXPECT_NEAR(frame.left + frame.right, room.left + room.right, 1) << c.label;
        EXPECT_NEAR(frame.top + frame.bottom, room.top + room.bottom, 1) << c.label;
    }
}

} // namespace
