#pragma once
// What each tile picture shows, for screen readers: the built-in sets carry a
// short name for each of their 45 pictures (resource type TILENAMES, with the
// sheet's id); tiles cut from the player's own picture are numbered by slot.

#include <string>

// The name of kind nKind (its slot on the sheet) in tile set nTileSet (0: the player's picture).
std::string TileName(int nTileSet, int nKind);
