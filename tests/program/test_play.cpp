// Playing through the real window: the first puzzle and the frame around it,
// clicks that select, refuse and match, the fades, undo, the background and
// sound and animation switches, and whole games played to an empty board.

#include "tests/program/PlayTools.h"

#include "commands/AutoSolveDlg.h"
#include "board/MahjongBoard.h"
#include "board/Random.h"
#include "commands/BoardPicture.h"
#include "framework/FrameworkIds.h"
#include "framework/Gdi.h"
#include "framework/Screen.h"
#include "framework/Sound.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"
#include "view/Waits.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(PlayStart, FirstStartWithNoSettingsShowsA600By400PictureExactlyInTheView)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_NE(g_pBoard, nullptr) << "the first paint deals the first puzzle";
    ASSERT_NE(g_pBoardPicture, nullptr);
    EXPECT_EQ(g_pBoard->GetWidth(), 18);
    EXPECT_EQ(g_pBoard->GetHeight(), 8);
    EXPECT_EQ(g_pBoard->GetKinds(), 36);
    EXPECT_EQ(g_pBoard->CountTiles(), 144);
    EXPECT_EQ(g_pBoard->GetTileWidth(), 30);
    EXPECT_EQ(g_pBoard->GetTileHeight(), 40);
    const CPixelRect r = BoardPictureRect(*g_pBoard);
    EXPECT_EQ(r.cx, 600);
    EXPECT_EQ(r.cy, 400);
    EXPECT_EQ(g_pBoardPicture->GetSize().cx, 600);
    EXPECT_EQ(g_pBoardPicture->GetSize().cy, 400);
    RECT client{};
    ::GetClientRect(program.View().m_hWnd, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    const struct {
        const char* name;
        const char* stored;
    } settings[] = {{"SizeX", "18"}, {"SizeY", "8"}, {"Tiles", "36"}, {"TileSet", "131"}};
    for (const auto& s : settings)
        EXPECT_EQ(CScratchSettings::Read(s.name).value_or("(none)"), s.stored) << s.name;
    // The screen shows the picture.
    EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), Picture());
    EXPECT_EQ(PaneText(StatusBar(program), 2), MatchedText(RemovablePairs()));
    EXPECT_EQ(program.View().CountPossibleMoves(), RemovablePairs());
}

TEST(PlayStart, SizesTheFrameSoThatTheViewShowsExactlyTheBoard)
{
    const struct {
        const char* label;
        const char* sizeX;
        const char* sizeY;
        const char* tiles;
        const char* sizeTiles;
        int screen;
        int cx;
        int cy;
    } cases[] = {
        {"18 x 8 on a tall screen", "18", "8", "36", "0", 1024, 30, 40},
        {"18 x 8 on a low screen", "18", "8", "36", "0", 600, 30, 40},
        {"20 x 16 on a tall screen", "20", "16", "40", "0", 1024, 26, 35},
        {"20 x 16 on a low screen", "20", "16", "40", "0", 700, 21, 27},
        {"12 x 12 on a low screen", "12", "12", "36", "0", 700, 26, 35},
        {"24 x 12 on a tall screen", "24", "12", "36", "0", 1024, 30, 40},
        {"10 x 8, Big tiles", "10", "8", "20", "1", 1024, 39, 52},
        {"16 x 12 on a low screen: Big tiles would not fit, the next smaller size", "16", "12", "32", "1", 700, 30, 40},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", c.sizeX}, {"SizeY", c.sizeY}, {"Tiles", c.tiles}, {"SizeTiles", c.sizeTiles}});
        const CScreenHeight screen(c.screen);
        CRunningClock clock;
        {
            CRunningProgram program;
            ASSERT_TRUE(program.Started()) << c.label;
            ASSERT_NE(g_pBoard, nullptr) << c.label;
            EXPECT_EQ(g_pBoard->GetWidth(), std::stoi(c.sizeX)) << c.label;
            EXPECT_EQ(g_pBoard->GetHeight(), std::stoi(c.sizeY)) << c.label;
            EXPECT_EQ(g_pBoard->GetTileWidth(), c.cx) << c.label;
            EXPECT_EQ(g_pBoard->GetTileHeight(), c.cy) << c.label;
            const int w = c.cx * (std::stoi(c.sizeX) + 2);
            const int h = c.cy * (std::stoi(c.sizeY) + 2);
            RECT client{};
            ::GetClientRect(program.View().m_hWnd, &client);
            EXPECT_EQ(client.right, w) << c.label;
            EXPECT_EQ(client.bottom, h) << c.label;
            // The frame: the board rectangle made a window, with the view's
            // edge of two pixels on every side, the tool bar and the status bar.
            const HWND hFrame = program.FrameWindow();
            RECT expected{0, 0, w, h};
            ::AdjustWindowRectEx(&expected, static_cast<DWORD>(::GetWindowLongA(hFrame, GWL_STYLE)), TRUE,
                                 static_cast<DWORD>(::GetWindowLongA(hFrame, GWL_EXSTYLE)));
            RECT status{}, tools{}, frame{}, view{};
            ::GetWindowRect(program.View().m_hWnd, &view);
            EXPECT_EQ(view.right - view.left, w + 4) << c.label;
            EXPECT_EQ(view.bottom - view.top, h + 4) << c.label;
            ::GetWindowRect(program.Frame().m_wndStatusBar.m_hWnd, &status);
            ::GetWindowRect(program.Frame().m_wndToolBar.m_hWnd, &tools);
            ::GetWindowRect(hFrame, &frame);
            EXPECT_EQ(frame.right - frame.left, expected.right - expected.left + 4) << c.label;
            EXPECT_EQ(frame.bottom - frame.top, expected.bottom - expected.top + 4 + (status.bottom - status.top) +
                                                     (tools.bottom - tools.top))
                << c.label;
        }
    }
}

