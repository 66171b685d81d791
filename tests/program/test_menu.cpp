// The menu bar as the player sees it, the check marks its update handlers
// set, and the keys of the accelerator table.

#include "tests/program/Program.h"

#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

HWND g_hFrame = nullptr;
std::vector<std::pair<UINT, UINT>> g_commands; // (command, notification code) the frame received

struct CMenuItem {
    std::string text;
    UINT id = 0; // 0 for a sub-menu
    std::vector<CMenuItem> items;
};

std::vector<CMenuItem> ReadMenu(HMENU hMenu)
{
    std::vector<CMenuItem> items;
    for (int i = 0, n = ::GetMenuItemCount(hMenu); i < n; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = ARRAYSIZE(text);
        ::GetMenuItemInfoW(hMenu, i, TRUE, &info);
        items.push_back(
            {Utf8(text), info.hSubMenu ? 0 : info.wID, info.hSubMenu ? ReadMenu(info.hSubMenu) : std::vector<CMenuItem>{}});
    }
    return items;
}

void ExpectSameMenu(const std::vector<CMenuItem>& actual, const std::vector<CMenuItem>& expected, const std::string& path)
{
    ASSERT_EQ(actual.size(), expected.size()) << "items in " << path;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::string where = path + "/" + expected[i].text;
        EXPECT_EQ(actual[i].text, expected[i].text) << path << " item " << i;
        EXPECT_EQ(actual[i].id, expected[i].id) << where;
        ExpectSameMenu(actual[i].items, expected[i].items, where);
    }
}

TEST(Menu, HoldsEveryPopupItemTextAndCommand)
{
    const std::vector<CMenuItem> expected = {
        {"&File", 0,
         {{"&New\tCtrl+N", ID_FILE_NEW, {}},
          {"Save to...", 32799, {}},
          {"Load from...", 32800, {}},
          {"Show tip", 32818, {}},
          {"Select deal...\tF3", ID_SELECT_DEAL, {}},
          {"Deal of the day", ID_DEAL_OF_THE_DAY, {}},
          {"Resume last game", ID_RESUME_LAST_GAME, {}},
          {"E&xit", ID_APP_EXIT, {}}}},
        {"Edit", 0,
         {{"Undo\tCtrl+Z", 32777, {}},
          {"Redo\tCtrl+Y", ID_REDO, {}},
          {"Choose sets...\tCtrl+T", 32786, {}},
          {"Select another set...", 32811, {}},
          {"Backgrounds", 0, {{"Easy", 32803, {}}, {"Dark blue", 32804, {}}, {"Clouds", 32805, {}}, {"Green", 32812, {}}}},
          {"Sound ON", 32797, {}},
          {"Language", 0,
           {{"Windows' choice", ID_LANGUAGE_WINDOWS, {}},
            {"English", ID_LANGUAGE_EN, {}},
            {"Deutsch", ID_LANGUAGE_DE, {}},
            {"Français", ID_LANGUAGE_FR, {}},
            {"Español", ID_LANGUAGE_ES, {}},
            {"Italiano", ID_LANGUAGE_IT, {}},
            {"Português (Brasil)", ID_LANGUAGE_PT, {}},
            {"Polski", ID_LANGUAGE_PL, {}},
            {"Русский", ID_LANGUAGE_RU, {}},
            {"日本語", ID_LANGUAGE_JA, {}},
            {"中文(简体)", ID_LANGUAGE_ZH, {}}}}}},
        {"Game", 0,
         {{"Set size", 0,
           {{"8 x 10", 32813, {}},
            {"8 x 18", 32773, {}},
            {"8 x 20", 32787, {}},
            {"10 x 18", 32814, {}},
            {"12 x 12", 32774, {}},
            {"12 x 16", 32815, {}},
            {"12 x 24", 32776, {}},
            {"16 x 10", 32788, {}},
            {"20 x 16", 32789, {}}}},
          {"Size of tiles", 0, {{"Normal", 32808, {}}, {"Big", 32809, {}}, {"Biggest", 32810, {}}, {"Fit to window", 32870, {}}}},
          {"Help me!", 32771, {}},
          {"Hint", 32816, {}},
          {"Next tiles", 32801, {}},
          {"&Pouse\tP", 32807, {}},
          {"Animation", 32819, {}},
          {"Restart\tCtrl+R", ID_RESTART, {}},
          {"Shuffle", ID_SHUFFLE, {}},
          {"Gravity", ID_GRAVITY, {}}}},
        {"&Help", 0, {{"&About program...", ID_APP_ABOUT, {}}, {"Help\t F1", ID_HELP, {}}, {"High scores", 32795, {}}, {"Statistics", ID_STATISTICS, {}}}},
    };
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    ExpectSameMenu(ReadMenu(::GetMenu(program.FrameWindow())), expected, "menu");
}

