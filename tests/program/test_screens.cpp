// The program at the scale and on the screen it runs on: tools/test-screens.sh
// runs these cases on screens of several sizes, DPIs and task bars.

#include "tests/program/PlayTools.h"

#include "board/BmpFile.h"
#include "framework/Scale.h"
#include "framework/Screen.h"
#include "view/BoardSizes.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

namespace {

UINT ScreenDpi()
{
    const HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    return static_cast<UINT>(dpi);
}

// The picture drawn for the screen's scale: above 96 DPI the one at twice the size.
CBmpFile ArtOfScale(const std::string& name, UINT dpi)
{
    CBmpFile picture((std::string(MORVANE_RESOURCES_DIR) + "/" + name + (dpi > 96 ? "-2x.bmp" : ".bmp")).c_str());
    EXPECT_TRUE(picture.Decode()) << name;
    return picture;
}

// Pixel (x, y) of the picture stretched to w x h, each pixel taken from one
// of the picture's, as the screen shows it.
std::uint32_t StretchedPixel(const CBmpFile& picture, int w, int h, int x, int y)
{
    return SwapRedBlue(picture.GetBits()[y * picture.GetHeight() / h * picture.GetWidth() + x * picture.GetWidth() / w]);
}

// The tile of kind k cut from a sheet stretched to 9 x 5 tiles of cx x cy.
std::vector<std::uint32_t> SheetTile(const CBmpFile& sheet, int k, int cx, int cy)
{
    std::vector<std::uint32_t> tile;
    for (int y = k / 9 * cy; y < (k / 9 + 1) * cy; ++y)
        for (int x = k % 9 * cx; x < (k % 9 + 1) * cx; ++x)
            tile.push_back(StretchedPixel(sheet, 9 * cx, 5 * cy, x, y));
    return tile;
}

TEST(Screens, EverySizeAndStepFitsTheWorkAreaWithTilesCutFromTheSheetOfTheScale)
{
    const UINT dpi = ScreenDpi();
    const CBmpFile sheet = ArtOfScale("tiles131", dpi);
    CScratchSettings store;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(hFrame, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT& work = monitor.rcWork;
    const bool lowScreen = (monitor.rcMonitor.bottom - monitor.rcMonitor.top) * 96 / static_cast<int>(dpi) < 750;
    const struct {
        UINT command;
        double factor;
    } steps[] = {{ID_TILES_NORMAL, 1.0}, {ID_TILES_BIG, 1.3}, {ID_TILES_BIGGEST, 1.7}};
    for (const auto& step : steps) {
        for (const CBoardSize& size : kBoardSizes) {
            const std::string label = std::string(size.lpszKey) + " at " + std::to_string(step.factor) + " and " +
                                      std::to_string(dpi) + " DPI";
            CModalAnswers answers;
            answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
            answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
            program.Command(step.command);
            program.Command(size.nCommand);
            const int w = size.nColumns + 2, h = size.nRows + 2;
            const int baseX = size.nRows == 16 ? (lowScreen ? 21 : 26) : size.nRows == 12 && lowScreen ? 26 : 30;
            const int baseY = size.nRows == 16 ? (lowScreen ? 27 : 35) : size.nRows == 12 && lowScreen ? 35 : 40;
            const int nominalX = static_cast<int>(static_cast<int>(baseX * step.factor) * dpi / 96);
            const int nominalY = static_cast<int>(static_cast<int>(baseY * step.factor) * dpi / 96);
            const int cx = g_pBoard->GetTileWidth(), cy = g_pBoard->GetTileHeight();
            RECT frame{};
            ::GetWindowRect(hFrame, &frame);
            EXPECT_GE(frame.left, work.left) << label;
            EXPECT_GE(frame.top, work.top) << label;
            EXPECT_LE(frame.right, work.right) << label;
            EXPECT_LE(frame.bottom, work.bottom) << label;
            // The step's own tiles wherever their frame fits, smaller ones only where it does not.
            const bool nominalFits = frame.right - frame.left + (nominalX - cx) * w <= work.right - work.left &&
                                     frame.bottom - frame.top + (nominalY - cy) * h <= work.bottom - work.top;
            if (nominalFits) {
                EXPECT_EQ(cx, nominalX) << label;
                EXPECT_EQ(cy, nominalY) << label;
            } else {
                EXPECT_LT(cx, nominalX) << label;
                EXPECT_GE(cx, static_cast<int>(16 * dpi / 96)) << label;
                EXPECT_GE(cy, static_cast<int>(21 * dpi / 96)) << label;
            }
            const CTileCell first = Cell(1, 1);
            EXPECT_EQ(ScreenRect(program, RectOf(first)), SheetTile(sheet, first.kind, cx, cy)) << label;
            // Every pane of the status bar holds its text whole, in the bar's font.
            const HWND hStatus = StatusBar(program);
            CClientDC dc(&program.Frame().m_wndStatusBar);
            CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(hStatus, WM_GETFONT, 0, 0)));
            for (int pane = 0; pane < 3; ++pane) {
                RECT r{};
                ::SendMessageW(hStatus, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&r));
                EXPECT_GE(r.right - r.left, dc.GetTextExtent(PaneText(hStatus, pane).c_str()).cx) << label << pane;
            }
        }
    }
}

