// The tile-set commands through the real window: the chooser, "Next tiles",
// and tiles cut from a picture of the player's own, good or unusable.

#include "tests/program/PlayTools.h"

#include "tests/BmpBuilder.h"

#include <fstream>
#include <tuple>

namespace {

// Every tile on the board picture shows its kind's slot of the 9 x 5 sheet,
// the sheet stretched to the board's tiles by dropping or repeating pixels.
void ExpectTilesFrom(const CCapture& sheet, const std::string& label)
{
    for (int i = 0; i < g_pBoard->GetWidth() * g_pBoard->GetHeight(); ++i) {
        const CTileCell c = Cell(i % g_pBoard->GetWidth() + 1, i / g_pBoard->GetWidth() + 1);
        std::vector<std::uint32_t> slot;
        for (int y = 0; y < c.cy && c.kind >= 0; ++y)
            for (int x = 0; x < c.cx; ++x)
                slot.push_back(sheet.At((c.kind % 9 * c.cx + x) * sheet.width / (9 * c.cx),
                                        (c.kind / 9 * c.cy + y) * sheet.height / (5 * c.cy)));
        ASSERT_TRUE(c.kind < 0 || PictureRect(Picture(), RectOf(c)) == slot) << label << ": cell " << i;
    }
}

// A sheet for tiles of cx x cy whose pixels tell their place; red and blue
// alike, so that it reads the same in either byte order.
CCapture MadeSheet(int cx, int cy)
{
    CCapture sheet{9 * cx, 5 * cy, {}};
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            sheet.pixels.push_back((x & 0xFF) * 0x10001u | (y & 0xFF) << 8);
    return sheet;
}

// A file of the temporary folder with these bytes; no file when there are none.
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

std::vector<unsigned char> SheetFile(const CCapture& s) { return Bmp24(s.width, s.height, s.pixels); }

TEST(TileSets, TheChooserListsTheSetsPreviewsTheSelectedOneAndHandsItBackOnOK)
{
    const struct {
        const char* label;
        int index; // clicked in the list; -1: none
        int previewed, button, stored;
    } cases[] = {
        {"OK without a selection", -1, 131, IDOK, 131},
        {"Plastic, OK", 7, 168, IDOK, 168},
        {"Plastic, Cancel", 7, 168, IDCANCEL, 140},
    };
    const Rows names = {"Egiptian", "Signs", "Fractal dark", "Easy", "Fractal bright", "Child's", "Primeval art",
                        "Plastic"};
    for (const auto& c : cases) {
        CScratchSettings store({{"TileSet", "140"}, {"SizeTiles", "1"}});
        CRunningProgram program;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            const HWND hList = ::GetDlgItem(hDlg, IDC_SET_LIST), hPreview = ::GetDlgItem(hDlg, IDC_SET_PREVIEW);
            Rows listed(::SendMessageA(hList, LB_GETCOUNT, 0, 0), std::string(64, '\0'));
            for (std::size_t i = 0; i < listed.size(); ++i)
                listed[i].resize(::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(listed[i].data())));
            EXPECT_EQ(listed, names) << c.label;
            EXPECT_EQ(::SendMessageA(hList, LB_GETCURSEL, 0, 0), LB_ERR) << c.label;
            RECT r{};
            ::SendMessageA(hList, LB_GETITEMRECT, c.index, reinterpret_cast<LPARAM>(&r));
            for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
                ::SendMessageA(hList, c.index < 0 ? WM_NULL : message, 0, MAKELPARAM(r.left + 2, r.top + 2));
            for (const char* when : {"at once", "repainted"}) {
                const CCapture shown = CaptureClient(hPreview), sheet = BitmapPixels(c.previewed);
                for (int y = 0; y < 200; y += 7)
                    for (int x = 0; x < 270; ++x)
                        ASSERT_EQ(shown.At(5 + x, 5 + y), sheet.At(x, y)) << c.label << " " << when;
                ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
            PressButton(hDlg, c.button);
        });
        program.Command(ID_CHOOSE_SETS);
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_EQ(CScratchSettings::Read("TileSet"), std::to_string(c.stored)) << c.label;
        ExpectTilesFrom(BitmapPixels(c.stored), c.label);
    }
}

