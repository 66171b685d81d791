// Gravity, Shuffle, the deal of the day and the tiles of a kind outlined,
// through the real window.

#include "tests/program/PlayTools.h"

#include "tests/TestBoard.h"

#include <algorithm>
#include <functional>

namespace {

// The state of an item of menu nMenu (0 File ... 3 Help) as the player sees it when the menu opens.
bool ItemGrayed(const CRunningProgram& program, int nMenu, UINT id)
{
    const HMENU hMenu = ::GetSubMenu(::GetMenu(program.FrameWindow()), nMenu);
    ::SendMessageA(program.FrameWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(nMenu, FALSE));
    return (::GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// Runs a command whose one message box asks a question, answered with button.
std::string AnswerCommand(const CRunningProgram& program, UINT id, int button)
{
    std::string question;
    CModalAnswers answers;
    answers.Expect([&](HWND hBox) {
        question = WindowText(::GetDlgItem(hBox, 0xFFFF));
        PressButton(hBox, button);
    });
    program.Command(id);
    EXPECT_EQ(answers.Pending(), 0u) << id;
    return question;
}

TEST(Gravity, SwitchingAsksDealsUnderTheRuleAndAMatchLetsTheTilesAboveFallUntilUndone)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const struct {
        const char* label;
        int button;
        bool gravity;
        const char* stored;
    } cases[] = {
        {"cancelled", IDCANCEL, false, "(none)"},
        {"confirmed", IDOK, true, "1"},
    };
    for (const auto& c : cases) {
        const CMahjongBoard* before = g_pBoard;
        EXPECT_EQ(AnswerCommand(program, ID_GRAVITY, c.button), "Create new puzzle?") << c.label;
        EXPECT_EQ(g_pBoard != before, c.button == IDOK) << c.label;
        EXPECT_EQ(g_pBoard->HasGravity(), c.gravity) << c.label;
        EXPECT_EQ(MenuChecked(program, ID_GRAVITY), c.gravity) << c.label;
        EXPECT_EQ(CScratchSettings::Read("Gravity").value_or("(none)"), c.stored) << c.label;
    }

    // A pair in one column: the two tiles above it fall, one by two rows.
    const Rows start = {"BC..", "DA..", "BE..", "DA..", "CE.."};
    UseBoard(program, start);
    g_pBoard->SetGravity(true);
    const std::vector<std::uint32_t> dealt = Picture();
    ClickCell(program, 2, 2);
    ClickCell(program, 2, 4);
    const std::vector<int> fallen = Kinds(TestBoard({"B...", "D...", "BC..", "DE..", "CE.."}));
    EXPECT_EQ(Kinds(), fallen);
    const std::vector<std::uint32_t> shown = Picture();
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    EXPECT_EQ(ScreenRect(program, all), shown) << "the screen shows the picture";
    program.View().RenderBoardPicture();
    EXPECT_EQ(Picture(), shown) << "the tiles lie where a picture composed anew puts them";

    program.Command(ID_UNDO);
    EXPECT_EQ(Kinds(), Kinds(TestBoard(start))) << "undo lifts the tiles back";
    EXPECT_EQ(Picture(), dealt) << "undo";
    program.Command(ID_REDO);
    EXPECT_EQ(Kinds(), fallen) << "redo lets them fall again";
    EXPECT_EQ(Picture(), shown) << "redo";
}

TEST(Gravity, GamesKeepRecordsOfTheirOwnInRowsOfTheirOwnAndTheKeptGameItsRule)
{
    CScratchSettings store({{"Gravity", "1"}, {"Animation", "1"}, {"8_18", "61"}, {"8_18G", "75"}});
    CFixedDeal deal;
    CGameClock clock;
    std::vector<int> kept;
    {
        CRunningProgram program;
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(WindowText(program.FrameWindow()), "Best result is 00:01:15");
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p));
        ClickPair(program, p);
        EXPECT_EQ(AnswerCommand(program, ID_FILE_NEW, IDOK), "Create new puzzle?"); // a game under gravity left
        std::vector<std::vector<std::string>> rows;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            const HWND hList = ::GetDlgItem(hDlg, IDC_STATISTICS_LIST);
            for (int row : {1, 10, 17})
                rows.push_back(ListRow(hList, row));
            PressButton(hDlg, IDOK);
        });
        program.Command(ID_STATISTICS);
        EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                            {"8 x 18", "0", "0", "0", "-", "0", "0", "-", "00:01:01"},
                            {"8 x 18, gravity", "1", "0", "0", "0 %", "0", "0", "-", "00:01:15"},
                            {"20 x 16, gravity", "0", "0", "0", "-", "0", "0", "-", "-"}}));
        ASSERT_TRUE(FirstPair(p));
        ClickPair(program, p);
        kept = Kinds();
        ::SendMessageW(program.FrameWindow(), WM_CLOSE, 0, 0);
    }
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestova\\Morvane\\Gravity", nullptr, REG_SZ, L"0", 4);
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_FALSE(g_pBoard->HasGravity());
    program.Command(ID_RESUME_LAST_GAME);
    EXPECT_EQ(Kinds(), kept);
    EXPECT_TRUE(g_pBoard->HasGravity()) << "the kept game plays on under its rule";
    EXPECT_TRUE(MenuChecked(program, ID_GRAVITY));
}

