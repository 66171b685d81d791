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

TEST(Languages, AChoiceInTheMenuIsStoredAndTakenAtOnce)
{
    CScratchSettings store(CScratchSettings::Entries{{"Language", ""}});
    CGameClock clock;
    CRunningProgram program;
    ASSERT_TRUE(program.Started());
    const HWND hFrame = program.FrameWindow();
    EXPECT_TRUE(MenuChecked(program, ID_LANGUAGE_WINDOWS));
    EXPECT_EQ(MenuText(hFrame, 0), "&File") << "Windows speaks English here";

    program.Command(ID_LANGUAGE_DE);
    EXPECT_EQ(CScratchSettings::Read("Language"), "de-DE");
    EXPECT_EQ(MenuText(hFrame, 0), "&Datei");
    EXPECT_EQ(MenuText(hFrame, 1), "Bearbeiten");
    EXPECT_TRUE(MenuChecked(program, ID_LANGUAGE_DE));
    EXPECT_FALSE(MenuChecked(program, ID_LANGUAGE_WINDOWS));
    EXPECT_EQ(WindowText(hFrame), "Bestzeit: 00:00:00");
    EXPECT_EQ(PaneText(StatusBar(program), 2), "Mögliche Paare: " + std::to_string(RemovablePairs()));
    EXPECT_EQ(DialogCaption(program, ID_SELECT_DEAL), "Spiel wählen") << "a dialog opened after the choice";

    program.Command(ID_LANGUAGE_WINDOWS);
    EXPECT_EQ(CScratchSettings::Read("Language"), "");
    EXPECT_EQ(MenuText(hFrame, 0), "&File");
    EXPECT_EQ(WindowText(hFrame), "Best result is 00:00:00");
    EXPECT_EQ(PaneText(StatusBar(program), 2), MatchedText(RemovablePairs()));
    EXPECT_EQ(DialogCaption(program, ID_SELECT_DEAL), "Select deal");
}

TEST(Languages, TheStoredChoiceIsTakenAtStart)
{
    const struct {
        const char* label;
        const char* stored;
        const char* file; // the File menu's text
    } cases[] = {
        {"German", "de-DE", "&Datei"},
        {"Japanese", "ja-JP", "ファイル(&F)"},
        {"the pseudo-language, by its name only", "qps-ploc", "[&Fíļéļí]"},
        {"a language the game does not have", "tlh-Latn", "&File"},
        {"a damaged value", "de-DE-de-DE-de-DE-de-DE", "&File"},
    };
    for (const auto& c : cases) {
        CScratchSettings store(CScratchSettings::Entries{{"Language", c.stored}});
        CRunningProgram program;
        ASSERT_TRUE(program.Started()) << c.label;
        EXPECT_EQ(MenuText(program.FrameWindow(), 0), c.file) << c.label;
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
