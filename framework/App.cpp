#include "framework/App.h"

#include "framework/DocView.h"
#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"
#include "framework/Language.h"
#include "framework/Wnd.h"

#include <cctype>

namespace {
CWinApp* g_pApp = nullptr;
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp()
{
    g_pApp = this;
    m_strAppName.LoadString(AFX_IDS_APP_TITLE);
}

CWinApp::~CWinApp()
{
    g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleW(nullptr);
}

std::string_view AfxLoadResourceData(LPCWSTR lpszName, LPCWSTR lpszType)
{
    const HINSTANCE hInst = AfxGetResourceHandle();
    const HRSRC hRes = AfxFindResource(lpszName, lpszType);
    const HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* data = hData ? ::LockResource(hData) : nullptr;
    return data ? std::string_view(static_cast<const char*>(data), ::SizeofResource(hInst, hRes)) : std::string_view();
}

const char* AfxGetAppName()
{
    return g_pApp ? static_cast<const char*>(g_pApp->m_strAppName) : "";
}

int AfxMessageBox(LPCSTR lpszText, UINT nType)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    return ::MessageBoxW(pMainWnd ? pMainWnd->m_hWnd : nullptr, Wide(lpszText).c_str(), Wide(AfxGetAppName()).c_str(),
                         nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    return AfxMessageBox(AfxLoadText(nIDPrompt), nType);
}

int AfxWinMain(HINSTANCE, LPCSTR lpCmdLine)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->m_strCmdLine = lpCmdLine;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    m_templates.clear();
    return 0;
}

int CWinApp::Run()
{
    for (;;) {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle(0);
        if (!PumpMessage())
            return ExitInstance();
    }
}

BOOL CWinApp::OnIdle(LONG)
{
    if (auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
        pFrame->OnIdleUpdateCmdUI();
    return FALSE;
}

BOOL CWinApp::PumpMessage()
{
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!m_pMainWnd || !m_pMainWnd->PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate)
{
    m_templates.emplace_back(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // The first argument that is no switch (/x or -x) names a file; quotes group blanks.
    const std::string& line = m_strCmdLine.str();
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        std::string arg;
        bool quoted = false;
        for (; i < line.size() && (quoted || !std::isspace(static_cast<unsigned char>(line[i]))); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                arg += line[i];
        }
        if (arg.empty() || arg[0] == '/' || arg[0] == '-')
            continue;
        rCmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
        rCmdInfo.m_strFileName = arg;
        return;
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (m_templates.empty())
        return FALSE;
    const bool open = rCmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen;
    return m_templates.front()->OpenDocumentFile(open ? static_cast<const char*>(rCmdInfo.m_strFileName) : nullptr) !=
           nullptr;
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
