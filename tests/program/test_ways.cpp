// Gravity, Shuffle, the deal of the day and the tiles of a kind outlined, through the real window.

#include "tests/program/PlayTools.h"


namespace {

// Runs a command whose one message box is answered with button; the box's text.
std::string AnswerCommand(const CRunningProgram& program, UINT id, int button)
{
    std::string question;
    CModalAnswers answers;
    answers.Expect([&](HWND hBox) { question = WindowText(::GetDlgItem(hBox, 0xFFFF)), PressButton(hBox, button); });
    program.Command(id);
    return question;
}

TEST(Gravity, SwitchedAfterTheQuestionTheTilesAboveAPairFallAndUndoLiftsThem)
{
    CScratchSettings store({{"8_18", "61"}, {"8_18G", "75"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    AnswerCommand(program, ID_GRAVITY, IDCANCEL);
    EXPECT_FALSE(g_pBoard->HasGravity() || MenuChecked(program, ID_GRAVITY)) << "cancelled";
    EXPECT_EQ(AnswerCommand(program, ID_GRAVITY, IDOK), "Create new puzzle?");
    EXPECT_TRUE(g_pBoard->HasGravity() && MenuChecked(program, ID_GRAVITY) && CScratchSettings::Read("Gravity") == "1");
    EXPECT_EQ(WindowText(program.FrameWindow()), "Best result is 00:01:15") << "the best time under gravity";

    const Rows start = {"BC..", "DA..", "BE..", "DA..", "CE.."}; // the A pair in one column: two tiles fall
    UseBoard(program, start);
    g_pBoard->SetGravity(true);
    const std::vector<std::uint32_t> dealt = Picture();
    ClickCell(program, 2, 2);
    ClickCell(program, 2, 4);
    EXPECT_EQ(Kinds(), Kinds(TestBoard({"B...", "D...", "BC..", "DE..", "CE.."})));
    const std::vector<std::uint32_t> fallen = Picture();
    program.View().RenderBoardPicture();
    EXPECT_EQ(Picture(), fallen) << "the tiles lie where a picture composed anew puts them";
    program.Command(ID_UNDO);
    EXPECT_EQ(Kinds(), Kinds(TestBoard(start)));
    EXPECT_EQ(Picture(), dealt);

    std::vector<std::string> rows; // the size and the best time of the rows 8 x 18 and 8 x 18 under gravity
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        for (const int i : {1, 9})
            for (const int col : {0, 8}) {
                wchar_t text[32] = L"";
                LVITEMW item{};
                item.iSubItem = col;
                item.pszText = text;
                item.cchTextMax = 32;
                ::SendDlgItemMessageW(hDlg, IDC_STATISTICS_LIST, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
                rows.push_back(Utf8(text));
            }
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_STATISTICS);
    EXPECT_EQ(rows, (std::vector<std::string>{"8 x 18", "00:01:01", "8 x 18, gravity", "00:01:15"}));
}

TEST(DealOfTheDay, DealsTheNumberOfTheLocalDateAndSelectDealShowsIt)
{
    CScratchSettings store;
    CGameClock clock;
    clock.m_now = 1796817600; // noon of 9 December 2026, UTC: that day from UTC-11 to UTC+11
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(AnswerCommand(program, ID_DEAL_OF_THE_DAY, IDOK), "Create new puzzle?");
    std::string shown;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) { shown = WindowText(::GetDlgItem(hDlg, IDC_DEAL_NUMBER)), PressButton(hDlg, IDCANCEL); });
    program.Command(ID_SELECT_DEAL);
    EXPECT_EQ(shown, "20261209");
}

TEST(Shuffle, MixesTheKindsAsAnAidShownAtOnceAndNotWhilePaused)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::vector<int> before = Kinds();
    program.Command(ID_PAUSE);
    program.Command(ID_SHUFFLE);
    program.Command(ID_PAUSE);
    EXPECT_TRUE(Kinds() == before && !program.View().m_marks.bAided) << "paused";
    program.Command(ID_SHUFFLE); // the cells and counts kept are the native table's
    EXPECT_TRUE(Kinds() != before && program.View().m_marks.bAided);
    EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), Picture());
}

TEST(KindOutline, EveryTileOfTheKindIsOutlinedOnTheScreenWhileTheRightButtonOrKIsHeld)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"AB..", "BA..", "CA..", "AC.."});
    const HWND hView = program.View().m_hWnd;
    const std::vector<std::uint32_t> picture = Picture();
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    const auto outlined = [&] { // the cells whose every pixel of the screen differs from the picture only at the ring
        std::vector<int> cells;
        const std::vector<std::uint32_t> screen = ScreenRect(program, all);
        for (int i = 0; i < 16; ++i) {
            const CTileCell t = Cell(i % 4 + 1, i / 4 + 1);
            const std::size_t corner = static_cast<std::size_t>(t.y) * all.cx + t.x, middle = corner + all.cx * 10 + 10;
            EXPECT_EQ(screen[middle], picture[middle]) << i; // the tile itself stays
            if (screen[corner] == 0xFF00FF)
                cells.push_back(i);
        }
        return cells;
    };
    const LPARAM first = MAKELPARAM(Centre(Cell(1, 1)).x, Centre(Cell(1, 1)).y);
    ::SendMessageA(hView, WM_RBUTTONDOWN, 0, first);
    EXPECT_EQ(outlined(), (std::vector<int>{0, 5, 9, 12})) << "the As";
    ::SendMessageA(hView, WM_RBUTTONUP, 0, first);
    EXPECT_EQ(ScreenRect(program, all), picture) << "released";
    ::SetFocus(hView);
    PressKeys({VK_RIGHT, VK_RIGHT});
    ::SendMessageA(hView, WM_KEYDOWN, 'K', 0);
    EXPECT_EQ(outlined(), (std::vector<int>{1, 4})) << "K on the cursor's B";
    BSTR text = nullptr;
    program.View().GetAccessibleObject()->get_accDescription(ChildVariant(2), &text);
    EXPECT_EQ(TakeText(text), "2 tiles of this kind are left");
    ::SendMessageA(hView, WM_KEYUP, 'K', 0);
    EXPECT_TRUE(outlined().empty() && Picture() == picture) << "K released; nothing changed in the game";
    program.Command(ID_PAUSE);
    ::SendMessageA(hView, WM_RBUTTONDOWN, 0, first);
    EXPECT_EQ(program.View().m_nOutlinedKind, -1) << "paused";
}

} // namespace
