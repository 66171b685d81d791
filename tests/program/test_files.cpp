// Puzzles saved and loaded through the real file dialogs, and the three tile
// sizes, with the frame fitted to the screen.

#include "tests/program/PlayTools.h"

#include "framework/Screen.h"
#include "tests/BmpBuilder.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

namespace {

std::string TempPath(const std::string& name)
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    return folder + name;
}

// Runs a file command, typing path into its dialog; an empty path cancels.
// Returns the captions of the windows that came.
std::vector<std::string> FileCommand(const CRunningProgram& program, UINT id, const std::string& path,
                                     int nMessageBoxes = 0)
{
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        if (path.empty())
            return PressButton(hDlg, IDCANCEL);
        ::SetDlgItemTextW(hDlg, 0x47C, Wide(path).c_str());
        PressButton(hDlg, IDOK);
    });
    for (int i = 0; i < nMessageBoxes; ++i)
        answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
    program.Command(id);
    return answers.Seen();
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every cell lies at its place for the board's tile size, as large as a tile.
bool LaidOutAtTileSize()
{
    const int tw = g_pBoard->GetTileWidth(), th = g_pBoard->GetTileHeight();
    for (int r = 0; r <= g_pBoard->GetHeight() + 1; ++r)
        for (int c = 0; c <= g_pBoard->GetWidth() + 1; ++c)
            if (!(Cell(c, r) == CTileCell(c * tw, r * th, Cell(c, r).kind, tw, th)))
                return false;
    return true;
}

SIZE ClientSize(const CRunningProgram& program)
{
    RECT r{};
    ::GetClientRect(program.View().m_hWnd, &r);
    return {r.right, r.bottom};
}

// ---------------------------------------------------------------------------

TEST(SaveLoad, APuzzleComesBackWithItsClockSizeAndTilesLaidOutAnew)
{
    const struct {
        const char* label;
        const char* sizeX;
        const char* sizeY;
        const char* tiles;
        const char* savedStep; // the tile size when saved; loaded at Normal
        int tile[2];           // the loaded puzzle's tiles on a screen of 1024
    } cases[] = {
        {"18 x 8", "18", "8", "36", "0", {30, 40}},
        {"18 x 8 saved at Big", "18", "8", "36", "1", {30, 40}},
        {"18 x 8 saved fitted to the window", "18", "8", "36", "3", {30, 40}},
        {"12 x 12 takes smaller tiles", "12", "12", "36", "0", {26, 35}},
        {"20 x 16", "20", "16", "40", "0", {21, 27}},
    };
    const std::string path = TempPath("morvane-round-trip.mhj");
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", c.sizeX}, {"SizeY", c.sizeY}, {"Tiles", c.tiles},
                                {"SizeTiles", c.savedStep}, {"Animation", "1"}});
        CFixedDeal deal;
        CGameClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        CTilePair p{};
        ASSERT_TRUE(FirstPair(p)) << c.label;
        ClickCell(program, p.col1, p.row1);
        ClickCell(program, p.col2, p.row2);
        const std::vector<int> saved = Kinds();
        clock.m_now += 125;
        program.Command(ID_PAUSE); // a save while paused stores the time the clock shows
        clock.m_now += 50;
        ::DeleteFileA(path.c_str());
        EXPECT_EQ(FileCommand(program, ID_SAVE_TO, path).size(), 1u) << c.label;

        // Another puzzle at Normal tiles, an hour later, paused; then the file.
        CModalAnswers answers;
        answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
        program.Command(ID_TILES_NORMAL);
        program.Command(ID_PAUSE);
        clock.m_now += 3600;
        EXPECT_EQ(FileCommand(program, ID_LOAD_FROM, path).size(), 1u) << c.label << ": no message";
        EXPECT_EQ(Kinds(), saved) << c.label;
        EXPECT_EQ(program.View().m_bPaused, 0) << c.label;
        EXPECT_EQ(g_pBoard->GetTileWidth(), c.tile[0]) << c.label;
        EXPECT_EQ(g_pBoard->GetTileHeight(), c.tile[1]) << c.label;
        EXPECT_TRUE(LaidOutAtTileSize()) << c.label;
        const SIZE client = ClientSize(program);
        EXPECT_EQ(client.cx, c.tile[0] * (std::stoi(c.sizeX) + 2)) << c.label;
        EXPECT_EQ(client.cy, c.tile[1] * (std::stoi(c.sizeY) + 2)) << c.label;
        EXPECT_EQ(ScreenRect(program, BoardPictureRect(*g_pBoard)), Picture()) << c.label;
        clock.m_now += 1;
        EXPECT_TRUE(PumpUntil([&] { return PaneText(StatusBar(program), 0) == "00:02:06"; })) << c.label;

        // A loaded puzzle's deal number is not known; Restart brings it back as it was loaded.
        std::string number = "?";
        CModalAnswers asked;
        asked.Expect([&](HWND hDlg) {
            number = WindowText(::GetDlgItem(hDlg, IDC_DEAL_NUMBER));
            PressButton(hDlg, IDCANCEL);
        });
        asked.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
        program.Command(ID_SELECT_DEAL);
        EXPECT_EQ(number, "") << c.label;
        ASSERT_TRUE(FirstPair(p)) << c.label;
        ClickPair(program, p);
        program.Command(ID_RESTART);
        EXPECT_EQ(asked.Pending(), 0u) << c.label;
        EXPECT_EQ(Kinds(), saved) << c.label;
    }
    ::DeleteFileA(path.c_str());
}