TEST(PlayClick, EveryClickCaseSelectsRefusesOrMatchesAsThePlayerExpects)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CHeardCues cues;
    const HWND hStatus = StatusBar(program);

    CTilePair joinable{}, unjoinable{}, different{};
    ASSERT_TRUE(FirstPair(joinable));
    ASSERT_TRUE(FindUnjoinablePair(unjoinable)) << "the deal of seed 4711 has one";
    ASSERT_TRUE(FindDifferentKinds(different));
    // (2, 2) has tiles on all four sides on a full board.
    ASSERT_TRUE(g_pBoard->IsBlocked(2, 2));
    const std::vector<std::uint32_t> full = Picture();

    const struct {
        const char* label;
        int col1, row1;  // the first click; 0: none
        int col2, row2;  // the second click; 0, 0: the margin
        Cues cues;
        int selCol;      // the selection afterwards, -1: none
        bool restored;   // the picture is as before the clicks
    } cases[] = {
        {"a free tile is selected", 0, 0, joinable.col1, joinable.row1, {"Yes"}, joinable.col1, false},
        {"the same tile again deselects silently", joinable.col1, joinable.row1, joinable.col1, joinable.row1,
         {"Yes"}, -1, true},
        {"a tile of another kind is refused and the first stays", different.col1, different.row1, different.col2,
         different.row2, {"Yes", "NO"}, different.col1, false},
        {"a tile of the same kind that cannot be joined is refused", unjoinable.col1, unjoinable.row1,
         unjoinable.col2, unjoinable.row2, {"Yes", "NO"}, unjoinable.col1, false},
        {"the margin with a selection drops it", joinable.col1, joinable.row1, 0, 0, {"Yes", "NO"}, -1, true},
        {"an enclosed tile with a selection drops it", joinable.col1, joinable.row1, 2, 2, {"Yes", "NO"}, -1, true},
        {"an enclosed tile with nothing selected does nothing", 0, 0, 2, 2, {}, -1, true},
        {"the margin with nothing selected does nothing", 0, 0, 0, 0, {}, -1, true},
    };
    for (const auto& c : cases) {
        g_cues.clear();
        if (c.col1)
            ClickCell(program, c.col1, c.row1);
        if (c.col2)
            ClickCell(program, c.col2, c.row2);
        else
            Click(program, {5, 5});
        EXPECT_EQ(g_cues, c.cues) << c.label;
        EXPECT_EQ(g_pBoard->GetSelCol(), c.selCol) << c.label;
        EXPECT_EQ(g_pBoard->CountTiles(), 144) << c.label;
        EXPECT_EQ(Picture() == full, c.restored) << c.label;
        EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), Picture()) << c.label << ": the screen shows the picture";
        EXPECT_EQ(PaneText(hStatus, 2), MatchedText(RemovablePairs())) << c.label;
        // Back to nothing selected: the selected tile clicked once more.
        if (g_pBoard->GetSelCol() >= 0) {
            const CTileCell sel = g_pBoard->GetSelectedCell();
            g_cues.clear();
            Click(program, Centre(sel));
            EXPECT_EQ(g_cues, Cues{}) << c.label << ", deselecting";
            EXPECT_EQ(g_pBoard->GetSelCol(), -1) << c.label << ", deselecting";
        }
        EXPECT_EQ(Picture(), full) << c.label << ": the frame drawn twice leaves no trace";
    }

    // The frame: two pixels wide, one inside the tile's edge, its corners inverted twice.
    const CTileCell a = Cell(joinable.col1, joinable.row1);
    ClickCell(program, joinable.col1, joinable.row1);
    const std::vector<std::uint32_t> framed = Picture();
    const int width = BoardPictureRect(*g_pBoard).cx;
    const auto at = [&](const std::vector<std::uint32_t>& p, int x, int y) { return p[y * width + x]; };
    const struct {
        const char* label;
        int dx, dy;
        bool inverted;
    } pixels[] = {
        {"top bar", a.cx / 2, 1, true},      {"second top row", a.cx / 2, 2, true},
        {"left bar", 1, a.cy / 2, true},     {"right bar", a.cx - 1, a.cy / 2, true},
        {"bottom bar", a.cx / 2, a.cy - 2, true}, {"tile's edge", a.cx / 2, 0, false},
        {"inside", a.cx / 2, a.cy / 2, false}, {"crossing corner", 1, 1, false},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(at(framed, a.x + p.dx, a.y + p.dy),
                  p.inverted ? at(full, a.x + p.dx, a.y + p.dy) ^ 0xFFFFFFu : at(full, a.x + p.dx, a.y + p.dy))
            << p.label;

    // A joined pair: both go, the line and the fades leave background, undo is recorded.
    g_cues.clear();
    const CTileCell b = Cell(joinable.col2, joinable.row2);
    const std::uint32_t before = clock.m_ticks;
    ClickCell(program, joinable.col2, joinable.row2);
    EXPECT_EQ(g_cues, Cues{"LINE"});
    EXPECT_GE(clock.m_ticks - before, 2000u) << "one second of line and two fades of 500 ms";
    EXPECT_EQ(g_pBoard->GetSelCol(), -1);
    EXPECT_EQ(Cell(joinable.col1, joinable.row1).kind, -1);
    EXPECT_EQ(Cell(joinable.col2, joinable.row2).kind, -1);
    EXPECT_EQ(g_pBoard->CountTiles(), 142);
    EXPECT_EQ(PaneText(hStatus, 2), MatchedText(RemovablePairs()));
    const std::vector<std::uint32_t> after = Picture();
    for (const CTileCell& t : {a, b}) {
        EXPECT_EQ(PictureRect(after, RectOf(t)), BackgroundUnder(154, RectOf(t))) << "removed tile at " << t.x;
        EXPECT_EQ(ScreenRect(program, RectOf(t)), BackgroundUnder(154, RectOf(t))) << "on screen, at " << t.x;
    }
    // Everything else is as before: no trace of the line.
    std::vector<std::uint32_t> expected = full;
    for (const CTileCell& t : {a, b})
        for (int y = t.y; y < t.y + t.cy; ++y)
            for (int x = t.x; x < t.x + t.cx; ++x)
                expected[y * width + x] = after[y * width + x];
    EXPECT_EQ(after, expected);

    // Undo brings both back exactly, without a sound.
    g_cues.clear();
    program.Command(ID_UNDO);
    EXPECT_EQ(Picture(), full);
    EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), full);
    EXPECT_EQ(Cell(joinable.col1, joinable.row1).kind, joinable.kind);
    EXPECT_EQ(Cell(joinable.col2, joinable.row2).kind, joinable.kind);
    EXPECT_EQ(PaneText(hStatus, 2), MatchedText(RemovablePairs()));
    EXPECT_EQ(g_cues, Cues{});
}

TEST(PlayDrawing, TheLinkLineDrawnTwiceRestoresThePicture)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::vector<std::uint32_t> full = Picture();
    CTilePairList pairs;
    g_pBoard->FindAllPairs(pairs);
    ASSERT_FALSE(pairs.empty());
    int drawn = 0;
    for (const CTilePair& p : pairs) {
        CLinkPath path;
        ASSERT_EQ(g_pBoard->FindPath(p.col1, p.row1, p.col2, p.row2, path), 0);
        program.View().DrawLink(path);
        drawn += Picture() != full;
        program.View().DrawLink(path);
        EXPECT_EQ(Picture(), full) << "pair (" << p.col1 << "," << p.row1 << ")-(" << p.col2 << "," << p.row2 << ")";
    }
    EXPECT_EQ(drawn, static_cast<int>(pairs.size())) << "every line shows once drawn";
}

TEST(PlayDrawing, AFadeEndsInTheExactBackgroundAcrossSquareBoundaries)
{
    const struct {
        const char* label;
        CPixelRect r;
        int animation;
    } cases[] = {
        {"tile at x = 290, across a vertical boundary", {290, 40, 30, 40}, 0},
        {"across both boundaries", {280, 280, 30, 40}, 0},
        {"across the horizontal boundary", {60, 280, 30, 40}, 0},
        {"inside one square", {30, 40, 30, 40}, 0},
        {"across both boundaries, no fade", {280, 280, 30, 40}, -1},
    };
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (int back : {154, 144}) {
        program.Command(back == 154 ? ID_BACK_CLOUDS : ID_BACK_EASY);
        for (const auto& c : cases) {
            const std::uint32_t before = clock.m_ticks;
            program.View().EraseTileRect(c.r.x, c.r.y, c.r.cx, c.r.cy, c.animation);
            EXPECT_EQ(clock.m_ticks - before >= 500, c.animation >= 0) << c.label << ": the fade lasts 500 ms";
            EXPECT_EQ(PictureRect(Picture(), c.r), BackgroundUnder(back, c.r)) << c.label << ", background " << back;
            EXPECT_EQ(ScreenRect(program, c.r), BackgroundUnder(back, c.r)) << c.label << ", background " << back;
        }
    }
}

