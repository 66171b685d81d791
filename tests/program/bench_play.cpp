// Measures the real program under Wine with the real clock (not run by ctest):
// frames shown in one 500 ms fade at the largest tiles, and the time from a
// matching click to the link line on the screen. bench_play [rounds]

#include "tests/program/Program.h"

#include "board/MahjongBoard.h"
#include "resources/resource.h"
#include "view/MahjongView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The real clock, counting the millisecond reads and noting when the first one
// after a mark came: each fade frame reads it once, and the matching click
// reads it first when the line is already on the screen.
class CCountingClock : public CClock {
public:
    CCountingClock() { SetClock(this); }
    ~CCountingClock() override { SetClock(nullptr); }
    std::uint32_t TickCount() override
    {
        ++m_nReads;
        if (m_firstRead.QuadPart == 0)
            ::QueryPerformanceCounter(&m_firstRead);
        return CClock::TickCount();
    }
    void Mark()
    {
        m_nReads = 0;
        m_firstRead.QuadPart = 0;
        ::QueryPerformanceCounter(&m_mark);
    }
    double MillisecondsToFirstRead() const
    {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return 1000.0 * static_cast<double>(m_firstRead.QuadPart - m_mark.QuadPart) / static_cast<double>(f.QuadPart);
    }
    int m_nReads = 0;

private:
    LARGE_INTEGER m_mark{}, m_firstRead{};
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Click(HWND hView, const CTileCell& cell)
{
    const LPARAM at = MAKELPARAM(cell.x + cell.cx / 2, cell.y + cell.cy / 2);
    ::SendMessageA(hView, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hView, WM_LBUTTONUP, 0, at);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    struct Layout {
        const char* size;
        const char* columns;
        const char* rows;
        const char* kinds;
    };
    for (const Layout& l : {Layout{"20x16 at 44x59", "20", "16", "40"}, Layout{"18x8 at 51x68", "18", "8", "36"}}) {
        CScratchSettings store({{"SizeX", l.columns}, {"SizeY", l.rows}, {"Tiles", l.kinds}, {"SizeTiles", "2"}});
        CRunningProgram program;
        CMahjongView& view = program.View();
        CCountingClock clock;
        std::vector<double> frames, latency;
        for (int i = 0; i < rounds; ++i) {
            CTilePairList pairs;
            g_pBoard->FindAllPairs(pairs);
            if (pairs.empty())
                break;
            const CTileCell a = g_pBoard->GetCell(pairs[0].col1, pairs[0].row1);
            const CTileCell b = g_pBoard->GetCell(pairs[0].col2, pairs[0].row2);
            Click(view.m_hWnd, a);
            clock.Mark();
            Click(view.m_hWnd, b); // the line, a second's wait, two fades
            latency.push_back(clock.MillisecondsToFirstRead());

            // A fade of its own, on a tile of the picture (the board keeps it).
            const CTileCell c = g_pBoard->GetCell(pairs.back().col1, pairs.back().row1);
            clock.Mark();
            view.EraseTileRect(c.x, c.y, c.cx, c.cy, 0);
            frames.push_back(clock.m_nReads - 1); // the first read is the start time
        }
        std::printf("%-16s frames in one fade: median %.0f; click to line on screen: median %.2f ms (%d rounds)\n",
                    l.size, Median(frames), Median(latency), static_cast<int>(frames.size()));
    }
    return 0;
}
