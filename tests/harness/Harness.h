#pragma once
// Drives windows of the program inside the test process as a player would:
// messages sent to them, modal windows answered by pressing their buttons,
// and what is on the screen read back.

#include "framework/Clock.h"
#include "framework/Screen.h"
#include "framework/Sound.h"

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A hook of this thread's (SetWindowsHookEx), removed when this goes.
class CThreadHook {
public:
    CThreadHook(int idHook, HOOKPROC proc) : m_hHook(::SetWindowsHookExA(idHook, proc, nullptr, ::GetCurrentThreadId())) {}
    ~CThreadHook() { ::UnhookWindowsHookEx(m_hHook); }
    CThreadHook(const CThreadHook&) = delete;
    CThreadHook& operator=(const CThreadHook&) = delete;

private:
    HHOOK m_hHook;
};

// Answers the modal windows (dialogs and message boxes) that open while it
// lives, in order. Each answer runs once the window is up and painted. A modal
// window that no answer awaits, while one lives or not, is closed (cancelled)
// and fails the test that is running.
class CModalAnswers {
public:
    using Answer = std::function<void(HWND)>;

    CModalAnswers();
    ~CModalAnswers();
    CModalAnswers(const CModalAnswers&) = delete;
    CModalAnswers& operator=(const CModalAnswers&) = delete;

    void Expect(Answer answer);
    // The captions of the modal windows that opened, in order.
    const std::vector<std::string>& Seen() const { return m_seen; }
    // Answers not used yet.
    std::size_t Pending() const { return m_answers.size(); }
    // Modal windows that opened with no answer left (they were cancelled).
    int Unexpected() const { return m_nUnexpected; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    CThreadHook m_hook{WH_CBT, CbtProc};
    std::vector<Answer> m_answers;
    std::vector<std::string> m_seen;
    std::vector<std::pair<UINT_PTR, HWND>> m_scheduled;
    int m_nUnexpected = 0;
};

// Presses a dialog's button as a mouse click does.
void PressButton(HWND hDlg, int id);
// Presses a key on the window that has the focus; the message loop that runs
// next handles it.
void PressKey(WORD vk, bool shift = false, bool ctrl = false);
// Presses a key and runs the program's message loop until the key is handled;
// false when it was not within a few seconds.
bool PressKeyAndWait(WORD vk, bool shift = false, bool ctrl = false);
// The window's text, and the text of a dialog's control.
std::string WindowText(HWND hWnd);
std::string ClassName(HWND hWnd);

// Runs the program's message loop (accelerators included) for a while, or
// until done() holds; false when it did not in time.
void Pump(DWORD milliseconds);
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds = 5000);

// A clock the test sets; installed for as long as it lives.
class CVirtualClock : public CClock {
public:
    explicit CVirtualClock(std::time_t now = 1700000000) : m_now(now) { SetClock(this); }
    ~CVirtualClock() override { SetClock(nullptr); }
    std::uint32_t TickCount() override { return m_ticks; }
    std::time_t Now() override { return m_now; }
    std::uint32_t RestMilliseconds(std::uint32_t) override { return 0; }

    std::time_t m_now;
    std::uint32_t m_ticks = 0;
};

// A screen nPixels high in place of the real one, until this goes.
class CScreenHeight {
public:
    explicit CScreenHeight(int nPixels) { SetScreenHeight(nPixels); }
    ~CScreenHeight() { SetScreenHeight(0); }
    CScreenHeight(const CScreenHeight&) = delete;
    CScreenHeight& operator=(const CScreenHeight&) = delete;
};

// The cues the program starts (g_cues), while this lives.
inline std::vector<std::string> g_cues;
class CHeardCues {
public:
    CHeardCues()
    {
        g_cues.clear();
        SetSoundObserver([](const char* name) { g_cues.push_back(name); });
    }
    ~CHeardCues() { SetSoundObserver(nullptr); }
};

// Puts a function of our own in place of one this program imports from a
// system library, until this goes.
class CImportPatch {
public:
    CImportPatch(const char* lpszDll, const char* lpszFunction, void* pReplacement);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    void* Original() const { return m_pOriginal; }

private:
    void** m_ppSlot = nullptr;
    void* m_pOriginal = nullptr;
};

// The GDI objects this process holds now.
int CountGdiObjects();

// The pixels of a picture (0x00RRGGBB), row by row. A pixel asked for outside
// it fails the test that runs, once for the picture, and reads as kOutside,
// which equals no pixel.
struct CCapture {
    static constexpr std::uint32_t kOutside = 0xFF000000;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const;
    // The pixels of a rectangle of it, row by row.
    std::vector<std::uint32_t> Rect(int x, int y, int cx, int cy) const;
    mutable bool reportedOutside = false;
};
// The pixels of a window's client area as the screen shows them.
CCapture CaptureClient(HWND hWnd);
// The pixels of bitmap resource id of this program.
CCapture BitmapPixels(UINT id);