TEST(Screens, TheTipIsThePictureOfTheScaleAtItsSize)
{
    const UINT dpi = ScreenDpi();
    const CBmpFile tip = ArtOfScale("tip160", dpi);
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CCapture screen, next;
    RECT checkBox{};
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        screen = CaptureClient(hDlg);
        PressButton(hDlg, IDC_NEXT_TIP);
        next = CaptureClient(hDlg);
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_NO_TIPS), &checkBox);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&checkBox), 2);
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_SHOW_TIP);
    // 450 x 200 at 96 DPI, 5 pixels in; the last rows lie under the buttons.
    const int margin = ScaleToDpi(5, dpi), w = ScaleToDpi(450, dpi), h = ScaleToDpi(200, dpi);
    ASSERT_GE(screen.width, margin + w);
    int differing = 0, boxChanged = 0;
    for (int y = 0; y < ScaleToDpi(180, dpi); ++y)
        for (int x = 0; x < w; ++x)
            differing += !OnTipWords(0, ScaleToDpi(x, kBaseDpi * kBaseDpi / dpi), ScaleToDpi(y, kBaseDpi * kBaseDpi / dpi)) &&
                         screen.At(margin + x, margin + y) != StretchedPixel(tip, w, h, x, y);
    for (int y = checkBox.top; y < checkBox.bottom; ++y)
        for (int x = checkBox.left; x < checkBox.right; ++x)
            boxChanged += screen.At(x, y) != next.At(x, y);
    EXPECT_EQ(differing, 0) << dpi << " DPI";
    EXPECT_EQ(boxChanged, 0) << "the next tip is drawn round the check box, at " << dpi << " DPI";
}

