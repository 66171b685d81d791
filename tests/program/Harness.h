#pragma once
// Drives the real program inside the test process, as a player would: a
// settings store of the test's own, the application started through its
// InitInstance, messages sent to its windows, modal windows answered by
// pressing their buttons, and what is on the screen read back.

#include "framework/Clock.h"

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <functional>
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

    // Starts with these settings stored (name, text).
    explicit CScratchSettings(const Entries& stored = {});
    ~CScratchSettings();
    CScratchSettings(const CScratchSettings&) = delete;
    CScratchSettings& operator=(const CScratchSettings&) = delete;

    // A setting below Software\Kestova\Morvane, written and read as the game does.
    static void Write(const std::string& name, const std::string& text);
    static std::optional<std::string> Read(const std::string& name);

private:
    HKEY m_hScratch = nullptr;
};

// Answers the modal windows (dialogs and message boxes) that open while it
// lives, in order. Each answer runs once the window is up and painted.
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

    HHOOK m_hHook = nullptr;
    std::vector<Answer> m_answers;
    std::vector<std::string> m_seen;
    std::vector<std::pair<UINT_PTR, HWND>> m_scheduled;
    int m_nUnexpected = 0;
};

// Presses a dialog's button as a mouse click does.
void PressButton(HWND hDlg, int id);
// Presses a key on the window that has the focus, through the message loop.
void PressKey(WORD vk, bool shift = false, bool ctrl = false);
// The window's text, and the text of a dialog's control.
std::string WindowText(HWND hWnd);
std::string ClassName(HWND hWnd);

// Runs the program's message loop (accelerators included) for a while, or
// until done() holds; false when it did not in time.
void Pump(DWORD milliseconds);
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds = 5000);

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

// A clock the test sets; installed for as long as it lives.
class CVirtualClock : public CClock {
public:
    explicit CVirtualClock(std::time_t now = 1700000000) : m_now(now) { SetClock(this); }
    ~CVirtualClock() override { SetClock(nullptr); }
    std::uint32_t TickCount() override { return m_ticks; }
    std::time_t Now() override { return m_now; }

    std::time_t m_now;
    std::uint32_t m_ticks = 0;
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

// The GDI objects this process holds now.
int CountGdiObjects();

// The pixels of a window's client area as the screen shows them (0x00RRGGBB),
// row by row.
struct CCapture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
CCapture CaptureClient(HWND hWnd);
