// The settings the view reads when it is made: defaults, the order of the
// reads, and how values that only a changed store can hold are read.

#include "tests/program/Program.h"

#include "view/MahjongView.h"
#include "view/Settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct CPlaySettings {
    int sizeX, sizeY, tiles, tileSet, backPic, soundOff, noAnimation, sizeTiles;

    auto Tie() const { return std::tie(sizeX, sizeY, tiles, tileSet, backPic, soundOff, noAnimation, sizeTiles); }
    bool operator==(const CPlaySettings& o) const { return Tie() == o.Tie(); }
};

void PrintTo(const CPlaySettings& s, std::ostream* os)
{
    *os << "{size " << s.sizeX << " x " << s.sizeY << ", kinds " << s.tiles << ", tile set " << s.tileSet
        << ", background " << s.backPic << ", sound off " << s.soundOff << ", no animation " << s.noAnimation
        << ", tile size " << s.sizeTiles << "}";
}

CPlaySettings Read(const CMahjongView& v)
{
    return {v.m_nSizeX,    v.m_nSizeY,    v.m_nTiles,       v.m_nTileSet,
            v.m_nBackPic,  v.m_bSoundOff, v.m_bNoAnimation, v.m_nSizeTiles};
}

constexpr CPlaySettings kDefaults = {18, 8, 36, 131, 154, 0, 0, 0};

CPlaySettings With(CPlaySettings s, int CPlaySettings::*field, int value)
{
    s.*field = value;
    return s;
}

TEST(Settings, TheViewReadsThemWhenItIsMade)
{
    using P = CPlaySettings;
    const struct {
        const char* label;
        CScratchSettings::Entries stored;
        CPlaySettings expected;
    } cases[] = {
        {"nothing stored", {}, kDefaults},
        {"every setting stored",
         {{"SizeX", "16"}, {"SizeY", "12"}, {"Tiles", "32"}, {"TileSet", "168"}, {"BackPic", "158"},
          {"SoundON", "1"}, {"Animation", "1"}, {"SizeTiles", "1"}},
         {16, 12, 32, 168, 158, 1, 1, 1}},
        {"SizeX without SizeY", {{"SizeX", "20"}}, kDefaults},
        {"SizeY without SizeX", {{"SizeY", "16"}}, kDefaults},
        {"\"00000\" is the player's own picture", {{"TileSet", "00000"}}, With(kDefaults, &P::tileSet, 0)},
        {"text that is no number reads as 0", {{"TileSet", "Plastic"}}, With(kDefaults, &P::tileSet, 0)},
        {"\"1\" for SoundON silences the cues", {{"SoundON", "1"}}, With(kDefaults, &P::soundOff, 1)},
        {"Child's tile set", {{"TileSet", "140"}}, With(kDefaults, &P::tileSet, 140)},
        {"Primeval art tile set", {{"TileSet", "167"}}, With(kDefaults, &P::tileSet, 167)},
        {"Dark blue background", {{"BackPic", "153"}}, With(kDefaults, &P::backPic, 153)},
        {"Biggest tiles", {{"SizeTiles", "2"}}, With(kDefaults, &P::sizeTiles, 2)},
        // What only a changed store can hold:
        {"a size that is not offered", {{"SizeX", "17"}, {"SizeY", "8"}, {"Tiles", "34"}}, kDefaults},
        {"a size larger than the board can hold", {{"SizeX", "40"}, {"SizeY", "40"}}, kDefaults},
        {"kinds that do not belong to the size",
         {{"SizeX", "16"}, {"SizeY", "12"}, {"Tiles", "99"}},
         {16, 12, 32, 131, 154, 0, 0, 0}},
        {"no kinds at all", {{"Tiles", "0"}}, kDefaults},
        {"an unknown tile set", {{"TileSet", "132"}}, kDefaults},
        {"a negative tile set", {{"TileSet", "-131"}}, kDefaults},
        {"an unknown background is kept (no menu item checked, black squares)", {{"BackPic", "155"}},
         With(kDefaults, &P::backPic, 155)},
        {"SoundON other than 0 or 1 lets the cues play", {{"SoundON", "7"}}, kDefaults},
        {"Animation other than 0 switches the fade off", {{"Animation", "7"}}, With(kDefaults, &P::noAnimation, 1)},
        {"a tile-size step above Fit to window", {{"SizeTiles", "4"}}, kDefaults},
        {"a negative tile-size step", {{"SizeTiles", "-1"}}, kDefaults},
    };
    for (const auto& c : cases) {
        CScratchSettings store(c.stored);
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        EXPECT_EQ(Read(program.View()), c.expected) << c.label;
    }
}

