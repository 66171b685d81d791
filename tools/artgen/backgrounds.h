#pragma once
#include "image.h"

#include <vector>

struct Background {
    int id;
    const char* name;
    Image picture;  // 300 x 300 times the scale, repeats without a seam
};

constexpr int kBackgroundSize = 300;

// The four backgrounds at scale times their size.
std::vector<Background> makeBackgrounds(int scale);
