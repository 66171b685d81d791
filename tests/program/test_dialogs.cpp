// The dialog templates as they open, the About dialog, the help window, and
// GDI objects across repeated openings.

#include "tests/program/Program.h"

#include "framework/Dialog.h"
#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CControlSpec {
    int id;
    const char* className;
    const char* text; // null: not looked at
    DWORD style;      // the style bits the control must have
    DWORD absent;     // the style bits it must not have
    bool border;      // a frame round it (the dialog may draw it sunken instead)
    RECT dialogUnits; // left, top, width, height
};

struct CTemplateSpec {
    UINT id;
    const char* caption;
    int cx, cy;
    int points;
    bool systemMenu;
    bool centred; // false: at the owner's client corner
    std::vector<CControlSpec> controls;
};

constexpr DWORD kTypeMask = 0xF; // a button's or static's kind
constexpr DWORD kOwnerDraw = BS_OWNERDRAW | WS_TABSTOP;

// Dialog units to pixels as the dialog places a control: its corner and its
// size are each converted.
RECT ToPixels(HWND hDlg, RECT r)
{
    ::MapDialogRect(hDlg, &r);
    return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

void ExpectTemplate(HWND hDlg, HWND hOwner, const CTemplateSpec& t)
{
    const std::string label = "template " + std::to_string(t.id);
    EXPECT_EQ(WindowText(hDlg), t.caption) << label;
    RECT client{};
    ::GetClientRect(hDlg, &client);
    const RECT size = ToPixels(hDlg, {0, 0, t.cx, t.cy});
    EXPECT_EQ(client.right, size.right) << label << " width";
    EXPECT_EQ(client.bottom, size.bottom) << label << " height";
    const LONG style = ::GetWindowLongA(hDlg, GWL_STYLE);
    EXPECT_TRUE(style & DS_MODALFRAME) << label;
    EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, true) << label;
    EXPECT_EQ((style & WS_SYSMENU) != 0, t.systemMenu) << label;

    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(hDlg, WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC hDC = ::GetDC(hDlg);
    EXPECT_EQ(font.lfHeight, -::MulDiv(t.points, ::GetDeviceCaps(hDC, LOGPIXELSY), 72)) << label << " font size";
    ::ReleaseDC(hDlg, hDC);
    EXPECT_STREQ(font.lfFaceName, "MS Shell Dlg") << label << ": a TrueType face at every scale";

    RECT window{}, owner{};
    ::GetWindowRect(hDlg, &window);
    ::GetWindowRect(hOwner, &owner);
    if (t.centred) {
        EXPECT_NEAR((window.left + window.right) / 2, (owner.left + owner.right) / 2, 1) << label;
        EXPECT_NEAR((window.top + window.bottom) / 2, (owner.top + owner.bottom) / 2, 1) << label;
    } else {
        POINT corner{0, 0}, ownerCorner{0, 0};
        ::ClientToScreen(hDlg, &corner);
        ::ClientToScreen(hOwner, &ownerCorner);
        EXPECT_EQ(corner.x, ownerCorner.x) << label;
        EXPECT_EQ(corner.y, ownerCorner.y) << label;
    }

    std::vector<HWND> children;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    ASSERT_EQ(children.size(), t.controls.size()) << label;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const CControlSpec& c = t.controls[i];
        const HWND h = children[i];
        const std::string where = label + " control " + std::to_string(c.id);
        EXPECT_EQ(::GetDlgCtrlID(h), c.id) << label << " control #" << i;
        EXPECT_EQ(::lstrcmpiA(ClassName(h).c_str(), c.className), 0) << where << ": " << ClassName(h);
        if (c.text) {
            EXPECT_EQ(WindowText(h), c.text) << where;
        }
        const DWORD actual = static_cast<DWORD>(::GetWindowLongA(h, GWL_STYLE));
        EXPECT_EQ(actual & kTypeMask, c.style & kTypeMask) << where << " kind";
        EXPECT_EQ(actual & c.style & ~kTypeMask, c.style & ~kTypeMask) << where << " style";
        EXPECT_EQ(actual & c.absent, 0u) << where << " style";
        const bool border = (actual & WS_BORDER) || (::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(border, c.border) << where << " border";
        RECT r{};
        ::GetWindowRect(h, &r);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&r), 2);
        const RECT expected = ToPixels(hDlg, c.dialogUnits);
        EXPECT_TRUE(::EqualRect(&r, &expected)) << where << " at " << r.left << "," << r.top << " " << r.right - r.left
                                               << " x " << r.bottom - r.top;
    }
}

