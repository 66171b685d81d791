// The player's helpers through the real window: the hint, the solver's replay
// in the "Auto Solve" dialog, and the tips dialog.

#include "tests/program/PlayTools.h"

#include "commands/AutoSolveDlg.h"
#include "framework/App.h"
#include "resources/resource.h"

#include <memory>

namespace {

using CellAt = std::pair<int, int>;

// A running clock that, at its twentieth read after Watch(), while the game
// holds for a line, keeps the board picture and, if asked, closes the program.
class CWatchingClock : public CRunningClock {
public:
    std::uint32_t TickCount() override { return Look(CRunningClock::TickCount()); }
    std::time_t Now() override { return Look(CRunningClock::Now()); }
    void Watch(bool bClose = false)
    {
        m_nReads = 0;
        m_bClose = bClose;
    }
    std::vector<std::uint32_t> m_seen;

private:
    template <typename T>
    T Look(T value)
    {
        if (++m_nReads == 20) {
            m_seen = Picture();
            if (m_bClose && AfxGetMainWnd())
                ::PostMessageA(AfxGetMainWnd()->m_hWnd, WM_CLOSE, 0, 0);
        }
        return value;
    }
    int m_nReads = 100;
    bool m_bClose = false;
};

bool Inverted(const std::vector<std::uint32_t>& now, const std::vector<std::uint32_t>& before, CellAt at)
{
    const POINT p = Centre(Cell(at.first, at.second));
    const auto i = static_cast<std::size_t>(p.y) * BoardPictureRect(*g_pBoard).cx + p.x;
    return now[i] == (before[i] ^ 0xFFFFFFu);
}

TEST(Hint, ShowsTheRulesPairForTwoToThreeSecondsAndLeavesEverythingAsItWas)
{
    const struct {
        const char* label;
        Rows rows;
        CellAt select;                        // a tile selected first; (0, 0): none
        std::vector<std::pair<CellAt, CellAt>> shown; // one of these is shown at every hint
        CellAt never;                         // a tile no hint line touches; (0, 0): none
    } cases[] = {
        {"one pair, a tile selected", {"A...A.", ".BCD.."}, {2, 2}, {{{1, 1}, {5, 1}}}, {3, 2}},
        {"two pairs: the first row by row", {"....BB", "AA...."}, {0, 0}, {{{5, 1}, {6, 1}}}, {1, 2}},
        {"an enclosed tile beside its equal", {".C...", "BAA..", ".D...", "E...E"}, {0, 0}, {{{1, 4}, {5, 4}}},
         {2, 2}},
        {"three pairs: never the last found", {"AA....", "..BB..", "....CC"}, {0, 0},
         {{{1, 1}, {2, 1}}, {{3, 2}, {4, 2}}}, {5, 3}},
        {"no pair: nothing at all", {"ABC"}, {0, 0}, {}, {0, 0}},
    };
    CScratchSettings store;
    CWatchingClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const auto& c : cases) {
        UseBoard(program, c.rows);
        if (c.select.first)
            ClickCell(program, c.select.first, c.select.second);
        const std::vector<std::uint32_t> before = Picture();
        const std::string pane = PaneText(StatusBar(program), 2);
        for (int hint = 1; hint <= 4; ++hint) {
            clock.Watch();
            clock.m_seen.clear();
            const std::uint32_t t0 = clock.m_ticks;
            program.Command(ID_HINT);
            const std::uint32_t held = clock.m_ticks - t0;
            const std::string label = std::string(c.label) + ", hint " + std::to_string(hint);
            if (c.shown.empty()) {
                EXPECT_EQ(held, 0u) << label;
            } else {
                EXPECT_GT(held, 2000u) << label;
                EXPECT_LE(held, 3020u) << label;
                ASSERT_FALSE(clock.m_seen.empty()) << label;
                EXPECT_EQ(std::count_if(c.shown.begin(), c.shown.end(), [&](const auto& p) {
                              return Inverted(clock.m_seen, before, p.first) &&
                                     Inverted(clock.m_seen, before, p.second);
                          }),
                          1)
                    << label;
                EXPECT_FALSE(Inverted(clock.m_seen, before, c.never)) << label;
            }
            EXPECT_EQ(Picture(), before) << label;
            EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), before) << label;
            EXPECT_EQ(g_pBoard->GetSelCol(), c.select.first ? c.select.first : -1) << label;
            EXPECT_EQ(PaneText(StatusBar(program), 2), pane) << label;
        }
    }
}

