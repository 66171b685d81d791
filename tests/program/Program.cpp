#include "tests/program/Program.h"

#include "framework/App.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

namespace {
const std::string kStoreRoot = "Software\\Kestova\\Morvane\\";

std::string ScratchPath()
{
    return "Software\\Morvane tests\\" + std::to_string(::GetCurrentProcessId());
}
} // namespace

CScratchSettings::CScratchSettings(const Entries& stored, Tips tips)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ScratchPath().c_str());
    ::RegCreateKeyExA(HKEY_CURRENT_USER, ScratchPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hScratch,
                      nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, m_hScratch);
    if (tips == Tips::Off)
        Write("ShowTips", "1");
    for (const auto& [name, text] : stored)
        Write(name, text);
}

CScratchSettings::~CScratchSettings()
{
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegCloseKey(m_hScratch);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ScratchPath().c_str());
}

void CScratchSettings::Write(const std::string& name, const std::string& text)
{
    ::RegSetValueA(HKEY_CURRENT_USER, (kStoreRoot + name).c_str(), REG_SZ, text.c_str(),
                   static_cast<DWORD>(text.size() + 1));
}

std::optional<std::string> CScratchSettings::Read(const std::string& name)
{
    const std::string key = kStoreRoot + name;
    LONG size = 0;
    if (::RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    LONG got = static_cast<LONG>(text.size());
    if (::RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), text.data(), &got) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text.c_str());
}

namespace {
std::vector<std::string>* g_pSettingsEvents = nullptr;
decltype(&RegQueryValueA) g_realQuery = nullptr;
decltype(&RegSetValueA) g_realSet = nullptr;

std::string SettingName(LPCSTR lpSubKey)
{
    const std::string key = lpSubKey ? lpSubKey : "";
    return key.compare(0, kStoreRoot.size(), kStoreRoot) == 0 ? key.substr(kStoreRoot.size()) : key;
}

LONG WINAPI LogQuery(HKEY hKey, LPCSTR lpSubKey, LPSTR lpData, PLONG lpcbData)
{
    // The first of the two calls of a read asks for the size only.
    if (!lpData)
        g_pSettingsEvents->push_back("read " + SettingName(lpSubKey));
    return g_realQuery(hKey, lpSubKey, lpData, lpcbData);
}

LONG WINAPI LogSet(HKEY hKey, LPCSTR lpSubKey, DWORD dwType, LPCSTR lpData, DWORD cbData)
{
    g_pSettingsEvents->push_back("write " + SettingName(lpSubKey));
    return g_realSet(hKey, lpSubKey, dwType, lpData, cbData);
}
} // namespace

CSettingsLog::CSettingsLog(std::vector<std::string>& events)
    : m_query("advapi32.dll", "RegQueryValueA", reinterpret_cast<void*>(LogQuery)),
      m_set("advapi32.dll", "RegSetValueA", reinterpret_cast<void*>(LogSet))
{
    g_pSettingsEvents = &events;
    g_realQuery = reinterpret_cast<decltype(&RegQueryValueA)>(m_query.Original());
    g_realSet = reinterpret_cast<decltype(&RegSetValueA)>(m_set.Original());
}

CSettingsLog::~CSettingsLog()
{
    g_pSettingsEvents = nullptr;
}

CRunningProgram::CRunningProgram(const char* lpszCmdLine)
{
    AfxGetApp()->m_strCmdLine = lpszCmdLine;
    m_bStarted = AfxGetApp()->InitInstance() != FALSE;
    Pump(50);
}

CRunningProgram::~CRunningProgram()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp->m_pMainWnd)
        pApp->m_pMainWnd->DestroyWindow();
    // The rest of the queue, down to the WM_QUIT that the main window's end posted.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
    pApp->ExitInstance();
}

CMainFrame& CRunningProgram::Frame() const
{
    return *static_cast<CMainFrame*>(AfxGetMainWnd());
}

CMahjongView& CRunningProgram::View() const
{
    return *static_cast<CMahjongView*>(Frame().GetActiveView());
}

HWND CRunningProgram::FrameWindow() const
{
    return AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr;
}

void CRunningProgram::Command(UINT id) const
{
    ::SendMessageA(FrameWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