TEST(DialogTemplates, OpenWithTheirCaptionsSizesFontsAndControls)
{
    const std::vector<CTemplateSpec> templates = {
        {IDD_ABOUTBOX, "About Morvane", 182, 149, 8, true, true, {{IDOK, "Button", "OK", kOwnerDraw, 0, false, {65, 122, 55, 20}}}},
        {IDD_CHOOSE_SET, "Dialog", 305, 175, 8, true, true,
         {{IDOK, "Button", "OK", BS_DEFPUSHBUTTON, 0, false, {248, 7, 50, 14}},
          {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON, 0, false, {248, 24, 50, 14}},
          {IDC_SET_LIST, "ListBox", nullptr, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, LBS_SORT, true, {228, 50, 70, 41}},
          {IDC_SET_PREVIEW, "Static", nullptr, SS_BITMAP | SS_CENTERIMAGE, 0, true, {19, 18, 192, 132}}}},
        {IDD_AUTO_SOLVE, "Auto Solve", 70, 46, 8, false, false,
         {{IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON, 0, false, {7, 24, 56, 15}},
          {IDC_SOLVE_COUNTER, "Static", "", SS_LEFT, 0, false, {15, 7, 41, 12}}}},
        {IDD_HIGH_SCORES, "High scores", 311, 245, 8, true, true,
         {{IDOK, "Button", "OK", kOwnerDraw, 0, false, {7, 213, 50, 25}},
          {IDC_CLEAR_SCORES, "Button", "Clear scores", kOwnerDraw, 0, false, {196, 213, 72, 25}}}},
        {IDD_FINISH, "Finish the game.", 194, 94, 10, true, true,
         {{IDOK, "Button", "OK", kOwnerDraw, 0, false, {77, 73, 40, 14}}}},
        {IDD_BEST_RESULT, "Best result", 186, 95, 8, true, true,
         {{IDC_STATIC, "Static", "Your name :", SS_CENTER, 0, false, {53, 13, 78, 11}},
          {IDC_NAME_EDIT, "Edit", "", ES_CENTER | ES_AUTOHSCROLL, 0, true, {14, 38, 157, 13}},
          {IDOK, "Button", "OK", BS_DEFPUSHBUTTON, 0, false, {55, 65, 75, 23}}}},
        {IDD_TIPS, "Tips about Morvane", 307, 157, 8, true, true,
         {{IDOK, "Button", "OK", BS_DEFPUSHBUTTON, 0, false, {250, 136, 50, 14}},
          {IDC_NO_TIPS, "Button", "Do not show this dialog on the start.", BS_AUTOCHECKBOX, 0, false, {18, 140, 135, 10}},
          {IDC_NEXT_TIP, "Button", "NEXT", BS_PUSHBUTTON, 0, false, {187, 134, 49, 16}}}},
    };
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const CTemplateSpec& t : templates) {
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            ExpectTemplate(hDlg, program.FrameWindow(), t);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        CDialog dialog(t.id);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "template " << t.id;
        EXPECT_EQ(answers.Pending(), 0u) << "template " << t.id;
    }
}

