// The game loop through the real window: games won and stuck, the best
// results and their dialogs, the board sizes, pause, the high-score table,
// and the frame, picture and tool bar kept in step with the game.

#include "tests/program/PlayTools.h"

#include "framework/Screen.h"
#include "resources/resource.h"

#include <iterator>

namespace {

// The texts drawn with TextOut on the windows of this process, while this lives.
struct CDrawnText {
    HWND hWnd;
    int x, y;
    std::string text;
};
std::vector<CDrawnText> g_drawn;
decltype(&TextOutW) g_realTextOut = nullptr;
BOOL WINAPI LogTextOut(HDC hDC, int x, int y, LPCWSTR text, int n)
{
    g_drawn.push_back({::WindowFromDC(hDC), x, y, Utf8(text, n)});
    return g_realTextOut(hDC, x, y, text, n);
}
class CTextLog {
public:
    CTextLog() : m_patch("gdi32.dll", "TextOutW", reinterpret_cast<void*>(LogTextOut))
    {
        g_drawn.clear();
        g_realTextOut = reinterpret_cast<decltype(&TextOutW)>(m_patch.Original());
    }
    // The texts last drawn on hWnd, from its last paint on.
    static std::vector<CDrawnText> Of(HWND hWnd, std::size_t nLast)
    {
        std::vector<CDrawnText> texts;
        for (const CDrawnText& t : g_drawn)
            if (t.hWnd == hWnd)
                texts.push_back(t);
        texts.erase(texts.begin(), texts.end() - std::min(nLast, texts.size()));
        return texts;
    }
    // Only their words.
    static std::vector<std::string> WordsOf(HWND hWnd, std::size_t nLast)
    {
        std::vector<std::string> words;
        for (const CDrawnText& t : Of(hWnd, nLast))
            words.push_back(t.text);
        return words;
    }

private:
    CImportPatch m_patch;
};

// The size of a text in the system's message font at the window's scale, the
// font of the game's dialogs' painted text.
CSize TextExtent(HWND hWnd, const std::string& text)
{
    HDC hDC = ::GetDC(hWnd);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT hFont = ::CreateFontIndirectW(&metrics.lfMessageFont);
    const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size{};
    ::GetTextExtentPoint32A(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(hWnd, hDC);
    return CSize(size.cx, size.cy);
}

int ClientWidth(HWND hWnd)
{
    RECT r{};
    ::GetClientRect(hWnd, &r);
    return r.right;
}

// The three centred lines of the finish dialog, as drawn.
std::vector<std::string> FinishLines(HWND hDlg)
{
    std::vector<std::string> lines;
    for (const CDrawnText& t : CTextLog::Of(hDlg, 3)) {
        const CSize size = TextExtent(hDlg, t.text);
        EXPECT_EQ(t.x, (ClientWidth(hDlg) - size.cx) / 2) << t.text << " is centred";
        EXPECT_EQ(t.y, 2 * size.cy * static_cast<int>(lines.size() + 1)) << t.text;
        lines.push_back(t.text);
    }
    return lines;
}

// Plays the puzzle to its end through clicks on the solver's pairs.
void PlayToTheEnd(const CRunningProgram& program)
{
    CTilePairList solution;
    g_pBoard->Solve(solution);
    ASSERT_FALSE(solution.empty());
    for (auto p = solution.rbegin(); p != solution.rend(); ++p) {
        ClickCell(program, p->col1, p->row1);
        ClickCell(program, p->col2, p->row2);
    }
}

std::string Stored(const std::string& name) { return CScratchSettings::Read(name).value_or("(none)"); }

bool ButtonChecked(const CRunningProgram& program, UINT id)
{
    return ::SendMessageA(program.Frame().m_wndToolBar.m_hWnd, TB_ISBUTTONCHECKED, id, 0) != 0;
}

// ---------------------------------------------------------------------------

TEST(GameEnd, AWinIsJudgedAgainstTheStoredBestOfItsSize)
{
    const struct {
        const char* label;
        const char* best;     // stored for 8_10 before; nullptr: none
        const char* soundOff;
        const char* typed;    // typed into the name dialog; nullptr: OK at once
        const char* dialog;   // the caption of the dialog that comes
        const char* bestAfter;
        const char* nameAfter;
        Cues cues;
    } cases[] = {
        {"the first win", nullptr, "0", "Ada", "Best result", "300", "Ada", {"WIN"}},
        {"a better time", "301", "0", nullptr, "Best result", "300", "Bob", {"WIN"}},
        {"a tie asks again", "300", "1", nullptr, "Best result", "300", "Bob", {}},
        {"a worse time", "299", "0", nullptr, "Finish the game.", "299", "Old", {"WIN"}},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"},
                                {"SoundON", c.soundOff}, {"LastName", "Bob"}, {"8_10\\Name", "Old"}});
        if (c.best)
            CScratchSettings::Write("8_10", c.best);
        CFixedDeal deal;
        CGameClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        const CMahjongBoard* board = g_pBoard;
        CHeardCues cues;
        CTextLog texts;
        std::vector<std::string> lines;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            if (c.typed)
                ::SetDlgItemTextA(hDlg, IDC_NAME_EDIT, c.typed);
            if (WindowText(hDlg) == "Finish the game.") {
                lines = FinishLines(hDlg);
                EXPECT_TRUE(DescribesInOrder(hDlg, lines)) << c.label;
            }
            PressButton(hDlg, IDOK);
        });
        clock.m_now += 300;
        PlayToTheEnd(program);
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{c.dialog}) << c.label;
        Cues ending;
        std::copy_if(g_cues.begin(), g_cues.end(), std::back_inserter(ending),
                     [](const std::string& cue) { return cue == "WIN" || cue == "LOST"; });
        EXPECT_EQ(ending, c.cues) << c.label;
        EXPECT_EQ(Stored("8_10"), c.bestAfter) << c.label;
        EXPECT_EQ(Stored("8_10\\Name"), c.nameAfter) << c.label;
        if (std::string(c.dialog) == "Best result")
            EXPECT_EQ(Stored("LastName"), c.nameAfter) << c.label;
        else
            EXPECT_EQ(lines, (std::vector<std::string>{"You have won.", "The time was spended for solution is",
                                                       "00:05:00"}))
                << c.label;
        // The next puzzle of the size, at once, its clock from zero.
        EXPECT_NE(g_pBoard, board) << c.label;
        EXPECT_EQ(g_pBoard->CountTiles(), 80) << c.label;
        EXPECT_EQ(PaneText(StatusBar(program), 0), std::string(16, ' ')) << c.label;
        EXPECT_EQ(WindowText(program.FrameWindow()),
                  std::string("Best result is ") + (c.bestAfter == std::string("300") ? "00:05:00" : "00:04:59"))
            << c.label;
    }
}