TEST(Screens, ANewScaleLaysTheGameInPlayOutAgainAsItWas)
{
    CScratchSettings store({{"SizeX", "20"}, {"SizeY", "16"}, {"Tiles", "40"}, {"SizeTiles", "2"}});
    CFixedDeal deal;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CTilePair pair;
    ASSERT_TRUE(FirstPair(pair));
    ClickCell(program, pair.col1, pair.row1);
    ClickCell(program, pair.col2, pair.row2);
    const int removed = pair.col1 == 1 && pair.row1 == 1 ? 2 : 1;
    ClickCell(program, removed, 1);
    MoveCursorTo(program, 3, 2);
    std::vector<int> kinds;
    for (int i = 0; i < 20 * 16; ++i)
        kinds.push_back(g_pBoard->GetIndexKind(i));
    const int started = program.View().m_tGameStart;

    // Windows tells the frame of its scale with the rectangle it suggests.
    const UINT dpi = ScreenDpi();
    RECT suggested{120, 30, 420, 330};
    ::SendMessageW(program.FrameWindow(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    for (int i = 0; i < 20 * 16; ++i)
        EXPECT_EQ(g_pBoard->GetIndexKind(i), kinds[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(g_pBoard->GetSelectedCell().x, Cell(removed, 1).x) << "the selection stays";
    EXPECT_EQ(g_pBoard->GetSelectedCell().y, Cell(removed, 1).y);
    EXPECT_EQ(program.View().m_tGameStart, started);
    RECT client{}, frame{};
    ::GetClientRect(program.View().m_hWnd, &client);
    EXPECT_EQ(client.right, g_pBoard->GetTileWidth() * 22);
    EXPECT_EQ(client.bottom, g_pBoard->GetTileHeight() * 18);
    ::GetWindowRect(program.FrameWindow(), &frame);
    EXPECT_EQ(frame.left, 120);
    ExpectCursorAt(program, 3, 2, "after the new scale");
    program.Command(ID_UNDO);
    EXPECT_EQ(g_pBoard->GetCell(pair.col1, pair.row1).kind, pair.kind) << "the undo ring kept the pair";
}

TEST(Screens, WindowsSuggestsTheFrameTheBoardNeedsAtTheNewScaleAndTheFrameStaysWhereItIsPut)
{
    CScratchSettings store;
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    const UINT dpi = ScreenDpi();
    RECT frame{};
    ::GetWindowRect(hFrame, &frame);
    // A lower screen: the board needs smaller tiles, and so another frame, than today's.
    const CScreenHeight lower((frame.bottom - frame.top) * 3 / 4);
    SIZE size{};
    ASSERT_TRUE(::SendMessageW(hFrame, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
    EXPECT_LT(size.cy, frame.bottom - frame.top);
    const RECT work = GetWorkArea(hFrame);
    const int y = work.top + (work.bottom - work.top - size.cy) / 2; // a place where the frame fits
    const struct {
        const char* label;
        int x, y;       // where Windows puts the frame
        int left, top;  // where it stays
    } cases[] = {
        {"inside the work area", work.left + 30, y, work.left + 30, y},
        {"over the right edge", work.right - size.cx / 2, y, work.right - size.cx, y},
        {"over the left and bottom edges", work.left - 25, work.bottom - size.cy + 40, work.left, work.bottom - size.cy},
    };
    for (const auto& c : cases) {
        RECT suggested{c.x, c.y, c.x + size.cx, c.y + size.cy};
        ::SendMessageW(hFrame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ::GetWindowRect(hFrame, &frame);
        EXPECT_EQ(frame.right - frame.left, size.cx) << c.label << ": the size Windows was told";
        EXPECT_EQ(frame.bottom - frame.top, size.cy) << c.label;
        EXPECT_EQ(frame.left, c.left) << c.label;
        EXPECT_EQ(frame.top, c.top) << c.label;
    }
}

// The rectangle of a dialog's control in the dialog's client area.
RECT ControlRect(HWND hDlg, int id)
{
    RECT r{};
    ::GetWindowRect(::GetDlgItem(hDlg, id), &r);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Windows tells the dialog of a new scale, with its own rectangle.
void SendDpiChanged(HWND hDlg)
{
    RECT r{};
    ::GetWindowRect(hDlg, &r);
    const UINT dpi = ScreenDpi();
    ::SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    ::UpdateWindow(hDlg);
}

TEST(Screens, TheSetChooserPlacesAndDrawsItsPreviewAtTheDialogsScale)
{
    const UINT dpi = ScreenDpi();
    const CBmpFile sheet = ArtOfScale("tiles131", dpi);
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const int margin = ScaleToDpi(5, dpi), w = ScaleToDpi(270, dpi), h = ScaleToDpi(200, dpi);
    const auto differing = [&](HWND hDlg) {
        const CCapture preview = CaptureClient(::GetDlgItem(hDlg, IDC_SET_PREVIEW));
        int n = preview.width >= margin + w && preview.height >= margin + h ? 0 : -1;
        for (int y = 0; n >= 0 && y < h; ++y)
            for (int x = 0; x < w; ++x)
                n += preview.At(margin + x, margin + y) != StretchedPixel(sheet, w, h, x, y);
        return n;
    };
    const RECT place{ScaleToDpi(20, dpi), ScaleToDpi(20, dpi), ScaleToDpi(300, dpi), ScaleToDpi(230, dpi)};
    RECT opened{}, changed{};
    int atOpening = -1, afterChange = -1;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        opened = ControlRect(hDlg, IDC_SET_PREVIEW);
        atOpening = differing(hDlg);
        ::MoveWindow(::GetDlgItem(hDlg, IDC_SET_PREVIEW), 0, 0, 10, 10, TRUE);
        SendDpiChanged(hDlg);
        changed = ControlRect(hDlg, IDC_SET_PREVIEW);
        afterChange = differing(hDlg);
        PressButton(hDlg, IDCANCEL);
    });
    program.Command(ID_CHOOSE_SETS);
    EXPECT_TRUE(::EqualRect(&opened, &place)) << opened.left << "," << opened.top << " " << opened.right << "," << opened.bottom;
    EXPECT_TRUE(::EqualRect(&changed, &place)) << "placed again at the new scale";
    EXPECT_EQ(atOpening, 0) << "pixels of the sheet not as drawn at " << dpi << " DPI";
    EXPECT_EQ(afterChange, 0) << "drawn again at the new scale";
}

TEST(Screens, TheGamesDialogsPaintTheirTextAboveTheirPictureButtonsAtEveryScale)
{
    const UINT dpi = ScreenDpi();
    CScratchSettings store({{"8_10", "3725"}, {"8_10\\Name", "WWWWWWWWWW"}, {"20_16", "359999"}});
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::uint32_t lettering = 0x004AC6;
    const struct {
        UINT command;
        std::vector<std::pair<int, SIZE>> buttons; // at 96 DPI
    } dialogs[] = {
        {ID_APP_ABOUT, {{IDOK, {80, 40}}}},
        {ID_HIGH_SCORES, {{IDOK, {80, 40}}, {IDC_CLEAR_SCORES, {160, 40}}}},
    };
    for (const auto& d : dialogs) {
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            const std::string label = WindowText(hDlg) + " at " + std::to_string(dpi) + " DPI";
            // The buttons' pictures again at the scale Windows tells, whatever size it gave them.
            for (const auto& b : d.buttons)
                ::SetWindowPos(::GetDlgItem(hDlg, b.first), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
            SendDpiChanged(hDlg);
            int top = INT_MAX;
            std::vector<RECT> buttons;
            for (const auto& b : d.buttons) {
                buttons.push_back(ControlRect(hDlg, b.first));
                const RECT& r = buttons.back();
                EXPECT_EQ(r.right - r.left, ScaleToDpi(b.second.cx, dpi)) << label << " " << b.first;
                EXPECT_EQ(r.bottom - r.top, ScaleToDpi(b.second.cy, dpi)) << label << " " << b.first;
                top = std::min<int>(top, r.top);
            }
            // No letter below the buttons' top or past the edge.
            const CCapture screen = CaptureClient(hDlg);
            int lowest = -1, rightmost = -1;
            for (int y = 0; y < screen.height; ++y)
                for (int x = 0; x < screen.width; ++x) {
                    const POINT p{x, y};
                    const bool onButton = std::any_of(buttons.begin(), buttons.end(), [&](const RECT& r) { return ::PtInRect(&r, p); });
                    if (!onButton && screen.At(x, y) == lettering)
                        lowest = y, rightmost = std::max(rightmost, x);
                }
            EXPECT_GT(lowest, 0) << label << ": the text is painted";
            EXPECT_LT(lowest, top) << label;
            EXPECT_LT(rightmost, screen.width - 1) << label;
            PressButton(hDlg, IDOK);
        });
        program.Command(d.command);
    }
}

TEST(Screens, TheHelpTextsLinesFitTheHelpWindowWholeAtTheScaleAndAfterAChange)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    program.Command(ID_HELP);
    const HWND hHelp = ::FindWindowW(L"MorvaneHelp", nullptr);
    ASSERT_NE(hHelp, nullptr);
    const HWND hText = ::GetWindow(hHelp, GW_CHILD);
    const std::string text = WindowText(hText);
    const auto lines = static_cast<LRESULT>(std::count(text.begin(), text.end(), '\n') + 1);
    EXPECT_EQ(::SendMessageW(hText, EM_GETLINECOUNT, 0, 0), lines) << "no line wraps at " << ScreenDpi() << " DPI";
    // Windows suggests too narrow a rectangle: the window keeps the text's width.
    RECT help{}, narrow{};
    ::GetWindowRect(hHelp, &help);
    narrow = {help.left, help.top, help.left + (help.right - help.left) / 2, help.bottom};
    const UINT dpi = ScreenDpi();
    ::SendMessageW(hHelp, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&narrow));
    RECT after{};
    ::GetWindowRect(hHelp, &after);
    EXPECT_TRUE(::EqualRect(&after, &help)) << after.right - after.left << " wide for " << help.right - help.left;
    EXPECT_EQ(::SendMessageW(hText, EM_GETLINECOUNT, 0, 0), lines);
    ::SendMessageW(hHelp, WM_CLOSE, 0, 0);
}

TEST(Screens, TheStatisticsShowEveryColumnWholeInsideTheWorkArea)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const std::string label = std::to_string(ScreenDpi()) + " DPI";
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        RECT dialog{}, room = GetWorkArea(hDlg), inside{};
        ::GetWindowRect(hDlg, &dialog);
        EXPECT_TRUE(::IntersectRect(&inside, &dialog, &room) && ::EqualRect(&inside, &dialog)) << label;
        const HWND hList = ::GetDlgItem(hDlg, IDC_STATISTICS_LIST);
        RECT client{};
        ::GetClientRect(hList, &client);
        int total = 0;
        const HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
        for (int col = 0; col < ::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0); ++col) {
            wchar_t title[64] = L"";
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = title;
            column.cchTextMax = 64;
            ::SendMessageW(hList, LVM_GETCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
            const auto width = [&](const wchar_t* text) {
                return static_cast<int>(::SendMessageW(hList, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
            };
            EXPECT_GT(column.cx, width(title) + width(L"M")) << label << ": " << Utf8(title) << " whole";
            total += column.cx;
        }
        EXPECT_LE(total, client.right) << label << ": no column out of sight";
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_STATISTICS);
    EXPECT_EQ(answers.Pending(), 0u) << label;
}

} // namespace
