// The built-in tile sheets come from the program's bitmap resources.

#include "board/TileSheetSource.h"
#include "commands/BoardPicture.h"
#include "framework/Gdi.h"

#include <windows.h>

#include <cstdint>
#include <vector>

bool LoadBuiltInSheet(unsigned id, CTileImage& sheet)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return false;
    const CSize size = bitmap.GetSize();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr) ||
        ::GetDIBits(dc.m_hDC, bitmap.GetSafeHandle(), 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS) != size.cy)
        return false;
    for (std::uint32_t& pixel : pixels)
        pixel = SwapRedBlue(pixel & 0xFFFFFF);
    sheet.SetBits(pixels.data(), size.cx, size.cy);
    return true;
}
