#pragma once
// The real program started inside the test process: a settings store of the
// test's own, the application started through its InitInstance, and a log of
// the settings it reads and writes.

#include "tests/harness/Harness.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CMainFrame;
class CMahjongView;

// HKEY_CURRENT_USER redirected to an empty scratch key for as long as this lives.
class CScratchSettings {
public:
    using Entries = std::vector<std::pair<const char*, const char*>>;

    // Whether the tips dialog opens at start: most tests play with the box
    // "Do not show this dialog on the start." ticked (ShowTips "1").
    enum class Tips { Off, AsOnAFreshMachine };

    // Starts with these settings stored (name, text), after Language "en-US"
    // and ShowTips "1" unless tips are as on a fresh machine.
    explicit CScratchSettings(const Entries& stored = {}, Tips tips = Tips::Off);
    ~CScratchSettings();
    CScratchSettings(const CScratchSettings&) = delete;
    CScratchSettings& operator=(const CScratchSettings&) = delete;

    // A setting below Software\Kestova\Morvane, written and read as the game does.
    static void Write(const std::string& name, const std::string& text);
    static std::optional<std::string> Read(const std::string& name);
    // The folder that stands for the player's local application data meanwhile.
    static std::wstring ScratchAppData();

private:
    HKEY m_hScratch = nullptr;
    std::wstring m_appData = AppData(); // as it was before
    static std::wstring AppData()
    {
        wchar_t path[MAX_PATH] = L"";
        ::GetEnvironmentVariableW(L"LOCALAPPDATA", path, MAX_PATH);
        return path;
    }
};

// Appends "read <name>" for each setting the program asks for and "write
// <name>" for each it stores (names below Software\Kestova\Morvane), while
// it lives.
class CSettingsLog {
public:
    explicit CSettingsLog(std::vector<std::string>& events);
    ~CSettingsLog();
    CSettingsLog(const CSettingsLog&) = delete;
    CSettingsLog& operator=(const CSettingsLog&) = delete;
    bool Active() const { return m_query.Original() && m_set.Original(); }

private:
    CImportPatch m_query;
    CImportPatch m_set;
};

// The application started through InitInstance, closed through its main
// window and ExitInstance when this goes.
class CRunningProgram {
public:
    explicit CRunningProgram(const char* lpszCmdLine = "");
    ~CRunningProgram();
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    bool Started() const { return m_bStarted; }
    CMainFrame& Frame() const;
    CMahjongView& View() const;
    HWND FrameWindow() const;
    // Sends a command as the menu does.
    void Command(UINT id) const;

private:
    bool m_bStarted = false;
};

