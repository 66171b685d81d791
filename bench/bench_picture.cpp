// The board picture at the largest tiles: composing it, cutting the tiles, and
// how many fade frames fit in 500 ms (one frame blends one tile's rectangle);
// and one step of a board fitted to a view: tiles made and picture composed.

#include "board/BoardLayout.h"
#include "board/MahjongBoard.h"
#include "commands/BoardPicture.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Layout {
    int kinds, width, height, cx, cy;
    unsigned sheet; // the tiles' sheet: the one drawn at twice the size above 96 DPI
    int back;       // the background square's side at the layout's scale
};
// The largest tiles at 96 DPI, and at 192 DPI (what a 3840 x 2160 screen gets).
const Layout kLargest[] = {{40, 20, 16, 44, 59, 131, 300},
                           {36, 18, 8, 51, 68, 131, 300},
                           {40, 20, 16, 78, 104, 1131, 600},
                           {36, 18, 8, 102, 136, 1131, 600}};

std::uint32_t FixedSeed()
{
    return 5;
}

struct Scene {
    explicit Scene(const Layout& l)
        : layout(l), board(l.kinds, l.width, l.height), background(static_cast<std::size_t>(l.back) * l.back)
    {
        for (std::size_t i = 0; i < background.size(); ++i)
            background[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
        board.LoadTilesFromResource(nullptr, l.cx, l.cy, l.sheet);
        SetDealSeedSource(&FixedSeed);
        CTilePairList plan;
        board.Deal(plan);
        const CPixelRect r = BoardPictureRect(board);
        pixels.assign(static_cast<std::size_t>(r.cx) * r.cy, 0);
    }
    // The picture at the board's size, its pixels enlarged if the board has grown.
    CPixelSurface Picture()
    {
        const CPixelRect r = BoardPictureRect(board);
        pixels.resize(std::max(pixels.size(), static_cast<std::size_t>(r.cx) * r.cy));
        return CPixelSurface(pixels.data(), r.cx, r.cy);
    }
    CPixelSurface Background() { return CPixelSurface(background.data(), layout.back, layout.back); }

    Layout layout;
    CMahjongBoard board;
    std::vector<std::uint32_t> background;
    std::vector<std::uint32_t> pixels;
};

void BM_Compose(benchmark::State& state, Layout l)
{
    Scene scene(l);
    for (auto _ : state) {
        CPixelSurface picture = scene.Picture();
        ComposeBoardPicture(picture, scene.board, scene.Background());
        benchmark::DoNotOptimize(scene.pixels.data());
    }
}

void BM_CutTiles(benchmark::State& state, Layout l)
{
    CMahjongBoard board(l.kinds, l.width, l.height);
    for (auto _ : state)
        board.LoadTilesFromResource(nullptr, l.cx, l.cy, l.sheet);
}

// What a change of scale does to the game in play: the tiles cut anew, the
// cells laid out at their size, and the picture composed.
void BM_ScaleChange(benchmark::State& state, Layout l)
{
    Scene scene(l);
    Layout other = l;
    other.cx = l.cx * 2 / 3;
    other.cy = l.cy * 2 / 3;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(l.cx) * (l.width + 2) * l.cy * (l.height + 2));
    bool large = false;
    for (auto _ : state) {
        const Layout& to = (large = !large) ? l : other;
        scene.board.LoadTilesFromResource(nullptr, to.cx, to.cy, to.sheet);
        scene.board.LayOutCells();
        const CPixelRect r = BoardPictureRect(scene.board);
        CPixelSurface picture(pixels.data(), r.cx, r.cy);
        ComposeBoardPicture(picture, scene.board, scene.Background());
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_FadeFrame(benchmark::State& state, Layout l)
{
    Scene scene(l);
    CPixelSurface picture = scene.Picture();
    ComposeBoardPicture(picture, scene.board, scene.Background());
    const CPixelRect tile{l.cx * 3, l.cy * 2, l.cx, l.cy};
    const std::vector<std::uint32_t> old = CopyRect(picture, tile);
    unsigned level = 0;
    for (auto _ : state) {
        BlendRectToBackground(picture, tile, old, scene.Background(), level);
        level = (level + 1) % 250;
        benchmark::DoNotOptimize(scene.pixels.data());
    }
}

// What a view does when its size changes: the tiles made at the size that
// fits it and the board composed, centred in the whole view. The fixed sizes'
// step is the same with their own tiles in a picture of the board's size.
struct Fit {
    const char* name;
    int viewW, viewH; // 0 x 0: the board's own picture at the layout's tiles
    Layout layout;
    CTileScaling scaling;
};
const Fit kFits[] = {
    {"FitToWindow/20x16 in 2560x1440", 2560, 1440, {40, 20, 16, 26, 35, 1131, 300}, CTileScaling::Average},
    {"FitToWindow/18x8 in 2560x1440", 2560, 1440, {36, 18, 8, 30, 40, 1131, 300}, CTileScaling::Average},
    {"FixedBiggest/20x16@44x59", 0, 0, {40, 20, 16, 44, 59, 131, 300}, CTileScaling::Stretch},
    {"FixedBiggest/18x8@51x68", 0, 0, {36, 18, 8, 51, 68, 131, 300}, CTileScaling::Stretch},
};

CBoardFit TilesFor(const Fit& f)
{
    const Layout& l = f.layout;
    return f.viewW ? FitBoardToView(f.viewW, f.viewH, l.width, l.height, l.cx, l.cy) : CBoardFit{l.cx, l.cy, 0, 0};
}

void BM_MakeTiles(benchmark::State& state, Fit f)
{
    const CBoardFit fit = TilesFor(f);
    CMahjongBoard board(f.layout.kinds, f.layout.width, f.layout.height);
    for (auto _ : state)
        board.LoadTilesFromResource(nullptr, fit.cx, fit.cy, f.layout.sheet, f.scaling);
}

void BM_ComposeInView(benchmark::State& state, Fit f)
{
    Scene scene(f.layout);
    const CBoardFit fit = TilesFor(f);
    scene.board.LoadTilesFromResource(nullptr, fit.cx, fit.cy, f.layout.sheet, f.scaling);
    scene.board.SetLayoutArea(f.viewW, f.viewH);
    for (auto _ : state) {
        CPixelSurface picture = scene.Picture();
        ComposeBoardPicture(picture, scene.board, scene.Background());
        benchmark::DoNotOptimize(scene.pixels.data());
    }
}

void BM_ResizeStep(benchmark::State& state, Fit f)
{
    Scene scene(f.layout);
    const CBoardFit fit = TilesFor(f);
    scene.board.SetLayoutArea(f.viewW, f.viewH);
    for (auto _ : state) {
        scene.board.LoadTilesFromResource(nullptr, fit.cx, fit.cy, f.layout.sheet, f.scaling);
        scene.board.LayOutCells();
        CPixelSurface picture = scene.Picture();
        ComposeBoardPicture(picture, scene.board, scene.Background());
        benchmark::DoNotOptimize(scene.pixels.data());
    }
}

int Register()
{
    for (const Fit& f : kFits) {
        const std::string name = f.name;
        for (const auto& [what, run] : {std::pair("/MakeTiles", BM_MakeTiles), std::pair("/Compose", BM_ComposeInView),
                                        std::pair("/Step", BM_ResizeStep)})
            benchmark::RegisterBenchmark((name + what).c_str(), run, f)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(9)
                ->ReportAggregatesOnly(true);
    }
    for (const Layout& l : kLargest) {
        const std::string name = std::to_string(l.width) + "x" + std::to_string(l.height) + "@" +
                                 std::to_string(l.cx) + "x" + std::to_string(l.cy);
        benchmark::RegisterBenchmark(("ComposePicture/" + name).c_str(), BM_Compose, l)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("CutTiles/" + name).c_str(), BM_CutTiles, l)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FadeFrame/" + name).c_str(), BM_FadeFrame, l)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ScaleChange/" + name).c_str(), BM_ScaleChange, l)->Unit(benchmark::kMillisecond);
    }
    return 0;
}
const int registered = Register();

} // namespace

BENCHMARK_MAIN();
