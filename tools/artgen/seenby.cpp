// Shows tile sheets as they look in full colour and to players without red-green vision: each sheet a row,
// in full colour, as a protanope sees it and as a deuteranope sees it.
// Usage: seenby OUT_PNG LABEL SHEET_BMP [LABEL SHEET_BMP]...
#include "board/BmpFile.h"
#include "files.h"
#include "font.h"
#include "vision.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {
const int kMargin = 10, kLabel = 20;
const char* const kViewerNames[kViewers] = {"full colour", "protanopia", "deuteranopia"};

// The sheet as the viewer sees it.
Image seenSheet(const CBmpFile& bmp, Viewer viewer)
{
    Image image(bmp.GetWidth(), bmp.GetHeight());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t c = bmp.GetBits()[x + y * image.width()];  // 0x00BBGGRR
            const Rgb8 seen = seenBy(viewer, {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16)});
            image.at(x, y) = rgb(seen.r, seen.g, seen.b);
        }
    return image;
}
}

int main(int argc, char** argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::cerr << "usage: seenby OUT_PNG LABEL SHEET_BMP [LABEL SHEET_BMP]...\n";
        return 2;
    }
    try {
        Font font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        std::vector<CBmpFile> sheets;
        int width = 0, height = 0;
        for (int i = 3; i < argc; i += 2) {
            sheets.emplace_back(argv[i]);
            if (!sheets.back().Decode())
                throw std::runtime_error(std::string("cannot read ") + argv[i]);
            width = std::max(width, sheets.back().GetWidth());
            height = std::max(height, sheets.back().GetHeight());
        }
        const int rowHeight = kLabel + height + kMargin;
        Image page(kMargin + kViewers * (width + kMargin), kMargin + int(sheets.size()) * rowHeight, rgb(236, 236, 236));
        for (std::size_t row = 0; row < sheets.size(); ++row)
            for (int v = 0; v < kViewers; ++v) {
                const int x = kMargin + v * (width + kMargin), y = kMargin + int(row) * rowHeight;
                font.draw(page, std::string(argv[2 + 2 * row]) + ", " + kViewerNames[v], 13, x, y + 14, rgb(20, 20, 20));
                page.paste(seenSheet(sheets[row], Viewer(v)), x, y + kLabel);
            }
        writePng(argv[1], page);
    } catch (const std::exception& e) {
        std::cerr << "seenby: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
