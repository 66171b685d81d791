// The player's language: chosen in the menu and taken at once, stored, taken
// at start; and every dialog with every text whole in every language.

#include "tests/program/PlayTools.h"

#include "board/Languages.h"
#include "framework/Language.h"
#include "framework/Scale.h"
#include "framework/Screen.h"
#include "shell/BestResultDlg.h"
#include "shell/FinishDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string MenuText(HWND hFrame, int nPopup)
{
    wchar_t text[128] = L"";
    ::GetMenuStringW(::GetMenu(hFrame), nPopup, text, ARRAYSIZE(text), MF_BYPOSITION);
    return Utf8(text);
}

// The caption of the dialog a command opens, closed with Cancel.
std::string DialogCaption(const CRunningProgram& program, UINT command)
{
    std::string caption;
    CModalAnswers answers;
    answers.Expect([&](HWND hDlg) {
        caption = WindowText(hDlg);
        PressButton(hDlg, IDCANCEL);
    });
    program.Command(command);
    return caption;
}

// A choice in the menu is stored and taken at once (menu, check mark, caption,
// status bar, a dialog opened after it), and taken again at the next start;
// unknown and damaged stored names are the native table's.
TEST(Languages, AChoiceInTheMenuIsStoredTakenAtOnceAndAtTheNextStart)
{
    const struct {
        UINT command;
        const char *stored, *file, *edit, *caption, *pairs, *dialog;
    } cases[] = {{ID_LANGUAGE_DE, "de-DE", "&Datei", "Bearbeiten", "Bestzeit: 00:00:00", "Mögliche Paare: ", "Spiel wählen"},
                 {ID_LANGUAGE_WINDOWS, "", "&File", "Edit", "Best result is 00:00:00", "", "Select deal"}};
    CScratchSettings store(CScratchSettings::Entries{{"Language", ""}});
    CGameClock clock;
    for (const auto& c : cases) {
        {
            CRunningProgram program;
            ASSERT_TRUE(program.Started()) << c.stored;
            program.Command(c.command);
            const HWND hFrame = program.FrameWindow();
            EXPECT_EQ(CScratchSettings::Read("Language"), c.stored);
            EXPECT_TRUE(MenuChecked(program, c.command)) << c.stored;
            EXPECT_EQ(MenuText(hFrame, 0) + " " + MenuText(hFrame, 1), std::string(c.file) + " " + c.edit);
            EXPECT_EQ(WindowText(hFrame), c.caption);
            const int pairs = RemovablePairs();
            EXPECT_EQ(PaneText(StatusBar(program), 2), *c.pairs ? c.pairs + std::to_string(pairs) : MatchedText(pairs));
            EXPECT_EQ(DialogCaption(program, ID_SELECT_DEAL), c.dialog) << "a dialog opened after the choice";
        }
        CRunningProgram again;
        ASSERT_TRUE(again.Started()) << c.stored;
        EXPECT_EQ(MenuText(again.FrameWindow(), 0), c.file) << c.stored << ": at the next start";
    }
}

// ---- Every text whole ----

// The width and height text needs in the control's own font, laid out as
// DrawText does with uFormat within nWidth.
SIZE Needed(HWND hCtrl, const std::string& text, UINT uFormat, int nWidth)
{
    HDC hDC = ::GetDC(hCtrl);
    const HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(hCtrl, WM_GETFONT, 0, 0)));
    const std::wstring wide = Wide(text);
    RECT r = {0, 0, nWidth, 0};
    ::DrawTextW(hDC, wide.c_str(), static_cast<int>(wide.size()), &r, uFormat | DT_CALCRECT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hCtrl, hDC);
    return {r.right, r.bottom};
}

RECT ClientRectIn(HWND hCtrl, HWND hDlg)
{
    RECT r{};
    ::GetWindowRect(hCtrl, &r);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectControlTextWhole(HWND hDlg, HWND hCtrl, const std::string& label)
{
    const std::string text = WindowText(hCtrl), cls = ClassName(hCtrl);
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(hCtrl, GWL_STYLE));
    const RECT r = ClientRectIn(hCtrl, hDlg);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const std::string what = label + ", control " + std::to_string(::GetDlgCtrlID(hCtrl)) + " \"" + text + "\"";
    const bool picture = cls == "Static" && (style & SS_TYPEMASK) == SS_BITMAP;
    if (AfxGetResourceLanguage() == kPseudoLanguage.nLangId && !text.empty() && cls != "Edit" && !picture) {
        EXPECT_EQ(text.front(), '[') << what << ": a text from the resources";
    }
    const UINT dpi = GetWindowDpi(hDlg);
    if (cls == "Button" && (style & 0xF) == BS_OWNERDRAW) {
        auto* button = dynamic_cast<CBitmapButton*>(CWnd::FromHandle(hCtrl));
        ASSERT_NE(button, nullptr) << what;
        CClientDC dc(button);
        EXPECT_TRUE(button->DrawCaption(dc, {0, 0, w, h}, false)) << what;
    } else if (cls == "Button" && !text.empty()) {
        const bool box = (style & 0xF) == BS_AUTOCHECKBOX || (style & 0xF) == BS_CHECKBOX;
        const int room = w - (box ? GetSystemMetricForDpi(SM_CXMENUCHECK, dpi) + ScaleToDpi(3, dpi) : ScaleToDpi(6, dpi));
        EXPECT_LE(Needed(hCtrl, text, DT_SINGLELINE, room).cx, room) << what;
    } else if (cls == "Static" && !text.empty() && !picture) {
        const SIZE needed = Needed(hCtrl, text, DT_WORDBREAK, w);
        EXPECT_LE(needed.cx, w) << what;
        EXPECT_LE(needed.cy, h) << what;
    } else if (cls == "SysListView32") {
        // Every column as wide as its heading, and all of them within the list.
        const HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hCtrl, LVM_GETHEADER, 0, 0));
        RECT inside{};
        ::GetClientRect(hCtrl, &inside);
        int total = 0;
        for (int i = 0, n = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0)); i < n; ++i) {
            wchar_t heading[128] = L"";
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = heading;
            column.cchTextMax = ARRAYSIZE(heading);
            ::SendMessageW(hCtrl, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
            EXPECT_LE(Needed(hHeader, Utf8(heading), DT_SINGLELINE, column.cx).cx, column.cx) << what << Utf8(heading);
            total += column.cx;
        }
        EXPECT_LE(total, inside.right) << what << ": the columns within the list";
    }
}

