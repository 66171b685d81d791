// The built-in sheets read from .bmp files in a folder, for builds without the
// program's resources (the native build and the tests).

#include "SheetFiles.h"

#include "BmpFile.h"
#include "MahjongBoard.h"
#include "TileSheetSource.h"

#include <string>

namespace {
std::string g_folder = MORVANE_RESOURCES_DIR;
}

void SetSheetFolder(const char* folder)
{
    g_folder = folder;
}

const CTileImage* BuiltInSheet(unsigned id)
{
    // The last sheet read is kept, as the program keeps its resource's.
    static std::string kept;
    static CTileImage sheet;
    const unsigned twice = CMahjongBoard::kDoubleSizeSheet;
    const std::string path =
        g_folder + "/tiles" + (id >= twice ? std::to_string(id - twice) + "-2x" : std::to_string(id)) + ".bmp";
    if (path != kept) {
        kept.clear();
        CBmpFile bmp(path.c_str());
        if (!bmp.Decode())
            return nullptr;
        sheet.SetBits(bmp.GetBits(), bmp.GetWidth(), bmp.GetHeight());
        kept = path;
    }
    return &sheet;
}
