#pragma once
// Where the built-in tile sheets come from. The program reads its bitmap
// resources; the native build and the tests read the same .bmp files from a folder.

#include "TileImage.h"

// The pixels of built-in bitmap id, held by the source until the next call;
// nullptr when there is none.
const CTileImage* BuiltInSheet(unsigned id);
