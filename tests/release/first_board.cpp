// Starts Morvane.exe as a player does, with no settings stored, and waits for
// its first board: a visible window whose caption shows the best result of the
// board's size and whose status bar counts the pairs that can be removed. Usage: first_board PATH\Morvane.exe
// Exits with 0 once the board is dealt, and 1 when it is not within a minute.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct CFrameSearch {
    DWORD processId;
    HWND hFrame;
};

BOOL CALLBACK FindFrame(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<CFrameSearch*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWnd, &processId);
    if (processId != search->processId || !::IsWindowVisible(hWnd) ||
        !::FindWindowExA(hWnd, nullptr, STATUSCLASSNAMEA, nullptr))
        return TRUE;
    search->hFrame = hWnd;
    return FALSE;
}

// A status bar pane of another process, read through memory lent by it.
std::string PaneText(HANDLE hProcess, HWND hBar, int pane)
{
    char text[256] = {};
    void* remote = ::VirtualAllocEx(hProcess, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR result = 0;
    if (remote && ::SendMessageTimeoutA(hBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                        2000, &result))
        ::ReadProcessMemory(hProcess, remote, text, sizeof text - 1, nullptr);
    if (remote)
        ::VirtualFreeEx(hProcess, remote, 0, MEM_RELEASE);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_board PATH\\Morvane.exe\n");
        return 2;
    }
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Kestova\\Morvane", 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        std::printf("settings are stored already\n");
        return 1;
    }
    std::string folder = argv[1];
    folder.erase(folder.find_last_of("\\/"));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const DWORD started = ::GetTickCount();
    if (!::CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process)) {
        std::printf("cannot start %s: error %lu\n", argv[1], ::GetLastError());
        return 1;
    }
    int pairs = 0;
    char caption[256] = "";
    std::string pane;
    while (pairs <= 0 && ::GetTickCount() - started < 60000 &&
           ::WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
        CFrameSearch search{process.dwProcessId, nullptr};
        ::EnumWindows(FindFrame, reinterpret_cast<LPARAM>(&search));
        if (!search.hFrame)
            continue;
        ::GetWindowTextA(search.hFrame, caption, sizeof caption);
        pane = PaneText(process.hProcess, ::FindWindowExA(search.hFrame, nullptr, STATUSCLASSNAMEA, nullptr), 2);
        if (std::strncmp(caption, "Best result is ", 15) != 0 ||
            std::sscanf(pane.c_str(), "%d matched tiles.", &pairs) != 1)
            pairs = 0;
    }
    std::printf("window \"%s\", status \"%s\": ", caption, pane.c_str());
    if (pairs > 0)
        std::printf("first board dealt %lu ms after the start\n", ::GetTickCount() - started);
    else {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(process.hProcess, &code);
        std::printf(code == STILL_ACTIVE ? "no board dealt\n" : "no board dealt; the program ended with %lu\n", code);
    }
    ::TerminateProcess(process.hProcess, 0);
    return pairs > 0 ? 0 : 1;
}
