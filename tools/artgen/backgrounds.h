#pragma once
#include "image.h"

#include <vector>

struct Background {
    int id;
    const char* name;
    Image picture;  // 300 x 300, repeats without a seam
};

constexpr int kBackgroundSize = 300;

std::vector<Background> makeBackgrounds();