TEST(GameEnd, ADeadEndIsAnnouncedAndTheNewPuzzleCanBeRefused)
{
    const struct {
        const char* label;
        int answer;
        int tilesAfter;
    } cases[] = {
        {"a new puzzle", IDOK, 80},
        {"the stuck board kept", IDCANCEL, 4},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}});
        CFixedDeal deal;
        CGameClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        // Once the C pair goes, neither A nor B can be joined.
        UseBoard(program, {"AB........", "BA........", "..........", "....C.C..."});
        CHeardCues cues;
        CTextLog texts;
        std::vector<std::string> lines;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            lines = FinishLines(hDlg);
            PressButton(hDlg, IDOK);
        });
        answers.Expect([&](HWND hBox) { PressButton(hBox, c.answer); });
        clock.m_now += 61;
        ClickCell(program, 5, 4);
        ClickCell(program, 7, 4);
        EXPECT_EQ(answers.Seen(), (std::vector<std::string>{"Finish the game.", "Morvane"})) << c.label;
        EXPECT_EQ(lines, (std::vector<std::string>{"There are no possible matches.",
                                                   "The time was spended for playing is", "00:01:01"}))
            << c.label;
        EXPECT_EQ(g_cues, (Cues{"Yes", "LINE", "LOST"})) << c.label;
        EXPECT_EQ(g_pBoard->CountTiles(), c.tilesAfter) << c.label;
        if (c.answer == IDOK)
            continue;

        // The game clock stands; the total clock goes on.
        const HWND hStatus = StatusBar(program);
        const std::string game = PaneText(hStatus, 0), total = PaneText(hStatus, 1);
        clock.m_now += 5;
        EXPECT_TRUE(PumpUntil([&] { return PaneText(hStatus, 1) != total; })) << c.label;
        EXPECT_EQ(PaneText(hStatus, 0), game) << c.label;
        // The next click asks again.
        answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
        answers.Expect([](HWND hBox) { PressButton(hBox, IDCANCEL); });
        ClickCell(program, 1, 1);
        EXPECT_EQ(answers.Seen().size(), 4u) << c.label;
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        // Undo still puts the last pair back.
        program.Command(ID_UNDO);
        EXPECT_EQ(g_pBoard->CountTiles(), 6) << c.label;
        EXPECT_EQ(PaneText(hStatus, 2), MatchedText(1)) << c.label;
        // With a move again the game goes on, its clock with the time it kept counting.
        clock.m_now += 3;
        EXPECT_TRUE(PumpUntil([&] { return PaneText(hStatus, 0) == "00:01:09"; })) << PaneText(hStatus, 0);
    }
}