TEST(DialogTemplates, TheSetChooserShowsTheFirstSheetAndScrollsItsList)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CModalAnswers answers;
    SIZE shown{};
    bool scrolls = false;
    answers.Expect([&](HWND hDlg) {
        for (const char* name : {"Egiptian", "Signs", "Fractal dark", "Easy", "Fractal bright", "Child's",
                                 "Primeval art", "Plastic"})
            ::SendDlgItemMessageA(hDlg, IDC_SET_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        scrolls = ::GetWindowLongA(::GetDlgItem(hDlg, IDC_SET_LIST), GWL_STYLE) & WS_VSCROLL;
        const auto hBitmap = reinterpret_cast<HGDIOBJ>(
            ::SendDlgItemMessageA(hDlg, IDC_SET_PREVIEW, STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bm{};
        ::GetObjectA(hBitmap, sizeof bm, &bm);
        shown = {bm.bmWidth, bm.bmHeight};
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    CDialog(IDD_CHOOSE_SET).DoModal();
    EXPECT_EQ(shown.cx, 270);
    EXPECT_EQ(shown.cy, 200);
    EXPECT_TRUE(scrolls) << "eight names need the scroll bar";
}

constexpr std::uint32_t kFace = 0x74BFE2;      // RGB(116, 191, 226) as the screen holds it
constexpr std::uint32_t kLettering = 0x004AC6; // RGB(0, 74, 198)

// What the About dialog shows: the version line's place, and its OK button's picture.
struct CAboutLook {
    int width = 0, textLeft = -1, textRight = -1, textTop = -1;
    bool faceAtCorners = false;
    SIZE button{};
    bool buttonShowsPicture = false;
};

CAboutLook LookAtAbout(HWND hDlg)
{
    CAboutLook look;
    const CCapture screen = CaptureClient(hDlg);
    const HWND hButton = ::GetDlgItem(hDlg, IDOK);
    RECT b{};
    ::GetWindowRect(hButton, &b);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&b), 2);
    look.width = screen.width;
    look.button = {b.right - b.left, b.bottom - b.top};
    look.faceAtCorners = screen.At(0, 0) == kFace && screen.At(screen.width - 1, 0) == kFace &&
                         screen.At(0, screen.height - 1) == kFace;
    for (int y = 0; y < b.top; ++y)
        for (int x = 0; x < screen.width; ++x)
            if (screen.At(x, y) == kLettering) {
                look.textLeft = look.textLeft < 0 ? x : std::min(look.textLeft, x);
                look.textRight = std::max(look.textRight, x);
                look.textTop = look.textTop < 0 ? y : look.textTop;
            }
    const CCapture picture = BitmapPixels(IDB_OK_UP);
    look.buttonShowsPicture = picture.width == look.button.cx && picture.height == look.button.cy;
    // Its caption is written in the middle; the picture's rim shows as it is.
    for (int y = 0; look.buttonShowsPicture && y < picture.height; ++y)
        for (int x = 0; look.buttonShowsPicture && x < picture.width; ++x)
            look.buttonShowsPicture = (x >= 6 && x < picture.width - 6 && y >= 8 && y < picture.height - 8) ||
                                      screen.At(b.left + x, b.top + y) == picture.At(x, y);
    return look;
}

TEST(About, ShowsTheVersionLineCentredAndThePictureButton)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    CModalAnswers answers;
    CAboutLook look;
    answers.Expect([&](HWND hDlg) {
        look = LookAtAbout(hDlg);
        PressButton(hDlg, IDOK);
    });
    program.Command(ID_APP_ABOUT);
    ASSERT_EQ(answers.Seen(), std::vector<std::string>{"About Morvane"});
    EXPECT_TRUE(look.faceAtCorners);
    EXPECT_EQ(look.button.cx, 80);
    EXPECT_EQ(look.button.cy, 40);
    EXPECT_TRUE(look.buttonShowsPicture);
    ASSERT_GE(look.textLeft, 0) << "the version line is drawn";
    EXPECT_GT(look.textRight - look.textLeft, 60) << "a whole line, not a speck";
    EXPECT_NEAR(look.textLeft, look.width - 1 - look.textRight, 2) << "as far from the left edge as from the right";
    EXPECT_GT(look.textTop, 10) << "two lines down";
}

TEST(About, ClosesWithOkAndWithEscape)
{
    const struct {
        const char* label;
        std::function<void(HWND)> close;
    } cases[] = {
        {"OK", [](HWND hDlg) { PressButton(hDlg, IDOK); }},
        {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
        {"close box", [](HWND hDlg) { ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    for (const auto& c : cases) {
        CModalAnswers answers;
        HWND hAbout = nullptr;
        answers.Expect([&](HWND hDlg) {
            hAbout = hDlg;
            EXPECT_FALSE(::IsWindowEnabled(program.FrameWindow())) << c.label << ": the frame waits";
            c.close(hDlg);
        });
        program.Command(ID_APP_ABOUT);
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
        EXPECT_FALSE(::IsWindow(hAbout)) << c.label;
        EXPECT_TRUE(::IsWindowEnabled(program.FrameWindow())) << c.label;
        EXPECT_EQ(answers.Unexpected(), 0) << c.label;
    }
}

std::string ReadHelpFile()
{
    std::ifstream file(MORVANE_RESOURCES_DIR "/help.txt", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string withBreaks;
    for (char ch : text.str()) {
        if (ch == '\n')
            withBreaks += '\r';
        withBreaks += ch;
    }
    return withBreaks;
}

std::vector<HWND> HelpWindows()
{
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) {
            if (ClassName(hWnd) == "MorvaneHelp")
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(Help, ShowsTheHelpTextReadOnlyInAWindowOfItsOwn)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    program.Command(ID_HELP);
    std::vector<HWND> windows = HelpWindows();
    ASSERT_EQ(windows.size(), 1u);
    const HWND hHelp = windows[0];
    EXPECT_TRUE(::IsWindowVisible(hHelp));
    EXPECT_EQ(WindowText(hHelp), "Morvane Help");
    EXPECT_EQ(::GetWindow(hHelp, GW_OWNER), program.FrameWindow());
    RECT help{}, frame{};
    ::GetWindowRect(hHelp, &help);
    ::GetWindowRect(program.FrameWindow(), &frame);
    EXPECT_GE(help.left, frame.right) << "beside the game, not over it";
    EXPECT_EQ(help.top, frame.top);
    const HWND hText = ::GetWindow(hHelp, GW_CHILD);
    ASSERT_NE(hText, nullptr);
    EXPECT_TRUE(::GetWindowLongA(hText, GWL_STYLE) & ES_READONLY);
    const std::string expected = ReadHelpFile();
    ASSERT_GT(expected.size(), 1000u) << "help.txt is read";
    EXPECT_EQ(WindowText(hText), expected);

    ::SetFocus(hText);
    ASSERT_EQ(::GetFocus(), hText);
    EXPECT_TRUE(PressKeyAndWait('X'));
    EXPECT_EQ(WindowText(hText), expected) << "typing changes nothing";
    ::SendMessageW(hHelp, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&help));
    // Letters of one width, from a TrueType face, 9 points high at the window's scale.
    HDC hDC = ::GetDC(hText);
    const HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(hText, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(hDC, &metrics);
    SIZE narrow{}, wide{};
    ::GetTextExtentPoint32W(hDC, L"iiii", 4, &narrow);
    ::GetTextExtentPoint32W(hDC, L"WWWW", 4, &wide);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hText, hDC);
    EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_TRUETYPE) << "a new scale keeps a TrueType font";
    EXPECT_EQ(narrow.cx, wide.cx) << "of one width";
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, ::MulDiv(9, static_cast<int>(GetWindowDpi(hHelp)), 72));

    program.Command(ID_HELP);
    EXPECT_EQ(HelpWindows(), std::vector<HWND>{hHelp}) << "Help again shows the same window";

    ::SendMessageA(hHelp, WM_CLOSE, 0, 0);
    EXPECT_TRUE(HelpWindows().empty());
    program.Command(ID_HELP);
    EXPECT_EQ(HelpWindows().size(), 1u) << "and it opens again after it was closed";
}

TEST(Harness, AModalWindowNoTestExpectedIsClosedAndFailsTheTest)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_NONFATAL_FAILURE(program.Command(ID_APP_ABOUT), "did not expect: \"About Morvane\"");
    CModalAnswers answers;
    EXPECT_NONFATAL_FAILURE(program.Command(ID_HIGH_SCORES), "did not expect: \"High scores\"");
    EXPECT_EQ(answers.Unexpected(), 1);
}

TEST(GdiObjects, DoNotGrowAcrossRepeatedOpenings)
{
    CScratchSettings store;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const auto openAbout = [&] {
        CModalAnswers answers;
        answers.Expect([](HWND hDlg) { PressButton(hDlg, IDOK); });
        program.Command(ID_APP_ABOUT);
    };
    const auto openHelp = [&] {
        program.Command(ID_HELP);
        for (HWND hHelp : HelpWindows())
            ::SendMessageA(hHelp, WM_CLOSE, 0, 0);
    };
    const auto tickClocks = [&] {
        ::SendMessageA(program.View().m_hWnd, WM_TIMER, 1001, 0);
        Pump(10);
    };
    const struct {
        const char* label;
        std::function<void()> once;
    } cases[] = {{"About dialog", openAbout}, {"help window", openHelp}, {"total clock", tickClocks}};
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i) // caches of the system fill up first
            c.once();
        const int before = CountGdiObjects();
        ASSERT_GT(before, 0) << c.label << ": GDI objects can be counted";
        for (int i = 0; i < 20; ++i)
            c.once();
        EXPECT_EQ(CountGdiObjects(), before) << c.label;
    }
}

} // namespace