TEST(SaveLoad, ALoadedSizeBecomesTheSizeInPlay)
{
    const std::string path = TempPath("morvane-18x8.mhj");
    {
        CScratchSettings store;
        CGameClock clock;
        CRunningProgram program;
        ASSERT_TRUE(program.Started());
        FileCommand(program, ID_SAVE_TO, path);
    }
    CScratchSettings store({{"SizeX", "12"}, {"SizeY", "12"}, {"Tiles", "36"}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(MenuChecked(program, ID_SIZE_12X12));
    CWinEvents events(program.View().m_hWnd);
    FileCommand(program, ID_LOAD_FROM, path);
    Pump(50);
    EXPECT_EQ(g_winEvents, (std::vector<std::pair<DWORD, long>>{{EVENT_OBJECT_FOCUS, CHILDID_SELF},
                                                                 {EVENT_OBJECT_REORDER, CHILDID_SELF},
                                                                 {EVENT_OBJECT_NAMECHANGE, CHILDID_SELF}}))
        << "the focus back from the dialog, one reorder for the board loaded, its new name";
    EXPECT_TRUE(MenuChecked(program, ID_SIZE_8X18));
    EXPECT_FALSE(MenuChecked(program, ID_SIZE_12X12));
    for (const auto& [name, text] : {std::pair{"SizeX", "18"}, {"SizeY", "8"}, {"Tiles", "36"}})
        EXPECT_EQ(CScratchSettings::Read(name).value_or("(none)"), text) << name;
    EXPECT_EQ(ClientSize(program).cx, 600);
    EXPECT_EQ(ClientSize(program).cy, 400);
    ::DeleteFileA(path.c_str());
}

TEST(SaveLoad, FilesThatCannotBeLoadedOrSavedAreReportedAndChangeNothing)
{
    const std::string good = TempPath("morvane-good.mhj");
    const std::string bad = TempPath("morvane-bad.mhj");
    CScratchSettings store;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    FileCommand(program, ID_SAVE_TO, good);
    const std::string bytes = Contents(good);
    ASSERT_EQ(bytes.size(), 4024u);
    const auto withHeader = [&](std::size_t at, std::int32_t value) {
        std::string changed = bytes;
        std::memcpy(&changed[at], &value, sizeof value);
        return changed;
    };
    TestBoard(Rows(8, "AABBCCDDEE"), 20).SaveToFile(bad.c_str(), 5);
    const std::string tenByEight = Contents(bad);
    const struct {
        const char* label;
        UINT command;
        std::string path;
        std::string contents; // written to path first, unless empty
        bool noPictures = false;
    } cases[] = {
        {"a missing file", ID_LOAD_FROM, TempPath("morvane-missing.mhj"), ""},
        {"a truncated file", ID_LOAD_FROM, bad, bytes.substr(0, 1000)},
        {"a size no board holds", ID_LOAD_FROM, bad, withHeader(0, 99)},
        {"more kinds than the size is dealt", ID_LOAD_FROM, bad, withHeader(16, 37)},
        {"a negative playing time", ID_LOAD_FROM, bad, withHeader(20, -1)},
        {"a playing time of years", ID_LOAD_FROM, bad, withHeader(20, 400 * 24 * 3600)},
        {"a picture, not a puzzle", ID_LOAD_FROM, bad, "BM" + std::string(5000, '\x7f')},
        {"a puzzle whose tiles cannot be made", ID_LOAD_FROM, bad, tenByEight, true},
        {"a save that cannot be written", ID_SAVE_TO, good, ""},
    };
    ::CreateDirectoryA((good + ".part").c_str(), nullptr); // where a save of good is written first
    clock.m_now += 7;
    Pump(1100);
    for (const auto& c : cases) {
        if (!c.contents.empty())
            std::ofstream(c.path, std::ios::binary) << c.contents;
        const CMahjongBoard* board = g_pBoard;
        const std::vector<std::uint32_t> picture = Picture();
        const int start = program.View().m_tGameStart;
        std::optional<CNoPictures> noPictures;
        if (c.noPictures)
            noPictures.emplace();
        const std::vector<std::string> seen = FileCommand(program, c.command, c.path, 1);
        ASSERT_EQ(seen.size(), 2u) << c.label;
        EXPECT_EQ(seen[1], "Morvane") << c.label << ": the player is told";
        EXPECT_EQ(g_pBoard, board) << c.label;
        EXPECT_EQ(Picture(), picture) << c.label;
        EXPECT_EQ(program.View().m_tGameStart, start) << c.label;
        EXPECT_EQ(CScratchSettings::Read("SizeX").value_or("(none)"), "18") << c.label;
        EXPECT_TRUE(MenuChecked(program, ID_SIZE_8X18)) << c.label;
    }
    EXPECT_EQ(Contents(good), bytes) << "the old file stays whole";
    ::RemoveDirectoryA((good + ".part").c_str());
    ::DeleteFileA(good.c_str());
    ::DeleteFileA(bad.c_str());

    // Cancelling either dialog changes nothing; without a board there is nothing to save.
    const CMahjongBoard* board = g_pBoard;
    EXPECT_EQ(FileCommand(program, ID_LOAD_FROM, "").size(), 1u);
    EXPECT_EQ(FileCommand(program, ID_SAVE_TO, "").size(), 1u);
    EXPECT_EQ(g_pBoard, board);
}

TEST(SaveLoad, AFileHeldForAMomentIsReplacedAndOneHeldLongerStaysWhole)
{
    const std::string path = TempPath("morvane-held.mhj");
    CScratchSettings store;
    CGameClock clock;
    CRunningProgram program;
    for (const DWORD held : {300, 5000}) { // with no sharing, from the moment the save starts
        std::ofstream(path, std::ios::binary) << "old";
        std::thread holder;
        std::string message;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, 0x47C, path.c_str());
            const HANDLE hFile = ::CreateFileW(std::filesystem::path(path).c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, 0, nullptr);
            holder = std::thread([=] { ::Sleep(held); ::CloseHandle(hFile); });
            PressButton(hDlg, IDOK);
        });
        answers.Expect([&](HWND hBox) { message = WindowText(::GetDlgItem(hBox, 0xFFFF)); PressButton(hBox, IDOK); });
        program.Command(ID_SAVE_TO);
        holder.join();
        EXPECT_EQ(message, held > 1000 ? "The puzzle could not be saved to " + path + "." : "") << held;
        EXPECT_EQ(Contents(path).size(), held > 1000 ? 3u : 4024u) << held << ": the old file or the new one";
        EXPECT_FALSE(std::filesystem::exists(path + ".part")) << held;
    }
    ::DeleteFileA(path.c_str());
}

