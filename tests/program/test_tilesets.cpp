// The tile-set commands through the real window: the chooser, "Next tiles",
// and tiles cut from a picture of the player's own, good or unusable.

#include "tests/program/PlayTools.h"

#include "tests/BmpBuilder.h"

#include <fstream>

namespace {

// Each tile on the board picture shows its kind's slot of sheet (9 x 5 slots).
void ExpectTilesFrom(const CCapture& sheet, const std::string& label)
{
    const std::vector<std::uint32_t> picture = Picture();
    for (int i = 0; i < g_pBoard->GetWidth() * g_pBoard->GetHeight(); ++i) {
        const CTileCell c = Cell(i % g_pBoard->GetWidth() + 1, i / g_pBoard->GetWidth() + 1);
        if (c.kind == -1)
            continue;
        std::vector<std::uint32_t> slot;
        for (int y = 0; y < c.cy; ++y)
            for (int x = 0; x < c.cx; ++x)
                slot.push_back(sheet.At(c.kind % 9 * c.cx + x, c.kind / 9 * c.cy + y));
        ASSERT_EQ(PictureRect(picture, RectOf(c)), slot) << label << ": cell " << i;
    }
}

// A sheet whose every pixel differs, for tiles of cx x cy.
CCapture MadeSheet(int cx, int cy)
{
    CCapture sheet{9 * cx, 5 * cy, {}};
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            sheet.pixels.push_back(static_cast<std::uint32_t>(x << 9 | y));
    return sheet;
}

std::vector<unsigned char> SheetFile(const CCapture& sheet)
{
    std::vector<std::uint32_t> colorrefs; // Bmp24 takes 0x00BBGGRR
    for (std::uint32_t p : sheet.pixels)
        colorrefs.push_back((p & 0xFF00) | (p >> 16 & 0xFF) | (p & 0xFF) << 16);
    return Bmp24(sheet.width, sheet.height, colorrefs);
}

// A file of the temporary folder holding bytes; none when there are none.
std::string WriteFile(const std::vector<unsigned char>& bytes)
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "morvane-sheet.bmp";
    ::DeleteFileA(path.c_str());
    if (!bytes.empty())
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

HWND Item(HWND hDlg, int id) { return ::GetDlgItem(hDlg, id); }

std::vector<std::uint32_t> Preview(HWND hDlg) // the sheet's place in the preview
{
    const CCapture shown = CaptureClient(Item(hDlg, IDC_SET_PREVIEW));
    std::vector<std::uint32_t> pixels;
    for (int y = 5; y < 205; ++y)
        for (int x = 5; x < 275; ++x)
            pixels.push_back(shown.At(x, y));
    return pixels;
}

TEST(TileSets, TheChooserListsTheSetsPreviewsTheSelectedOneAndHandsItBackOnOK)
{
    const struct {
        const char* label;
        int index; // clicked in the list; -1: none
        int previewed;
        int button;
        int stored;
    } cases[] = {
        {"OK without a selection", -1, 131, IDOK, 131},
        {"Plastic, OK", 7, 168, IDOK, 168},
        {"Fractal dark, OK", 2, 135, IDOK, 135},
        {"Plastic, Cancel", 7, 168, IDCANCEL, 140},
    };
    const char* names[] = {"Egiptian", "Signs", "Fractal dark", "Easy", "Fractal bright", "Child's", "Primeval art",
                           "Plastic"};
    for (const auto& c : cases) {
        CScratchSettings store(CScratchSettings::Entries{{"TileSet", "140"}});
        CRunningProgram program;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            const HWND hList = Item(hDlg, IDC_SET_LIST);
            ASSERT_EQ(::SendMessageA(hList, LB_GETCOUNT, 0, 0), 8) << c.label;
            for (int i = 0; i < 8; ++i) {
                char text[64] = "";
                ::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                EXPECT_STREQ(text, names[i]) << c.label;
            }
            EXPECT_EQ(::SendMessageA(hList, LB_GETCURSEL, 0, 0), LB_ERR) << c.label;
            if (c.index >= 0) {
                RECT r{};
                ::SendMessageA(hList, LB_GETITEMRECT, c.index, reinterpret_cast<LPARAM>(&r));
                ::SendMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));
                ::SendMessageA(hList, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 2, r.top + 2));
            }
            const CCapture shown = BitmapPixels(c.previewed);
            EXPECT_EQ(Preview(hDlg), shown.pixels) << c.label << ": on selection";
            ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            EXPECT_EQ(Preview(hDlg), shown.pixels) << c.label << ": repainted";
            PressButton(hDlg, c.button);
        });
        program.Command(ID_CHOOSE_SETS);
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_EQ(CScratchSettings::Read("TileSet"), std::to_string(c.stored)) << c.label;
        ExpectTilesFrom(BitmapPixels(c.stored), c.label);
    }
}

