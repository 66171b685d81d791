#include "shell/TileNames.h"

#include "framework/App.h"
#include "framework/Language.h"
#include "resources/resource.h"

#include <windows.h>

#include <string_view>

namespace {
// The set's names, one a line; empty when the set has none.
std::string_view NamesOfSet(int nTileSet)
{
    return AfxLoadResourceData(MAKEINTRESOURCEW(nTileSet), L"TILENAMES");
}
} // namespace

std::string TileName(int nTileSet, int nKind)
{
    std::string_view names = nTileSet != 0 ? NamesOfSet(nTileSet) : "";
    for (int i = 0; i < nKind && !names.empty(); ++i) {
        const std::size_t end = names.find('\n');
        names = end == std::string_view::npos ? "" : names.substr(end + 1);
    }
    const std::string_view name = names.substr(0, names.find_first_of("\r\n"));
    return name.empty() ? AfxFormatString(IDS_TILE_NUMBER, {std::to_string(nKind + 1)}).str() : std::string(name);
}
