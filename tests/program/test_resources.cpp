// The time text, the pictures and sounds the program carries with their ids,
// and the built-in tile sheets as the program reads them from its resources.

#include "tests/program/Program.h"

#include "board/BmpFile.h"
#include "board/TileSheetSource.h"
#include "framework/Sound.h"
#include "resources/resource.h"
#include "shell/GameTime.h"
#include "shell/TileNames.h"
#include "shell/TileSetList.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(GameTime, HoursMinutesAndSecondsWithLeadingZeros)
{
    const struct {
        unsigned seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},        {9, "00:00:09"},          {10, "00:00:10"},       {59, "00:00:59"},
        {60, "00:01:00"},       {3599, "00:59:59"},       {3600, "01:00:00"},     {3725, "01:02:05"},
        {35999, "09:59:59"},    {36000, "10:00:00"},      {359999, "99:59:59"},   {360000, "100:00:00"},
        {UINT_MAX, "1193046:28:15"},
    };
    for (const auto& c : cases) {
        CString text = "unchanged";
        FormatGameTime(c.seconds, text);
        EXPECT_STREQ(text, c.text) << c.seconds << " seconds";
    }
}

TEST(Resources, BitmapsCarryTheirIdsAndSizes)
{
    const struct {
        const char* label;
        std::vector<UINT> ids;
        int width, height;
    } cases[] = {
        {"tile sheets", {131, 134, 135, 136, 139, 140, 167, 168}, 270, 200},
        {"backgrounds", {144, 153, 154, 158}, 300, 300},
        {"tips", {160, 161, 162, 163, 164, 165, 166}, 450, 200},
        {"OK button", {146, 147}, 80, 40},
        {"Clear scores button", {149, 150}, 160, 40},
        {"tool bar", {128}, 286, 25},
    };
    for (const auto& c : cases)
        for (UINT id : c.ids) {
            const CCapture picture = BitmapPixels(id);
            EXPECT_EQ(picture.width, c.width) << c.label << " " << id;
            EXPECT_EQ(picture.height, c.height) << c.label << " " << id;
        }
}

TEST(Resources, TheIconHasBothSizes)
{
    for (int side : {16, 32}) {
        HICON hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                      IMAGE_ICON, side, side, 0));
        ASSERT_NE(hIcon, nullptr) << side;
        ICONINFO info{};
        ::GetIconInfo(hIcon, &info);
        BITMAP bm{};
        ::GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, side);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        ::DestroyIcon(hIcon);
    }
}

TEST(Resources, TheSoundCuesAreWaveResources)
{
    const CHeardCues heard;
    for (const char* cue : {"LINE", "LOST", "NO", "WIN", "YES", "MISSING"})
        PlayWaveResource(cue);
    EXPECT_EQ(g_cues, (std::vector<std::string>{"LINE", "LOST", "NO", "WIN", "YES"}));
}

TEST(BuiltInSheets, AreTheResourceBitmapsPixelForPixel)
{
    for (unsigned id : {131u, 134u, 135u, 136u, 139u, 140u, 167u, 168u}) {
        ASSERT_NE(BuiltInSheet(id), nullptr) << "sheet " << id;
        const CTileImage& sheet = *BuiltInSheet(id);
        CBmpFile file((MORVANE_RESOURCES_DIR "/tiles" + std::to_string(id) + ".bmp").c_str());
        ASSERT_TRUE(file.Decode()) << "sheet " << id;
        ASSERT_EQ(sheet.m_nWidth, file.GetWidth()) << "sheet " << id;
        ASSERT_EQ(sheet.m_nHeight, file.GetHeight()) << "sheet " << id;
        int differing = 0;
        for (int i = 0; i < sheet.m_nWidth * sheet.m_nHeight; ++i)
            differing += sheet.m_pBits[i] != file.GetBits()[i];
        EXPECT_EQ(differing, 0) << "sheet " << id;
    }
}

TEST(BuiltInSheets, AnUnknownIdHasNoSheet)
{
    for (unsigned id : {0u, 130u, 154u + 2000u})
        EXPECT_EQ(BuiltInSheet(id), nullptr) << "id " << id;
}

TEST(TileNames, EveryBuiltInSetNamesIts45PicturesAndThePlayersPictureNumbersThem)
{
    for (const CTileSetEntry& set : kTileSets) {
        std::set<std::string> names;
        for (int kind = 0; kind < 45; ++kind) {
            const std::string name = TileName(set.nBitmapId, kind);
            EXPECT_NE(name, "tile " + std::to_string(kind + 1)) << set.nBitmapId << " has a name for " << kind;
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 45u) << set.nBitmapId << ": no two kinds share a name";
    }
    const struct {
        int set, kind;
        const char* name;
    } cases[] = {{IDB_SET_EGIPTIAN, 17, "ankh"}, {IDB_SET_EGIPTIAN, 12, "scarab"}, {IDB_SET_EASY, 0, "red circle"},
                 {IDB_SET_CHILDS, 44, "paint palette"}, {0, 0, "tile 1"}, {0, 44, "tile 45"}};
    for (const auto& c : cases)
        EXPECT_EQ(TileName(c.set, c.kind), c.name) << c.set << ", " << c.kind;
}

} // namespace
