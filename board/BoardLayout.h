#pragma once
// Where the board lies in the view: the tiles as large as the view allows
// ("Fit to window"), and the board with its margin ring centred in it.

// The offset that centres extent pixels in area pixels; 0 where they do not fit,
// so that a board larger than its view starts at the view's top-left corner.
constexpr int CentredOffset(long long area, long long extent)
{
    return area > extent ? static_cast<int>((area - extent) / 2) : 0;
}

// A tile size and the origin of the board's margin ring (cell 0, 0) in the view.
struct CBoardFit {
    int cx = 0, cy = 0;
    int x = 0, y = 0;
    bool operator==(const CBoardFit& o) const { return cx == o.cx && cy == o.cy && x == o.x && y == o.y; }
};

// The largest whole-pixel tile at which nColumns x nRows tiles and their margin
// ring of one tile fit a view of nViewWidth x nViewHeight, in the proportions of
// the Normal tile (nNormalCx x nNormalCy, at the view's scale): its width is its
// height times nNormalCx / nNormalCy, rounded to the nearest pixel, which gives
// the Big and Biggest tiles again at their heights. Never smaller than the Normal
// tile, which is therefore the frame's smallest; the board is centred, or at the
// top-left corner along a side where the view is smaller than it.
CBoardFit FitBoardToView(int nViewWidth, int nViewHeight, int nColumns, int nRows, int nNormalCx, int nNormalCy);