TEST(GameEnd, AWonBoardWhoseNextPuzzleCannotBeMadeIsJudgedOnce)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"AA"});
    CNoPictures noPictures;
    CModalAnswers answers;
    answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
    ClickCell(program, 1, 1);
    ClickCell(program, 2, 1);
    clock.m_now += 10;
    ClickCell(program, 1, 1);
    EXPECT_EQ(answers.Seen(), (std::vector<std::string>{"Best result", "Morvane"}));
    EXPECT_EQ(Stored("8_18"), "0");
}

TEST(GameEnd, TheNameDialogPreloadsLimitsAndKeepsNames)
{
    const std::string longName(150, 'X');
    const struct {
        const char* label;
        const char* sizeX;    // a board of 10 x 8 or of an unknown width
        std::string lastName; // stored before; empty: none
        std::string typed;    // typed key by key; "\x1b": Esc
        const char* dialog;
        const char* stored;   // under 8_10\Name and LastName; nullptr: nothing written
    } cases[] = {
        {"OK stores what was typed", "10", "Bob", "Kim", "Best result", "BobKim"},
        {"an eleventh character is refused", "10", "", "ABCDEFGHIJK", "Best result", "ABCDEFGHIJ"},
        {"Esc stores the preloaded name", "10", "Eve", "Zed\x1b", "Best result", "Eve"},
        {"a stored name too long is cut", "10", longName, "", "Best result", "XXXXXXXXXX"},
        {"letters of other scripts count once", "10", "ЖаннаМарияЁ", "", "Best result", "ЖаннаМария"},
        {"letters no code page holds are typed", "10", "", "게임Παιχνίδι游戏", "Best result", "게임Παιχνίδι"},
        {"a size with no key reads and writes none", "7", "", "", "Finish the game.", nullptr},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}});
        if (!c.lastName.empty())
            CScratchSettings::Write("LastName", c.lastName);
        CFixedDeal deal;
        CGameClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        UseBoard(program, {"A.A......."});
        program.View().m_nSizeX = std::stoi(c.sizeX);
        std::vector<std::string> events;
        CSettingsLog log(events);
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            const HWND hEdit = ::GetDlgItem(hDlg, IDC_NAME_EDIT);
            ::SendMessageA(hEdit, EM_SETSEL, 100, 100);
            for (wchar_t ch : Wide(c.typed))
                if (ch == L'\x1b')
                    PressKey(VK_ESCAPE);
                else
                    ::SendMessageW(hEdit, WM_CHAR, ch, 0);
            if (c.typed.empty() || c.typed.back() != '\x1b')
                PressButton(hDlg, IDOK);
        });
        ClickCell(program, 1, 1);
        ClickCell(program, 3, 1);
        EXPECT_TRUE(PumpUntil([&] { return answers.Pending() == 0 && g_pBoard->CountTiles() > 0; })) << c.label;
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{c.dialog}) << c.label;
        const bool touchedSizeKey = std::any_of(events.begin(), events.end(), [](const std::string& e) {
            return e.find(" 8_10") != std::string::npos || e.find(" 7_") != std::string::npos;
        });
        EXPECT_EQ(touchedSizeKey, c.stored != nullptr) << c.label;
        if (c.stored) {
            EXPECT_EQ(Stored("8_10\\Name"), c.stored) << c.label;
            EXPECT_EQ(Stored("LastName"), c.stored) << c.label;
            bool described = false;
            CModalAnswers scores;
            scores.Expect([&](HWND hDlg) {
                described = DescribesInOrder(hDlg, {"8x10", c.stored});
                PressButton(hDlg, IDOK);
            });
            program.Command(ID_HIGH_SCORES);
            EXPECT_TRUE(described) << c.label << ": the high scores tell the name";
        }
    }
}

