#pragma once
// The built-in tile sets: the chooser lists them in this order, and "Next
// tiles" steps through them in it, from the last back to the first.

#include "resources/resource.h"

#include <algorithm>
#include <array>

struct CTileSetEntry {
    int nBitmapId; // the sheet's bitmap resource; the string of the same id is its name in the chooser
};

inline constexpr std::array<CTileSetEntry, 8> kTileSets = {{
    {IDB_SET_EGIPTIAN},
    {IDB_SET_SIGNS},
    {IDB_SET_FRACTAL_DARK},
    {IDB_SET_EASY},
    {IDB_SET_FRACTAL_BRIGHT},
    {IDB_SET_CHILDS},
    {IDB_SET_PRIMEVAL_ART},
    {IDB_SET_PLASTIC},
}};

inline bool IsBuiltInTileSet(int nBitmapId)
{
    return std::any_of(kTileSets.begin(), kTileSets.end(), [&](const auto& set) { return set.nBitmapId == nBitmapId; });
}

// The set after nBitmapId; the first one after the last, and after anything
// that is no built-in set (the player's own picture included).
inline int NextTileSet(int nBitmapId)
{
    const auto it = std::find_if(kTileSets.begin(), kTileSets.end(),
                                 [&](const auto& set) { return set.nBitmapId == nBitmapId; });
    return it == kTileSets.end() || it + 1 == kTileSets.end() ? kTileSets.front().nBitmapId : (it + 1)->nBitmapId;
}
