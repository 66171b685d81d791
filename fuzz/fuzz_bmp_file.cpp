// Any bytes as a .bmp: decoded within its buffers, and cut into tiles.

#include "FuzzFile.h"
#include "board/BmpFile.h"
#include "board/MahjongBoard.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const char* path = WriteInput(data, size);
    if (!path)
        return 0;
    CBmpFile bmp(path);
    if (!bmp.Decode())
        return 0;
    // Every pixel is a COLORREF: nothing in the top byte.
    const std::uint32_t* bits = bmp.GetBits();
    for (long i = 0, n = static_cast<long>(bmp.GetWidth()) * bmp.GetHeight(); i < n; ++i)
        if (bits[i] >> 24)
            std::abort();

    CMahjongBoard board(45, 9, 10);
    board.LoadTilesFromFile(nullptr, 5, 6, path);
    return 0;
}