TEST(SizeCommands, DealTheChosenSizeWithItsKindsTilesMarkAndFrame)
{
    const struct {
        UINT command;
        int columns, rows, kinds;
        int tallTile[2], lowTile[2]; // tile sizes on screens of 1024 and 700 pixels
    } sizes[] = {
        {ID_SIZE_8X10, 10, 8, 20, {30, 40}, {30, 40}},    {ID_SIZE_8X18, 18, 8, 36, {30, 40}, {30, 40}},
        {ID_SIZE_8X20, 20, 8, 40, {30, 40}, {30, 40}},    {ID_SIZE_10X18, 18, 10, 45, {30, 40}, {30, 40}},
        {ID_SIZE_12X12, 12, 12, 36, {30, 40}, {26, 35}},  {ID_SIZE_12X16, 16, 12, 32, {30, 40}, {26, 35}},
        {ID_SIZE_12X24, 24, 12, 36, {30, 40}, {26, 35}},  {ID_SIZE_16X10, 16, 10, 40, {30, 40}, {30, 40}},
        {ID_SIZE_20X16, 20, 16, 40, {26, 35}, {21, 27}},
    };
    CScratchSettings store(CScratchSettings::Entries{{"12_16", "3725"}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hView = program.View().m_hWnd;
    for (int screen : {1024, 700}) {
        const CScreenHeight height(screen);
        for (const auto& s : sizes) {
            const std::string label = std::to_string(s.columns) + " x " + std::to_string(s.rows) + " on " +
                                      std::to_string(screen);
            const int* tile = screen == 1024 ? s.tallTile : s.lowTile;
            CModalAnswers answers;
            answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
            program.Command(s.command);
            EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Morvane"}) << label << ": asked even on the same size";
            EXPECT_EQ(g_pBoard->GetWidth(), s.columns) << label;
            EXPECT_EQ(g_pBoard->GetHeight(), s.rows) << label;
            EXPECT_EQ(g_pBoard->GetKinds(), s.kinds) << label;
            EXPECT_EQ(g_pBoard->CountTiles(), s.columns * s.rows) << label;
            EXPECT_EQ(g_pBoard->GetTileWidth(), tile[0]) << label;
            EXPECT_EQ(g_pBoard->GetTileHeight(), tile[1]) << label;
            RECT client{};
            ::GetClientRect(hView, &client);
            EXPECT_EQ(client.right, tile[0] * (s.columns + 2)) << label;
            EXPECT_EQ(client.bottom, tile[1] * (s.rows + 2)) << label;
            for (const auto& other : sizes)
                EXPECT_EQ(MenuChecked(program, other.command), &other == &s) << label;
            EXPECT_EQ(Stored("SizeX"), std::to_string(s.columns)) << label;
            EXPECT_EQ(Stored("SizeY"), std::to_string(s.rows)) << label;
            EXPECT_EQ(Stored("Tiles"), std::to_string(s.kinds)) << label;
            EXPECT_EQ(WindowText(program.FrameWindow()),
                      std::string("Best result is ") + (s.command == ID_SIZE_12X16 ? "01:02:05" : "00:00:00"))
                << label;
        }
    }

    // Cancel changes nothing.
    const CMahjongBoard* board = g_pBoard;
    CModalAnswers answers;
    answers.Expect([](HWND hBox) { PressButton(hBox, IDCANCEL); });
    program.Command(ID_SIZE_8X10);
    EXPECT_EQ(g_pBoard, board);
    EXPECT_TRUE(MenuChecked(program, ID_SIZE_20X16));
    EXPECT_EQ(Stored("SizeX"), "20");
}

TEST(Pause, HidesTheBoardStopsBothClocksAndMovesThemOnResume)
{
    CScratchSettings store;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = StatusBar(program);
    const auto panes = [&] { return PaneText(hStatus, 0) + " " + PaneText(hStatus, 1); };
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    clock.m_now += 5;
    EXPECT_TRUE(PumpUntil([&] { return panes() == "00:00:05 00:00:05"; }));

    // The tool bar's buttons follow the commands' states: Sound ON is pressed while sound plays.
    EXPECT_TRUE(ButtonChecked(program, ID_SOUND_ON));
    EXPECT_FALSE(ButtonChecked(program, ID_PAUSE));
    program.Command(ID_SOUND_ON);
    ASSERT_TRUE(PressKeyAndWait('P'));
    Pump(50);
    EXPECT_FALSE(ButtonChecked(program, ID_SOUND_ON));
    EXPECT_TRUE(MenuChecked(program, ID_PAUSE));
    EXPECT_TRUE(ButtonChecked(program, ID_PAUSE));
    EXPECT_EQ(ScreenRect(program, all), BackgroundUnder(154, all)) << "only the background shows";
    ClickCell(program, 1, 1);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1) << "clicks do nothing";
    clock.m_now += 30;
    Pump(1200);
    EXPECT_EQ(panes(), "00:00:05 00:00:05") << "both clocks stand";

    program.Command(ID_PAUSE);
    Pump(50);
    EXPECT_FALSE(MenuChecked(program, ID_PAUSE));
    EXPECT_FALSE(ButtonChecked(program, ID_PAUSE));
    EXPECT_EQ(ScreenRect(program, all), Picture());
    clock.m_now += 2;
    EXPECT_TRUE(PumpUntil([&] { return panes() == "00:00:07 00:00:07"; })) << panes();
}

TEST(HighScores, ShowEverySizesHolderAndTimeAndClearThemAll)
{
    CScratchSettings store({{"8_10", "3725"},
                            {"8_10\\Name", "WWWWWWWWWW"},
                            {"8_18", "abc"},
                            {"8_18\\Name", "A name far longer than nineteen"},
                            {"8_20", "123456789012345678901"},
                            {"10_18", "-5"},
                            {"12_12", "59"},
                            {"12_12\\Name", "Kim"},
                            {"SizeX", "12"},
                            {"SizeY", "12"}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTextLog texts;
    std::string caption;
    const std::vector<std::string> cleared = {"Sizes", "Names", "High results", "8x10", "", "00:00:00", "8x18", "",
                                              "00:00:00", "8x20", "", "00:00:00", "10x18", "", "00:00:00",
                                              "12x12", "", "00:00:00", "12x16", "", "00:00:00", "12x24", "",
                                              "00:00:00", "16x10", "", "00:00:00", "20x16", "", "00:00:00"};
    std::vector<std::string> expected = cleared;
    expected[4] = "WWWWWWWWWW", expected[5] = "01:02:05";
    expected[7] = "A name far longer t";
    expected[16] = "Kim", expected[17] = "00:00:59";
    std::vector<std::string> before, after;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        before = CTextLog::WordsOf(hDlg, 30);
        EXPECT_TRUE(DescribesInOrder(hDlg, before));
        // Where the texts and rules stand, measured in the dialog's default font.
        const std::vector<CDrawnText> drawn = CTextLog::Of(hDlg, 30);
        const int h = TextExtent(hDlg, "00:00:00").cy;
        const int wT = TextExtent(hDlg, drawn[8].text).cx, wW = TextExtent(hDlg, "WWWWWWWWWWWW").cx;
        const int columns[] = {40, 130, 130 + wW};
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].x, columns[i % 3]) << drawn[i].text;
            EXPECT_EQ(drawn[i].y, 2 * h * static_cast<int>(i / 3)) << drawn[i].text;
        }
        EXPECT_LT(130 + TextExtent(hDlg, "WWWWWWWWWW").cx, drawn[5].x) << "a 10-character name ends before the times";
        const CCapture shot = CaptureClient(hDlg);
        const std::uint32_t lettering = 0x004AC6, face = 0x74BFE2;
        EXPECT_EQ(shot.At(45, h * 3 / 2), lettering) << "the rule under the heading";
        EXPECT_EQ(shot.At(40 + wT, 15 * h), lettering) << "the rule after the sizes";
        EXPECT_EQ(shot.At(45, h * 3 / 2 - 3), face);
        RECT ok{}, clear{};
        ::GetWindowRect(::GetDlgItem(hDlg, IDOK), &ok);
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_CLEAR_SCORES), &clear);
        EXPECT_EQ(ok.right - ok.left, 80);
        EXPECT_EQ(clear.right - clear.left, 160);
        PressButton(hDlg, IDC_CLEAR_SCORES);
        ::UpdateWindow(hDlg);
        after = CTextLog::WordsOf(hDlg, 30);
        caption = WindowText(program.FrameWindow());
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_HIGH_SCORES);
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"High scores"});
    EXPECT_EQ(before, expected);
    EXPECT_EQ(after, cleared);
    EXPECT_EQ(caption, "Best result is 00:00:00") << "at once, not at the next puzzle";
    for (const char* key : {"8_10", "8_18", "8_20", "10_18", "12_12", "12_16", "12_24", "16_10", "20_16"}) {
        EXPECT_EQ(Stored(key), "0") << key;
        EXPECT_EQ(Stored(std::string(key) + "\\Name"), "") << key;
    }
}

