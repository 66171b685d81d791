#include "BoardLayout.h"

#include <algorithm>

CBoardFit FitBoardToView(int nViewWidth, int nViewHeight, int nColumns, int nRows, int nNormalCx, int nNormalCy)
{
    // Sizes that make no board or no tile are taken as the nearest that do.
    constexpr int kLargestTile = 1 << 16;
    const long long across = std::max<long long>(nColumns, 1) + 2, down = std::max<long long>(nRows, 1) + 2;
    const long long normalCx = std::clamp(nNormalCx, 1, kLargestTile);
    const long long normalCy = std::clamp(nNormalCy, 1, kLargestTile);
    // A tile cy high is (2 cy normalCx + normalCy) div (2 normalCy) wide; that
    // is at most widest exactly when 2 cy normalCx < normalCy (2 widest + 1).
    const long long widest = std::max(nViewWidth, 0) / across;
    const long long highest = std::max(nViewHeight, 0) / down;
    const long long cy = std::max(std::min(highest, (normalCy * (2 * widest + 1) - 1) / (2 * normalCx)), normalCy);

    CBoardFit fit;
    fit.cy = static_cast<int>(cy);
    fit.cx = static_cast<int>((2 * cy * normalCx + normalCy) / (2 * normalCy));
    fit.x = CentredOffset(nViewWidth, across * fit.cx);
    fit.y = CentredOffset(nViewHeight, down * fit.cy);
    return fit;
}
