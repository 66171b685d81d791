// The board picture at the largest tiles: composing it, cutting the tiles, and
// how many fade frames fit in 500 ms (one frame blends one tile's rectangle).

#include "board/MahjongBoard.h"
#include "commands/BoardPicture.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Layout {
    int kinds, width, height, cx, cy;
};
const Layout kLargest[] = {{40, 20, 16, 44, 59}, {36, 18, 8, 51, 68}};

std::uint32_t FixedSeed()
{
    return 5;
}

struct Scene {
    explicit Scene(const Layout& l) : board(l.kinds, l.width, l.height), background(300 * 300, 0x336699)
    {
        board.LoadTilesFromResource(nullptr, l.cx, l.cy);
        SetDealSeedSource(&FixedSeed);
        CTilePairList plan;
        board.Deal(plan);
        const CPixelRect r = BoardPictureRect(board);
        pixels.assign(static_cast<std::size_t>(r.cx) * r.cy, 0);
    }
    CPixelSurface Picture()
    {
        const CPixelRect r = BoardPictureRect(board);
        return CPixelSurface(pixels.data(), r.cx, r.cy);
    }
    CPixelSurface Background() { return CPixelSurface(background.data(), 300, 300); }

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
        board.LoadTilesFromResource(nullptr, l.cx, l.cy);
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

int Register()
{
    for (const Layout& l : kLargest) {
        const std::string name = std::to_string(l.width) + "x" + std::to_string(l.height) + "@" +
                                 std::to_string(l.cx) + "x" + std::to_string(l.cy);
        benchmark::RegisterBenchmark(("ComposePicture/" + name).c_str(), BM_Compose, l)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("CutTiles/" + name).c_str(), BM_CutTiles, l)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FadeFrame/" + name).c_str(), BM_FadeFrame, l)->Unit(benchmark::kMicrosecond);
    }
    return 0;
}
const int registered = Register();

} // namespace

BENCHMARK_MAIN();