TEST(PlayUndo, ElevenRemovalsAndElevenUndosRestoreTheLastTen)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = StatusBar(program);
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 144) << "undo right after a new puzzle does nothing";

    std::vector<std::vector<std::uint32_t>> pictures;
    std::vector<std::string> panes;
    std::vector<CTilePair> taken;
    for (int i = 0; i < 11; ++i) {
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << "removal " << i + 1;
        pictures.push_back(Picture());
        panes.push_back(PaneText(hStatus, 2));
        taken.push_back(p);
        ClickCell(program, p.col1, p.row1);
        ClickCell(program, p.col2, p.row2);
        ASSERT_EQ(g_pBoard->CountTiles(), 144 - 2 * (i + 1)) << "removal " << i + 1;
    }
    for (int i = 10; i >= 1; --i) {
        program.Command(ID_UNDO);
        EXPECT_EQ(g_pBoard->CountTiles(), 144 - 2 * i) << "undo " << 11 - i;
        EXPECT_EQ(Cell(taken[i].col1, taken[i].row1).kind, taken[i].kind) << "undo " << 11 - i;
        EXPECT_EQ(Cell(taken[i].col2, taken[i].row2).kind, taken[i].kind) << "undo " << 11 - i;
        EXPECT_EQ(Picture(), pictures[i]) << "undo " << 11 - i;
        EXPECT_EQ(PaneText(hStatus, 2), panes[i]) << "undo " << 11 - i;
    }
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 142) << "the eleventh undo finds nothing";
    EXPECT_EQ(Cell(taken[0].col1, taken[0].row1).kind, -1);
    EXPECT_EQ(Picture(), pictures[1]);
    EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), pictures[1]);
}

TEST(PlayGame, AWholeGameEndsOnAnEmptyBoardWithoutLeakingGdiObjects)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock(50);
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CHeardCues cues;
    const HWND hStatus = StatusBar(program);
    const int objects = CountGdiObjects();
    std::string lastPane = PaneText(hStatus, 2);
    // What the board looks like while the end of the game is announced.
    struct {
        std::vector<std::uint32_t> picture, screen;
        int moves = 0;
        std::string pane;
    } end;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        const CPixelRect all = BoardPictureRect(*g_pBoard);
        end = {Picture(), ScreenRect(program, all), program.View().CountPossibleMoves(), PaneText(hStatus, 2)};
        PressButton(hDlg, IDOK);
    });
    for (int pairNumber = 1; pairNumber <= 72; ++pairNumber) {
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << "dead end after " << pairNumber - 1 << " pairs";
        g_cues.clear();
        ClickCell(program, p.col1, p.row1);
        ClickCell(program, p.col2, p.row2);
        if (pairNumber == 72)
            break;
        EXPECT_EQ(g_cues, (Cues{"Yes", "LINE"})) << "pair " << pairNumber;
        ASSERT_EQ(g_pBoard->CountTiles(), 144 - 2 * pairNumber) << "pair " << pairNumber;
        EXPECT_EQ(Cell(p.col1, p.row1).kind, -1) << "pair " << pairNumber;
        EXPECT_EQ(Cell(p.col2, p.row2).kind, -1) << "pair " << pairNumber;
        EXPECT_EQ(g_pBoard->GetSelCol(), -1) << "pair " << pairNumber;
        lastPane = MatchedText(RemovablePairs());
        EXPECT_EQ(PaneText(hStatus, 2), lastPane) << "pair " << pairNumber;
    }
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Best result"});
    EXPECT_EQ(end.moves, -1);
    EXPECT_EQ(end.pane, lastPane) << "the empty board keeps the text";
    const CPixelRect all = BoardPictureRect(*g_pBoard);
    EXPECT_EQ(end.picture, BackgroundUnder(154, all)) << "nothing but background is left";
    EXPECT_EQ(end.screen, BackgroundUnder(154, all));
    EXPECT_EQ(g_pBoard->CountTiles(), 144) << "the next puzzle follows";
    EXPECT_EQ(CountGdiObjects(), objects);
}

TEST(PlayCommands, BackgroundsAreStoredCheckedAndPainted)
{
    const struct {
        const char* label;
        UINT command;
        int id;
        const char* stored;
    } cases[] = {
        {"Easy", ID_BACK_EASY, 144, "144"},
        {"Dark blue", ID_BACK_DARK_BLUE, 153, "153"},
        {"Green", ID_BACK_GREEN, 158, "158"},
        {"Clouds", ID_BACK_CLOUDS, 154, "154"},
    };
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const auto& c : cases) {
        program.Command(c.command);
        EXPECT_EQ(program.View().m_nBackPic, c.id) << c.label;
        EXPECT_EQ(CScratchSettings::Read("BackPic").value_or("(none)"), c.stored) << c.label;
        for (const auto& other : cases)
            EXPECT_EQ(MenuChecked(program, other.command), other.id == c.id) << c.label << ": item " << other.label;
        const CPixelRect margin{0, 0, 600, 40};
        EXPECT_EQ(PictureRect(Picture(), margin), BackgroundUnder(c.id, margin)) << c.label;
        EXPECT_EQ(ScreenRect(program, margin), BackgroundUnder(c.id, margin)) << c.label;
        EXPECT_EQ(g_pBoard->CountTiles(), 144) << c.label;
    }
}

TEST(PlayCommands, ABackgroundChosenWhilePausedIsStoredAndTheBoardStaysHidden)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    program.View().m_bPaused = 1;
    program.Command(ID_BACK_GREEN);
    Pump(50);
    EXPECT_EQ(CScratchSettings::Read("BackPic").value_or("(none)"), "158");
    // The picture has the new background round the tiles; the screen shows only background.
    const CPixelRect margin{0, 0, 600, 40};
    EXPECT_EQ(PictureRect(Picture(), margin), BackgroundUnder(158, margin));
    const CPixelRect board{30, 40, 540, 320};
    EXPECT_EQ(ScreenRect(program, board), BackgroundUnder(158, board)) << "the tiles are hidden while paused";
    EXPECT_NE(PictureRect(Picture(), board), BackgroundUnder(158, board)) << "the picture still holds them";
    program.View().m_bPaused = 0;
}

