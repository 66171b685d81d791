// Runs the command line that follows its own name, waits for that program to
// end and prints "exit status N" with its own status, all 32 bits of it (a Unix
// exit status keeps 8). Without that line the program was not started.

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

int wmain()
{
    std::wstring command = ::PathGetArgsW(::GetCommandLineW());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("cannot start it: error %lu\n", ::GetLastError());
        return 1;
    }
    DWORD status = 0;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &status);
    std::printf("exit status %lu\n", status);
    return 0;
}
