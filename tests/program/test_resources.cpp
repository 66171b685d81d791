// The time text, and the built-in tile sheets as the program reads them from
// its resources.

#include "tests/program/Program.h"

#include "board/BmpFile.h"
#include "board/TileSheetSource.h"
#include "commands/BoardPicture.h"
#include "shell/GameTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

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

TEST(BuiltInSheets, AreTheResourceBitmapsPixelForPixel)
{
    for (unsigned id : {131u, 134u, 135u, 136u, 139u, 140u, 167u, 168u}) {
        CTileImage sheet;
        ASSERT_TRUE(LoadBuiltInSheet(id, sheet)) << "sheet " << id;
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
    for (unsigned id : {0u, 130u, 154u + 1000u}) {
        CTileImage sheet;
        EXPECT_FALSE(LoadBuiltInSheet(id, sheet)) << "id " << id;
    }
}

} // namespace
