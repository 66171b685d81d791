#include "shell/MahjongApp.h"

#include "framework/DocView.h"
#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "shell/AboutDlg.h"
#include "shell/LanguageChoice.h"
#include "shell/MahjongDoc.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"
#include "view/Settings.h"

#include <vector>

#include <objbase.h>

namespace {
CMahjongApp theApp;

// Stores the program's folder as the setting Path; nothing in the game reads it back.
void RecordProgramFolder()
{
    std::vector<wchar_t> path(32768);
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A cut-off name would name a wrong folder; then nothing is stored.
    if (n == 0 || n >= path.size())
        return;
    WriteSetting("Path", ProgramFolder(Utf8(path.data(), static_cast<int>(n))));
}
} // namespace

std::string ProgramFolder(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

BEGIN_MESSAGE_MAP(CMahjongApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

BOOL CMahjongApp::InitInstance()
{
    // Without COM screen readers get the system's own objects; the game goes on.
    m_bCom = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    TakeLanguageSetting();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CMahjongDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CMahjongView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    RecordProgramFolder();
    return TRUE;
}

int CMahjongApp::ExitInstance()
{
    const int result = CWinApp::ExitInstance();
    if (m_bCom)
        ::CoUninitialize();
    m_bCom = false;
    return result;
}

void CMahjongApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