TEST(PlayCommands, SoundAndAnimationSwitchesAreStoredCheckedAndObeyed)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CHeardCues cues;
    const struct {
        const char* label;
        UINT command;
        const char* setting;
        const char* stored;
        bool checked;
    } cases[] = {
        {"sound off", ID_SOUND_ON, "SoundON", "1", false},
        {"sound on", ID_SOUND_ON, "SoundON", "0", true},
        {"animation off", ID_ANIMATION, "Animation", "1", false},
        {"animation on", ID_ANIMATION, "Animation", "0", true},
    };
    for (const auto& c : cases) {
        program.Command(c.command);
        EXPECT_EQ(CScratchSettings::Read(c.setting).value_or("(none)"), c.stored) << c.label;
        EXPECT_EQ(MenuChecked(program, c.command), c.checked) << c.label;
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << c.label;
        const int tiles = g_pBoard->CountTiles();
        g_cues.clear();
        const std::uint32_t before = clock.m_ticks;
        ClickCell(program, p.col1, p.row1);
        ClickCell(program, p.col2, p.row2);
        const std::uint32_t spent = clock.m_ticks - before;
        EXPECT_EQ(g_pBoard->CountTiles(), tiles - 2) << c.label;
        const bool soundOff = std::string(c.label) == "sound off";
        EXPECT_EQ(g_cues, (soundOff ? Cues{} : Cues{"Yes", "LINE"})) << c.label;
        const bool animationOff = std::string(c.label) == "animation off";
        if (animationOff)
            EXPECT_LT(spent, 1500u) << c.label << ": the line's second only";
        else
            EXPECT_GE(spent, 2000u) << c.label << ": the line's second and two fades";
    }
}

TEST(PlayNewPuzzle, AsksOnlyWhileTilesRemainAndKeepsThePuzzleWhenCancelled)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = StatusBar(program);
    const struct {
        const char* label;
        int button;
        bool replaced;
    } cases[] = {
        {"cancelled", IDCANCEL, false},
        {"confirmed", IDOK, true},
    };
    for (const auto& c : cases) {
        const CMahjongBoard* before = g_pBoard;
        const std::vector<std::uint32_t> picture = Picture();
        ClickCell(program, 1, 1);
        ASSERT_EQ(g_pBoard->GetSelCol(), 1) << c.label;
        std::string question;
        CModalAnswers answers;
        answers.Expect([&](HWND hBox) {
            question = WindowText(::GetDlgItem(hBox, 0xFFFF));
            PressButton(hBox, c.button);
        });
        program.Command(ID_FILE_NEW);
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_EQ(answers.Unexpected(), 0) << c.label;
        EXPECT_EQ(question, "Create new puzzle?") << c.label;
        EXPECT_EQ(g_pBoard != before, c.replaced) << c.label;
        EXPECT_EQ(g_pBoard->CountTiles(), 144) << c.label;
        if (c.replaced) {
            EXPECT_EQ(g_pBoard->GetSelCol(), -1) << c.label << ": a new board has nothing selected";
            EXPECT_EQ(PaneText(hStatus, 0), std::string(16, ' ')) << c.label;
            EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), Picture()) << c.label;
        } else {
            EXPECT_EQ(g_pBoard->GetSelCol(), 1) << c.label;
            ClickCell(program, 1, 1);
            EXPECT_EQ(Picture(), picture) << c.label;
        }
    }
}

TEST(PlayHelpMe, ShowsEveryRemovablePairForASecondAndLeavesEverythingAsItWas)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CHeardCues cues;
    ClickCell(program, 1, 1);
    const std::vector<std::uint32_t> picture = Picture();
    const std::string pane = PaneText(StatusBar(program), 2);
    // Every pair, uncapped.
    CTilePairList pairs;
    g_pBoard->FindAllPairs(pairs);
    ASSERT_FALSE(pairs.empty());
    const int possible = RemovablePairs();
    ASSERT_LE(possible, static_cast<int>(pairs.size()));
    g_cues.clear();
    const std::uint32_t before = clock.m_ticks;
    program.Command(ID_HELP_ME);
    // Each pair is shown until the calendar time moves on to the next second.
    const std::uint32_t seconds = clock.m_ticks / 1000 - before / 1000;
    EXPECT_EQ(seconds, static_cast<std::uint32_t>(possible)) << "a second for each pair";
    EXPECT_EQ(Picture(), picture);
    EXPECT_EQ(ScreenRect(program, {0, 0, 600, 400}), picture);
    EXPECT_EQ(g_pBoard->GetSelCol(), 1) << "the selection is untouched";
    EXPECT_EQ(g_pBoard->CountTiles(), 144);
    EXPECT_EQ(g_cues, Cues{});
    EXPECT_EQ(PaneText(StatusBar(program), 2), pane);
}

TEST(PlayUndo, KeepsASelectedTileFramedAndWorksWhilePaused)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hStatus = StatusBar(program);
    const std::vector<std::uint32_t> full = Picture();
    CTilePair first{}, second{};
    ASSERT_TRUE(FirstPair(first));
    ClickCell(program, first.col1, first.row1);
    ClickCell(program, first.col2, first.row2);
    ASSERT_TRUE(FirstPair(second));
    ClickCell(program, second.col1, second.row1);
    ClickCell(program, second.col2, second.row2);
    ASSERT_EQ(g_pBoard->CountTiles(), 140);
    const std::vector<std::uint32_t> afterFirst = [&] {
        std::vector<std::uint32_t> p = Picture();
        const int width = BoardPictureRect(*g_pBoard).cx;
        for (const CTileCell& t : {Cell(second.col1, second.row1), Cell(second.col2, second.row2)})
            for (int y = t.y; y < t.y + t.cy; ++y)
                for (int x = t.x; x < t.x + t.cx; ++x)
                    p[y * width + x] = full[y * width + x];
        return p;
    }();

    // A selected tile keeps its frame through an undo.
    CTilePair free{};
    ASSERT_TRUE(FindDifferentKinds(free));
    ClickCell(program, free.col1, free.row1);
    const std::vector<std::uint32_t> framedBefore = Picture();
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->GetSelCol(), free.col1);
    ClickCell(program, free.col1, free.row1);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1);
    EXPECT_EQ(Picture(), afterFirst) << "the frame came off cleanly after the undo";
    EXPECT_EQ(PaneText(hStatus, 2), MatchedText(RemovablePairs()));

    // While paused: the picture, but the screen keeps the pause picture.
    program.View().m_bPaused = 1;
    ::RedrawWindow(program.View().m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const CPixelRect a = RectOf(Cell(first.col1, first.row1));
    const CPixelRect b = RectOf(Cell(first.col2, first.row2));
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 144);
    EXPECT_EQ(Picture(), full);
    EXPECT_EQ(ScreenRect(program, a), BackgroundUnder(154, a)) << "not painted over the pause picture";
    EXPECT_EQ(ScreenRect(program, b), BackgroundUnder(154, b)) << "not painted over the pause picture";
    EXPECT_EQ(PaneText(hStatus, 2), MatchedText(RemovablePairs()));
    program.View().m_bPaused = 0;
}

// The apartments entered through CoInitializeEx, as (flags, result).
std::vector<std::pair<DWORD, HRESULT>> g_apartments;
void* g_pRealCoInitializeEx = nullptr;
HRESULT WINAPI NoteApartment(LPVOID pReserved, DWORD dwCoInit)
{
    const auto real = reinterpret_cast<decltype(&CoInitializeEx)>(g_pRealCoInitializeEx);
    g_apartments.emplace_back(dwCoInit, real(pReserved, dwCoInit));
    return g_apartments.back().second;
}

