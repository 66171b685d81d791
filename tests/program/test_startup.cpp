// Start-up: the order of its steps, the program's folder, the main window's
// placement, style and layout, the command line, and leaving.

#include "tests/program/Program.h"

#include "shell/MahjongApp.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(ProgramFolder, KeepsTheTrailingBackslash)
{
    const struct {
        const char* label;
        const char* path;
        const char* folder;
    } cases[] = {
        {"nested folder", "C:\\Games\\Puzzle\\play.exe", "C:\\Games\\Puzzle\\"},
        {"drive root", "C:\\play.exe", "C:\\"},
        {"network share", "\\\\server\\games\\Morvane.exe", "\\\\server\\games\\"},
        {"no folder at all", "play.exe", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolder(c.path), c.folder) << c.label;
}

// What start-up does, in order: windows made and shown, settings read and written.
std::vector<std::string> g_events;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        g_events.push_back("create " + ClassName(reinterpret_cast<HWND>(wParam)));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordShow(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_SHOWWINDOW && msg->wParam)
        g_events.push_back("show " + ClassName(msg->hwnd));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StartUp, RunsItsStepsInOrder)
{
    CScratchSettings store;
    for (const char* name : {"SizeX", "SizeY", "TileSet", "BackPic", "Animation", "Tiles", "SoundON", "SizeTiles"})
        CScratchSettings::Write(name, "0");
    g_events.clear();
    {
        CSettingsLog settings(g_events);
        ASSERT_TRUE(settings.Active());
        const CThreadHook created(WH_CBT, RecordCreation), shown(WH_CALLWNDPROC, RecordShow);
        CRunningProgram program;
        ASSERT_TRUE(program.Started());
    }
    // The settings, the main window's parts, and the main window shown.
    const std::vector<std::string> kept = {"read ",
                                           "write ",
                                           "create MorvaneFrame",
                                           "create MorvaneView",
                                           "create ToolbarWindow32",
                                           "create msctls_statusbar32",
                                           "show MorvaneFrame"};
    std::vector<std::string> steps;
    for (const std::string& e : g_events)
        if (std::any_of(kept.begin(), kept.end(), [&](const std::string& k) { return e.rfind(k, 0) == 0; }))
            steps.push_back(e);
    const std::vector<std::string> expected = {
        // The language comes first: the frame's menu is made in it.
        "read Language",
        "create MorvaneFrame", "read SizeX",          "read SizeY",          "read TileSet",
        "read BackPic",        "read Animation",      "read Tiles",          "read SoundON",
        "read SizeTiles",      "read Gravity",        "create MorvaneView",  "create ToolbarWindow32", "create msctls_statusbar32",
        "show MorvaneFrame",
        // The first paint deals the first puzzle (tile set 0: the player's own picture), shows the size's
        // best time in the caption and stores its size, then asks whether to show the tips.
        "read TileSet\\FName", "read 8_18", "write SizeX", "write SizeY", "write Tiles", "write TileSet",
        "read ShowTips", "write Path",
    };
    EXPECT_EQ(steps, expected);
}

TEST(StartUp, RecordsTheProgramsFolderAsPath)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string expected = ProgramFolder(path);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected.back(), '\\');
    EXPECT_EQ(CScratchSettings::Read("Path"), expected);
}

// The frame's placement as it is created, before the first puzzle sizes it.
RECT g_created{};

LRESULT CALLBACK RecordFramePlacement(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && ClassName(reinterpret_cast<HWND>(wParam)) == "MorvaneFrame") {
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        g_created = {cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy};
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainFrame, OpensAt50And0With400By400NeitherResizableNorMaximisable)
{
    CScratchSettings store;
    for (int run = 1; run <= 2; ++run) {
        g_created = {};
        const CThreadHook created(WH_CBT, RecordFramePlacement);
        CRunningProgram program;
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(g_created.left, 50) << "run " << run;
        EXPECT_EQ(g_created.top, 0) << "run " << run;
        EXPECT_EQ(g_created.right - g_created.left, 400) << "run " << run;
        EXPECT_EQ(g_created.bottom - g_created.top, 400) << "run " << run;
        // The first puzzle then sizes the frame where it stands.
        RECT r{};
        ::GetWindowRect(program.FrameWindow(), &r);
        EXPECT_EQ(r.left, 50) << "run " << run;
        EXPECT_EQ(r.top, 0) << "run " << run;
        const LONG style = ::GetWindowLongA(program.FrameWindow(), GWL_STYLE);
        EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "run " << run;
        EXPECT_FALSE(style & WS_THICKFRAME) << "run " << run;
        EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) && (style & WS_MINIMIZEBOX))
            << "run " << run;
        EXPECT_TRUE(::IsWindowVisible(program.FrameWindow())) << "run " << run;
        EXPECT_EQ(WindowText(program.FrameWindow()), "Best result is 00:00:00") << "run " << run;
        // Wherever the player leaves the window, the next start puts it back.
        ::MoveWindow(program.FrameWindow(), 300, 200, 400, 400, TRUE);
    }
}

TEST(MainFrame, ShowsTheViewBetweenToolBarAndStatusBar)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    const auto clientRect = [&](HWND hWnd) {
        RECT r{};
        ::GetWindowRect(hWnd, &r);
        ::MapWindowPoints(nullptr, hFrame, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT client{};
    ::GetClientRect(hFrame, &client);
    const RECT tools = clientRect(program.Frame().m_wndToolBar.m_hWnd);
    const RECT status = clientRect(program.Frame().m_wndStatusBar.m_hWnd);
    const RECT view = clientRect(program.View().m_hWnd);
    EXPECT_EQ(tools.top, 0);
    EXPECT_GT(tools.bottom, 25) << "the tool bar holds buttons 25 pixels high";
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(view.top, tools.bottom);
    EXPECT_EQ(view.bottom, status.top);
    EXPECT_EQ(view.left, 0);
    EXPECT_EQ(view.right, client.right);
    EXPECT_TRUE(::GetWindowLongA(program.View().m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST(CommandLine, AFileThatOpensStartsTheGameAsUsual)
{
    CScratchSettings store;
    char folder[MAX_PATH] = "", file[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    ::GetTempFileNameA(folder, "mhj", 0, file);
    {
        CModalAnswers answers;
        CRunningProgram program((std::string("\"") + file + "\"").c_str());
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(WindowText(program.FrameWindow()), "Best result is 00:00:00");
        EXPECT_TRUE(answers.Seen().empty());
        EXPECT_EQ(program.View().m_nSizeX, 18);
    }
    ::DeleteFileA(file);
}

TEST(CommandLine, AFileThatCannotBeOpenedIsReportedAndEndsTheStart)
{
    CScratchSettings store;
    CModalAnswers answers;
    std::string message;
    answers.Expect([&](HWND hBox) {
        message = WindowText(::GetDlgItem(hBox, 0xFFFF));
        PressButton(hBox, IDOK);
    });
    CRunningProgram program("Z:\\no\\such\\puzzle.mhj");
    EXPECT_FALSE(program.Started());
    EXPECT_EQ(program.FrameWindow(), nullptr);
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Morvane"});
    EXPECT_EQ(message, "The file Z:\\no\\such\\puzzle.mhj cannot be opened.");
}

TEST(Exit, EndsTheProgramWithoutAQuestion)
{
    CScratchSettings store;
    CModalAnswers answers;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    program.Command(ID_APP_EXIT);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(program.FrameWindow(), nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the message loop is told to end";
    EXPECT_TRUE(answers.Seen().empty());
}

} // namespace
