#include "tests/harness/Harness.h"

#include "framework/App.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>

namespace {
CModalAnswers* g_pAnswers = nullptr;

// A modal window no answer awaits: closed, and the test that runs fails.
void CloseUnexpected(HWND hWnd)
{
    ADD_FAILURE() << "a modal window the test did not expect: \"" << WindowText(hWnd) << "\"";
    ::EndDialog(hWnd, IDCANCEL);
}

// While each test runs, the modal windows that open with no CModalAnswers alive.
class CUnexpectedWindows : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        s_hHook = ::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        ::UnhookWindowsHookEx(s_hHook);
        for (const auto& scheduled : s_scheduled)
            ::KillTimer(nullptr, scheduled.first);
        s_scheduled.clear();
    }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto hWnd = reinterpret_cast<HWND>(wParam);
        const bool known = std::any_of(s_scheduled.begin(), s_scheduled.end(),
                                       [&](const auto& s) { return s.second == hWnd; });
        if (code == HCBT_ACTIVATE && !g_pAnswers && ClassName(hWnd) == "#32770" && !known)
            s_scheduled.emplace_back(::SetTimer(nullptr, 0, 50, TimerProc), hWnd);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(nullptr, id);
        const auto it = std::find_if(s_scheduled.begin(), s_scheduled.end(), [&](const auto& s) { return s.first == id; });
        if (it != s_scheduled.end() && ::IsWindow(it->second))
            CloseUnexpected(it->second);
    }

    static inline HHOOK s_hHook = nullptr;
    static inline std::vector<std::pair<UINT_PTR, HWND>> s_scheduled;
};

const bool g_bWatched = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CUnexpectedWindows);
    return true;
}();
} // namespace

CModalAnswers::CModalAnswers()
{
    g_pAnswers = this;
}

CModalAnswers::~CModalAnswers()
{
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
        CloseUnexpected(hWnd);
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

namespace {
WORD g_nAwaitedKey = 0;
bool g_bKeyReleased = false;

LRESULT CALLBACK WatchKeyRelease(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_KEYUP && msg->wParam == g_nAwaitedKey)
        g_bKeyReleased = true;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

bool PressKeyAndWait(WORD vk, bool shift, bool ctrl)
{
    // Input is handled in order: once the key's release is taken from the
    // queue, its press has been handled.
    g_nAwaitedKey = vk;
    g_bKeyReleased = false;
    const CThreadHook hook(WH_GETMESSAGE, WatchKeyRelease);
    PressKey(vk, shift, ctrl);
    return PumpUntil([] { return g_bKeyReleased; }, 3000);
}

std::string WindowText(HWND hWnd)
{
    return ReadWindowText(hWnd).str();
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
        // A WM_QUIT stays in the queue for whoever ends the program.
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
            AfxGetApp()->PumpMessage();
        // The queue ran empty: the program is idle, as in its own message loop.
        AfxGetApp()->OnIdle(0);
        if (done())
            return true;
        if (::GetTickCount() - start >= timeoutMilliseconds)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
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

std::uint32_t CCapture::At(int x, int y) const
{
    const std::size_t i = static_cast<std::size_t>(y) * width + x;
    if (x >= 0 && y >= 0 && x < width && y < height && i < pixels.size())
        return pixels[i];
    if (!reportedOutside)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside a picture of " << width << " x " << height;
    reportedOutside = true;
    return kOutside;
}

std::vector<std::uint32_t> CCapture::Rect(int x, int y, int cx, int cy) const
{
    std::vector<std::uint32_t> rect;
    for (int row = y; row < y + cy; ++row)
        for (int col = x; col < x + cx; ++col)
            rect.push_back(At(col, row));
    return rect;
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

CCapture BitmapPixels(UINT id)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP bm{};
    ::GetObjectA(hBitmap, sizeof bm, &bm);
    CCapture picture;
    picture.width = bm.bmWidth;
    picture.height = bm.bmHeight;
    picture.pixels.resize(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::GetDIBits(hDC, hBitmap, 0, bm.bmHeight, picture.pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    for (auto& p : picture.pixels)
        p &= 0xFFFFFF;
    return picture;
}
