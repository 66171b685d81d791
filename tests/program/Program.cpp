#include "tests/program/Program.h"

#include "framework/Language.h"

#include "framework/App.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <filesystem>
#include <system_error>

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
    // The player's local application data too: the game kept at exit goes there.
    std::error_code error;
    std::filesystem::remove_all(ScratchAppData(), error);
    std::filesystem::create_directories(ScratchAppData(), error);
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", ScratchAppData().c_str());
    // The tests read the English texts, whatever language Windows speaks.
    Write("Language", "en-US");
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
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", m_appData.c_str());
    std::error_code error;
    std::filesystem::remove_all(ScratchAppData(), error);
}

std::wstring CScratchSettings::ScratchAppData()
{
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"morvane-test-appdata";
}

void CScratchSettings::Write(const std::string& name, const std::string& text)
{
    ::RegSetValueW(HKEY_CURRENT_USER, Wide(kStoreRoot + name).c_str(), REG_SZ, Wide(text).c_str(), 0);
}

std::optional<std::string> CScratchSettings::Read(const std::string& name)
{
    const std::wstring key = Wide(kStoreRoot + name);
    LONG size = 0;
    if (::RegQueryValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(static_cast<std::size_t>(size) / sizeof(wchar_t) + 1, L'\0');
    LONG got = static_cast<LONG>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueW(HKEY_CURRENT_USER, key.c_str(), text.data(), &got) != ERROR_SUCCESS)
        return std::nullopt;
    return Utf8(text.c_str());
}

namespace {
std::vector<std::string>* g_pSettingsEvents = nullptr;
decltype(&RegQueryValueW) g_realQuery = nullptr;
decltype(&RegSetValueW) g_realSet = nullptr;

std::string SettingName(LPCWSTR lpSubKey)
{
    const std::string key = Utf8(lpSubKey);
    return key.compare(0, kStoreRoot.size(), kStoreRoot) == 0 ? key.substr(kStoreRoot.size()) : key;
}

LONG WINAPI LogQuery(HKEY hKey, LPCWSTR lpSubKey, LPWSTR lpData, PLONG lpcbData)
{
    // The first of the two calls of a read asks for the size only.
    if (!lpData)
        g_pSettingsEvents->push_back("read " + SettingName(lpSubKey));
    return g_realQuery(hKey, lpSubKey, lpData, lpcbData);
}

LONG WINAPI LogSet(HKEY hKey, LPCWSTR lpSubKey, DWORD dwType, LPCWSTR lpData, DWORD cbData)
{
    g_pSettingsEvents->push_back("write " + SettingName(lpSubKey));
    return g_realSet(hKey, lpSubKey, dwType, lpData, cbData);
}
} // namespace

CSettingsLog::CSettingsLog(std::vector<std::string>& events)
    : m_query("advapi32.dll", "RegQueryValueW", reinterpret_cast<void*>(LogQuery)),
      m_set("advapi32.dll", "RegSetValueW", reinterpret_cast<void*>(LogSet))
{
    g_pSettingsEvents = &events;
    g_realQuery = reinterpret_cast<decltype(&RegQueryValueW)>(m_query.Original());
    g_realSet = reinterpret_cast<decltype(&RegSetValueW)>(m_set.Original());
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
    // The next case starts from the language the tests read.
    AfxSetResourceLanguage(kEnglishLangId);
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

