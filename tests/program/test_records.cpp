// Records worth keeping through the real window: the statistics of each board
// size with their dialog, and the game left at exit back.

#include "tests/program/PlayTools.h"

#include <commctrl.h>

#include <cstring>

#include <filesystem>
#include <fstream>

namespace {

std::wstring Statistics(const char* key)
{
    return L"Software\\Kestova\\Morvane\\Statistics\\" + Wide(key);
}

void StoreStatistics(const char* key, const std::vector<const char*>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        ::RegSetKeyValueW(HKEY_CURRENT_USER, Statistics(key).c_str(), Wide(kRecordNames[i]).c_str(), REG_SZ,
                          Wide(values[i]).c_str(), static_cast<DWORD>((std::strlen(values[i]) + 1) * 2));
}

std::vector<std::string> StoredStatistics(const char* key)
{
    std::vector<std::string> values;
    for (const char* name : kRecordNames) {
        wchar_t text[32] = L"";
        DWORD bytes = sizeof text;
        ::RegGetValueW(HKEY_CURRENT_USER, Statistics(key).c_str(), Wide(name).c_str(), RRF_RT_REG_SZ, nullptr, text,
                       &bytes);
        values.push_back(Utf8(text));
    }
    return values;
}

// The texts of a row of the list as a screen reader gets them.
std::vector<std::string> ListRow(HWND hList, int row)
{
    std::vector<std::string> texts;
    for (int col = 0; col < 9; ++col) {
        wchar_t text[64] = L"";
        LVITEMW item{};
        item.iSubItem = col;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendMessageW(hList, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        texts.push_back(Utf8(text));
    }
    return texts;
}

std::wstring LastGameFile()
{
    return CScratchSettings::ScratchAppData() + L"\\Morvane\\Last game.mhj";
}

TEST(Statistics, CountTheGamesOfTheirSizeAndTheDialogShowsAndResetsThem)
{
    CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}, {"8_10", "61"}});
    StoreStatistics("8_10", {"2", "2", "2", "2", "2", "100"}); // two wins in a row
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    // A game played and left by New: a loss.
    CTilePair p{};
    ASSERT_TRUE(FirstPair(p));
    ClickPair(program, p);
    CModalAnswers answers;
    for (int i = 0; i < 3; ++i) // "Create new puzzle?", "Restart this puzzle?", the finish dialog
        answers.Expect([](HWND hWnd) { PressButton(hWnd, IDOK); });
    program.Command(ID_FILE_NEW);
    // A game won in 62 s after a restart: no unaided win.
    UseBoard(program, {"AABB"});
    ClickCell(program, 1, 1);
    ClickCell(program, 2, 1);
    program.Command(ID_RESTART);
    clock.m_now += 62;
    for (int col : {1, 2, 3, 4})
        ClickCell(program, col, 1);
    EXPECT_EQ(answers.Seen(), (std::vector<std::string>{"Morvane", "Morvane", "Finish the game."}));
    EXPECT_EQ(StoredStatistics("8_10"), (std::vector<std::string>{"4", "3", "2", "1", "2", "162"}));

    std::vector<std::vector<std::string>> rows;
    answers.Expect([&](HWND hDlg) {
        const HWND hList = ::GetDlgItem(hDlg, IDC_STATISTICS_LIST);
        rows.push_back(ListRow(hList, 0));
        PressButton(hDlg, IDC_RESET_STATISTICS);
        rows.push_back(ListRow(hList, 0));
        rows.push_back(ListRow(hList, 8));
        PressButton(hDlg, IDOK);
    });
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); }); // "Reset the statistics of every board size?"
    program.Command(ID_STATISTICS);
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"8 x 10", "4", "3", "2", "75 %", "1", "2", "00:00:54", "00:01:01"},
                        {"8 x 10", "0", "0", "0", "-", "0", "0", "-", "00:01:01"},
                        {"20 x 16", "0", "0", "0", "-", "0", "0", "-", "-"}}));
}

