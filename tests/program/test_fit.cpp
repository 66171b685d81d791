// "Fit to window": a frame the player sizes, a board that follows it, and the
// frame's placement kept from one start to the next.

#include "tests/program/PlayTools.h"

#include "framework/Scale.h"
#include "framework/Screen.h"

#include <string>
#include <utility>
#include <vector>

namespace {

RECT WindowRect(HWND hWnd)
{
    RECT r{};
    ::GetWindowRect(hWnd, &r);
    return r;
}

RECT ClientRect(HWND hWnd)
{
    RECT r{};
    ::GetClientRect(hWnd, &r);
    return r;
}

// The centre of playing cell (col, row) of a board of tiles tw x th centred in the client area.
POINT CentredCellCentre(const RECT& client, int tw, int th, int col, int row)
{
    const int left = (client.right - (g_pBoard->GetWidth() + 2) * tw) / 2;
    const int top = (client.bottom - (g_pBoard->GetHeight() + 2) * th) / 2;
    return {left + col * tw + tw / 2, top + row * th + th / 2};
}

// The tile size of the board in play.
std::pair<int, int> TileSize()
{
    return {Cell(1, 1).cx, Cell(1, 1).cy};
}

bool Resizable(HWND hFrame)
{
    const LONG_PTR style = ::GetWindowLongPtrW(hFrame, GWL_STYLE);
    return (style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX);
}

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
        EXPECT_TRUE(Resizable(hFrame));
        EXPECT_EQ(CScratchSettings::Read("SizeTiles"), std::optional<std::string>("3"));

        ::SendMessageW(hFrame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        const RECT client = ClientRect(hView);
        const auto [tw, th] = TileSize();
        EXPECT_GT(tw, normalCx);
        // The largest whole-pixel tile in the Normal tile's shape: one pixel higher would not fit.
        const int across = g_pBoard->GetWidth() + 2, down = g_pBoard->GetHeight() + 2;
        EXPECT_TRUE(across * tw <= client.right && down * th <= client.bottom);
        EXPECT_EQ(tw, (th * normalCx + normalCy / 2) / normalCy);
        EXPECT_TRUE(across * (((th + 1) * normalCx + normalCy / 2) / normalCy) > client.right ||
                    down * (th + 1) > client.bottom);
        EXPECT_EQ(ScreenRect(program, RectOf(Cell(1, 1))), PictureRect(Picture(), RectOf(Cell(1, 1))));
        CTilePair pair;
        ASSERT_TRUE(FirstPair(pair));
        Click(program, CentredCellCentre(client, tw, th, pair.col1, pair.row1));
        Click(program, CentredCellCentre(client, tw, th, pair.col2, pair.row2));
        EXPECT_EQ(Cell(pair.col1, pair.row1).kind, -1);
        EXPECT_EQ(Cell(pair.col2, pair.row2).kind, -1);

        ::SendMessageW(hFrame, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_EQ(TileSize(), std::make_pair(normalCx, normalCy));
        ::MoveWindow(hFrame, 30, 40, 900, 700, TRUE);
        placed = WindowRect(hFrame);
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    }
    CRunningProgram again;
    ASSERT_TRUE(again.Started());
    EXPECT_TRUE(Resizable(again.FrameWindow()));
    const RECT now = WindowRect(again.FrameWindow());
    EXPECT_EQ(std::vector<LONG>({now.left, now.top, now.right, now.bottom}),
              std::vector<LONG>({placed.left, placed.top, placed.right, placed.bottom}));
}

TEST(FitToWindow, PutsAPlacementItCannotUseAtTheNormalSizeOnThePrimaryMonitor)
{
    WINDOWPLACEMENT offScreen{};
    offScreen.length = sizeof offScreen;
    offScreen.showCmd = SW_SHOWNORMAL;
    offScreen.rcNormalPosition = RECT{20000, 20000, 20900, 20700};
    WINDOWPLACEMENT wrongLength = offScreen;
    wrongLength.length = 7;
    wrongLength.rcNormalPosition = RECT{30, 40, 930, 740};
    const struct {
        const char* label;
        std::string bytes;
    } cases[] = {
        {"on a monitor that is gone", std::string(reinterpret_cast<const char*>(&offScreen), sizeof offScreen)},
        {"a wrong length inside", std::string(reinterpret_cast<const char*>(&wrongLength), sizeof wrongLength)},
        {"cut short", std::string(reinterpret_cast<const char*>(&wrongLength), 20)},
    };
    for (const auto& c : cases) {
        CScratchSettings store(CScratchSettings::Entries{{"SizeTiles", "3"}});
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestova\\Morvane", L"WindowPlacement", REG_BINARY,
                          c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        const RECT frame = WindowRect(program.FrameWindow()), client = ClientRect(program.View().m_hWnd);
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
