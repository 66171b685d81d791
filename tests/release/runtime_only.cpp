// A program with nothing of its own, linked as Morvane.exe is and taking from
// the C and C++ runtime what the game takes (exceptions, statics made on first
// use, paths, error texts, clocks and sleeps): what it imports is what the
// runtime brings.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR lpCmdLine, int)
{
    static const std::string made(lpCmdLine, lpCmdLine + 1);
    std::this_thread::sleep_until(std::chrono::steady_clock::now());
    try {
        throw std::runtime_error(std::filesystem::u8path(made).string() +
                                 std::make_error_code(std::errc::io_error).message());
    } catch (const std::exception& e) {
        return e.what()[0];
    }
}