// The pairs of Solve's list in the order the replay shows them.
std::vector<CTilePair> ReplayOrder()
{
    CTilePairList solution;
    g_pBoard->Solve(solution);
    return {solution.rbegin(), solution.rend()};
}

TEST(AutoSolve, ReplaysOnePairATickCountingDownAndUndoPutsThePairsBack)
{
    const struct {
        const char* label;
        CellAt select;
        int ticks; // timer ticks before Cancel
    } cases[] = {
        {"to the end, and a tick more", {0, 0}, 5},
        {"cancelled after two pairs, a tile selected", {2, 2}, 2},
        {"cancelled at once, a tile selected", {4, 1}, 0},
    };
    CScratchSettings store;
    CWatchingClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const auto& c : cases) {
        UseBoard(program, {"ABBA", "CDDC"});
        const std::vector<std::uint32_t> full = Picture();
        const std::vector<CTilePair> order = ReplayOrder();
        ASSERT_EQ(order.size(), 4u) << c.label;
        if (c.select.first)
            ClickCell(program, c.select.first, c.select.second);
        const std::string pane = PaneText(StatusBar(program), 2);
        std::vector<std::uint32_t> expected = full;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            for (int tick = 0; tick < c.ticks; ++tick) {
                const std::string label = std::string(c.label) + ", tick " + std::to_string(tick + 1);
                clock.Watch();
                const std::uint32_t t0 = clock.m_ticks;
                ::SendMessageA(hDlg, WM_TIMER, ID_TIMER_SOLVE, 0);
                EXPECT_EQ(WindowText(::GetDlgItem(hDlg, IDC_SOLVE_COUNTER)), std::to_string(std::max(3 - tick, 0)))
                    << label;
                if (tick >= 4)
                    continue;
                const CTilePair& p = order[tick];
                EXPECT_GE(clock.m_ticks - t0, 3000u) << label << ": two seconds of line, two fades";
                EXPECT_TRUE(Inverted(clock.m_seen, expected, {p.col1, p.row1})) << label << ": the line";
                EXPECT_TRUE(Inverted(clock.m_seen, expected, {p.col2, p.row2})) << label << ": the line";
                for (const CellAt& at : {CellAt{p.col1, p.row1}, CellAt{p.col2, p.row2}}) {
                    const CPixelRect r = RectOf(Cell(at.first, at.second));
                    EXPECT_EQ(Cell(at.first, at.second).kind, -1) << label;
                    const std::vector<std::uint32_t> back = BackgroundUnder(154, r);
                    for (int y = 0; y < r.cy; ++y)
                        std::copy_n(back.begin() + y * r.cx, r.cx,
                                    expected.begin() + (r.y + y) * BoardPictureRect(*g_pBoard).cx + r.x);
                }
                EXPECT_EQ(Picture(), expected) << label;
                EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), expected) << label;
            }
            PressButton(hDlg, IDCANCEL);
        });
        program.Command(ID_SOLVE);
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Auto Solve"}) << c.label;
        EXPECT_EQ(g_pBoard->GetSelCol(), -1) << c.label;
        EXPECT_EQ(Picture(), expected) << c.label << ": no frame is left";
        EXPECT_EQ(PaneText(StatusBar(program), 2), pane) << c.label << ": until the next click";
        for (int undo = std::min(c.ticks, 4) - 1; undo >= 0; --undo) {
            program.Command(ID_UNDO);
            EXPECT_NE(Cell(order[undo].col1, order[undo].row1).kind, -1) << c.label << ", undo of pair " << undo;
            EXPECT_NE(Cell(order[undo].col2, order[undo].row2).kind, -1) << c.label << ", undo of pair " << undo;
        }
        program.Command(ID_UNDO);
        EXPECT_EQ(Picture(), full) << c.label << ": one undo entry a pair";
    }
}

