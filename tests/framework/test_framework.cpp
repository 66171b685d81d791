// The framework on its own, with classes and resources of the test's making:
// command routing, update handlers, faults inside handlers, dialog data
// exchange, controls, picture buttons, file dialogs and the test seams.

#include "TestIds.h"
#include "tests/harness/Harness.h"

#include "framework/App.h"
#include "framework/Bars.h"
#include "framework/Clock.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/DocView.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"
#include "framework/Screen.h"
#include "framework/Sound.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_handled; // the handlers that ran, in order

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
protected:
    void OnDocAndFrame() { g_handled.push_back("document"); }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
protected:
    void OnViewAndFrame() { g_handled.push_back("view"); }
    void OnThrows() { throw std::runtime_error("the handler broke"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
protected:
    void OnViewAndFrame() { g_handled.push_back("frame"); }
    void OnDocAndFrame() { g_handled.push_back("frame"); }
    void OnFrameAndApp() { g_handled.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
protected:
    void OnFrameAndApp() { g_handled.push_back("application"); }
    void OnAppOnly() { g_handled.push_back("application"); }
    DECLARE_MESSAGE_MAP()
};

CTestApp theApp;

IMPLEMENT_DYNCREATE(CTestDoc)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_DOC_AND_FRAME, OnDocAndFrame)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_VIEW_AND_FRAME, OnViewAndFrame)
    ON_COMMAND(ID_THROWS, OnThrows)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestFrame)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_VIEW_AND_FRAME, OnViewAndFrame)
    ON_COMMAND(ID_DOC_AND_FRAME, OnDocAndFrame)
    ON_COMMAND(ID_FRAME_AND_APP, OnFrameAndApp)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FRAME_AND_APP, OnFrameAndApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
END_MESSAGE_MAP()