TEST(HighScores, SizesWithABestTimeUnderGravityFollowTheNineInRowsOfTheirOwn)
{
    CScratchSettings store({{"8_18G", "75"}, {"8_18G\\Name", "Ada"}, {"20_16G", "3725"}, {"12_12G", "0"}});
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTextLog texts;
    std::vector<std::string> before, after;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        before = CTextLog::WordsOf(hDlg, 36);
        EXPECT_TRUE(DescribesInOrder(hDlg, before));
        // Twelve rows as far apart as the nine alone are, all above the buttons.
        const std::vector<CDrawnText> drawn = CTextLog::Of(hDlg, 36);
        const int h = TextExtent(hDlg, "00:00:00").cy;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            EXPECT_EQ(drawn[i].y, 2 * h * static_cast<int>(i / 3)) << drawn[i].text;
        RECT ok{};
        ::GetWindowRect(::GetDlgItem(hDlg, IDOK), &ok);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&ok), 2);
        EXPECT_LE(drawn.back().y + h, ok.top);
        const int wT = TextExtent(hDlg, drawn[8].text).cx;
        EXPECT_EQ(CaptureClient(hDlg).At(40 + wT, drawn[30].y + h * 3 / 2), 0x74BFE2u) << "the sizes' rule ends above";
        PressButton(hDlg, IDC_CLEAR_SCORES);
        ::UpdateWindow(hDlg);
        after = CTextLog::WordsOf(hDlg, 36);
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_HIGH_SCORES);
    ASSERT_EQ(before.size(), 36u);
    EXPECT_EQ(std::vector<std::string>(before.begin() + 30, before.end()),
              (std::vector<std::string>{"8x18, gravity", "Ada", "00:01:15", "20x16, gravity", "", "01:02:05"}));
    EXPECT_EQ(std::vector<std::string>(after.begin() + 30, after.end()),
              (std::vector<std::string>{"8x18, gravity", "", "00:00:00", "20x16, gravity", "", "00:00:00"}));
    EXPECT_TRUE(Stored("8_18G") == "0" && Stored("20_16G") == "0") << "cleared with the others";
}

