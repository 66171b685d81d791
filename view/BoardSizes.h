#pragma once
// The nine board sizes a player can choose, with their menu commands and the
// number of tile kinds each is dealt with.

#include "framework/Gdi.h"
#include "framework/Scale.h"
#include "resources/resource.h"

#include <algorithm>
#include <array>
#include <string>

struct CBoardSize {
    unsigned nCommand;
    int nColumns;
    int nRows;
    int nKinds;
    // The key of the size's best result: the digits of its menu text.
    const char* lpszKey;
};

// In the order of the "Set size" menu, whose texts do not always put the rows first.
inline constexpr std::array<CBoardSize, 9> kBoardSizes = {{
    {ID_SIZE_8X10, 10, 8, 20, "8_10"},
    {ID_SIZE_8X18, 18, 8, 36, "8_18"},
    {ID_SIZE_8X20, 20, 8, 40, "8_20"},
    {ID_SIZE_10X18, 18, 10, 45, "10_18"},
    {ID_SIZE_12X12, 12, 12, 36, "12_12"},
    {ID_SIZE_12X16, 16, 12, 32, "12_16"},
    {ID_SIZE_12X24, 24, 12, 36, "12_24"},
    {ID_SIZE_16X10, 16, 10, 40, "16_10"},
    {ID_SIZE_20X16, 20, 16, 40, "20_16"},
}};

// The size with these columns and rows, or null.
inline const CBoardSize* FindBoardSize(int nColumns, int nRows)
{
    for (const CBoardSize& size : kBoardSizes)
        if (size.nColumns == nColumns && size.nRows == nRows)
            return &size;
    return nullptr;
}

// The size whose key is key, or null.
inline const CBoardSize* FindBoardSizeKey(const std::string& key)
{
    for (const CBoardSize& size : kBoardSizes)
        if (key == size.lpszKey)
            return &size;
    return nullptr;
}

// The key of a size's records under a rule: the size's own key for the game
// without gravity, with "G" after it under gravity ("8_18G").
inline std::string RecordKey(const CBoardSize& size, bool bGravity)
{
    return std::string(size.lpszKey) + (bGravity ? "G" : "");
}

// Whether key is the record key of some size under either rule.
inline bool IsRecordKey(const std::string& key)
{
    return FindBoardSizeKey(key) || (!key.empty() && key.back() == 'G' && FindBoardSizeKey(key.substr(0, key.size() - 1)));
}

// The size that menu command nCommand chooses, or null.
inline const CBoardSize* FindBoardSizeCommand(unsigned nCommand)
{
    for (const CBoardSize& size : kBoardSizes)
        if (size.nCommand == nCommand)
            return &size;
    return nullptr;
}

// The base tile size of a board size, which its rows tell apart: smaller tiles
// for the boards of 12 and 16 rows on screens lower than 750 pixels (at 96 DPI).
inline CSize BaseTileSize(int nRows, int nScreenHeight)
{
    const bool lowScreen = nScreenHeight < 750;
    if (nRows == 16)
        return lowScreen ? CSize(21, 27) : CSize(26, 35);
    if (nRows == 12 && lowScreen)
        return CSize(26, 35);
    return CSize(30, 40);
}

// A tile size after the tile-size step: 1 Big (x 1.3), 2 Biggest (x 1.7), truncated.
inline CSize ScaleTileSize(CSize size, int nStep)
{
    const double factor = nStep == 1 ? 1.3 : nStep == 2 ? 1.7 : 1.0;
    return CSize(static_cast<int>(size.cx * factor), static_cast<int>(size.cy * factor));
}

// A tile size at 96 DPI drawn at nDpi.
inline CSize TileSizeAtDpi(CSize size, UINT nDpi)
{
    return CSize(ScaleToDpi(size.cx, nDpi), ScaleToDpi(size.cy, nDpi));
}

// The tile size a frame too large for its screen tries next, below tile: the
// largest that a step gives on a base size and that is narrower and no
// higher, then one pixel narrower each time, in the shape of the smallest
// base size (21 x 27), down to 16 x 21. False when tile is the smallest.
inline bool SmallerTileSize(CSize tile, CSize& smaller)
{
    smaller = CSize();
    for (CSize base : {CSize(30, 40), CSize(26, 35), CSize(21, 27)})
        for (int step = 0; step < 3; ++step) {
            const CSize size = ScaleTileSize(base, step);
            if (size.cx < tile.cx && size.cy <= tile.cy && size.cx > smaller.cx)
                smaller = size;
        }
    if (smaller.cx == 0 && tile.cx > 16) {
        const int cx = std::min<int>(tile.cx - 1, 20);
        smaller = CSize(cx, (cx * 27 + 10) / 21);
    }
    return smaller.cx > 0;
}

// The base tile size of a puzzle read from a file: smaller tiles for some
// sizes, whatever the screen; the others as a new puzzle of their size.
inline CSize LoadedBaseTileSize(int nColumns, int nRows, int nScreenHeight)
{
    if (nColumns == 12 && nRows == 12)
        return CSize(26, 35);
    if (nColumns == 24 && nRows == 12)
        return CSize(25, 35);
    if (nColumns == 20 && nRows == 16)
        return CSize(21, 27);
    return BaseTileSize(nRows, nScreenHeight);
}