// A game in progress is kept at exit and when the session ends, and comes back
// once, with its deal and marks; another game played instead makes it a loss.
// A game with every tile back, or won, is none to keep.
TEST(LastGame, IsKeptAtTheEndAndResumedOnceWithItsMarks)
{
    enum class Left { InPlay, Restarted, Won };
    const struct {
        const char* label;
        UINT helper; // used in the game, which marks it as aided
        UINT message;
        bool resumed;
        Left left;
    } cases[] = {{"exit", ID_HELP_ME, WM_CLOSE, true, Left::InPlay},
                 {"end of the session", ID_HELP_ME, WM_ENDSESSION, true, Left::InPlay},
                 {"not resumed", ID_HELP_ME, WM_CLOSE, false, Left::InPlay},
                 {"restarted", ID_HELP_ME, WM_CLOSE, false, Left::Restarted},
                 {"exit after a hint", ID_HINT, WM_CLOSE, true, Left::InPlay},
                 {"won: the session ends at the dialog of the end", ID_HELP_ME, WM_ENDSESSION, false, Left::Won}};
    for (const auto& c : cases) {
        CScratchSettings store;
        StoreStatistics("8_18", {"1", "1", "1", "1", "1", "100"});
        CFixedDeal deal;
        CRunningClock clock;
        std::vector<int> kinds;
        {
            CRunningProgram program;
            ASSERT_TRUE(program.Started()) << c.label;
            CTilePair p{};
            ASSERT_TRUE(FirstPair(p)) << c.label;
            ClickPair(program, p);
            program.Command(c.helper);
            const auto leave = [&] { ::SendMessageW(program.FrameWindow(), c.message, TRUE, 0); };
            CModalAnswers answers; // Restart's question, or the dialog that ends the won game
            answers.Expect([&](HWND hWnd) {
                if (c.left == Left::Won)
                    leave();
                PressButton(hWnd, IDOK);
            });
            if (c.left == Left::Restarted)
                program.Command(ID_RESTART);
            kinds = Kinds();
            if (c.left == Left::Won) {
                UseBoard(program, {"AA"});
                ClickPair(program, {1, 1, 2, 1, 0});
                EXPECT_EQ(answers.Pending(), 0u) << c.label;
            } else {
                leave();
            }
        }
        EXPECT_EQ(std::filesystem::exists(LastGameFile()), c.left == Left::InPlay) << c.label;
        if (c.left != Left::InPlay)
            continue;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        const HMENU hFile = ::GetSubMenu(::GetMenu(program.FrameWindow()), 0);
        ::SendMessageA(program.FrameWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
        EXPECT_EQ(::GetMenuState(hFile, ID_RESUME_LAST_GAME, MF_BYCOMMAND) & MF_GRAYED, 0u) << c.label;
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << c.label;
        if (c.resumed) {
            program.Command(ID_RESUME_LAST_GAME);
            EXPECT_EQ(Kinds(), kinds) << c.label;
            EXPECT_TRUE(program.View().m_marks.bCounted && program.View().m_marks.bAided) << c.label;
            EXPECT_TRUE(program.View().m_bDealKnown && program.View().m_nDeal == 4711) << c.label;
        } else {
            ClickPair(program, p);
        }
        EXPECT_FALSE(std::filesystem::exists(LastGameFile())) << c.label;
        EXPECT_EQ(StoredStatistics("8_18")[3], c.resumed ? "1" : "0") << c.label << ": the streak";
        EXPECT_EQ(StoredStatistics("8_18")[0], c.resumed ? "2" : "3") << c.label << ": counted once";
    }
}

TEST(LastGame, ADamagedFileIsRefusedAsLoadRefusesOneAndRemoved)
{
    CScratchSettings store;
    std::filesystem::create_directories(CScratchSettings::ScratchAppData() + L"\\Morvane");
    std::ofstream(std::filesystem::path(LastGameFile()), std::ios::binary) << "not a puzzle";
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::vector<int> kinds = Kinds();
    std::string message;
    CModalAnswers answers;
    answers.Expect([&](HWND hBox) {
        message = WindowText(::GetDlgItem(hBox, 0xFFFF));
        PressButton(hBox, IDOK);
    });
    program.Command(ID_RESUME_LAST_GAME);
    EXPECT_NE(message.find("is no puzzle of Morvane, or it cannot be read."), std::string::npos) << message;
    EXPECT_EQ(Kinds(), kinds);
    EXPECT_FALSE(std::filesystem::exists(LastGameFile()));
}

} // namespace
