#pragma once
// The small records the board hands in and out, and the exceptions it throws.

#include <cstdint>
#include <stdexcept>
#include <vector>

// One cell of the grid: its pixel rectangle in the board picture and the kind
// of tile it holds (-1, and only -1, means empty).
struct CTileCell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t kind = -1;
    std::int32_t cx = 0;
    std::int32_t cy = 0;

    CTileCell() = default;
    CTileCell(std::int32_t x_, std::int32_t y_, std::int32_t kind_, std::int32_t cx_, std::int32_t cy_)
        : x(x_), y(y_), kind(kind_), cx(cx_), cy(cy_) {}

    bool IsEmpty() const { return kind == -1; }
    bool operator==(const CTileCell& o) const
    {
        return x == o.x && y == o.y && kind == o.kind && cx == o.cx && cy == o.cy;
    }
    bool operator!=(const CTileCell& o) const { return !(*this == o); }
};

// Up to four grid points of a link line; only x (column) and y (row) are used,
// points the line does not need are (-1, -1).
struct CLinkPath {
    CTileCell m_pt[4];
};

// One removable pair, as the deal plan, the solver and the hints record it.
struct CTilePair {
    std::int16_t col1;
    std::int16_t row1;
    std::int16_t col2;
    std::int16_t row2;
    std::int32_t kind;
};

using CTilePairList = std::vector<CTilePair>;

// One tile moved down its column by gravity, or back up by an undo.
struct CTileMove {
    std::int32_t col;
    std::int32_t fromRow;
    std::int32_t toRow;
};

// One removed pair with the kinds its two cells held, and the tiles that fell
// into the gaps it left, in the order they moved.
struct CUndoEntry {
    std::int32_t col1 = 0;
    std::int32_t row1 = 0;
    std::int32_t kind1 = -1;
    std::int32_t col2 = 0;
    std::int32_t row2 = 0;
    std::int32_t kind2 = -1;
    std::vector<CTileMove> falls;
};

// Thrown by value, carrying nothing: memory for tile pictures could not be had,
// a deal was asked of a board without tile pictures, a picture was given no pixels.
class HAVENOTMEM {};
class HAVENOTTILES {};
class NULL_PICTURE {};

// Thrown when a board is asked for a size or a number of kinds the grid cannot hold.
class CBadBoardSize : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};