TEST(Settings, AreReadInTheirOrderAndSizeYOnlyAfterSizeX)
{
    // The language first, for the menu. The first paint then reads the size's best time, for the caption, and asks whether to show the tips.
    const std::vector<std::string> all = {"read Language", "read SizeX", "read SizeY", "read TileSet", "read BackPic",
                                          "read Animation", "read Tiles", "read SoundON", "read SizeTiles",
                                          "read Gravity",   "read 8_18",      "read ShowTips"};
    const struct {
        const char* label;
        std::vector<const char*> stored;
        std::vector<std::string> reads;
    } cases[] = {
        {"every setting stored", {"SizeX", "SizeY", "TileSet", "BackPic", "Animation", "Tiles", "SoundON", "SizeTiles"},
         all},
        {"nothing stored: SizeY is not asked for", {},
         {"read Language", "read SizeX", "read TileSet", "read BackPic", "read Animation", "read Tiles", "read SoundON",
          "read SizeTiles", "read Gravity", "read 8_18", "read ShowTips"}},
        {"SizeX alone: SizeY is asked for", {"SizeX"}, all},
    };
    for (const auto& c : cases) {
        CScratchSettings store;
        for (const char* name : c.stored)
            CScratchSettings::Write(name, "1");
        std::vector<std::string> events;
        {
            CSettingsLog log(events);
            ASSERT_TRUE(log.Active());
            CRunningProgram program;
            ASSERT_TRUE(program.Started()) << c.label;
        }
        std::vector<std::string> reads;
        for (const std::string& e : events)
            if (e.rfind("read ", 0) == 0)
                reads.push_back(e);
        EXPECT_EQ(reads, c.reads) << c.label;
    }
}

// Asked for its size, a value reports one character: as if it grew before it is read.
decltype(&RegQueryValueW) g_realQuery = nullptr;
LONG WINAPI QueryReportingTooLittle(HKEY hKey, LPCWSTR lpSubKey, LPWSTR lpData, PLONG lpcbData)
{
    const LONG result = g_realQuery(hKey, lpSubKey, lpData, lpcbData);
    if (!lpData && result == ERROR_SUCCESS)
        *lpcbData = sizeof(wchar_t);
    return result;
}

TEST(Settings, ThePlayersPictureIsAPathOfAtMost499Characters)
{
    const std::string longest = "C:\\" + std::string(492, 'p') + ".bmp";
    ASSERT_EQ(longest.size(), 499u);
    const struct {
        const char* label;
        std::vector<std::string> stored; // empty: nothing stored
        bool found;
        bool grown = false;
    } cases[] = {
        {"absent", {}, false},
        {"a short path", {"C:\\pictures\\cats.bmp"}, true},
        {"499 characters", {longest}, true},
        {"500 characters count as absent", {longest + "x"}, false},
        {"larger than first reported", {longest}, true, true},
    };
    for (const auto& c : cases) {
        CScratchSettings store;
        std::optional<CImportPatch> grows;
        if (c.grown) {
            grows.emplace("advapi32.dll", "RegQueryValueW", reinterpret_cast<void*>(QueryReportingTooLittle));
            g_realQuery = reinterpret_cast<decltype(&RegQueryValueW)>(grows->Original());
        }
        if (!c.stored.empty())
            CScratchSettings::Write("TileSet\\FName", c.stored[0]);
        std::string path = "unchanged";
        EXPECT_EQ(ReadTileSetFile(path), c.found) << c.label;
        EXPECT_EQ(path, c.found ? c.stored[0] : "unchanged") << c.label;
    }
}

TEST(Settings, NumbersAreReadAsTheRuntimeReadsThem)
{
    const struct {
        const char* label;
        const char* text;
        int value;
    } cases[] = {
        {"plain", "131", 131}, {"leading zeros", "00000", 0}, {"no number", "abc", 0},
        {"number then text", "12abc", 12}, {"negative", "-5", -5}, {"leading blanks", "  7", 7},
    };
    for (const auto& c : cases) {
        CScratchSettings store;
        CScratchSettings::Write("TileSet", c.text);
        int value = 999;
        EXPECT_TRUE(ReadSettingNumber("TileSet", value)) << c.label;
        EXPECT_EQ(value, c.value) << c.label;
    }
    CScratchSettings store;
    int value = 999;
    EXPECT_FALSE(ReadSettingNumber("TileSet", value)) << "absent";
    EXPECT_EQ(value, 999) << "an absent setting leaves the value alone";
}

} // namespace
