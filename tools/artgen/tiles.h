#pragma once
#include "font.h"
#include "image.h"

#include <string>
#include <vector>

// The fonts that the pictures are made from.
struct Fonts {
    explicit Fonts(const std::string& dejavuDir, const std::string& notoDir);
    Font sans, sansBold, sansBoldItalic;
    Font egyptian, symbols, symbols2, linearB, anatolian, emoji;
};

// A sheet's picture and what each of its tiles shows, slot by slot.
struct SheetArt {
    std::vector<Image> tiles;  // drawn at four times their size
    std::vector<std::string> names;
};

struct TileSheet {
    int id;
    const char* name;
    Image sheet;  // 270 x 200: 9 x 5 tiles of 30 x 40, slot col + row x 9
    Image sheet2x;  // 540 x 400, the same tiles drawn at twice the size
    std::vector<std::string> names;  // slot by slot, for screen readers: "ankh", "red circle"
};

constexpr int kTileWidth = 30;
constexpr int kTileHeight = 40;
constexpr int kSheetColumns = 9;
constexpr int kSheetRows = 5;
constexpr int kTilesPerSheet = kSheetColumns * kSheetRows;

std::vector<TileSheet> makeTileSheets(const Fonts& fonts);
// The tile in the given slot of the sheet at scale 1 or 2.
Image tileOf(const TileSheet& sheet, int slot, int scale = 1);
// The pairs of the sheet's tiles, at 1x and at 2x, that a player who cannot tell red from
// green would take for one another: "135 Fractal dark at 2x: red chain, gold chain: ...".
std::vector<std::string> tilesSeenAlike(const TileSheet& sheet);