TEST(TileSets, NextTilesStepsThroughTheEightSetsAndFromThePlayersPictureToEgiptian)
{
    const std::string picture = WriteFile(SheetFile(MadeSheet(30, 40)));
    const struct {
        const char* label;
        const char* stored;
        std::vector<int> steps;
    } cases[] = {
        {"from Egiptian", "131", {134, 135, 136, 139, 140, 167, 168, 131}},
        {"from the player's picture", "00000", {131}},
    };
    for (const auto& c : cases) {
        CScratchSettings store({{"TileSet", c.stored}, {"TileSet\\FName", picture.c_str()}});
        CRunningProgram program;
        for (int set : c.steps) {
            program.Command(ID_NEXT_TILES);
            EXPECT_EQ(CScratchSettings::Read("TileSet"), std::to_string(set)) << c.label;
            ExpectTilesFrom(BitmapPixels(set), c.label + (" to " + std::to_string(set)));
        }
        EXPECT_EQ(CScratchSettings::Read("TileSet\\FName"), picture) << c.label;
    }
}

TEST(TileSets, APictureOfThePlayersGivesTheTilesAndOneThatCannotBeUsedGivesEgiptian)
{
    BmpLayout impossible, undecoded, huge;
    impossible.bits = 7;
    impossible.height = 0;
    undecoded.compression = 4; // a JPEG inside
    undecoded.data.assign(64, 0xFF);
    huge.width = huge.height = 100000;
    huge.data.assign(3000, 0x55);
    const std::vector<unsigned char> good = Bmp24(2, 2, {1, 2, 3, 4});
    const struct {
        const char* label;
        std::vector<unsigned char> bytes; // empty: no file
        const char* sizeTiles;
        CCapture sheet;
    } cases[] = {
        {"a picture at Big tiles", SheetFile(MadeSheet(39, 52)), "1", MadeSheet(39, 52)},
        {"a missing file", {}, "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"an impossible header", BuildBmp(impossible), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"a coding the reader does not decode", BuildBmp(undecoded), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"a huge picture", BuildBmp(huge), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"a cut-off file", {good.begin(), good.begin() + 40}, "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"no picture at all", {'M', 'Z', 0, 0}, "0", BitmapPixels(IDB_SET_EGIPTIAN)},
    };
    for (const auto& c : cases) {
        const std::string path = WriteFile(c.bytes);
        CScratchSettings store(CScratchSettings::Entries{{"SizeTiles", c.sizeTiles}});
        CRunningProgram program;
        const CPixelRect before = BoardPictureRect(*g_pBoard);
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, 0x47C, path.c_str()); // the file name box
            PressButton(hDlg, IDOK);
        });
        program.Command(ID_SELECT_SET);
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_EQ(CScratchSettings::Read("TileSet"), "00000") << c.label;
        EXPECT_EQ(CScratchSettings::Read("TileSet\\FName"), path) << c.label;
        EXPECT_EQ(g_pBoardPicture->GetSize().cx, before.cx) << c.label;
        EXPECT_EQ(g_pBoardPicture->GetSize().cy, before.cy) << c.label;
        ExpectTilesFrom(c.sheet, c.label);
    }
}

TEST(TileSets, AChangeKeepsTheCellsTheSelectionTheUndoAndTheClock)
{
    CScratchSettings store;
    CRunningClock clock;
    CFixedDeal deal;
    CRunningProgram program;
    CTilePair pair;
    ASSERT_TRUE(FirstPair(pair));
    ClickCell(program, pair.col1, pair.row1);
    ClickCell(program, pair.col2, pair.row2);
    ASSERT_TRUE(FirstPair(pair));
    ClickCell(program, pair.col1, pair.row1);
    std::vector<int> kinds;
    for (int i = 0; i < 18 * 8; ++i)
        kinds.push_back(Cell(i % 18 + 1, i / 18 + 1).kind);
    const int started = program.View().m_tGameStart;

    program.Command(ID_NEXT_TILES);
    for (int i = 0; i < 18 * 8; ++i)
        EXPECT_EQ(Cell(i % 18 + 1, i / 18 + 1).kind, kinds[i]) << "cell " << i;
    EXPECT_EQ(program.View().m_tGameStart, started);
    EXPECT_EQ(g_pBoard->GetSelCol(), pair.col1);
    // Clicking the selected tile again takes its frame away: the plain new tile shows.
    ClickCell(program, pair.col1, pair.row1);
    ExpectTilesFrom(BitmapPixels(IDB_SET_SIGNS), "after the change");
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 144) << "undo";
    ExpectTilesFrom(BitmapPixels(IDB_SET_SIGNS), "after undo");
}

} // namespace