// Lettering the dialog paints itself, cut at the face's left or right edge,
// leaves its colour in the face's outermost columns.
void ExpectPaintedTextInside(HWND hDlg, const std::string& label)
{
    if (!dynamic_cast<CFaceDialog*>(CWnd::FromHandle(hDlg)))
        return;
    const CCapture face = CaptureClient(hDlg);
    int lettering = 0;
    for (int y = 0; y < face.height; ++y)
        for (const int x : {0, 1, face.width - 2, face.width - 1})
            lettering += face.At(x, y) == 0x004AC6; // kDialogLettering as 0x00RRGGBB
    EXPECT_EQ(lettering, 0) << label << ": painted text at the face's edge";
}

void ExpectTextsWhole(HWND hDlg, const std::string& label)
{
    RECT window{}, client{};
    ::GetWindowRect(hDlg, &window);
    ::GetClientRect(hDlg, &client);
    const RECT work = GetWorkArea(hDlg);
    EXPECT_TRUE(window.left >= work.left && window.top >= work.top && window.right <= work.right &&
                window.bottom <= work.bottom)
        << label << ": within the work area";
    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT)) {
        const RECT r = ClientRectIn(hCtrl, hDlg);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << label << ", control " << ::GetDlgCtrlID(hCtrl) << " within the dialog";
        ExpectControlTextWhole(hDlg, hCtrl, label);
    }
    ExpectPaintedTextInside(hDlg, label);
}

// Each tip's title and text fit their places on the picture.
void ExpectTipWordsWhole(HWND hDlg, const std::string& label)
{
    const UINT dpi = GetWindowDpi(hDlg);
    HDC hDC = ::GetDC(hDlg);
    for (int n = 0; n < 7; ++n) {
        for (const bool title : {true, false}) {
            const RECT p = TipWordsPlace(n, title);
            const RECT room = {ScaleToDpi(p.left, dpi), ScaleToDpi(p.top, dpi), ScaleToDpi(p.right, dpi),
                               ScaleToDpi(p.bottom, dpi)};
            const UINT id = (title ? IDS_TIP_TITLE : IDS_TIP_TEXT) + 2 * n;
            EXPECT_TRUE(DrawFittingText(hDC, Wide(AfxLoadText(id)), room,
                                        (title ? DT_SINGLELINE : DT_WORDBREAK) | DT_NOPREFIX, title ? 16 : 12,
                                        title ? FW_BOLD : FW_NORMAL, false, dpi))
                << label << ", tip " << n << (title ? " title" : " text");
        }
    }
    ::ReleaseDC(hDlg, hDC);
}

void CloseDialog(HWND hDlg)
{
    ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
}

TEST(Screens, EveryDialogShowsEveryTextWholeInEveryLanguage)
{
    std::vector<const char*> tags;
    for (const CLanguage& language : kLanguages)
        tags.push_back(language.lpszTag);
    tags.push_back(kPseudoLanguage.lpszTag);
    const UINT commands[] = {ID_APP_ABOUT, ID_CHOOSE_SETS, ID_HIGH_SCORES, ID_SHOW_TIP, ID_SELECT_DEAL, ID_STATISTICS};
    for (const char* tag : tags) {
        // A best time under gravity gives High scores and Statistics a row of their longest label.
        CScratchSettings store({{"Language", tag}, {"20_16G", "3725"}});
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << tag;
        const std::string label = std::string(tag) + " at " + std::to_string(GetWindowDpi(program.FrameWindow())) + " DPI";
        CModalAnswers answers;
        for (const UINT command : commands) {
            answers.Expect([&](HWND hDlg) {
                const std::string where = label + ", " + WindowText(hDlg);
                ExpectTextsWhole(hDlg, where);
                if (command == ID_SHOW_TIP)
                    ExpectTipWordsWhole(hDlg, where);
                CloseDialog(hDlg);
            });
            program.Command(command);
        }
        // The end of a game: both outcomes, and a best result's name.
        answers.Expect([&](HWND hDlg) { ExpectTextsWhole(hDlg, label + ", dead end"); CloseDialog(hDlg); });
        CFinishDlg(AfxLoadText(IDS_NO_MATCHES), AfxLoadText(IDS_TIME_PLAYING), "00:59:59", 1, true).DoModal();
        answers.Expect([&](HWND hDlg) { ExpectTextsWhole(hDlg, label + ", won"); CloseDialog(hDlg); });
        CFinishDlg(AfxLoadText(IDS_WON), AfxLoadText(IDS_TIME_SOLUTION), "00:59:59", 1, false).DoModal();
        answers.Expect([&](HWND hDlg) { ExpectTextsWhole(hDlg, label + ", best result"); CloseDialog(hDlg); });
        CBestResultDlg(1).DoModal();
        EXPECT_EQ(answers.Pending(), 0u) << label;
    }
}

} // namespace