TEST(Gravity, ADealUnderGravityStandsPackedFromTheBottomRow)
{
    CScratchSettings store(CScratchSettings::Entries{{"Gravity", "1"}});
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(g_pBoard->HasGravity());
    for (int c = 1; c <= g_pBoard->GetWidth(); ++c)
        for (int r = 2; r <= g_pBoard->GetHeight(); ++r)
            EXPECT_FALSE(Cell(c, r - 1).kind != -1 && Cell(c, r).kind == -1) << c << ", " << r;
}

TEST(DealOfTheDay, DealsTheNumberOfTheLocalDateAndSelectDealShowsIt)
{
    CScratchSettings store;
    CGameClock clock;
    clock.m_now = 1796817600; // noon of 9 December 2026, UTC: that day from UTC-11 to UTC+11
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const CMahjongBoard* before = g_pBoard;
    EXPECT_EQ(AnswerCommand(program, ID_DEAL_OF_THE_DAY, IDCANCEL), "Create new puzzle?");
    EXPECT_EQ(g_pBoard, before) << "cancelled";
    EXPECT_EQ(AnswerCommand(program, ID_DEAL_OF_THE_DAY, IDOK), "Create new puzzle?");
    TestBoard expected(36, 18, 8);
    CTilePairList plan;
    expected.Deal(plan, 20261209);
    EXPECT_EQ(Kinds(), Kinds(expected));

    std::string shown;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        shown = WindowText(::GetDlgItem(hDlg, IDC_DEAL_NUMBER));
        PressButton(hDlg, IDCANCEL);
    });
    program.Command(ID_SELECT_DEAL);
    EXPECT_EQ(shown, "20261209");
}

TEST(Shuffle, MixesTheKindsOnTheSameCellsAsAnAidAndIsGrayedBelowTwoTiles)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTilePair p{};
    ASSERT_TRUE(FirstPair(p));
    ClickPair(program, p);
    const std::vector<int> before = Kinds();

    program.Command(ID_PAUSE);
    program.Command(ID_SHUFFLE);
    EXPECT_EQ(Kinds(), before) << "paused";
    program.Command(ID_PAUSE);
    EXPECT_FALSE(program.View().m_marks.bAided);

    program.Command(ID_SHUFFLE);
    const std::vector<int> after = Kinds();
    EXPECT_NE(after, before);
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i] == -1, before[i] == -1) << "cell " << i;
    std::vector<int> sortedBefore = before, sortedAfter = after;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(sortedAfter.begin(), sortedAfter.end());
    EXPECT_EQ(sortedAfter, sortedBefore) << "each kind as often as before";
    EXPECT_TRUE(program.View().m_marks.bAided);
    const std::vector<std::uint32_t> shown = Picture();
    EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), shown);
    program.View().RenderBoardPicture();
    EXPECT_EQ(Picture(), shown) << "the shuffled tiles are shown";
    program.Command(ID_UNDO);
    EXPECT_EQ(Kinds(), after) << "nothing to undo";

    const struct {
        const char* label;
        Rows rows;
        bool grayed;
    } cases[] = {
        {"one tile", {"A..", "..."}, true},
        {"two tiles", {"A..", "..A"}, false},
    };
    for (const auto& c : cases) {
        UseBoard(program, c.rows);
        EXPECT_EQ(ItemGrayed(program, 2, ID_SHUFFLE), c.grayed) << c.label;
    }
}