// A running clock that, at its first read in a wait, has the player click once
// more and press a key, COM's window get a message (g_hCom) and a screen reader
// ask for a press of the first cell: all while the game is holding.
HWND g_hClickTarget = nullptr;
POINT g_lateClick{};
HWND g_hCom = nullptr;
HRESULT g_press = S_OK;
class CClickDuringWait : public CRunningClock {
public:
    std::uint32_t TickCount() override { return Look(), CRunningClock::TickCount(); }
    std::time_t Now() override { return Look(), CRunningClock::Now(); }

private:
    static void Look()
    {
        if (!g_hClickTarget || !GameHeld())
            return;
        if (g_hCom)
            ::PostMessageW(g_hCom, WM_APP, 0, 0);
        ::PostMessageA(g_hClickTarget, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(g_lateClick.x, g_lateClick.y));
        ::PostMessageA(g_hClickTarget, WM_KEYDOWN, VK_LEFT, 1);
        auto* view = static_cast<CMahjongView*>(CWnd::FromHandle(g_hClickTarget));
        g_press = view->GetAccessibleObject()->accDoDefaultAction(ChildVariant(1));
        g_hClickTarget = nullptr;
    }
};

TEST(PlayWaits, InputDuringAWaitIsHandledAfterwards)
{
    CScratchSettings store;
    CFixedDeal deal;
    CClickDuringWait clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTilePairList pairs;
    g_pBoard->FindAllPairs(pairs);
    ASSERT_GE(pairs.size(), 4u);
    const CTilePair matched = pairs.front();
    // A free tile of another pair, for the click made during the wait.
    const auto other = std::find_if(pairs.begin(), pairs.end(), [&](const CTilePair& p) {
        return Cell(p.col1, p.row1).kind != Cell(matched.col1, matched.row1).kind;
    });
    ASSERT_NE(other, pairs.end());
    const CTileCell late = Cell(other->col1, other->row1);
    ::SetFocus(program.View().m_hWnd);
    PressKeys({VK_RIGHT});

    ClickCell(program, matched.col1, matched.row1);
    g_hClickTarget = program.View().m_hWnd;
    g_lateClick = Centre(late);
    ClickCell(program, matched.col2, matched.row2);
    EXPECT_EQ(g_hClickTarget, nullptr) << "the game held for the line";
    EXPECT_EQ(Cell(matched.col1, matched.row1).kind, -1);
    EXPECT_EQ(g_pBoard->GetSelCol(), -1) << "the click made during the wait is not handled during it";
    ExpectCursorAt(program, matched.col2, matched.row2, "the key made during the wait waits too");

    Pump(100);
    EXPECT_EQ(g_pBoard->GetSelectedCell(), late) << "it is handled afterwards";
    ExpectCursorAt(program, std::max(other->col1 - 1, 1), other->row1, "the click, then the key");
}

// The messages that a wait's test gives, as the program takes them from the
// queue, and whether a wait held the game then.
std::vector<std::pair<UINT, bool>> g_taken;
LRESULT CALLBACK NoteTaken(int code, WPARAM wParam, LPARAM lParam)
{
    const UINT message = reinterpret_cast<const MSG*>(lParam)->message;
    if (wParam == PM_REMOVE && (message == WM_APP || message == WM_LBUTTONDOWN || message == WM_KEYDOWN))
        g_taken.emplace_back(message, GameHeld());
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(PlayWaits, EveryWaitHandlesCOMsMessagesAtOnceAndLeavesInputAndPressesForAfterwards)
{
    CScratchSettings store;
    CClickDuringWait clock;
    // Wine's input method sets COM up as well: only the call shows the program's own.
    CImportPatch coInit("ole32.dll", "CoInitializeEx", reinterpret_cast<void*>(NoteApartment));
    g_pRealCoInitializeEx = coInit.Original();
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(g_apartments, (std::vector<std::pair<DWORD, HRESULT>>{{COINIT_APARTMENTTHREADED, S_OK}}));
    // The board as a screen reader gets it, through COM, which makes COM's window.
    const HWND hView = program.View().m_hWnd;
    const LRESULT result = ::SendMessageW(hView, WM_GETOBJECT, 0, OBJID_CLIENT);
    IAccessible* told = nullptr;
    ASSERT_GT(result, 0);
    ASSERT_EQ(::ObjectFromLresult(result, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&told)), S_OK);
    EXPECT_EQ(AccName(told, CHILDID_SELF), "Board, 18 columns by 8 rows, 144 tiles left");
    told->Release();
    g_hCom = ::FindWindowExW(HWND_MESSAGE, nullptr, L"OleMainThreadWndClass", nullptr);
    CModalAnswers answers;
    const auto step = [](HWND hDlg) { ::SendMessageW(hDlg, WM_TIMER, ID_TIMER_SOLVE, 0), PressButton(hDlg, IDCANCEL); };
    const struct {
        const char* label;
        std::function<void()> act;
    } waits[] = {
        {"the link line", [&] { ClickCell(program, 1, 1), ClickCell(program, 4, 1); }},
        {"a fade", [&] { program.View().EraseTileRect(30, 40, 30, 40, 0); }},
        {"the hint", [&] { program.Command(ID_HINT); }},
        {"Help me!", [&] { program.Command(ID_HELP_ME); }},
        {"a step of the replay", [&] { answers.Expect(step), program.Command(ID_SOLVE); }},
    };
    const CThreadHook hook(WH_GETMESSAGE, NoteTaken);
    for (const auto& w : waits) {
        UseBoard(program, {"A..A", "B..B"});
        g_taken.clear();
        g_hClickTarget = hView;
        g_lateClick = Centre(Cell(1, 2));
        w.act();
        Pump(50);
        const std::vector<std::pair<UINT, bool>> order{{WM_APP, true}, {WM_LBUTTONDOWN, false}, {WM_KEYDOWN, false}};
        EXPECT_EQ(g_taken, order) << w.label << ": COM's message during the wait, the click and the key after it";
        EXPECT_NE(g_press, S_OK) << w.label << ": no press during the wait";
    }
    g_hCom = nullptr;
}

// A running clock that stands still in a wait, from its first read there,
// until a second thread's message of a change (of scale, screen or work area)
// has reached the frame: the change comes during the wait, whatever the
// threads' timing. With it the screen's height changes, so that the board
// needs other tiles.
class CScaleChangeDuringWait : public CRunningClock {
public:
    ~CScaleChangeDuringWait() override
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::uint32_t TickCount() override { return Stalled() ? m_ticks : CRunningClock::TickCount(); }
    std::time_t Now() override { return Stalled() ? 1700000000 + m_ticks / 1000 : CRunningClock::Now(); }
    // The next wait brings this change.
    void Arm(HWND hFrame, const MSG& change, int nScreenHeight)
    {
        if (m_thread.joinable())
            m_thread.join();
        m_hFrame = hFrame;
        m_change = change;
        m_nScreenHeight = nScreenHeight;
        m_bArrived = false;
    }
    bool Arrived() const { return m_bArrived; }

private:
    bool Stalled()
    {
        if (!m_hFrame || !GameHeld())
            return false;
        if (!m_thread.joinable()) {
            m_screen.emplace(m_nScreenHeight);
            m_thread = std::thread([this] {
                ::SendMessageW(m_hFrame, m_change.message, m_change.wParam, m_change.lParam);
                m_bArrived = true;
            });
        }
        return !m_bArrived;
    }

