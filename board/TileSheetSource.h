#pragma once
// Where the built-in tile sheets come from. The program reads its bitmap
// resources; the native build and the tests read the same .bmp files from a folder.

#include "TileImage.h"

// Fills sheet with the pixels of built-in bitmap id; false when there is none.
bool LoadBuiltInSheet(unsigned id, CTileImage& sheet);