TEST(AutoSolve, TheRealTimerReplaysAOnePairBoard)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"A..A"});
    CModalAnswers answers;
    answers.Expect([](HWND hDlg) {
        EXPECT_TRUE(PumpUntil([&] { return WindowText(::GetDlgItem(hDlg, IDC_SOLVE_COUNTER)) == "0"; }));
        PressButton(hDlg, IDCANCEL);
    });
    program.Command(ID_SOLVE);
    EXPECT_EQ(g_pBoard->CountTiles(), 0);

    // The solver's game is no best of the player's; the next puzzle counts again.
    const auto ok = [](HWND hDlg) { PressButton(hDlg, IDOK); };
    answers.Expect(ok);
    ClickCell(program, 1, 1);
    EXPECT_EQ(answers.Seen().back(), "Finish the game.");
    EXPECT_FALSE(CScratchSettings::Read("8_18").has_value());
    UseBoard(program, {"AA"});
    answers.Expect(ok);
    ClickCell(program, 1, 1);
    ClickCell(program, 2, 1);
    EXPECT_EQ(answers.Seen().back(), "Best result");
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST(Pause, TheHelpersShowNothingOfTheHiddenBoard)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    UseBoard(program, {"A..A"});
    program.Command(ID_PAUSE);
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    CModalAnswers answers;
    for (UINT id : {ID_HINT, ID_HELP_ME, ID_SOLVE}) {
        const std::uint32_t ticks = clock.m_ticks;
        program.Command(id);
        EXPECT_EQ(clock.m_ticks, ticks) << id << ": no wait";
        EXPECT_EQ(ScreenRect(program, all), BackgroundUnder(154, all)) << id;
    }
    EXPECT_TRUE(answers.Seen().empty()) << "no replay";
}

TEST(AutoSolve, SaysHaveNotSolveWhenTheSolverFindsNothing)
{
    const struct {
        const char* label;
        Rows rows;
    } cases[] = {
        {"an empty board", {"....", "...."}},
        {"the only move leads to a dead end", {"AB", "BA", "CC"}},
    };
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const auto& c : cases) {
        UseBoard(program, c.rows);
        const std::vector<std::uint32_t> before = Picture();
        std::string text;
        CModalAnswers answers;
        answers.Expect([&](HWND hBox) {
            text = WindowText(::GetDlgItem(hBox, 0xFFFF));
            PressButton(hBox, IDOK);
        });
        program.Command(ID_SOLVE);
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Morvane"}) << c.label;
        EXPECT_EQ(text, "Have not solve.") << c.label;
        EXPECT_EQ(static_cast<TestBoard*>(g_pBoard)->Rows(), c.rows) << c.label;
        EXPECT_EQ(Picture(), before) << c.label;
    }
}

TEST(Closing, WhileAHelperHoldsTheGameOrTheReplayIsOpenEndsTheProgramCleanly)
{
    const struct {
        const char* label;
        UINT command;
        int ticks; // replay steps, the last one closing while it holds
    } cases[] = {
        {"during a hint", ID_HINT, 0},
        {"with the replay dialog open", ID_SOLVE, 0},
        {"during a replay step", ID_SOLVE, 1},
    };
    for (const auto& c : cases) {
        CScratchSettings store;
        CWatchingClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        UseBoard(program, {"ABBA", "CDDC"});
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            clock.Watch(true);
            if (c.ticks)
                ::SendMessageA(hDlg, WM_TIMER, ID_TIMER_SOLVE, 0);
            else
                ::PostMessageA(AfxGetMainWnd()->m_hWnd, WM_CLOSE, 0, 0);
        });
        clock.Watch(c.command == ID_HINT);
        program.Command(c.command);
        if (c.ticks) {
            EXPECT_EQ(g_pBoard->CountTiles(), 6) << c.label << ": the step held was finished";
        }
        EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; })) << c.label;
        EXPECT_EQ(g_pBoard, nullptr) << c.label;
    }
}

// The tip a dialog shows: the id of the tip picture at (5, 5), 0 for none,
// where its words are not written. Its last rows lie under the dialog's buttons.
int ShownTip(HWND hDlg)
{
    const CCapture screen = CaptureClient(hDlg);
    for (int id = IDB_TIP_0; id <= IDB_TIP_6; ++id) {
        const CCapture tip = BitmapPixels(id);
        bool same = tip.width == 450 && tip.height == 200;
        for (int y = 0; same && y < 190; y += 7)
            for (int x = 0; same && x < tip.width; ++x)
                same = OnTipWords(id - IDB_TIP_0, x, y) || screen.At(5 + x, 5 + y) == tip.At(x, y);
        if (same)
            return id;
    }
    return 0;
}

