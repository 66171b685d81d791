#pragma once
#include "backgrounds.h"
#include "interface.h"
#include "tiles.h"

// One picture that shows every tile sheet at 1:1 and at the smallest tile size (21 x 27), every background
// tiled 2 x 2 with a few tiles on it, every tip, the tool bar, the buttons and the icons.
Image makeContactSheet(const Fonts& fonts, const std::vector<TileSheet>& sheets, const std::vector<Background>& backgrounds,
                       const std::vector<Picture>& tips, const Image& toolbar, const std::vector<Picture>& buttons,
                       const std::vector<Image>& icons);
