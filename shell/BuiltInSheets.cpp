// The built-in tile sheets come from the program's bitmap resources.

#include "board/TileSheetSource.h"
#include "commands/BoardPicture.h"
#include "framework/Gdi.h"

#include <cstdint>
#include <vector>

bool LoadBuiltInSheet(unsigned id, CTileImage& sheet)
{
    std::vector<std::uint32_t> pixels;
    CSize size;
    if (!LoadBitmapPixels(id, pixels, size))
        return false;
    for (std::uint32_t& pixel : pixels)
        pixel = SwapRedBlue(pixel);
    sheet.SetBits(pixels.data(), size.cx, size.cy);
    return true;
}
