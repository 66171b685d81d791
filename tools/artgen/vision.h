#pragma once
// How tiles look to players who cannot tell red from green, and which tiles of a
// sheet such a player would take for one another. Plain C++, shared by the art
// generator and the tests of the pictures it makes.
#include <cstdint>
#include <string>
#include <vector>

struct Rgb8 {
    std::uint8_t r, g, b;
};

enum Viewer { kFullColour, kProtan, kDeutan, kViewers };

// Colour c as the viewer sees it: for protanopia and deuteranopia the
// simulation of Machado, Oliveira and Fernandes (2009) at severity 1, applied
// in linear light. Throws std::invalid_argument for a viewer not listed above.
Rgb8 seenBy(Viewer viewer, Rgb8 c);

// A picture of 8-bit pixels, top row first.
struct Picture8 {
    int width = 0, height = 0;
    std::vector<Rgb8> pixels;
};

// Two tiles of a sheet, by slot, and how far apart each viewer sees them: the mean
// over the tile's pixels and their three channels of the absolute difference, 0..255.
struct TilePair {
    int a, b;
    double difference[kViewers];
};

// The pairs of tiles of a sheet laid out in columns x rows that look different in
// full colour but alike to a protanope or a deuteranope. Throws std::invalid_argument
// when the pixels do not fill the sheet or the sheet is smaller than columns x rows.
std::vector<TilePair> pairsTooAlike(const Picture8& sheet, int columns, int rows);
// "full colour 21.3, protan 2.1, deutan 1.7"
std::string describe(const TilePair& pair);
