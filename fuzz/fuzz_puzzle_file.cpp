// Any bytes as a puzzle file: refused, or loaded into a board whose every
// operation stays inside the grid.

#include "FuzzFile.h"
#include "board/MahjongBoard.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const char* path = WriteInput(data, size);
    CMahjongBoard board;
    int elapsed = 0;
    if (!path || board.LoadFromFile(path, &elapsed) != 0)
        return 0;
    if (board.GetKinds() < 1 || board.GetWidth() < 1 || board.GetWidth() > 38)
        std::abort(); // a loaded board must be one the grid can hold

    // Play on the loaded board as the view would.
    CTilePairList pairs;
    board.FindAllPairs(pairs);
    for (const CTilePair& p : pairs) {
        const CTileCell a = board.GetCell(p.col1, p.row1);
        board.ToggleSelection(board.GetCell(p.col2, p.row2));
        CLinkPath path;
        board.LinkToSelection(a, path);
        board.CellFromPoint(a.x + 1, a.y + 1);
    }
    if (!pairs.empty()) {
        const CTilePair& p = pairs.front();
        board.RecordPair(board.GetCell(p.col1, p.row1), board.GetCell(p.col2, p.row2));
        CTileCell a, b;
        board.Undo(a, b);
    }
    return 0;
}
