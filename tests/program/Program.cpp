#include "tests/program/Program.h"

#include "framework/App.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <oleacc.h>

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


CScreenReader::CScreenReader(HWND hWnd) : m_hWnd(hWnd)
{
    m_hThread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CScreenReader::~CScreenReader()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bStop = true;
    }
    m_posted.notify_one();
    // The reader's last calls (the proxy's release among them) are answered by this thread.
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT)
            ::DispatchMessageW(&msg);
    } while (::MsgWaitForMultipleObjects(1, &m_hThread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1);
    ::CloseHandle(m_hThread);
}

void CScreenReader::Post(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_jobs.push_back(std::move(job));
    }
    m_posted.notify_one();
}

DWORD WINAPI CScreenReader::Run(void* pReader)
{
    CScreenReader& self = *static_cast<CScreenReader*>(pReader);
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IAccessible* pObject = nullptr;
    bool asked = false;
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(self.m_lock);
            self.m_posted.wait(lock, [&] { return self.m_bStop || !self.m_jobs.empty(); });
            if (self.m_jobs.empty())
                break;
            job = std::move(self.m_jobs.front());
            self.m_jobs.pop_front();
        }
        // The window is asked at the first job: its thread answers when it next looks at its queue.
        if (!asked) {
            asked = true;
            const LRESULT result = ::SendMessageW(self.m_hWnd, WM_GETOBJECT, 0, OBJID_CLIENT);
            if (result <= 0 ||
                FAILED(::ObjectFromLresult(result, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&pObject))))
                pObject = nullptr;
        }
        job(pObject);
    }
    if (pObject)
        pObject->Release();
    ::CoUninitialize();
    return 0;
}

double CScreenReader::TimeName(IAccessible* pObject)
{
    if (!pObject)
        return -1;
    LARGE_INTEGER t0, t1, f;
    ::QueryPerformanceCounter(&t0);
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT hr = pObject->get_accName(self, &name);
    ::QueryPerformanceCounter(&t1);
    ::QueryPerformanceFrequency(&f);
    ::SysFreeString(name);
    return hr == S_OK ? 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart) : -1;
}
