// Playing a deal again: Select deal, Restart and Redo through the real window.

#include "tests/program/PlayTools.h"

#include <cstring>
#include <iterator>

namespace {

// The state of an item of the Edit menu as the player sees it when the menu opens.
bool EditItemGrayed(const CRunningProgram& program, UINT id)
{
    const HMENU hEdit = ::GetSubMenu(::GetMenu(program.FrameWindow()), 1);
    ::SendMessageA(program.FrameWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(1, FALSE));
    return (::GetMenuState(hEdit, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST(SelectDeal, TakesOnlyANumberFrom0To4294967295AndDealsItAgain)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal; // the first board is deal 4711
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::vector<int> first = Kinds();
    const char* refused[] = {"", "1 2", "4294967296"}; // the whole table of texts is the parser's own test

    // Cancel changes nothing; a refused text gets the message, and the dialog
    // stays with the text selected; then 4711 is dealt again.
    std::vector<std::string> shown;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        shown.push_back(WindowText(::GetDlgItem(hDlg, IDC_DEAL_NUMBER)));
        PressButton(hDlg, IDCANCEL);
    });
    answers.Expect([&](HWND hDlg) {
        const HWND hEdit = ::GetDlgItem(hDlg, IDC_DEAL_NUMBER);
        shown.push_back(WindowText(hEdit));
        for (const char* text : refused) {
            ::SetWindowTextA(hEdit, text);
            PressButton(hDlg, IDOK);
            DWORD from = 1, to = 0;
            ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
            EXPECT_EQ(std::make_pair(from, to), std::make_pair(0ul, static_cast<DWORD>(std::strlen(text)))) << text;
        }
        ::SetWindowTextA(hEdit, "4711");
        PressButton(hDlg, IDOK);
    });
    for (const char* text : refused)
        answers.Expect([&shown, text](HWND hBox) {
            shown.push_back(WindowText(::GetDlgItem(hBox, 0xFFFF)));
            PressButton(hBox, IDOK);
        });
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); }); // "Create new puzzle?"
    const CMahjongBoard* before = g_pBoard;
    program.Command(ID_SELECT_DEAL);
    EXPECT_EQ(g_pBoard, before) << "cancelled";
    ::SetFocus(program.View().m_hWnd);
    EXPECT_TRUE(PressKeyAndWait(VK_F3));
    EXPECT_EQ(answers.Pending(), 0u);
    const std::string message = "Type a deal number from 0 to 4294967295.";
    EXPECT_EQ(shown, (std::vector<std::string>{"4711", "4711", message, message, message}));
    EXPECT_NE(g_pBoard, before);
    EXPECT_EQ(Kinds(), first) << "deal 4711 again";
}

TEST(Redo, TakesBackARunOfUndosAsMatchesWithoutTheLineUntilANewMatch)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(EditItemGrayed(program, ID_REDO)) << "nothing to redo on a new board";
    std::vector<CTilePair> taken(3);
    for (CTilePair& p : taken) {
        ASSERT_TRUE(FirstPair(p));
        ClickPair(program, p);
    }
    const std::vector<std::uint32_t> picture = Picture();
    const std::string pane = PaneText(StatusBar(program), 2);
    for (int i = 0; i < 3; ++i)
        program.Command(ID_UNDO);
    EXPECT_FALSE(EditItemGrayed(program, ID_REDO));

    // The last pair undone goes first, faded, with the match's cue and no line.
    CHeardCues cues;
    ::SetFocus(program.View().m_hWnd);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(PressKeyAndWait('Y', false, true)) << "Ctrl+Y " << i + 1;
        EXPECT_EQ(Cell(taken[i].col1, taken[i].row1).kind, -1) << "redo " << i + 1;
        EXPECT_EQ(Cell(taken[2].col1, taken[2].row1).kind, i == 2 ? -1 : taken[2].kind) << "redo " << i + 1;
    }
    EXPECT_EQ(Picture(), picture);
    EXPECT_EQ(PaneText(StatusBar(program), 2), pane);
    EXPECT_EQ(g_cues, (Cues{"LINE", "LINE", "LINE"}));
    EXPECT_TRUE(EditItemGrayed(program, ID_REDO));

    program.Command(ID_UNDO);
    CTilePair p{};
    ASSERT_TRUE(FirstPair(p));
    ClickPair(program, p);
    EXPECT_TRUE(EditItemGrayed(program, ID_REDO)) << "a new match leaves nothing to redo";
    program.Command(ID_UNDO);
    program.Command(ID_PAUSE);
    program.Command(ID_REDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 140) << "no redo while paused";
}

// Restart after more than ten pairs, at a dead end whose new puzzle was refused,
// where Redo judges the end again as a match does.
TEST(Restart, PutsEveryPairBackAndTheStoppedClockGoesOnCountingFromTheStart)
{
    CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = StatusBar(program);
    // Eleven pairs that can go one after the other, and then only the C pair:
    // once it goes, neither A nor B can be joined.
    UseBoard(program, {"DEFGHIJKLN", "DEFGHIJKLN", "AB........", "BA........", "....C.C..."});
    const std::vector<int> start = Kinds();
    const std::vector<std::uint32_t> picture = Picture();
    CModalAnswers none;
    program.Command(ID_RESTART);
    EXPECT_EQ(none.Seen().size(), 0u) << "with no pair gone there is nothing to ask";

    for (int col = 1; col <= 10; ++col)
        ClickPair(program, {static_cast<std::int16_t>(col), 1, static_cast<std::int16_t>(col), 2, 0});
    CModalAnswers answers;
    for (int answer : {IDOK, IDCANCEL, IDOK, IDCANCEL}) // finish, keep the stuck board; again after Redo
        answers.Expect([answer](HWND hWnd) { PressButton(hWnd, answer); });
    ClickPair(program, {5, 5, 7, 5, 0});
    ASSERT_EQ(g_pBoard->CountTiles(), 4);
    program.Command(ID_UNDO);
    program.Command(ID_REDO);
    EXPECT_EQ(answers.Seen(), (std::vector<std::string>{"Finish the game.", "Morvane", "Finish the game.", "Morvane"}));
    clock.m_now += 30;

    std::vector<std::string> questions;
    for (int answer : {IDCANCEL, IDOK})
        answers.Expect([&, answer](HWND hBox) {
            questions.push_back(WindowText(::GetDlgItem(hBox, 0xFFFF)));
            PressButton(hBox, answer);
        });
    program.Command(ID_RESTART);
    EXPECT_EQ(g_pBoard->CountTiles(), 4) << "cancelled";
    ::SetFocus(program.View().m_hWnd);
    EXPECT_TRUE(PressKeyAndWait('R', false, true));
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(questions, std::vector<std::string>(2, "Restart this puzzle?"));
    EXPECT_EQ(Kinds(), start);
    EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), picture);
    program.Command(ID_UNDO);
    EXPECT_EQ(Kinds(), start) << "nothing to undo";
    EXPECT_TRUE(EditItemGrayed(program, ID_REDO));
    // The game clock runs again, from the puzzle's start.
    EXPECT_TRUE(PumpUntil([&] { return PaneText(hStatus, 0) == "00:00:30"; })) << PaneText(hStatus, 0);
}

} // namespace