    HWND m_hFrame = nullptr;
    MSG m_change{};
    int m_nScreenHeight = 0;
    std::optional<CScreenHeight> m_screen;
    std::atomic<bool> m_bArrived{false};
    std::thread m_thread;
};

TEST(PlayWaits, AChangeOfScaleDuringAWaitIsTakenOnceTheWaitIsOver)
{
    CScratchSettings store;
    CScaleChangeDuringWait clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    RECT frame{};
    ::GetWindowRect(hFrame, &frame);
    // A screen on which the frame of today's tiles does not fit.
    const int low = (frame.bottom - frame.top) * 3 / 4, laid = g_pBoard->GetTileWidth();
    CModalAnswers answers;
    const auto step = [](HWND hDlg) { ::SendMessageW(hDlg, WM_TIMER, ID_TIMER_SOLVE, 0), PressButton(hDlg, IDCANCEL); };
    const UINT dpi = GetWindowDpi(hFrame);
    RECT suggested{};
    const MSG scale{hFrame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested), 0, {}};
    const MSG workArea{hFrame, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, 0, {}};
    const MSG screen{hFrame, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024), 0, {}};
    const struct {
        const char* label;
        std::function<void()> act;
        const MSG& change;
        int removed;
        bool inDialog; // the dialog's own loop, after the wait, takes the change
    } waits[] = {
        {"the link line", [&] { ClickCell(program, 1, 1), ClickCell(program, 4, 1); }, scale, 2, false},
        {"a fade", [&] { program.View().EraseTileRect(30, 40, 30, 40, 0); }, workArea, 0, false},
        {"the hint", [&] { program.Command(ID_HINT); }, screen, 0, false},
        {"Help me!", [&] { program.Command(ID_HELP_ME); }, scale, 0, false},
        {"a step of the replay", [&] { answers.Expect(step), program.Command(ID_SOLVE); }, scale, 2, true},
    };
    int k = 0;
    for (const auto& w : waits) {
        UseBoard(program, {"A..A", "B..B"});
        const int tiles = g_pBoard->CountTiles(), width = g_pBoard->GetTileWidth();
        suggested = {40 + 10 * k, 20 + 10 * k, 440, 420};
        ++k;
        ::GetWindowRect(hFrame, &frame);
        const LONG left = w.change.message == WM_DPICHANGED ? suggested.left : frame.left;
        clock.Arm(hFrame, w.change, low);
        w.act();
        EXPECT_TRUE(clock.Arrived()) << w.label;
        EXPECT_TRUE(w.inDialog || g_pBoard->GetTileWidth() == width) << w.label << ": taken after the command";
        Pump(50);
        EXPECT_EQ(g_pBoard->CountTiles(), tiles - w.removed) << w.label;
        EXPECT_LT(g_pBoard->GetTileWidth(), laid) << w.label << ": the change is taken after the wait";
        ::GetWindowRect(hFrame, &frame);
        EXPECT_EQ(frame.left, left) << w.label << ": on Windows' rectangle, if any";
        const std::vector<std::uint32_t> shown = Picture();
        const CPixelRect all = BoardPictureRect(*g_pBoard);
        EXPECT_EQ(ScreenRect(program, all), shown) << w.label << ": the screen shows the picture";
        program.View().RenderBoardPicture();
        EXPECT_EQ(Picture(), shown) << w.label << ": the picture is the one composed at the new scale";
    }
}

// The copies to the screen while this lives.
int g_nCopies = 0;
void* g_pRealBitBlt = nullptr;
BOOL WINAPI CountCopy(HDC hDC, int x, int y, int cx, int cy, HDC hSrc, int x1, int y1, DWORD rop)
{
    ++g_nCopies;
    return reinterpret_cast<decltype(&BitBlt)>(g_pRealBitBlt)(hDC, x, y, cx, cy, hSrc, x1, y1, rop);
}

// The processor time the thread has used, in milliseconds.
double ThreadMilliseconds()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

TEST(PlayWaits, AFadeDrawsAtTheDisplaysPaceAndTheWaitsSleep)
{
    CScratchSettings store;
    CFixedDeal deal;
    CRunningProgram program; // on the real clock
    ASSERT_TRUE(program.Started());
    CTilePair pair;
    ASSERT_TRUE(FirstPair(pair));
    // The link line's second and two fades: the thread sleeps through them.
    ClickCell(program, pair.col1, pair.row1);
    const DWORD start = ::GetTickCount();
    const double used = ThreadMilliseconds();
    ClickCell(program, pair.col2, pair.row2);
    const double wall = ::GetTickCount() - start, busy = ThreadMilliseconds() - used;
    EXPECT_GE(wall, 1900.0);
    EXPECT_LT(busy, wall / 10) << "processor milliseconds in " << wall << " ms of waits";

    // One fade: a frame at each refresh of the display, at least 30 a second,
    // and its last picture.
    const HDC hScreen = ::GetDC(nullptr);
    const int refresh = ::GetDeviceCaps(hScreen, VREFRESH) >= 30 ? ::GetDeviceCaps(hScreen, VREFRESH) : 60;
    ::ReleaseDC(nullptr, hScreen);
    CImportPatch copies("gdi32.dll", "BitBlt", reinterpret_cast<void*>(CountCopy));
    g_pRealBitBlt = copies.Original();
    g_nCopies = 0;
    const CTileCell c = Cell(pair.col1 == 1 && pair.row1 == 1 ? 2 : 1, 1);
    program.View().EraseTileRect(c.x, c.y, c.cx, c.cy, 0);
    EXPECT_GE(g_nCopies, 500 * 30 / 1000) << refresh << " Hz";
    EXPECT_LE(g_nCopies, 500 / (1000 / refresh) + 2) << refresh << " Hz";
}

