#pragma once
// CMahjongApp: the application object. Start-up ties document, frame and view
// together, shows the main window and records the program's folder.

#include "framework/App.h"

#include <string>

class CMahjongApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

// The folder of a program file, with its trailing backslash: C:\Games\play.exe
// gives C:\Games\ and C:\play.exe gives C:\.
std::string ProgramFolder(const std::string& path);
