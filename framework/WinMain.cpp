// The program's entry: the application object takes over.

#include "framework/App.h"
#include "framework/String.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int)
{
    // COM hands the windows' accessible objects to screen readers. Without it
    // they get the system's own objects; the game goes on.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = AfxWinMain(hInstance, Utf8(lpCmdLine).c_str());
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return result;
}
