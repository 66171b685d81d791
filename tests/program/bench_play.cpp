// Measures the real program under Wine with the real clock (not run by ctest):
// frames shown in one 500 ms fade at the largest tiles, the time from a
// matching click to the link line on the screen, and at the end of a game the
// time from the click that clears the board to the dialog on the screen and
// from its OK to the next board on the screen; a save and a load of the
// largest board through the file dialogs; and a tile-set change at the
// largest tiles (cut plus new picture), from a built-in set and from the
// player's pictures; the time from an arrow key to the keyboard cursor on the
// screen; from a change of scale to the board laid out anew; the game's CPU
// time over the wall time of three matches and a hint, and how long a message
// to COM's window waits meanwhile; a resize step with "Fit to window".
// bench_play [rounds] (bench_play waits: the last alone; bench_play resize
// [rounds]: the resize step alone)

#include "tests/program/Program.h"

#include "board/MahjongBoard.h"
#include "framework/App.h"
#include "resources/resource.h"
#include "tests/BmpBuilder.h"
#include "tests/harness/Harness.h"
#include "view/MahjongView.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
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

double Now()
{
    LARGE_INTEGER t, f;
    ::QueryPerformanceCounter(&t);
    ::QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// When the first dialog after a mark came up.
double g_dialogUp = 0;
LRESULT CALLBACK NoteDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && g_dialogUp == 0)
        g_dialogUp = Now();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs a file command with path typed into its dialog: the time from the
// dialog's OK to the end of the command.
double TimeFileCommand(const CRunningProgram& program, UINT id, const std::string& path)
{
    double pressed = 0;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, 0x47C, path.c_str()); // the file name box
        pressed = Now();
        PressButton(hDlg, IDOK);
    });
    program.Command(id);
    return Now() - pressed;
}

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