TEST(PlayKeys, ArrowsCtrlArrowsHomeAndEndMoveTheCursorDrawnOnTheScreenOnly)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"A..B..............", "..................", "A.................", "B................K",
                       "C.................", "D.................", "E.................", "F................."});
    ::SetFocus(program.FrameWindow());
    ASSERT_EQ(::GetFocus(), program.View().m_hWnd) << "the frame passes the keyboard to the view";
    const std::vector<std::uint32_t> picture = Picture();
    const struct {
        const char* label;
        WORD key;
        bool ctrl;
        int col, row;
    } cases[] = {
        {"the first arrow shows the cursor at the first cell", VK_DOWN, false, 1, 1},
        {"Down", VK_DOWN, false, 1, 2},
        {"Up", VK_UP, false, 1, 1},
        {"Up stops at the edge", VK_UP, false, 1, 1},
        {"Left stops at the edge", VK_LEFT, false, 1, 1},
        {"Ctrl+Right over the gap to the next tile", VK_RIGHT, true, 4, 1},
        {"Ctrl+Right with no tile that way stays", VK_RIGHT, true, 4, 1},
        {"End", VK_END, false, 18, 1},
        {"Right stops at the edge", VK_RIGHT, false, 18, 1},
        {"Ctrl+Down over the gap", VK_DOWN, true, 18, 4},
        {"Home", VK_HOME, false, 1, 4},
        {"Ctrl+Up to the nearest tile", VK_UP, true, 1, 3},
        {"Right rests on an empty cell", VK_RIGHT, false, 2, 3},
        {"Ctrl+Left", VK_LEFT, true, 1, 3},
    };
    for (const auto& c : cases) {
        PressKeys({c.key}, c.ctrl);
        ExpectCursorAt(program, c.col, c.row, c.label);
        EXPECT_EQ(Picture(), picture) << c.label << ": the picture never holds the cursor";
    }
    PressKeys({VK_SPACE});
    EXPECT_EQ(g_pBoard->GetSelectedCell(), Cell(1, 3)) << "Space clicks the cursor's cell";
    ExpectCursorAt(program, 1, 3, "over the selection frame");

    // Paused: the cursor is hidden and the keys do nothing.
    program.Command(ID_PAUSE);
    PressKeys({VK_RIGHT, VK_RETURN});
    EXPECT_EQ(g_pBoard->GetSelectedCell(), Cell(1, 3)) << "paused";
    EXPECT_EQ(ScreenRect(program, RectOf(Cell(1, 3))), BackgroundUnder(154, RectOf(Cell(1, 3)))) << "paused";
    program.Command(ID_PAUSE);
    ExpectCursorAt(program, 1, 3, "after the pause");
    PressKeys({VK_RETURN});
    EXPECT_EQ(g_pBoard->GetSelCol(), -1) << "Enter clicks the cursor's cell";
    ClickCell(program, 4, 1);
    ExpectCursorAt(program, 4, 1, "a click moves the cursor");
}

TEST(PlayKeys, TheCursorStaysThroughBackgroundsTileSetsAndRepaintsAndANewPuzzleTakesItHome)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTilePair p{};
    ASSERT_TRUE(FirstPair(p));
    ClickCell(program, p.col1, p.row1);
    ClickCell(program, p.col2, p.row2);
    ::SetFocus(program.View().m_hWnd);
    PressKeys({VK_RIGHT});
    MoveCursorTo(program, p.col1, p.row1);
    for (UINT back : {ID_BACK_EASY, ID_BACK_DARK_BLUE, ID_BACK_GREEN, ID_BACK_CLOUDS}) {
        program.Command(back);
        ExpectCursorAt(program, p.col1, p.row1, "an empty cell on background " + std::to_string(back));
    }
    const int col = p.col1 == 1 ? 2 : 1;
    MoveCursorTo(program, col, p.row1);
    for (int set = 0; set < 8; ++set) {
        program.Command(ID_NEXT_TILES);
        ExpectCursorAt(program, col, p.row1, "a tile of set " + std::to_string(program.View().m_nTileSet));
    }
    ::RedrawWindow(program.View().m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ExpectCursorAt(program, col, p.row1, "a repaint");
    CModalAnswers answers;
    for (UINT command : {ID_TILES_BIG, ID_SIZE_8X10}) {
        answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
        MoveCursorTo(program, 3, 2);
        program.Command(command);
        ExpectCursorAt(program, 1, 1, "a new puzzle by command " + std::to_string(command));
    }
    EXPECT_EQ(g_pBoard->GetWidth(), 10);
}

TEST(PlayKeys, AWholeGameClearedWithKeysAloneEndsInTheBestResult)
{
    CScratchSettings store({{"SizeX", "10"}, {"SizeY", "8"}, {"Tiles", "20"}, {"Animation", "1"}});
    CFixedDeal deal;
    CRunningClock clock(50);
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CModalAnswers answers;
    answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
    ::SetFocus(program.View().m_hWnd);
    g_keysPressed = 0;
    PressKeys({VK_RIGHT});
    for (int pairNumber = 1; pairNumber <= 40; ++pairNumber) {
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << "dead end after " << pairNumber - 1 << " pairs";
        MoveCursorTo(program, p.col1, p.row1);
        PressKeys({VK_SPACE});
        MoveCursorTo(program, p.col2, p.row2);
        PressKeys({VK_RETURN});
        ASSERT_EQ(g_pBoard->CountTiles(), pairNumber < 40 ? 80 - 2 * pairNumber : 80) << "pair " << pairNumber;
    }
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Best result"});
    EXPECT_EQ(g_pBoard->CountTiles(), 80) << "the next puzzle follows";
    ExpectCursorAt(program, 1, 1, "the next puzzle");
    std::cout << "[ keys    ] a whole 10 x 8 game took " << g_keysPressed << " keys\n";
}