TEST(SaveLoad, FoldersOfAnyScriptListTheirPuzzlesAndHoldPuzzlesAndPictures)
{
    ScratchDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::string chinese; // a path longer than 499 bytes, of fewer characters
    for (int i = 0; i < 40; ++i)
        chinese += "游戏";
    // Run also where the system's code page is another (MORVANE_CODE_PAGE): then
    // some of these letters are in no narrow text of Windows.
    if (const char* codePage = std::getenv("MORVANE_CODE_PAGE")) {
        ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(codePage)));
    }
    for (const std::string& name :
         {std::string("Игра"), std::string("Παιχνίδι"), std::string("게임"), chinese + "\\" + chinese}) {
        const std::string folder = dir.File("") + name, picture = folder + "\\tiles.bmp";
        ASSERT_TRUE(std::filesystem::create_directories(std::filesystem::u8path(folder))) << name;
        std::filesystem::current_path(std::filesystem::u8path(folder)); // where the dialogs open
        WriteBytes(picture, Bmp24(270, 200, std::vector<std::uint32_t>(270 * 200, 0x123456)));
        std::vector<std::uint32_t> shown;
        {
            CScratchSettings store;
            CFixedDeal deal;
            CGameClock clock;
            CRunningProgram program;
            EXPECT_EQ(FileCommand(program, ID_SAVE_TO, "puzzle").size(), 1u) << name << ": saved";
            std::string offered; // the name box, the filter and the files listed
            CModalAnswers answers;
            answers.Expect([&](HWND hDlg) {
                const HWND hView = ::FindWindowExA(hDlg, nullptr, "SHELLDLL_DefView", nullptr);
                offered = WindowText(::GetDlgItem(hDlg, 0x47C)) + ", " + WindowText(::GetDlgItem(hDlg, 0x470)) + ", " +
                          std::to_string(::SendMessageA(::GetWindow(hView, GW_CHILD), LVM_GETITEMCOUNT, 0, 0));
                ::SetDlgItemTextA(hDlg, 0x47C, "puzzle");
                PressButton(hDlg, IDOK);
            });
            program.Command(ID_LOAD_FROM);
            EXPECT_EQ(answers.Seen().size(), 1u) << name << ": loaded";
            EXPECT_EQ(offered, "*.mhj, Files of Morvane (*.mhj), 1") << name;
            EXPECT_EQ(FileCommand(program, ID_SELECT_SET, picture).size(), 1u) << name << ": the picture used";
            EXPECT_EQ(CScratchSettings::Read("TileSet\\FName"), picture) << name;
            shown = Picture();
        }
        CScratchSettings store({{"TileSet", "00000"}, {"TileSet\\FName", picture.c_str()}});
        CFixedDeal deal;
        CGameClock clock;
        CRunningProgram program;
        EXPECT_EQ(Picture(), shown) << name << ": the next start finds the picture";
        std::filesystem::current_path(previous);
    }
}