double CpuMilliseconds()
{
    FILETIME created, ended, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ms = [](const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32 | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

// Another thread posts to COM's window every 20 ms, as COM does for a call from
// another process; each message carries when it was posted.
HWND g_hCom = nullptr;
volatile bool g_bPosting = false;
std::vector<double> g_comWaits;
DWORD WINAPI PostToCom(void*)
{
    for (double t; g_bPosting; ::Sleep(20))
        ::PostMessageW(g_hCom, WM_APP, 0, static_cast<LPARAM>((t = Now()) * 1000));
    return 0;
}
LRESULT CALLBACK NoteComWait(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (wParam == PM_REMOVE && msg->hwnd == g_hCom && msg->message == WM_APP)
        g_comWaits.push_back(Now() - static_cast<double>(msg->lParam) / 1000);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Three matches and a hint at the real clock, the player moving the mouse meanwhile.
void MeasureWaits()
{
    CScratchSettings store;
    CRunningProgram program;
    const HWND hView = program.View().m_hWnd;
    // The board's object as a screen reader gets it: COM makes its window.
    IAccessible* pObject = nullptr;
    ::ObjectFromLresult(::SendMessageW(hView, WM_GETOBJECT, 0, OBJID_CLIENT), __uuidof(IAccessible), 0,
                        reinterpret_cast<void**>(&pObject));
    g_hCom = ::FindWindowExW(HWND_MESSAGE, nullptr, L"OleMainThreadWndClass", nullptr);
    const HHOOK hHook = ::SetWindowsHookExW(WH_GETMESSAGE, NoteComWait, nullptr, ::GetCurrentThreadId());
    g_bPosting = true;
    const HANDLE hPoster = ::CreateThread(nullptr, 0, PostToCom, nullptr, 0, nullptr);
    const double cpu = CpuMilliseconds(), wall = Now();
    for (int i = 0; i < 3; ++i) {
        CTilePairList pairs;
        g_pBoard->FindAllPairs(pairs);
        Click(hView, g_pBoard->GetCell(pairs[0].col1, pairs[0].row1));
        Click(hView, g_pBoard->GetCell(pairs[0].col2, pairs[0].row2));
    }
    ::PostMessageW(hView, WM_MOUSEMOVE, 0, 0); // input that stays queued must not wake the wait again and again
    program.Command(ID_HINT);
    const double spentCpu = CpuMilliseconds() - cpu, spentWall = Now() - wall;
    g_bPosting = false;
    ::WaitForSingleObject(hPoster, INFINITE);
    ::CloseHandle(hPoster);
    ::UnhookWindowsHookEx(hHook);
    if (pObject)
        pObject->Release();
    std::printf("waits of three matches and a hint: %.0f ms CPU over %.0f ms wall: %.3f of a core\n", spentCpu,
                spentWall, spentCpu / spentWall);
    if (!g_comWaits.empty())
        std::printf("a message to COM's window during the waits waited: median %.2f ms, longest %.1f ms (%d)\n",
                    Median(g_comWaits), *std::max_element(g_comWaits.begin(), g_comWaits.end()),
                    static_cast<int>(g_comWaits.size()));
}

// When the frame first heard of its new size after a mark: what comes before
// is the system's own resize of the window.
double g_frameSized = 0;
LRESULT CALLBACK NoteFrameSize(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SIZE && message->hwnd == AfxGetMainWnd()->m_hWnd &&
        g_frameSized == 0)
        g_frameSized = Now();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A resize step of a 20 x 16 board with "Fit to window", from the frame's new
// size to the board on the screen: the view made 2560 x 1440 (or as large as
// the screen lets it be) and 18 pixels lower by turns, each step with tiles cut
// anew, then 2400 x 1440 and one pixel narrower by turns, with the same tiles;
// and of each step, the part from the frame's WM_SIZE on (the game's own).
// Beside it, the system's own cost: an empty window of the frame's sizes
// resized the same way and painted whole; and the same board at Biggest laid
// out anew, tiles and all, as a change of scale does.
void MeasureResize(int rounds)
{
    const CThreadHook hook(WH_CALLWNDPROC, NoteFrameSize);
    // Each step's time, and the part from the frame's WM_SIZE on.
    const auto timeSteps = [&](HWND hWnd, SIZE a, SIZE b, std::vector<double>& times, std::vector<double>& own) {
        for (int i = 0; i < rounds * 2; ++i) {
            const SIZE to = i % 2 ? b : a;
            g_frameSized = 0;
            const double start = Now();
            ::MoveWindow(hWnd, 0, 0, to.cx, to.cy, TRUE);
            if (hWnd != AfxGetMainWnd()->m_hWnd) // the frame paints the board itself before MoveWindow returns
                ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
            times.push_back(Now() - start);
            if (g_frameSized > 0)
                own.push_back(Now() - g_frameSized);
        }
    };
    for (const char* step : {"3", "2"}) {
        CScratchSettings store({{"SizeX", "20"}, {"SizeY", "16"}, {"Tiles", "40"}, {"SizeTiles", step}});
        CRunningProgram program;
        const HWND hFrame = program.FrameWindow(), hView = program.View().m_hWnd;
        RECT frame{}, client{};
        ::GetWindowRect(hFrame, &frame);
        ::GetClientRect(hView, &client);
        const int extraX = frame.right - frame.left - client.right, extraY = frame.bottom - frame.top - client.bottom;
        std::vector<double> cut, cutOwn, same, sameOwn, bare, rescale;
        if (step[0] == '3') {
            const SIZE high{2560 + extraX, 1440 + extraY}, lower{high.cx, high.cy - 18};
            timeSteps(hFrame, high, lower, cut, cutOwn);
            timeSteps(hFrame, {2400 + extraX, 1440 + extraY}, {2399 + extraX, 1440 + extraY}, same, sameOwn);
            ::GetClientRect(hView, &client);
            const HWND hBare = ::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                                                 nullptr, nullptr, nullptr, nullptr);
            timeSteps(hBare, high, lower, bare, bare); // an empty window has no WM_SIZE of the frame
            ::DestroyWindow(hBare);
            std::printf("20x16 fit to a view of %ldx%ld at %dx%d, median of %d steps each: with new tiles %.1f ms, "
                        "from the frame's WM_SIZE on (the game's own part) %.1f ms; with the same tiles %.1f ms, the "
                        "game's own part %.1f ms; an empty window resized as with new tiles and painted %.1f ms\n",
                        client.right, client.bottom, g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(),
                        static_cast<int>(cut.size()), Median(cut), Median(cutOwn), Median(same), Median(sameOwn),
                        Median(bare));
            continue;
        }
        for (int i = 0; i < rounds * 2; ++i) {
            const UINT dpi = program.View().GetDpi();
            const double start = Now();
            ::SendMessageW(hFrame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
            rescale.push_back(Now() - start);
        }
        std::printf("20x16 at Biggest, %dx%d: laid out anew, tiles and all: median %.1f ms (%d)\n",
                    g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(), Median(rescale),
                    static_cast<int>(rescale.size()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "resize") {
        MeasureResize(argc > 2 ? std::atoi(argv[2]) : 5);
        return 0;
    }
    MeasureWaits();
    if (argc > 1 && std::string(argv[1]) == "waits")
        return 0;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    struct Layout {
        const char* size;
        const char* columns;
        const char* rows;
        const char* kinds;
    };
    for (const Layout& l : {Layout{"20x16", "20", "16", "40"}, Layout{"18x8", "18", "8", "36"}}) {
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
        // A tile-set change: "Next tiles", a cut and a new picture.
        std::vector<double> next;
        for (int i = 0; i < rounds * 8; ++i) {
            const double start = Now();
            program.Command(ID_NEXT_TILES);
            next.push_back(Now() - start);
        }
        // A change of scale as Windows tells it, to the game laid out anew on the screen.
        std::vector<double> rescale;
        for (int i = 0; i < rounds; ++i) {
            RECT frame{};
            ::GetWindowRect(program.FrameWindow(), &frame);
            const UINT dpi = view.GetDpi();
            const double start = Now();
            ::SendMessageW(program.FrameWindow(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
            rescale.push_back(Now() - start);
        }
        std::printf("%s at %dx%d, %u DPI: new scale to the board on screen: median %.1f ms (%d changes)\n", l.size,
                    g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(), view.GetDpi(), Median(rescale),
                    static_cast<int>(rescale.size()));
        // An arrow key pressed as the player does, until the screen shows the
        // cursor's corner (a yellow dash) on the cell it moves to.
        std::vector<double> keyToCursor;
        ::SetFocus(view.m_hWnd);
        PressKeyAndWait(VK_HOME);
        for (int i = 0; i < rounds * 4; ++i) {
            PressKeyAndWait(VK_HOME);
            const CTileCell to = g_pBoard->GetCell(2, view.m_nCursorRow);
            const HDC hDC = ::GetDC(view.m_hWnd);
            const double start = Now();
            PressKey(VK_RIGHT);
            const auto shown = [&] { return ::GetPixel(hDC, to.x, to.y) == RGB(0xFF, 0xD8, 0x00); };
            while (!shown()) {
                MSG msg;
                while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
                    AfxGetApp()->PumpMessage();
            }
            keyToCursor.push_back(Now() - start);
            ::ReleaseDC(view.m_hWnd, hDC);
            Pump(20);
        }
        std::printf("%s at %dx%d: arrow key to cursor on screen: median %.2f ms, longest %.2f ms (%d keys)\n", l.size,
                    g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(), Median(keyToCursor),
                    *std::max_element(keyToCursor.begin(), keyToCursor.end()), static_cast<int>(keyToCursor.size()));
        std::printf("%s at %dx%d: Next tiles: median %.1f ms (%d changes)\n", l.size, g_pBoard->GetTileWidth(),
                    g_pBoard->GetTileHeight(), Median(next), static_cast<int>(next.size()));
        std::printf("%s at %dx%d: frames in one fade: median %.0f; click to line on screen: median %.2f ms (%d rounds)\n",
                    l.size, g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(), Median(frames), Median(latency),
                    static_cast<int>(frames.size()));
    }

    // The end of a game: one pair left on a 20 x 16 board at the largest tiles.
    CScratchSettings store({{"SizeX", "20"}, {"SizeY", "16"}, {"Tiles", "40"}, {"SizeTiles", "2"}});
    CRunningProgram program;
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, NoteDialog, nullptr, ::GetCurrentThreadId());
    std::vector<double> toDialog, toBoard;
    for (int i = 0; i < rounds; ++i) {
        CTilePairList pairs;
        g_pBoard->FindAllPairs(pairs);
        const CTileCell a = g_pBoard->GetCell(pairs[0].col1, pairs[0].row1);
        const CTileCell b = g_pBoard->GetCell(pairs[0].col2, pairs[0].row2);
        for (int r = 1; r <= g_pBoard->GetHeight(); ++r)
            for (int c = 1; c <= g_pBoard->GetWidth(); ++c)
                if (!(g_pBoard->GetCell(c, r) == a) && !(g_pBoard->GetCell(c, r) == b))
                    g_pBoard->RemoveTileAt(g_pBoard->GetCell(c, r));
        program.View().RenderBoardPicture();
        double pressed = 0;
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            pressed = Now();
            PressButton(hDlg, IDOK);
        });
        Click(program.View().m_hWnd, a);
        g_dialogUp = 0;
        const double clicked = Now();
        Click(program.View().m_hWnd, b); // the line, two fades, the dialog, the next puzzle
        toDialog.push_back(g_dialogUp - clicked);
        toBoard.push_back(Now() - pressed);
    }
    ::UnhookWindowsHookEx(hHook);

    // A save and a load of the 20 x 16 board, from the dialog's OK to the end of the command.
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "morvane-bench.mhj";
    std::vector<double> save, load;
    for (int i = 0; i < rounds; ++i) {
        save.push_back(TimeFileCommand(program, ID_SAVE_TO, path));
        load.push_back(TimeFileCommand(program, ID_LOAD_FROM, path));
    }
    ::DeleteFileA(path.c_str());
    std::printf("end of game: click to dialog: median %.0f ms (of which 2000 ms line and fades); "
                "OK to next board: median %.0f ms (%d rounds)\n",
                Median(toDialog), Median(toBoard), static_cast<int>(toDialog.size()));
    std::printf("20x16 at %dx%d: save: median %.1f ms; load: median %.1f ms (from the dialog's OK, %d rounds)\n",
                g_pBoard->GetTileWidth(), g_pBoard->GetTileHeight(), Median(save), Median(load),
                static_cast<int>(save.size()));

    // A picture of the player's, from its Open button to the new picture on the screen.
    const std::string sheet = std::string(folder) + "morvane-bench-sheet.bmp";
    for (const SIZE size : {SIZE{270, 200}, SIZE{2700, 2000}, SIZE{8192, 4096}}) {
        const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy, 0x3366CC);
        const std::vector<unsigned char> file = Bmp24(size.cx, size.cy, pixels);
        std::ofstream(sheet, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
        std::vector<double> picked;
        for (int i = 0; i < rounds; ++i)
            picked.push_back(TimeFileCommand(program, ID_SELECT_SET, sheet));
        std::printf("picture %5ldx%-5ld Open to new picture: median %.1f ms (%d rounds)\n", size.cx, size.cy,
                    Median(picked), static_cast<int>(picked.size()));
    }
    ::DeleteFileA(sheet.c_str());
    return 0;
}