// A document with its frame and view made by the template, as the program makes them.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_template = std::make_unique<CSingleDocTemplate>(IDR_TEST, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                                          RUNTIME_CLASS(CTestView));
        ASSERT_NE(m_template->OpenDocumentFile(nullptr), nullptr);
        m_hFrame = AfxGetMainWnd()->m_hWnd;
        g_handled.clear();
    }

    void TearDown() override
    {
        if (AfxGetMainWnd())
            AfxGetMainWnd()->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        m_template.reset();
    }

    void Command(UINT id) const { ::SendMessageA(m_hFrame, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    std::unique_ptr<CSingleDocTemplate> m_template;
    HWND m_hFrame = nullptr;
};

TEST_F(FrameworkTest, CommandsGoToTheViewDocumentFrameAndApplicationInTurn)
{
    const struct {
        const char* label;
        UINT id;
        std::vector<std::string> handled;
    } cases[] = {
        {"view before frame", ID_VIEW_AND_FRAME, {"view"}},
        {"document before frame", ID_DOC_AND_FRAME, {"document"}},
        {"frame before application", ID_FRAME_AND_APP, {"frame"}},
        {"application last", ID_APP_ONLY, {"application"}},
        {"nobody", ID_UNHANDLED, {}},
    };
    for (const auto& c : cases) {
        g_handled.clear();
        Command(c.id);
        EXPECT_EQ(g_handled, c.handled) << c.label;
    }
}

TEST_F(FrameworkTest, TheFramesTitleNamesDocumentAndProgram)
{
    EXPECT_EQ(WindowText(m_hFrame), "Untitled - Framework test");
}

TEST_F(FrameworkTest, OpeningAMenuRunsItsUpdateHandlers)
{
    HMENU hPopup = ::GetSubMenu(::GetMenu(m_hFrame), 0);
    ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    const struct {
        const char* label;
        UINT id;
        bool checked;
        bool greyed;
    } cases[] = {
        {"a command handler enables", ID_VIEW_AND_FRAME, false, false},
        {"so does the application's", ID_APP_ONLY, false, false},
        {"an update handler checks", ID_CHECKED, true, false},
        {"no handler greys", ID_UNHANDLED, false, true},
    };
    // The same handlers set a tool bar's buttons when the program is idle.
    CToolBar bar;
    ASSERT_TRUE(bar.Create(CWnd::FromHandle(m_hFrame)));
    bar.SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    for (const auto& c : cases) {
        TBBUTTON button{0, static_cast<int>(c.id), TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
        bar.SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    Pump(20);
    for (const auto& c : cases) {
        const UINT state = ::GetMenuState(hPopup, c.id, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_CHECKED) != 0, c.checked) << c.label;
        EXPECT_EQ((state & MF_GRAYED) != 0, c.greyed) << c.label;
        EXPECT_EQ(bar.SendMessage(TB_ISBUTTONCHECKED, c.id) != 0, c.checked) << c.label << ", button";
        EXPECT_EQ(bar.SendMessage(TB_ISBUTTONENABLED, c.id) == 0, c.greyed) << c.label << ", button";
    }
}

TEST_F(FrameworkTest, AFaultInAHandlerIsReportedAndTheProgramGoesOn)
{
    CModalAnswers answers;
    std::string message;
    answers.Expect([&](HWND hBox) {
        message = WindowText(::GetDlgItem(hBox, 0xFFFF));
        PressButton(hBox, IDOK);
    });
    Command(ID_THROWS);
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Framework test"});
    EXPECT_NE(message.find("the handler broke"), std::string::npos) << message;
    EXPECT_TRUE(::IsWindow(m_hFrame));
    Command(ID_VIEW_AND_FRAME);
    EXPECT_EQ(g_handled, std::vector<std::string>{"view"}) << "later commands still work";
}

class CBrokenWnd : public CWnd {
protected:
    int OnCreate(LPCREATESTRUCT) { throw std::runtime_error("cannot be made"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBrokenWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(FrameworkTest, AFaultWhileAWindowIsMadeFailsItsCreation)
{
    CModalAnswers answers;
    answers.Expect([](HWND hBox) { PressButton(hBox, IDOK); });
    CBrokenWnd broken;
    const LPCSTR lpszClass = AfxRegisterWndClass("TestBroken", 0, nullptr, nullptr);
    EXPECT_FALSE(broken.CreateEx(0, lpszClass, "broken", WS_POPUP, 0, 0, 10, 10, nullptr, 0));
    EXPECT_EQ(broken.m_hWnd, nullptr);
    EXPECT_EQ(answers.Seen().size(), 1u);
}

TEST_F(FrameworkTest, AMessageBoxBelongsToTheMainWindowAndBearsTheProgramsName)
{
    CModalAnswers answers;
    HWND hOwner = nullptr;
    answers.Expect([&](HWND hBox) {
        hOwner = ::GetWindow(hBox, GW_OWNER);
        PressButton(hBox, IDCANCEL);
    });
    EXPECT_EQ(AfxMessageBox("Go on?", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(answers.Seen(), std::vector<std::string>{"Framework test"});
    EXPECT_EQ(hOwner, m_hFrame);
}

TEST_F(FrameworkTest, AWindowsMessageBoxBelongsToItAndIsNamedAfterTheProgramUnlessCaptioned)
{
    CWnd* pView = static_cast<CFrameWnd*>(AfxGetMainWnd())->GetActiveView();
    const struct {
        const char* label;
        const char* caption;
        const char* shown;
    } cases[] = {{"no caption", nullptr, "Framework test"}, {"a caption", "Solver", "Solver"}};
    for (const auto& c : cases) {
        CModalAnswers answers;
        HWND hOwner = nullptr;
        answers.Expect([&](HWND hBox) {
            hOwner = ::GetWindow(hBox, GW_OWNER);
            PressButton(hBox, IDOK);
        });
        EXPECT_EQ(pView->MessageBox("Have not solve.", c.caption), IDOK) << c.label;
        EXPECT_EQ(answers.Seen(), std::vector<std::string>{c.shown}) << c.label;
        // A message box is owned by the top-level window of the one it was asked for.
        EXPECT_EQ(hOwner, m_hFrame) << c.label;
    }
}

class CExchangeDlg : public CDialog {
public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    CString m_strText = "abc";
    int m_nSelected = -2;
    int m_nChecked = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_TEXT, m_strText);
        DDV_MaxChars(pDX, m_strText, 5);
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Control(pDX, IDC_CHECK, m_check);
        DDX_Control(pDX, IDC_PICTURE, m_picture);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* item : {"first", "second", "third"})
            m_list.AddString(item);
        m_check.SetCheck(1);
        m_picture.LoadBitmaps(IDB_UP, IDB_DOWN);
        m_picture.SizeToContent();
        return TRUE;
    }

    void OnOK() override
    {
        m_nSelected = m_list.GetCurSel();
        m_nChecked = m_check.GetCheck();
        CDialog::OnOK();
    }

private:
    CListBox m_list;
    CButton m_check;
    CBitmapButton m_picture;
};

TEST_F(FrameworkTest, DataExchangeFillsTheControlsAndReadsThemBackOnOk)
{
    CModalAnswers answers;
    std::string shown;
    int items = 0, checked = 0;
    answers.Expect([&](HWND hDlg) {
        const HWND hEdit = ::GetDlgItem(hDlg, IDC_TEXT);
        shown = WindowText(hEdit);
        items = static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_LIST, LB_GETCOUNT, 0, 0));
        checked = static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_CHECK, BM_GETCHECK, 0, 0));
        // The player types five letters where two more fit, picks the last
        // item and clears the box.
        ::SendMessageA(hEdit, EM_SETSEL, 3, 3);
        for (char ch : std::string("defgh"))
            ::PostMessageA(hEdit, WM_CHAR, ch, 1);
        ::SendDlgItemMessageA(hDlg, IDC_LIST, LB_SETCURSEL, 2, 0);
        ::SendDlgItemMessageA(hDlg, IDC_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    CExchangeDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shown, "abc");
    EXPECT_EQ(items, 3);
    EXPECT_EQ(checked, BST_CHECKED);
    EXPECT_STREQ(dialog.m_strText, "abcde") << "the edit takes five characters";
    EXPECT_EQ(dialog.m_nSelected, 2);
    EXPECT_EQ(dialog.m_nChecked, BST_UNCHECKED);
}

TEST_F(FrameworkTest, ATextOverTheLimitIsRefusedAndTheDialogStaysOpen)
{
    CModalAnswers answers;
    HWND hExchange = nullptr;
    bool stillOpen = false;
    std::string message;
    answers.Expect([&](HWND hDlg) {
        hExchange = hDlg;
        ::SetDlgItemTextA(hDlg, IDC_TEXT, "abcdefgh");
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    answers.Expect([&](HWND hBox) {
        message = WindowText(::GetDlgItem(hBox, 0xFFFF));
        PressButton(hBox, IDOK);
        stillOpen = ::IsWindow(hExchange);
        ::PostMessageA(hExchange, WM_COMMAND, IDCANCEL, 0);
    });
    CExchangeDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(message, "Please enter no more than 5 characters.");
    EXPECT_TRUE(stillOpen);
}

TEST_F(FrameworkTest, APictureButtonShowsItsRaisedAndPressedPictures)
{
    CModalAnswers answers;
    CCapture captioned, raised, pressed;
    SIZE size{};
    answers.Expect([&](HWND hDlg) {
        const HWND hButton = ::GetDlgItem(hDlg, IDC_PICTURE);
        RECT r{};
        ::GetClientRect(hButton, &r);
        size = {r.right, r.bottom};
        captioned = CaptureClient(hButton);
        // Without a caption the pictures show as they are.
        ::SetWindowTextW(hButton, L"");
        ::RedrawWindow(hButton, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        raised = CaptureClient(hButton);
        ::SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
        ::UpdateWindow(hButton);
        pressed = CaptureClient(hButton);
        ::SendMessageA(hButton, BM_SETSTATE, FALSE, 0);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    CExchangeDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(size.cx, 80);
    EXPECT_EQ(size.cy, 40);
    EXPECT_EQ(raised.pixels, BitmapPixels(IDB_UP).pixels);
    EXPECT_EQ(pressed.pixels, BitmapPixels(IDB_DOWN).pixels);
    EXPECT_NE(captioned.pixels, raised.pixels) << "the caption is written on the picture";
}

TEST_F(FrameworkTest, FileDialogsHandBackThePathThePlayerChose)
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    const std::string typed = std::string(folder) + "morvane-file-dialog";
    const struct {
        const char* label;
        BOOL open;
        const char* defaultExtension;
        bool ok;
        std::string path;
    } cases[] = {
        {"save with the default extension", FALSE, "mhj", true, typed + ".mhj"},
        {"open a file that exists", TRUE, nullptr, true, typed + ".mhj"},
        {"cancel", TRUE, nullptr, false, ""},
    };
    for (const auto& c : cases) {
        if (c.open && c.ok)
            ::CloseHandle(::CreateFileA(c.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        CModalAnswers answers;
        answers.Expect([&](HWND hDlg) {
            if (!c.ok) {
                PressButton(hDlg, IDCANCEL);
                return;
            }
            ::SetDlgItemTextA(hDlg, 0x47C, (c.open ? c.path : typed).c_str()); // the file name box
            PressButton(hDlg, IDOK);
        });
        CFileDialog dialog(c.open, c.defaultExtension, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           "Puzzles (*.mhj)|*.mhj|All files (*.*)|*.*||");
        EXPECT_EQ(dialog.DoModal(), c.ok ? IDOK : IDCANCEL) << c.label;
        if (c.ok) {
            EXPECT_EQ(::lstrcmpiA(dialog.GetPathName(), c.path.c_str()), 0) << c.label << ": " << dialog.GetPathName();
        }
        EXPECT_EQ(answers.Pending(), 0u) << c.label;
    }
    ::DeleteFileA((typed + ".mhj").c_str());
}

TEST(Seams, ATestClockReplacesTheRealOneUntilItGoes)
{
    const std::time_t before = GetClock().Now();
    {
        CVirtualClock clock(1234);
        clock.m_ticks = 99;
        EXPECT_EQ(GetClock().Now(), 1234);
        EXPECT_EQ(GetClock().TickCount(), 99u);
    }
    EXPECT_GE(GetClock().Now(), before);
    EXPECT_NEAR(static_cast<double>(GetClock().TickCount()), static_cast<double>(::GetTickCount()), 1000.0);
}

TEST(Seams, ATestScreenHeightReplacesTheRealOne)
{
    {
        const CScreenHeight screen(600);
        EXPECT_EQ(GetScreenHeight(), 600);
    }
    EXPECT_EQ(GetScreenHeight(), ::GetSystemMetrics(SM_CYSCREEN));
}

TEST(Seams, TestsHearTheCuesThatStart)
{
    {
        const CHeardCues heard;
        PlayWaveResource("YES");
        PlayWaveResource("NO SUCH CUE");
    }
    PlayWaveResource("YES");
    EXPECT_EQ(g_cues, std::vector<std::string>{"YES"});
}

TEST(Strings, FormatAndTheStringTable)
{
    CString text;
    text.Format("%s %d", std::string(1000, 'x').c_str(), 42);
    EXPECT_EQ(text.GetLength(), 1003);
    EXPECT_STREQ(static_cast<const char*>(text) + 1000, " 42");
    EXPECT_TRUE(text.LoadString(AFX_IDS_UNTITLED));
    EXPECT_STREQ(text, "Untitled");
    EXPECT_FALSE(text.LoadString(12345));
    EXPECT_TRUE(text.IsEmpty());
}

} // namespace