TEST(TileSets, NextTilesStepsThroughTheSetsAndKeepsTheGame)
{
    CScratchSettings store({{"TileSet", "00000"}, {"SizeTiles", "1"}});
    CScratchSettings::Write("TileSet\\FName", WriteFile(SheetFile(MadeSheet(30, 40))));
    CRunningClock clock;
    CFixedDeal deal;
    CRunningProgram program;
    ASSERT_EQ(g_pBoard->GetTileWidth(), 39) << "Big tiles";
    ExpectTilesFrom(MadeSheet(30, 40), "the player's picture");
    for (int set : {131, 134, 135, 136, 139, 140, 167, 168, 131}) {
        program.Command(ID_NEXT_TILES);
        EXPECT_EQ(CScratchSettings::Read("TileSet"), std::to_string(set));
        ExpectTilesFrom(BitmapPixels(set), "next tiles to " + std::to_string(set));
    }
    CTilePair pair;
    ASSERT_TRUE(FirstPair(pair));
    ClickCell(program, pair.col1, pair.row1);
    ClickCell(program, pair.col2, pair.row2);
    ASSERT_TRUE(FirstPair(pair));
    ClickCell(program, pair.col1, pair.row1);
    const auto kinds = [] {
        std::vector<int> k;
        for (int i = 0; i < 18 * 8; ++i)
            k.push_back(Cell(i % 18 + 1, i / 18 + 1).kind);
        return k;
    };
    const std::vector<int> before = kinds();
    const int started = program.View().m_tGameStart;
    program.Command(ID_NEXT_TILES);
    EXPECT_EQ(kinds(), before);
    EXPECT_EQ(program.View().m_tGameStart, started);
    EXPECT_EQ(g_pBoard->GetSelCol(), pair.col1);
    ClickCell(program, pair.col1, pair.row1); // its frame goes: the plain new tile shows
    ExpectTilesFrom(BitmapPixels(IDB_SET_SIGNS), "selection taken back");
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->CountTiles(), 144);
    ExpectTilesFrom(BitmapPixels(IDB_SET_SIGNS), "undone");
}

TEST(TileSets, APictureOfThePlayersGivesTheTilesAndOneThatCannotBeUsedGivesEgiptian)
{
    const auto bmp = [](int bits, int width, int height, unsigned compression) {
        BmpLayout l;
        std::tie(l.bits, l.width, l.height, l.compression) = std::tie(bits, width, height, compression);
        l.data.assign(64, 0x55);
        return BuildBmp(l);
    };
    const std::vector<unsigned char> good = SheetFile(MadeSheet(39, 52));
    const struct {
        const char* label;
        std::vector<unsigned char> bytes; // none: no file
        const char* sizeTiles;
        CCapture sheet; // Egiptian's: the picture is unusable, and the player is told
    } cases[] = {
        {"a picture, at Big tiles", good, "1", MadeSheet(39, 52)},
        {"a missing file", {}, "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"an impossible header", bmp(7, 5, 0, 0), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"a coding the reader does not decode", bmp(24, 4, 4, 4), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"a huge picture", bmp(24, 100000, 100000, 0), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"headers cut short", {good.begin(), good.begin() + 40}, "0", BitmapPixels(IDB_SET_EGIPTIAN)},
        {"pixels that stop before the last row", bmp(24, 270, 200, 0), "0", BitmapPixels(IDB_SET_EGIPTIAN)},
    };
    for (const auto& c : cases) {
        const std::string path = WriteFile(c.bytes);
        CScratchSettings store(CScratchSettings::Entries{{"SizeTiles", c.sizeTiles}});
        CRunningProgram program;
        const CSize size = g_pBoardPicture->GetSize();
        const bool unusable = c.sheet.pixels == BitmapPixels(IDB_SET_EGIPTIAN).pixels;
        std::string told;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, 0x47C, path.c_str()); // the file name box
            PressButton(hDlg, IDOK);
        });
        answers.Expect([&](HWND hBox) {
            told = WindowText(::GetDlgItem(hBox, 0xFFFF));
            PressButton(hBox, IDOK);
        });
        program.Command(ID_SELECT_SET);
        EXPECT_EQ(answers.Pending(), unusable ? 0u : 1u) << c.label << ": told once, when unusable";
        EXPECT_EQ(told.find(path) != std::string::npos, unusable) << c.label << ": " << told;
        EXPECT_EQ(CScratchSettings::Read("TileSet"), "00000") << c.label;
        EXPECT_EQ(CScratchSettings::Read("TileSet\\FName"), path) << c.label;
        EXPECT_TRUE(g_pBoardPicture->GetSize().cx == size.cx && g_pBoardPicture->GetSize().cy == size.cy) << c.label;
        ExpectTilesFrom(c.sheet, c.label);
    }
}

} // namespace
