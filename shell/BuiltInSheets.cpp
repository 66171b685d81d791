// The built-in tile sheets come from the program's bitmap resources.

#include "board/TileSheetSource.h"
#include "commands/BoardPicture.h"
#include "framework/App.h"
#include "framework/Gdi.h"

#include <cstdint>
#include <vector>

const CTileImage* BuiltInSheet(unsigned id)
{
    // The sheet last decoded is kept for the resource it came from: a frame
    // being resized cuts its tiles from the same sheet again and again.
    static const char* kept = nullptr;
    static CTileImage sheet;
    const char* resource = AfxLoadResourceData(MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)).data(); // RT_BITMAP
    if (!resource)
        return nullptr;
    if (resource != kept) {
        std::vector<std::uint32_t> pixels;
        CSize size;
        kept = nullptr;
        if (!LoadBitmapPixels(id, pixels, size))
            return nullptr;
        for (std::uint32_t& pixel : pixels)
            pixel = SwapRedBlue(pixel);
        sheet.SetBits(pixels.data(), size.cx, size.cy);
        kept = resource;
    }
    return &sheet;
}
