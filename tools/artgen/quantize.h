#pragma once
#include "image.h"

#include <cstdint>
#include <vector>

struct Colour8 {
    std::uint8_t r, g, b;
};

// A picture as palette indexes, top row first.
struct Indexed {
    int width = 0, height = 0;
    std::vector<std::uint8_t> index;
    std::vector<Colour8> palette;
};

Colour8 toColour8(Rgba c);
// Chooses at most maxColours colours by median cut and maps every pixel to the nearest of them.
Indexed quantize(const Image& image, int maxColours);
// Maps every pixel to the nearest colour of a fixed palette.
Indexed mapToPalette(const Image& image, const std::vector<Colour8>& palette);

// The picture that the palette indexes stand for.
Image expand(const Indexed& picture);
