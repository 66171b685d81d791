#pragma once
// CWinApp: the program's one application object, its start, its message loop
// and the commands it answers itself (New and Exit).

#include "framework/CmdTarget.h"
#include "framework/String.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

class CSingleDocTemplate;
class CWnd;

// The command line after the framework's standard parsing: no argument makes a
// new document, a file name opens that file.
class CCommandLineInfo {
public:
    enum { FileNew, FileOpen } m_nShellCommand = FileNew;
    CString m_strFileName;
};

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName; // string AFX_IDS_APP_TITLE
    CString m_strCmdLine; // the arguments the program was started with

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; then ExitInstance. Each time the queue
    // runs empty the program is idle (OnIdle).
    virtual int Run();
    // The work of an idle moment: the main frame's bars follow the commands'
    // states. FALSE: nothing more to do until the next message.
    virtual BOOL OnIdle(LONG lCount);
    // Takes one message from the queue, waiting for it, and dispatches it
    // through the main window's accelerators. FALSE at WM_QUIT.
    BOOL PumpMessage();

    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Makes or opens the document the command line asks for; FALSE when that fails.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

protected:
    void OnFileNew();
    void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
// The bytes of a resource of the program; empty when it has none.
std::string_view AfxLoadResourceData(LPCWSTR lpszName, LPCWSTR lpszType);
// The program's name, for captions.
const char* AfxGetAppName();
// A message box owned by the main window, captioned with the program's name.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK);
// The same with the string nIDPrompt of the language in force.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
// Starts the application object: InitInstance, then the message loop.
int AfxWinMain(HINSTANCE hInstance, LPCSTR lpCmdLine);