// Every item of a menu and its sub-menus, by its path of texts.
void CollectStates(HMENU hMenu, const std::string& path, std::map<std::string, UINT>& states)
{
    for (int i = 0, n = ::GetMenuItemCount(hMenu); i < n; ++i) {
        char text[256] = "";
        ::GetMenuStringA(hMenu, i, text, sizeof text, MF_BYPOSITION);
        const std::string where = path.empty() ? text : path + "/" + text;
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            CollectStates(hSub, where, states);
        else
            states[where] = ::GetMenuState(hMenu, i, MF_BYPOSITION);
    }
}

TEST(Menu, TheResourceChecksAndGreysNothing)
{
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    std::map<std::string, UINT> states;
    CollectStates(hMenu, "", states);
    ::DestroyMenu(hMenu);
    EXPECT_EQ(states.size(), 53u);
    for (const auto& [item, state] : states)
        EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED), 0u) << item;
}

// Opens every popup of the menu bar as a player does, item by item: the
// frame gets WM_INITMENUPOPUP for each.
void OpenEveryPopup(HWND hFrame, HMENU hMenu)
{
    for (int i = 0, n = ::GetMenuItemCount(hMenu); i < n; ++i)
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            ::SendMessageA(hFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSub), MAKELPARAM(i, FALSE));
            OpenEveryPopup(hFrame, hSub);
        }
}

std::set<std::string> CheckedItems(HWND hFrame)
{
    OpenEveryPopup(hFrame, ::GetMenu(hFrame));
    std::map<std::string, UINT> states;
    CollectStates(::GetMenu(hFrame), "", states);
    std::set<std::string> checked;
    for (const auto& [item, state] : states)
        if (state & MF_CHECKED)
            checked.insert(item);
    return checked;
}

TEST(Menu, ChecksWhatTheStoredSettingsChoose)
{
    const struct {
        const char* label;
        CScratchSettings::Entries stored;
        std::set<std::string> checked;
    } cases[] = {
        {"nothing stored",
         {},
         {"Game/Set size/8 x 18", "Game/Size of tiles/Normal", "Edit/Language/English", "Edit/Backgrounds/Clouds", "Edit/Sound ON",
          "Game/Animation"}},
        {"every choice stored",
         {{"SizeX", "16"}, {"SizeY", "12"}, {"Tiles", "32"}, {"SizeTiles", "2"}, {"BackPic", "144"},
          {"SoundON", "1"}, {"Animation", "1"}, {"Gravity", "1"}},
         {"Game/Set size/12 x 16", "Game/Size of tiles/Biggest", "Edit/Language/English", "Edit/Backgrounds/Easy",
          "Game/Gravity"}},
        {"16 x 10 has 16 columns",
         {{"SizeX", "16"}, {"SizeY", "10"}, {"SizeTiles", "1"}, {"BackPic", "153"}},
         {"Game/Set size/16 x 10", "Game/Size of tiles/Big", "Edit/Language/English", "Edit/Backgrounds/Dark blue", "Edit/Sound ON",
          "Game/Animation"}},
        {"8 x 10 has 10 columns",
         {{"SizeX", "10"}, {"SizeY", "8"}, {"BackPic", "158"}},
         {"Game/Set size/8 x 10", "Game/Size of tiles/Normal", "Edit/Language/English", "Edit/Backgrounds/Green", "Edit/Sound ON",
          "Game/Animation"}},
        {"fit to window",
         {{"SizeTiles", "3"}},
         {"Game/Set size/8 x 18", "Game/Size of tiles/Fit to window", "Edit/Language/English", "Edit/Backgrounds/Clouds",
          "Edit/Sound ON", "Game/Animation"}},
        {"20 x 16",
         {{"SizeX", "20"}, {"SizeY", "16"}},
         {"Game/Set size/20 x 16", "Game/Size of tiles/Normal", "Edit/Language/English", "Edit/Backgrounds/Clouds", "Edit/Sound ON",
          "Game/Animation"}},
        {"a language the game does not have is Windows' choice (English here)",
         {{"Language", "tlh-Latn"}},
         {"Game/Set size/8 x 18", "Game/Size of tiles/Normal", "Edit/Language/Windows' choice",
          "Edit/Backgrounds/Clouds", "Edit/Sound ON", "Game/Animation"}},
    };
    for (const auto& c : cases) {
        CScratchSettings store(c.stored);
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        EXPECT_EQ(CheckedItems(program.FrameWindow()), c.checked) << c.label;
    }
}

TEST(Menu, ThePauseMarkFollowsThePause)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(CheckedItems(program.FrameWindow()).count("Game/&Pouse\tP"), 0u) << "running";
    program.View().m_bPaused = 1;
    EXPECT_EQ(CheckedItems(program.FrameWindow()).count("Game/&Pouse\tP"), 1u) << "paused";
}

// While the player has the menu open: the popups the frame prepared, and
// the Game popup's marks as they stand when the menu waits for input.
std::vector<HMENU> g_preparedPopups;
std::set<std::string> g_gameMarks;
bool g_bMenuWaited = false;

LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->hwnd == g_hFrame && msg->message == WM_INITMENUPOPUP)
        g_preparedPopups.push_back(reinterpret_cast<HMENU>(msg->wParam));
    if (code == HC_ACTION && msg->hwnd == g_hFrame && msg->message == WM_ENTERIDLE && msg->wParam == MSGF_MENU &&
        !g_bMenuWaited) {
        g_bMenuWaited = true;
        HMENU hGame = ::GetSubMenu(::GetMenu(g_hFrame), 2);
        for (int i = 0, n = ::GetMenuItemCount(hGame); i < n; ++i) {
            char text[64] = "";
            ::GetMenuStringA(hGame, i, text, sizeof text, MF_BYPOSITION);
            if (::GetMenuState(hGame, i, MF_BYPOSITION) & MF_CHECKED)
                g_gameMarks.insert(text);
        }
        ::EndMenu();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Menu, OpeningGameWithTheKeyboardShowsItsMarks)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    program.View().m_bPaused = 1;
    g_hFrame = program.FrameWindow();
    g_preparedPopups.clear();
    g_gameMarks.clear();
    g_bMenuWaited = false;
    ::SetForegroundWindow(g_hFrame);
    const CThreadHook hook(WH_CALLWNDPROC, WatchMenu);
    for (WORD vk : {VK_F10, VK_RIGHT, VK_RIGHT, VK_DOWN})
        PressKey(vk);
    EXPECT_TRUE(PumpUntil([] { return g_bMenuWaited; }, 3000));
    EXPECT_EQ(g_preparedPopups, std::vector<HMENU>{::GetSubMenu(::GetMenu(g_hFrame), 2)});
    EXPECT_EQ(g_gameMarks, std::set<std::string>{"&Pouse\tP"});
}

TEST(Menu, ShellCommandsAreEnabled)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    OpenEveryPopup(program.FrameWindow(), ::GetMenu(program.FrameWindow()));
    std::map<std::string, UINT> states;
    CollectStates(::GetMenu(program.FrameWindow()), "", states);
    for (const char* item : {"&File/&New\tCtrl+N", "&File/E&xit", "&Help/&About program...", "&Help/Help\t F1",
                             "Game/Set size/12 x 12", "Edit/Sound ON", "Game/Animation", "Game/&Pouse\tP"})
        EXPECT_EQ(states.at(item) & MF_GRAYED, 0u) << item;
}

TEST(Accelerators, HoldExactlyTheirKeys)
{
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(hAccel, nullptr);
    ACCEL table[8]{};
    const int n = ::CopyAcceleratorTableA(hAccel, table, 8);
    const std::vector<std::tuple<int, int, int>> expected = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'N', ID_FILE_NEW},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'Z', ID_UNDO},
        {FNOINVERT, 'P', ID_PAUSE},
        {FNOINVERT, 'p', ID_PAUSE},
        {FVIRTKEY | FNOINVERT, VK_F3, ID_SELECT_DEAL},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'Y', ID_REDO},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'R', ID_RESTART},
    };
    std::vector<std::tuple<int, int, int>> actual;
    for (int i = 0; i < n; ++i)
        actual.emplace_back(table[i].fVirt & ~0x80, table[i].key, table[i].cmd);
    EXPECT_EQ(actual, expected);
}


LRESULT CALLBACK RecordCommands(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->hwnd == g_hFrame && msg->message == WM_COMMAND)
        g_commands.emplace_back(LOWORD(msg->wParam), HIWORD(msg->wParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Accelerators, KeysIssueTheirCommands)
{
    const struct {
        const char* label;
        WORD vk;
        bool shift;
        bool ctrl;
        std::vector<std::pair<UINT, UINT>> commands;
    } cases[] = {
        {"P", 'P', true, false, {{ID_PAUSE, 1}}},
        {"p", 'P', false, false, {{ID_PAUSE, 1}}},
        {"Ctrl+N", 'N', false, true, {{ID_FILE_NEW, 1}}},
        {"F3", VK_F3, false, false, {{ID_SELECT_DEAL, 1}}},
        {"Ctrl+R", 'R', false, true, {{ID_RESTART, 1}}},
        {"Ctrl+T is only a label", 'T', false, true, {}},
        {"F1 is only a label", VK_F1, false, false, {}},
        {"q", 'Q', false, false, {}},
    };
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    g_hFrame = program.FrameWindow();
    ::SetForegroundWindow(g_hFrame);
    ::SetFocus(program.View().m_hWnd);
    // Ctrl+N on a dealt puzzle asks "Create new puzzle?": the player cancels.
    CModalAnswers answers;
    answers.Expect([](HWND hBox) { PressButton(hBox, IDCANCEL); });
    answers.Expect([](HWND hDlg) { PressButton(hDlg, IDCANCEL); }); // F3: "Select deal"
    const CThreadHook hook(WH_CALLWNDPROC, RecordCommands);
    for (const auto& c : cases) {
        g_commands.clear();
        EXPECT_TRUE(PressKeyAndWait(c.vk, c.shift, c.ctrl)) << c.label;
        EXPECT_EQ(g_commands, c.commands) << c.label;
    }
    EXPECT_EQ(answers.Pending(), 0u) << "the question was asked";
}

} // namespace