TEST(Tips, ShowTheTipsInACycleThatGoesOnAcrossOpenings)
{
    const struct {
        const char* label;
        const char* stored; // TipsNumber before the first opening; null: none
        std::vector<int> shown;
    } cases[] = {
        {"fresh machine, eight openings", nullptr, {160, 161, 162, 163, 164, 165, 166, 160}},
        {"tip 6 next", "6", {166, 160}},
        {"7 counts as 0", "7", {160, 161}},
        {"not a number", "x3", {160}},
        {"negative", "-5", {160, 161}},
        {"huge", "9999999", {160}},
        {"longer than seven characters", "00000003", {160}},
    };
    for (const auto& c : cases) {
        CScratchSettings store;
        if (c.stored)
            CScratchSettings::Write("TipsNumber", c.stored);
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            int shown = 0;
            CModalAnswers answers;
            answers.Expect([&](HWND hDlg) {
                shown = ShownTip(hDlg);
                PressButton(hDlg, IDOK);
            });
            program.Command(ID_SHOW_TIP);
            EXPECT_EQ(shown, c.shown[i]) << c.label << ", opening " << i + 1;
            EXPECT_EQ(CScratchSettings::Read("TipsNumber"), std::to_string(c.shown[i] - 159)) << c.label;
        }
    }
    // NEXT goes on with the same cycle.
    CScratchSettings store;
    CRunningProgram program;
    std::vector<int> shown;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        shown.push_back(ShownTip(hDlg));
        for (int press = 0; press < 2; ++press) {
            PressButton(hDlg, IDC_NEXT_TIP);
            shown.push_back(ShownTip(hDlg));
        }
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_SHOW_TIP);
    EXPECT_EQ(shown, (std::vector<int>{160, 161, 162}));
    EXPECT_EQ(CScratchSettings::Read("TipsNumber"), "3");
}

TEST(Tips, TheCheckBoxIsStoredByOkAndTheCloseBoxButNotByEsc)
{
    const struct {
        const char* label;
        std::function<void(HWND)> close;
        const char* stored; // ShowTips afterwards; null: not stored
    } cases[] = {
        {"OK", [](HWND hDlg) { PressButton(hDlg, IDOK); }, "1"},
        {"close box", [](HWND hDlg) { ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }, "1"},
        {"Esc", [](HWND) { PressKey(VK_ESCAPE); }, nullptr},
    };
    for (const auto& c : cases) {
        CScratchSettings store({}, CScratchSettings::Tips::AsOnAFreshMachine);
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            PressButton(hDlg, IDC_NO_TIPS);
            c.close(hDlg);
        });
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Tips about Morvane"}) << c.label;
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_EQ(CScratchSettings::Read("ShowTips"), c.stored ? std::optional<std::string>(c.stored) : std::nullopt)
            << c.label;
    }
}

TEST(Tips, NoneAtStartWhenTheFirstPuzzleCannotBeMadeAndNoSaveWithoutABoard)
{
    CScratchSettings store({}, CScratchSettings::Tips::AsOnAFreshMachine);
    CNoPictures noPictures;
    CModalAnswers answers;
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
    CRunningProgram program;
    EXPECT_EQ(g_pBoard, nullptr);
    program.Command(ID_SAVE_TO);
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Morvane"}) << "the failure is told; no tips, no file dialog";
}

TEST(Tips, OpenAtStartUnlessTheBoxWasTicked)
{
    const struct {
        const char* label;
        const char* stored; // ShowTips; null: none
        bool opens;         // at start, with the box clear; otherwise Show tip finds it ticked
    } cases[] = {
        {"fresh machine", nullptr, true},   {"ticked", "1", false},         {"cleared", "0", true},
        {"starts with 1", "10", false},     {"not 0 or 1", "x", true},      {"too long", "1111", true},
    };
    for (const auto& c : cases) {
        CScratchSettings store({}, CScratchSettings::Tips::AsOnAFreshMachine);
        if (c.stored)
            CScratchSettings::Write("ShowTips", c.stored);
        int checked = -1;
        bool soundPressed = false;
        CModalAnswers answers;
        const auto look = [&](HWND hDlg) {
            checked = static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_NO_TIPS, BM_GETCHECK, 0, 0));
            // The tool bar is in step while the dialog is open, too.
            soundPressed = ::SendMessageA(static_cast<CMainFrame*>(AfxGetMainWnd())->m_wndToolBar.m_hWnd,
                                          TB_ISBUTTONCHECKED, ID_SOUND_ON, 0) != 0;
            PressKey(VK_ESCAPE);
        };
        answers.Expect(look);
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        EXPECT_EQ(answers.Seen().size(), c.opens ? 1u : 0u) << c.label;
        if (!c.opens)
            program.Command(ID_SHOW_TIP);
        EXPECT_EQ(checked, c.opens ? BST_UNCHECKED : BST_CHECKED) << c.label;
        EXPECT_TRUE(soundPressed) << c.label;
    }
}

} // namespace
