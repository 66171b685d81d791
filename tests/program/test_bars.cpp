// The tool bar with its buttons and tool tips, and the status bar with its
// three panes and the total clock.

#include "tests/program/Program.h"

#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

std::string PaneText(HWND hStatus, int pane)
{
    char text[256] = "";
    ::SendMessageA(hStatus, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::string> PaneTexts(HWND hStatus)
{
    std::vector<std::string> texts;
    for (int i = 0, n = static_cast<int>(::SendMessageA(hStatus, SB_GETPARTS, 0, 0)); i < n; ++i)
        texts.push_back(PaneText(hStatus, i));
    return texts;
}

TEST(StatusBar, HasThreePanesAsWideAsTheirIndicators)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = program.Frame().m_wndStatusBar.m_hWnd;
    int rightEdges[8] = {};
    ASSERT_EQ(::SendMessageA(hStatus, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(rightEdges)), 3);
    // The first puzzle blanks the game clock and counts its possible moves.
    CString matched;
    matched.Format("%d matched tiles.", program.View().CountPossibleMoves());
    EXPECT_EQ(PaneTexts(hStatus), (std::vector<std::string>{std::string(16, ' '), std::string(18, ' '),
                                                             static_cast<const char*>(matched)}));
    // The widest text each pane shows must fit in it, in the bar's own font.
    HDC hDC = ::GetDC(hStatus);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageA(hStatus, WM_GETFONT, 0, 0)));
    const auto width = [&](const std::string& text) {
        SIZE size{};
        ::GetTextExtentPoint32A(hDC, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const struct {
        const char* label;
        int pane;
        std::string widest;
    } cases[] = {
        {"game clock", 0, "99:59:59"},
        {"total clock", 1, "99:59:59"},
        {"matched tiles", 2, "99 matched tiles."},
    };
    for (const auto& c : cases) {
        RECT r{};
        ::SendMessageA(hStatus, SB_GETRECT, c.pane, reinterpret_cast<LPARAM>(&r));
        EXPECT_GT(r.right - r.left, width(c.widest)) << c.label;
    }
    EXPECT_GT(rightEdges[2] - rightEdges[1], rightEdges[0]) << "28 blanks against 20";
    EXPECT_GT(rightEdges[0], rightEdges[1] - rightEdges[0]) << "20 blanks against 18";
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hStatus, hDC);
}

TEST(StatusBar, ShowsNoPromptsWhileTheMenuIsBrowsed)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = program.Frame().m_wndStatusBar.m_hWnd;
    const std::vector<std::string> before = PaneTexts(hStatus);
    HMENU hFile = ::GetSubMenu(::GetMenu(program.FrameWindow()), 0);
    ::SendMessageA(program.FrameWindow(), WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_HILITE),
                   reinterpret_cast<LPARAM>(hFile));
    Pump(50);
    EXPECT_EQ(PaneTexts(hStatus), before);
    ::SendMessageA(program.FrameWindow(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Pump(50);
    EXPECT_EQ(PaneTexts(hStatus), before);
}

TEST(TotalClock, ShowsTheTimeSinceStartInPaneOneEverySecondButNotWhilePaused)
{
    CScratchSettings store;
    CVirtualClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = program.Frame().m_wndStatusBar.m_hWnd;
    const struct {
        const char* label;
        std::time_t elapsed;
        const char* text;
    } cases[] = {
        {"at start", 0, "00:00:00"},
        {"an hour, two minutes, five seconds", 3725, "01:02:05"},
    };
    for (const auto& c : cases) {
        clock.m_now = 1700000000 + c.elapsed;
        // The clock's own timer, not a message of the test's, brings the new text.
        EXPECT_TRUE(PumpUntil([&] { return PaneText(hStatus, 1) == c.text; }, 2500))
            << c.label << ": pane 1 shows '" << PaneText(hStatus, 1) << "'";
    }
    EXPECT_EQ(PaneText(hStatus, 0), "01:02:05") << "the first puzzle's clock started with the program";

    program.View().m_bPaused = 1;
    clock.m_now += 5;
    Pump(1500);
    EXPECT_EQ(PaneText(hStatus, 1), "01:02:05") << "paused";
}

TEST(ToolBar, HoldsElevenButtonsInOrder)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hTools = program.Frame().m_wndToolBar.m_hWnd;
    const std::vector<int> expected = {ID_FILE_NEW, ID_HELP_ME, ID_HINT,  ID_SOLVE,     ID_UNDO,    ID_SOUND_ON,
                                       ID_NEXT_TILES, ID_PAUSE, ID_HELP, ID_APP_ABOUT, ID_APP_EXIT};
    ASSERT_EQ(::SendMessageA(hTools, TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        TBBUTTON button{};
        ::SendMessageA(hTools, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, expected[i]) << "button " << i;
        EXPECT_EQ(button.iBitmap, i) << "button " << i << " shows picture " << i;
        EXPECT_EQ(button.fsStyle & BTNS_SEP, 0) << "button " << i;
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << "button " << i;
    }
    RECT r{};
    ::SendMessageA(hTools, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_GE(r.right - r.left, 26);
    EXPECT_GE(r.bottom - r.top, 25);
}

TEST(ToolBar, ShowsToolTipsForSixCommands)
{
    const struct {
        const char* label;
        int command;
        const char* tip;
    } cases[] = {
        {"New", ID_FILE_NEW, "Create a new mahjong"},
        {"Help me!", ID_HELP_ME, "Help me!"},
        {"Hint", ID_HINT, ""},
        {"solve and replay", ID_SOLVE, ""},
        {"Undo", ID_UNDO, "Undo"},
        {"Sound ON", ID_SOUND_ON, ""},
        {"Next tiles", ID_NEXT_TILES, ""},
        {"Pause", ID_PAUSE, ""},
        {"Help", ID_HELP, "Help"},
        {"About", ID_APP_ABOUT, "About"},
        {"Exit", ID_APP_EXIT, "Exit"},
    };
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hTools = program.Frame().m_wndToolBar.m_hWnd;
    const auto hTips = reinterpret_cast<HWND>(::SendMessageA(hTools, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(hTips, nullptr);
    for (const auto& c : cases) {
        char text[256] = "";
        TOOLINFOA info{};
        info.cbSize = sizeof info;
        info.hwnd = hTools;
        info.uId = static_cast<UINT_PTR>(c.command);
        info.lpszText = text;
        ::SendMessageA(hTips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, c.tip) << c.label;
    }
}

TEST(ToolBar, AboutButtonOpensTheAboutDialog)
{
    CScratchSettings store;
    CModalAnswers answers;
    answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hTools = program.Frame().m_wndToolBar.m_hWnd;
    RECT r{};
    ::SendMessageA(hTools, TB_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&r));
    const LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::PostMessageA(hTools, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageA(hTools, WM_LBUTTONUP, 0, centre);
    EXPECT_TRUE(PumpUntil([&] { return answers.Pending() == 0; }, 3000));
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"About Morvane"});
}

} // namespace