TEST(TileSizes, EachStepIsStoredCheckedAndDealtAtItsSizeWhereTheScreenHoldsIt)
{
    const struct {
        const char* label;
        UINT command;
        const char* stored;
        const char* sizeX;
        const char* sizeY;
        const char* tiles;
        int screen;
        int answer;   // to "Create new puzzle?"
        int tile[2];  // the tiles afterwards
    } cases[] = {
        {"Big on 18 x 8", ID_TILES_BIG, "1", "18", "8", "36", 1024, IDOK, {39, 52}},
        {"Biggest on 18 x 8", ID_TILES_BIGGEST, "2", "18", "8", "36", 1024, IDOK, {51, 68}},
        {"Normal on 18 x 8", ID_TILES_NORMAL, "0", "18", "8", "36", 1024, IDOK, {30, 40}},
        {"Biggest cancelled keeps the tiles", ID_TILES_BIGGEST, "2", "18", "8", "36", 1024, IDCANCEL, {30, 40}},
        {"Biggest on 20 x 16 is too high: the next smaller size", ID_TILES_BIGGEST, "2", "20", "16", "40", 1024, IDOK, {35, 45}},
        {"Big on 20 x 16 on a low screen", ID_TILES_BIG, "1", "20", "16", "40", 749, IDOK, {27, 35}},
        {"Biggest on 20 x 16 on a low screen: Big", ID_TILES_BIGGEST, "2", "20", "16", "40", 749, IDOK, {27, 35}},
        {"Biggest on 12 x 24 is too wide: the next smaller size", ID_TILES_BIGGEST, "2", "24", "12", "36", 1024, IDOK, {44, 59}},
        {"Normal on 20 x 16 on a screen of 560: below the sizes", ID_TILES_NORMAL, "0", "20", "16", "40", 560, IDOK, {19, 24}},
        {"Normal on 20 x 16 on a screen of 490: the smallest", ID_TILES_NORMAL, "0", "20", "16", "40", 490, IDOK, {16, 21}},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"SizeX", c.sizeX}, {"SizeY", c.sizeY}, {"Tiles", c.tiles}});
        const CScreenHeight screen(c.screen);
        CGameClock clock;
        {
            CRunningProgram program;
            ASSERT_TRUE(program.Started()) << c.label;
            const RECT room = GetWorkArea(program.FrameWindow());
            CModalAnswers answers;
            answers.Expect([&](HWND hBox) { PressButton(hBox, c.answer); });
            program.Command(c.command);
            EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Morvane"}) << c.label;
            EXPECT_EQ(CScratchSettings::Read("SizeTiles").value_or("(none)"), c.stored) << c.label;
            for (UINT item : {ID_TILES_NORMAL, ID_TILES_BIG, ID_TILES_BIGGEST})
                EXPECT_EQ(MenuChecked(program, item), item == c.command) << c.label;
            EXPECT_EQ(g_pBoard->GetTileWidth(), c.tile[0]) << c.label;
            EXPECT_EQ(g_pBoard->GetTileHeight(), c.tile[1]) << c.label;
            EXPECT_EQ(ClientSize(program).cx, c.tile[0] * (std::stoi(c.sizeX) + 2)) << c.label;
            EXPECT_EQ(ClientSize(program).cy, c.tile[1] * (std::stoi(c.sizeY) + 2)) << c.label;
            RECT frame{};
            ::GetWindowRect(program.FrameWindow(), &frame);
            EXPECT_LE(frame.bottom - frame.top, room.bottom - room.top) << c.label << ": the frame fits the screen";
            EXPECT_LE(frame.right - frame.left, room.right - room.left) << c.label;
        }
    }
}

} // namespace
