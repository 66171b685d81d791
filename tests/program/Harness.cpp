#include "Harness.h"

#include "framework/App.h"
#include "shell/MainFrame.h"
#include "view/MahjongView.h"

#include <winternl.h>

#include <algorithm>
#include <cstring>

namespace {
const std::string kStoreRoot = "Software\\Kestova\\Morvane\\";

std::string ScratchPath()
{
    return "Software\\Morvane tests\\" + std::to_string(::GetCurrentProcessId());
}

CModalAnswers* g_pAnswers = nullptr;
bool g_bQuit = false;
} // namespace

CScratchSettings::CScratchSettings(const Entries& stored)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ScratchPath().c_str());
    ::RegCreateKeyExA(HKEY_CURRENT_USER, ScratchPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hScratch,
                      nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, m_hScratch);
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

CModalAnswers::CModalAnswers()
{
    g_pAnswers = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
}

CModalAnswers::~CModalAnswers()
{
    ::UnhookWindowsHookEx(m_hHook);
    for (const auto& scheduled : m_scheduled)
        ::KillTimer(nullptr, scheduled.first);
    g_pAnswers = nullptr;
}

void CModalAnswers::Expect(Answer answer)
{
    m_answers.push_back(std::move(answer));
}

LRESULT CALLBACK CModalAnswers::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    auto* self = g_pAnswers;
    const auto hWnd = reinterpret_cast<HWND>(wParam);
    const auto known = [&] {
        return std::any_of(self->m_scheduled.begin(), self->m_scheduled.end(),
                           [&](const auto& s) { return s.second == hWnd; });
    };
    if (code == HCBT_ACTIVATE && self && ClassName(hWnd) == "#32770" && !known()) {
        self->m_seen.push_back(WindowText(hWnd));
        self->m_scheduled.emplace_back(::SetTimer(nullptr, 0, 50, TimerProc), hWnd);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CModalAnswers::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    auto* self = g_pAnswers;
    if (!self)
        return;
    const auto it = std::find_if(self->m_scheduled.begin(), self->m_scheduled.end(),
                                 [&](const auto& s) { return s.first == id; });
    if (it == self->m_scheduled.end() || !::IsWindow(it->second))
        return;
    const HWND hWnd = it->second;
    if (self->m_answers.empty()) {
        ++self->m_nUnexpected;
        ::EndDialog(hWnd, IDCANCEL);
        return;
    }
    const Answer answer = std::move(self->m_answers.front());
    self->m_answers.erase(self->m_answers.begin());
    answer(hWnd);
}

void PressButton(HWND hDlg, int id)
{
    ::SendMessageA(::GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
}

void PressKey(WORD vk, bool shift, bool ctrl)
{
    std::vector<INPUT> inputs;
    const auto key = [&](WORD code, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = code;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (shift)
        key(VK_SHIFT, false);
    if (ctrl)
        key(VK_CONTROL, false);
    key(vk, false);
    key(vk, true);
    if (ctrl)
        key(VK_CONTROL, true);
    if (shift)
        key(VK_SHIFT, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string WindowText(HWND hWnd)
{
    std::string text(::GetWindowTextLengthA(hWnd) + 1, '\0');
    text.resize(::GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string ClassName(HWND hWnd)
{
    char name[256] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

void Pump(DWORD milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (!g_bQuit && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            g_bQuit = !AfxGetApp()->PumpMessage();
        if (done())
            return true;
        if (::GetTickCount() - start >= timeoutMilliseconds)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

CRunningProgram::CRunningProgram(const char* lpszCmdLine)
{
    g_bQuit = false;
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

CImportPatch::CImportPatch(const char* lpszDll, const char* lpszFunction, void* pReplacement)
{
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), lpszDll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), lpszFunction) != 0)
                continue;
            m_ppSlot = reinterpret_cast<void**>(&slots->u1.Function);
            DWORD protect = 0;
            ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &protect);
            m_pOriginal = *m_ppSlot;
            *m_ppSlot = pReplacement;
            ::VirtualProtect(m_ppSlot, sizeof(void*), protect, &protect);
            return;
        }
    }
}

CImportPatch::~CImportPatch()
{
    if (!m_ppSlot)
        return;
    DWORD protect = 0;
    ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &protect);
    *m_ppSlot = m_pOriginal;
    ::VirtualProtect(m_ppSlot, sizeof(void*), protect, &protect);
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

int CountGdiObjects()
{
    if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(n);
    // Wine has no count of its own, but keeps the process's GDI handle table
    // where Windows does (PEB + 0xF8): 24-byte entries, the object's type in
    // byte 14, 0 for a free entry.
    PROCESS_BASIC_INFORMATION info{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return -1;
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const auto* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int count = 0;
    for (int i = 0; i < 0x10000; ++i)
        count += table[i * 24 + 14] != 0;
    return count;
}

CCapture CaptureClient(HWND hWnd)
{
    RECT r{};
    ::GetClientRect(hWnd, &r);
    CCapture capture;
    capture.width = r.right;
    capture.height = r.bottom;
    capture.pixels.resize(static_cast<std::size_t>(r.right) * r.bottom);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = -r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC hWindowDC = ::GetDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hMemDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, r.right, r.bottom, hWindowDC, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * sizeof(std::uint32_t));
    ::SelectObject(hMemDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWindowDC);
    for (auto& p : capture.pixels)
        p &= 0xFFFFFF;
    return capture;
}
