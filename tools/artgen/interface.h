#pragma once
#include "image.h"
#include "quantize.h"
#include "tiles.h"

#include <string>
#include <vector>

struct Picture {
    std::string file;  // name under resources/
    Image image;
};

constexpr int kToolbarButtons = 11;
constexpr int kToolbarButtonWidth = 26;
constexpr int kToolbarHeight = 25;

// The sixteen colours of the tool bar bitmap.
const std::vector<Colour8>& toolbarPalette();
// The tool bar strip, 286 x 25 times the scale: New, Help me!, Hint, Auto, Undo, Sound ON, Next tiles, Pause,
// Help, About, Exit.
Image makeToolbar(const Fonts& fonts, int scale);
// OK and Clear scores, raised and pressed, at scale times their size.
std::vector<Picture> makeButtons(int scale);
// The seven tip pictures, tip160.bmp to tip166.bmp, at scale times their size from the tool bar strip and the
// tile sheets of that scale.
std::vector<Picture> makeTips(const Fonts& fonts, const Image& toolbar, const std::vector<TileSheet>& sheets, int scale);
// The program icon at 16 x 16 and 32 x 32.
std::vector<Image> makeIcons();