TEST(FrameInStep, TheSelectionFrameSurvivesARecompositionAndAnUndoThatWallsItIn)
{
    CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}});
    CFixedDeal deal;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {".A.", "BXB", ".A."});
    const std::vector<std::uint32_t> arranged = Picture();

    // A background chosen while a tile is selected keeps its frame on the new picture.
    ClickCell(program, 2, 1);
    program.Command(ID_BACK_GREEN);
    const std::vector<std::uint32_t> framed = Picture();
    ClickCell(program, 2, 1);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1);
    const std::vector<std::uint32_t> plain = Picture();
    program.Command(ID_BACK_GREEN);
    EXPECT_EQ(Picture(), plain) << "the frame came off cleanly";
    EXPECT_NE(framed, plain) << "the recomposed picture showed the frame";

    // An undo walls the selected tile in; a click on it still takes the frame off.
    program.Command(ID_BACK_CLOUDS);
    ClickCell(program, 1, 2);
    ClickCell(program, 3, 2);
    ASSERT_EQ(g_pBoard->CountTiles(), 3);
    ClickCell(program, 2, 2);
    ASSERT_EQ(g_pBoard->GetSelCol(), 2);
    program.Command(ID_UNDO);
    ASSERT_TRUE(g_pBoard->IsBlocked(2, 2));
    ClickCell(program, 2, 2);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1);
    EXPECT_EQ(Picture(), arranged);
    EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), arranged);
}