TEST(PlayAccessible, NamesStatesLocationsAndEventsFollowSelectionMatchUndoAndKeys)
{
    CScratchSettings store(CScratchSettings::Entries{{"Animation", "1"}});
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    UseBoard(program, {"AB..A......B......", "..................", "..................", "..................",
                       "..................", "..................", "..................", ".................."});
    const HWND hView = program.View().m_hWnd;
    ::SetFocus(hView);
    IAccessible* board = program.View().GetAccessibleObject();
    ASSERT_NE(board, nullptr);
    long children = 0;
    EXPECT_EQ(board->get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 144);
    VARIANT role;
    EXPECT_EQ(board->get_accRole(ChildVariant(CHILDID_SELF), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TABLE);
    EXPECT_EQ(board->get_accRole(ChildVariant(144), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CELL);
    using Events = std::vector<std::pair<DWORD, long>>;

    const struct {
        const char* label;
        std::function<void()> act;
        Events events;
        const char* first;  // the names of cells (1, 1) and (5, 1)
        const char* fifth;
        const char* board;
        long selected;      // 0: none
        long focused;       // the board or a cell
        bool hidden = false; // by the pause: no cell has a name or is hit, each is invisible
    } steps[] = {
        {"a selection", [&] { ClickCell(program, 1, 1); }, {{EVENT_OBJECT_SELECTION, 1}},
         "seated man, column 1, row 1", "seated man, column 5, row 1", "Board, 18 columns by 8 rows, 4 tiles left", 1,
         CHILDID_SELF},
        {"a match", [&] { ClickCell(program, 5, 1); },
         // The pair leaves the board at once, as Undo puts it back.
         {{EVENT_OBJECT_NAMECHANGE, 1}, {EVENT_OBJECT_NAMECHANGE, 5}, {EVENT_OBJECT_NAMECHANGE, CHILDID_SELF}},
         "empty, column 1, row 1",
         "empty, column 5, row 1", "Board, 18 columns by 8 rows, 2 tiles left", 0, CHILDID_SELF},
        {"an undo", [&] { program.Command(ID_UNDO); },
         {{EVENT_OBJECT_NAMECHANGE, 1}, {EVENT_OBJECT_NAMECHANGE, 5}, {EVENT_OBJECT_NAMECHANGE, CHILDID_SELF}}, "seated man, column 1, row 1",
         "seated man, column 5, row 1", "Board, 18 columns by 8 rows, 4 tiles left", 0, CHILDID_SELF},
        {"the first key", [&] { PressKeys({VK_RIGHT}); }, {{EVENT_OBJECT_FOCUS, 1}}, "seated man, column 1, row 1",
         "seated man, column 5, row 1", "Board, 18 columns by 8 rows, 4 tiles left", 0, 1},
        {"the default action of cell (5, 1)", [&] { EXPECT_EQ(board->accDoDefaultAction(ChildVariant(5)), S_OK); },
         {{EVENT_OBJECT_FOCUS, 5}, {EVENT_OBJECT_SELECTION, 5}}, "seated man, column 1, row 1",
         "seated man, column 5, row 1", "Board, 18 columns by 8 rows, 4 tiles left", 5, 5},
        {"the pause", [&] { program.Command(ID_PAUSE); }, {{EVENT_OBJECT_REORDER, CHILDID_SELF}}, "(none)", "(none)",
         "Board, 18 columns by 8 rows, 4 tiles left", 0, CHILDID_SELF, true},
        {"the resume", [&] { program.Command(ID_PAUSE); }, {{EVENT_OBJECT_REORDER, CHILDID_SELF}},
         "seated man, column 1, row 1", "seated man, column 5, row 1", "Board, 18 columns by 8 rows, 4 tiles left", 5,
         5},
    };
    for (const auto& s : steps) {
        CWinEvents events(hView);
        s.act();
        Pump(50);
        EXPECT_EQ(g_winEvents, s.events) << s.label;
        EXPECT_EQ(AccName(board, 1), s.first) << s.label;
        EXPECT_EQ(AccName(board, 5), s.fifth) << s.label;
        EXPECT_EQ(AccName(board, CHILDID_SELF), s.board) << s.label;
        VARIANT selection, focus, state;
        board->get_accSelection(&selection);
        EXPECT_EQ(selection.vt == VT_I4 ? selection.lVal : 0, s.selected) << s.label;
        EXPECT_EQ(board->get_accFocus(&focus), S_OK) << s.label;
        EXPECT_EQ(focus.lVal, s.focused) << s.label;
        for (long child : {1L, 2L, 5L}) {
            EXPECT_EQ(board->get_accState(ChildVariant(child), &state), S_OK) << s.label;
            EXPECT_EQ((state.lVal & STATE_SYSTEM_SELECTED) != 0, child == s.selected) << s.label << ", " << child;
            EXPECT_EQ((state.lVal & STATE_SYSTEM_FOCUSED) != 0, child == s.focused) << s.label << ", " << child;
            EXPECT_EQ(state.lVal == STATE_SYSTEM_INVISIBLE, s.hidden) << s.label << ", " << child;
        }
        for (long child = 1; child <= 144; ++child)
            EXPECT_EQ(AccName(board, child) == "(none)", s.hidden) << s.label << ", " << child;
        POINT centre = Centre(Cell(1, 1));
        ::ClientToScreen(hView, &centre);
        VARIANT hit;
        EXPECT_EQ(board->accHitTest(centre.x, centre.y, &hit), S_OK) << s.label;
        EXPECT_EQ(hit.lVal, s.hidden ? CHILDID_SELF : 1) << s.label;
    }
    // Where the cells are on the screen, and which is under a point.
    const CTileCell cell = Cell(3, 2);
    POINT origin{cell.x, cell.y};
    ::ClientToScreen(hView, &origin);
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(board->accLocation(&x, &y, &cx, &cy, ChildVariant(21)), S_OK);
    EXPECT_EQ(std::vector<long>({x, y, cx, cy}), std::vector<long>({origin.x, origin.y, cell.cx, cell.cy}));
    VARIANT hit;
    EXPECT_EQ(board->accHitTest(origin.x + cell.cx - 1, origin.y + cell.cy - 1, &hit), S_OK);
    EXPECT_EQ(hit.lVal, 21);
}

TEST(PlayAccessible, AScreenReadersPressActsOnlyWhereAClickWouldAndOnACellOfTheBoardInPlay)
{
    CScratchSettings store;
    CRunningClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    IAccessible* board = program.View().GetAccessibleObject();
    const auto press = [&] { return board->accDoDefaultAction(ChildVariant(1)); };
    CModalAnswers answers;
    const auto answer = [&](int button) { // a press refused while the window is up, then the button
        answers.Expect([&, button](HWND hDlg) {
            EXPECT_NE(press(), S_OK) << WindowText(hDlg);
            PressButton(hDlg, button);
        });
    };
    const struct {
        const char* label;
        Rows rows;
        std::function<void()> hold; // holds the game, a press refused meanwhile, and lets it go
    } cases[] = {
        {"the pause", {"AB.BA"}, [&] {
             program.Command(ID_PAUSE);
             EXPECT_NE(press(), S_OK);
             Pump(50);
             program.Command(ID_PAUSE);
         }},
        {"Create new puzzle?", {"AB.BA"}, [&] { answer(IDCANCEL), program.Command(ID_FILE_NEW); }},
        {"the file dialog", {"AB.BA"}, [&] { answer(IDCANCEL), program.Command(ID_LOAD_FROM); }},
        {"the replay", {"AB.BA"}, [&] { answer(IDCANCEL), program.Command(ID_SOLVE); }},
        {"a dead end, then Create new puzzle?", {"AB", "BA", "CC"},
         [&] { answer(IDOK), answer(IDOK), ClickCell(program, 1, 3), ClickCell(program, 2, 3); }},
        {"the best result", {"AA"}, [&] { answer(IDOK), ClickCell(program, 1, 1), ClickCell(program, 2, 1); }},
    };
    for (const auto& c : cases) {
        UseBoard(program, c.rows);
        EXPECT_EQ(press(), S_OK) << c.label << ": asked for before, taken while the game is held";
        c.hold();
        Pump(50);
        EXPECT_EQ(g_pBoard->GetSelCol(), -1) << c.label << ": no press acted";
        EXPECT_EQ(press(), S_OK) << c.label;
        Pump(50);
        EXPECT_EQ(g_pBoard->GetSelectedCell(), Cell(1, 1)) << c.label << ": a press afterwards acts";
        ClickCell(program, 1, 1);
    }
    EXPECT_EQ(answers.Seen().size(), 6u);
    // A press asked for on a wider board lies beyond the board in play: not a click on its margin.
    EXPECT_EQ(board->accDoDefaultAction(ChildVariant(3)), S_OK);
    UseBoard(program, {"AB", "BA"});
    // The dead end is judged at the click: the finish dialog, and no new puzzle.
    answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
    answers.Expect([](HWND hBox) { PressButton(hBox, IDCANCEL); });
    ClickCell(program, 1, 1);
    Pump(50);
    EXPECT_EQ(g_pBoard->GetSelectedCell(), Cell(1, 1));
    EXPECT_EQ(answers.Pending(), 0u);
}

} // namespace
