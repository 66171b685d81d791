// Cutting the tile pictures from a sheet of 9 x 5 slots: slot col + row x 9 is
// the picture of that kind. The sheet is first stretched to 9 cx x 5 cy.

#include "BmpFile.h"
#include "MahjongBoard.h"
#include "TileSheetSource.h"

#include <string>

void CMahjongBoard::CutSheet(const std::uint32_t* pixels, int w, int h, int cx, int cy, CTileScaling scaling)
{
    if (!pixels || w < 1 || h < 1)
        throw NULL_PICTURE();
    if (cx < 1 || cy < 1)
        throw CBadBoardSize("tile size " + std::to_string(cx) + " x " + std::to_string(cy) + " is not positive");
    CTileImage sheet;
    sheet.Resize(kSheetColumns * cx, kSheetRows * cy);
    (scaling == CTileScaling::Average ? AveragePixels : StretchPixels)(pixels, w, h, sheet);

    m_nTileWidth = cx;
    m_nTileHeight = cy;
    for (int kind = 0; kind < m_nKinds; ++kind) {
        CTileImage& image = m_pImages[kind];
        image.Resize(cx, cy);
        if (kind >= kSheetColumns * kSheetRows)
            continue; // kinds past the sheet's slots stay black
        const int left = kind % kSheetColumns * cx, top = kind / kSheetColumns * cy;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                image.SetAt(x, y, sheet.GetAt(left + x, top + y));
    }
}

void CMahjongBoard::LoadTilesFromResource(CDC*, int cx, int cy, unsigned id, CTileScaling scaling)
{
    const CTileImage* sheet = BuiltInSheet(id);
    if (!sheet)
        throw NULL_PICTURE();
    CutSheet(sheet->m_pBits, sheet->m_nWidth, sheet->m_nHeight, cx, cy, scaling);
}

bool CMahjongBoard::LoadTilesFromFile(CDC* pDC, int cx, int cy, const char* path, CTileScaling scaling)
{
    // A missing, unreadable or undecodable picture gives the default sheet.
    if (path) {
        CBmpFile bmp(path);
        if (bmp.Decode()) {
            CutSheet(bmp.GetBits(), bmp.GetWidth(), bmp.GetHeight(), cx, cy, scaling);
            return true;
        }
    }
    const unsigned fallback = scaling == CTileScaling::Average ? kDefaultSheet + kDoubleSizeSheet : kDefaultSheet;
    LoadTilesFromResource(pDC, cx, cy, fallback, scaling);
    return false;
}