// CreateDIBSection that fails for anything larger than a background square.
decltype(&CreateDIBSection) g_realCreateDIBSection = nullptr;
HBITMAP WINAPI NoLargePictures(HDC hDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset)
{
    if (info->bmiHeader.biWidth > 300)
        return nullptr;
    return g_realCreateDIBSection(hDC, info, usage, bits, section, offset);
}

TEST(FrameInStep, ABoardPictureThatCannotBeMadeIsReportedOnceAndNothingDrawsWithoutIt)
{
    CScratchSettings store;
    CRunningClock clock;
    CImportPatch patch("gdi32.dll", "CreateDIBSection", reinterpret_cast<void*>(NoLargePictures));
    g_realCreateDIBSection = reinterpret_cast<decltype(&CreateDIBSection)>(patch.Original());
    CModalAnswers answers;
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (int i = 0; i < 3; ++i)
        ::RedrawWindow(program.View().m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ClickCell(program, 1, 1);
    program.Command(ID_BACK_GREEN);
    program.Command(ID_HELP_ME);
    Pump(50);
    EXPECT_EQ(answers.Seen().size(), 1u) << "said once";
    EXPECT_EQ(g_pBoardPicture, nullptr);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1) << "no play without a picture";
}

TEST(StringTable, CommandPromptsAndTips)
{
    const struct {
        UINT id;
        const char* text;
    } cases[] = {
        {ID_UNDO, "Undo the last action\nUndo"},
        {ID_HELP_ME, "Help me!\nHelp me!"},
        {ID_CHOOSE_SETS, "Select tile set"},
        {ID_NEXT_TILES, "Next tiles set"},
    };
    for (const auto& c : cases) {
        CString text;
        EXPECT_TRUE(text.LoadString(c.id)) << c.id;
        EXPECT_EQ(text.str(), c.text) << c.id;
    }
}

} // namespace
