#pragma once
// CMahjongApp: the application object. Start-up ties document, frame and view
// together, shows the main window and records the program's folder. COM
// lives as long as the windows: it hands their accessible objects to screen
// readers in other processes.

#include "framework/App.h"

#include <string>

class CMahjongApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()

private:
    bool m_bCom = false; // COM is set up on the thread of the windows
};

// The folder of a program file, with its trailing backslash: C:\Games\play.exe
// gives C:\Games\ and C:\play.exe gives C:\.
std::string ProgramFolder(const std::string& path);