TEST(KindOutline, EveryTileOfTheKindIsOutlinedOnTheScreenWhileTheButtonOrKeyIsHeld)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"AB..", "BA..", "CA..", "AC.."});
    const HWND hView = program.View().m_hWnd;
    const auto button = [&](UINT message, int col, int row) {
        const POINT p = Centre(Cell(col, row));
        ::SendMessageA(hView, message, 0, MAKELPARAM(p.x, p.y));
    };
    const auto key = [&](UINT message) { ::SendMessageA(hView, message, 'K', 0); };
    const std::vector<std::uint32_t> picture = Picture();
    const struct {
        const char* label;
        std::function<void()> act;
        std::vector<std::pair<int, int>> outlined;
    } cases[] = {
        {"right button down on an A", [&] { button(WM_RBUTTONDOWN, 1, 1); }, {{1, 1}, {2, 2}, {2, 3}, {1, 4}}},
        {"released", [&] { button(WM_RBUTTONUP, 1, 1); }, {}},
        {"down on a C", [&] { button(WM_RBUTTONDOWN, 1, 3); }, {{1, 3}, {2, 4}}},
        {"released over an empty cell", [&] { button(WM_RBUTTONUP, 4, 4); }, {}},
        {"K held on the cursor's B", [&] { ::SetFocus(hView); PressKeys({VK_RIGHT, VK_RIGHT}); key(WM_KEYDOWN); }, {{2, 1}, {1, 2}}},
        {"K released", [&] { key(WM_KEYUP); }, {}},
    };
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    const int width = 2 * static_cast<int>(::GetDpiForWindow(hView)) / 96;
    for (const auto& c : cases) {
        c.act();
        const std::vector<std::uint32_t> screen = ScreenRect(program, all);
        int wrong = 0;
        for (int y = 0; y < all.cy; ++y)
            for (int x = 0; x < all.cx; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * all.cx + x;
                bool ring = false;
                for (const auto& [col, row] : c.outlined) {
                    const CTileCell t = Cell(col, row);
                    ring |= x >= t.x && y >= t.y && x < t.x + t.cx && y < t.y + t.cy &&
                            std::min({x - t.x, y - t.y, t.x + t.cx - 1 - x, t.y + t.cy - 1 - y}) < width;
                }
                const int cursorCol = program.View().m_bCursorShown ? program.View().m_nCursorCol : 0;
                const CTileCell cursor = Cell(cursorCol, program.View().m_nCursorRow);
                const bool underCursor = cursorCol && x >= cursor.x && y >= cursor.y && x < cursor.x + cursor.cx &&
                                         y < cursor.y + cursor.cy;
                if (ring)
                    wrong += screen[i] != 0xFF00FF;
                else if (!underCursor)
                    wrong += screen[i] != picture[i];
            }
        EXPECT_EQ(wrong, 0) << c.label;
    }
    EXPECT_EQ(Picture(), picture) << "the picture itself never changed";
    key(WM_KEYDOWN);
    BSTR text = nullptr;
    EXPECT_EQ(program.View().GetAccessibleObject()->get_accDescription(ChildVariant(2), &text), S_OK);
    EXPECT_EQ(TakeText(text), "2 tiles of this kind are left") << "a screen reader hears the count";
    key(WM_KEYUP);
    EXPECT_FALSE(program.View().m_marks.bAided);

    program.Command(ID_PAUSE);
    button(WM_RBUTTONDOWN, 1, 1);
    EXPECT_EQ(program.View().m_nOutlinedKind, -1) << "nothing while paused";
}

} // namespace
